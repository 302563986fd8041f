// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/entry_value.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "calc/calc_error.h"

namespace cnc {
namespace {

using std::string_literals::operator""s;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// A text, and either the value it must read as or the error it must raise.
template <class Value>
struct ConversionCase {
    std::string text;
    std::string separator;
    std::optional<Value> value;
    ErrorKind error = ErrorKind::TypeMismatch;
    std::string group = ".";
};

template <class Value>
void PrintTo(const ConversionCase<Value>& c, std::ostream* out) {
    *out << '"' << c.text.substr(0, 40) << "\" sep \"" << c.separator << "\" group \"" << c.group
         << '"';
}

template <class Value, class Convert>
void expectConversion(const ConversionCase<Value>& c, Convert convert) {
    try {
        const Value value = convert(c.text, c.separator, c.group);
        ASSERT_TRUE(c.value) << "accepted as " << value;
        EXPECT_EQ(value, *c.value);
    } catch (const CalcError& e) {
        EXPECT_FALSE(c.value) << "raised " << e.what();
        EXPECT_EQ(e.kind(), c.error);
        EXPECT_FALSE(e.field().has_value());
    }
}

using EntryCase = ConversionCase<std::int64_t>;
using DoubleCase = ConversionCase<double>;

class EntryValueTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryValueTest, ReadsCountOrRaises) {
    expectConversion(GetParam(),
                     [](std::string_view text, std::string_view separator, std::string_view group) {
                         return parseEntryValue(text, separator, group).tenThousandths;
                     });
}

const EntryCase kTypeMismatch{"", "", std::nullopt, ErrorKind::TypeMismatch};

EntryCase bad(std::string text, std::string separator = ",") {
    EntryCase c = kTypeMismatch;
    c.text = std::move(text);
    c.separator = std::move(separator);
    return c;
}

EntryCase overflow(std::string text, std::string separator = ",") {
    return {std::move(text), std::move(separator), std::nullopt, ErrorKind::Overflow};
}

INSTANTIATE_TEST_SUITE_P(HeaderExamples, EntryValueTest, testing::Values(
    EntryCase{"200", ",", 2000000},
    EntryCase{" 3,14159 ", ",", 31416},
    EntryCase{"3.14159", ",", 31416},
    EntryCase{"-0,00005", ",", 0},
    EntryCase{"0,00015", ",", 2},
    EntryCase{"922337203685477,5807", ",", kMax},
    overflow("922337203685477,5808"),
    EntryCase{"-922337203685477,5808", ",", kMin},
    bad(""), bad("abc"), bad("1e3"), bad("1,2,3")));

INSTANTIATE_TEST_SUITE_P(TextForms, EntryValueTest, testing::Values(
    EntryCase{"+7", ",", 70000},
    EntryCase{"-3", ",", -30000},
    EntryCase{".5", ",", 5000},
    EntryCase{"5.", ",", 50000},
    EntryCase{",5", ",", 5000},
    EntryCase{"\t 12 \t", ",", 120000},
    EntryCase{"000017", ",", 170000},
    EntryCase{"-0", ",", 0},
    EntryCase{"0.0001", ".", 1},
    // The locale's separator may be several bytes (U+066B, Arabic).
    EntryCase{"1\xd9\xab" "5", "\xd9\xab", 15000},
    // A fake separator: a hard-coded ',' or '.' alone cannot pass.
    EntryCase{"3?25", "?", 32500},
    EntryCase{"3.25", "?", 32500}));

// Where '.' groups thousands and is not the decimal separator, "3.175" may
// mean 3175: refused. Fake separators, so that no hard-coded ',' can pass.
EntryCase grouped(std::string text, std::optional<std::int64_t> value, std::string separator = "?",
                  std::string group = ".") {
    return {std::move(text), std::move(separator), value, ErrorKind::TypeMismatch,
            std::move(group)};
}

INSTANTIATE_TEST_SUITE_P(AmbiguousPoint, EntryValueTest, testing::Values(
    grouped("3.175", std::nullopt),
    grouped(" -1.000 ", std::nullopt),
    grouped("+999.999", std::nullopt),
    grouped("3.175", std::nullopt, ","),
    grouped("2.54", 25400),
    grouped("0.125", 1250),
    grouped("01.000", 10000),
    grouped("1000.000", 10000000),
    grouped("1.0000", 10000),
    grouped("3?175", 31750),
    grouped("3.175", 31750, ".", "?"),  // the decimal point is '.' here
    grouped("3.175", 31750, "?", "?"),  // '.' groups nothing here
    grouped("3.175", 31750, "?", "")));

TEST(AmbiguousPoint, SaysHowToWriteTheNumber) {
    try {
        parseEntryValue("-3.175", "?", ".");
        ADD_FAILURE() << "accepted";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(),
                     "Tipo non corrispondente: il punto può indicare le migliaia o i decimali; "
                     "scrivi -3?175 oppure -3175.");
        EXPECT_EQ(e.blaming(Field::ScrewPitch).what(),
                  "Tipo non corrispondente in «Passo della vite (mm)»: il punto può indicare le "
                  "migliaia o i decimali; scrivi -3?175 oppure -3175."s);
    }
}

INSTANTIATE_TEST_SUITE_P(RoundingTiesToEven, EntryValueTest, testing::Values(
    EntryCase{"0.00005", ".", 0},
    EntryCase{"0.000050000000001", ".", 1},
    EntryCase{"0.00015", ".", 2},
    EntryCase{"0.00025", ".", 2},
    EntryCase{"0.000249999", ".", 2},
    EntryCase{"-0.00015", ".", -2},
    EntryCase{"1.99995", ".", 20000},
    EntryCase{"0.00004999999999999999999999", ".", 0}));

INSTANTIATE_TEST_SUITE_P(RangeEnds, EntryValueTest, testing::Values(
    EntryCase{"922337203685477.5807", ".", kMax},
    EntryCase{"922337203685477.58074", ".", kMax},
    overflow("922337203685477.58075", "."),  // rounds past the end
    overflow("922337203685477.5808", "."),
    EntryCase{"-922337203685477.5808", ".", kMin},
    EntryCase{"-922337203685477.58084", ".", kMin},
    overflow("-922337203685477.5809", "."),
    overflow("99999999999999999999", "."),
    overflow("1" + std::string(10000, '0'), "."),
    EntryCase{std::string(10000, '0') + "1", ".", 10000},
    EntryCase{"1." + std::string(10000, '9'), ".", 20000}));

INSTANTIATE_TEST_SUITE_P(BadText, EntryValueTest, testing::Values(
    bad(" "), bad("+"), bad("-"), bad("."), bad(","), bad("--1"), bad("+-1"),
    bad("1 2"), bad("- 1"), bad("1.2.3"), bad("1,2.3"), bad("1.234,5"),
    bad("1e400"), bad("0x10"), bad("inf"), bad("nan"), bad("12abc"),
    bad("1\n"),
    bad("1\0"s "2"), bad("\0"s),
    bad("\xd9\xa1\xd9\xa2"),          // Arabic-Indic digits
    bad("\xef\xbc\x91\xef\xbc\x92"),  // fullwidth digits
    bad("\xf0\x9f\x94\xa9"),          // an emoji
    bad("99999999999999999999x"),     // not a number before too large
    bad("3,5", "?")));                // ',' is not the separator here

TEST(Widen, IsTheNearestDouble) {
    struct Row {
        std::int64_t count;
        const char* decimal;  // the same value as text, read correctly rounded
    };
    const Row rows[] = {
        {2000000, "200"},
        {31416, "3.1416"},
        {-75, "-0.0075"},
        {1, "0.0001"},
        {(std::int64_t{1} << 53) + 1, "900719925474.0993"},
        {(std::int64_t{1} << 53) + 3, "900719925474.0995"},
        {kMax, "922337203685477.5807"},
        {kMin, "-922337203685477.5808"},
        {kMax - 1, "922337203685477.5806"},
    };
    for (const Row& row : rows) {
        double expected = 0;
        const std::string text = row.decimal;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        EXPECT_EQ(widen(EntryValue{row.count}), expected) << row.count;
    }
}

TEST(FixedPointProduct, IsExactAndRaisesOutsideTheRange) {
    EXPECT_EQ(multiply(EntryValue{2000000}, 2).tenThousandths, 4000000);
    EXPECT_EQ(multiply(EntryValue{kMax / 2}, 2).tenThousandths, kMax - 1);
    EXPECT_EQ(multiply(EntryValue{kMin / 2}, 2).tenThousandths, kMin);
    for (std::int64_t count : {kMax / 2 + 1, kMin / 2 - 1, kMax, kMin}) {
        try {
            multiply(EntryValue{count}, 2);
            ADD_FAILURE() << count << " doubled without an error";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        }
    }
}

class ParseDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(ParseDoubleTest, ReadsNearestDoubleOrRaises) { expectConversion(GetParam(), parseDouble); }

INSTANTIATE_TEST_SUITE_P(Values, ParseDoubleTest, testing::Values(
    DoubleCase{"3,14159", ",", 3.14159},
    DoubleCase{"3.14159", ",", 3.14159},
    DoubleCase{" -3 ", ",", -3.0},
    DoubleCase{".5", ",", 0.5},
    DoubleCase{"--45", "-", -0.45},  // a separator that could pass for a sign
    DoubleCase{"0.1", ".", 0.1},
    DoubleCase{"922337203685477.58075", ".", 922337203685477.58075},
    DoubleCase{"1" + std::string(308, '0'), ".", 1e308},
    DoubleCase{"0." + std::string(399, '0') + "1", ".", 0.0},
    DoubleCase{"0." + std::string(323, '0') + "5", ".", 4.9406564584124654e-324},
    DoubleCase{"1" + std::string(10000, '0'), ".", std::nullopt, ErrorKind::Overflow},
    DoubleCase{"", ",", std::nullopt},
    DoubleCase{"abc", ",", std::nullopt},
    DoubleCase{"1e400", ".", std::nullopt},
    DoubleCase{"--1", ".", std::nullopt},
    DoubleCase{"3.175", "?", std::nullopt},
    DoubleCase{"3.1750", "?", 3.175}));

}  // namespace
}  // namespace cnc
