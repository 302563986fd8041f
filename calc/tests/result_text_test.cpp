// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/exact_ratio.h"

namespace cnc {
namespace {

struct FormatCase {
    double value;
    ResultPattern pattern;
    std::string_view separator;
    std::string_view expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.value << " with " << c.pattern.decimals() << " decimals";
}

class FormatResultTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, GivesExpectedText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatResult(c.value, c.pattern, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    HeaderExamples, FormatResultTest,
    testing::Values(FormatCase{133.33333333333334, kNineDecimals, ".", "133.333333333"},
                    FormatCase{0.0035416666666666665, kEightDecimals, ".", "0.00354167"},
                    FormatCase{-0.0075, kNineDecimals, ".", "-0.007500000"},
                    FormatCase{0.0075, kNineDecimals, ",", "0,007500000"},
                    FormatCase{1234567.5, kTwoDecimals, ".", "1234567.50"},
                    FormatCase{0.125, kTwoDecimals, ".", "0.12"},
                    FormatCase{-0.001, kTwoDecimals, ".", "0.00"},
                    FormatCase{2.5, "0.0#", ".", "2.5"}));

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatResultTest,
    testing::Values(FormatCase{133.33333333333334, "#####0.000000000", ".", "133.333333333"},
                    FormatCase{66.666666666666671, kNineDecimals, ".", "66.666666667"},
                    FormatCase{0.0, kNineDecimals, ".", "0.000000000"},
                    FormatCase{83.691782, kTwoDecimals, ".", "83.69"},
                    FormatCase{5.0, "00.0", ".", "05.0"}, FormatCase{2.0, "0.##", ".", "2"},
                    FormatCase{2.5, "0", ".", "2"},  // tie, to even
                    FormatCase{3.5, "0", ".", "4"}, FormatCase{12345.0, "0", ".", "12345"}));

INSTANTIATE_TEST_SUITE_P(Rounding, FormatResultTest,
                         testing::Values(
                             // 1/1024 = 0.0009765625 exactly: a true tie at the ninth decimal.
                             FormatCase{0.0009765625, kNineDecimals, ".", "0.000976562"},
                             FormatCase{0.375, kTwoDecimals, ".", "0.38"},
                             // 0.125000000000000014 is above the tie, though it prints as 0.125.
                             FormatCase{0.12500000000000003, kTwoDecimals, ".", "0.13"},
                             FormatCase{0.999999999999, kTwoDecimals, ".", "1.00"},
                             FormatCase{-0.9999999999, kNineDecimals, ".", "-1.000000000"},
                             FormatCase{-0.0000000004, kNineDecimals, ".", "0.000000000"},
                             FormatCase{-0.0000000006, kNineDecimals, ".", "-0.000000001"}));

INSTANTIATE_TEST_SUITE_P(Separators, FormatResultTest,
                         testing::Values(FormatCase{-133.33333333333334, kNineDecimals, "?",
                                                    "-133?333333333"},
                                         FormatCase{83.691782, kTwoDecimals, "\xd9\xab",
                                                    "83\xd9\xab"
                                                    "69"},
                                         FormatCase{12345.678, kTwoDecimals, ",", "12345,68"},
                                         FormatCase{12345.0, "0", ",", "12345"}));

// Every result is its double's exact binary value rounded: whichever way a
// value is rounded, the text is the exact ratio's, ties included.
TEST(FormatResult, AgreesWithTheExactRatio) {
    std::mt19937_64 bits(2026);
    std::vector<double> values;
    for (int n = 0; n < 3000; ++n) {
        values.push_back(std::ldexp(n, -10));  // a true tie at the ninth decimal and beyond
        values.push_back(std::ldexp(static_cast<double>(bits() >> 11), -53 - n % 140 + 60));
    }
    for (const double value : values) {
        const Ratio exact = ratioOfDouble(value);
        EXPECT_EQ(formatResult(value, kTwoDecimals, "."), roundedText(exact, 2, ".")) << value;
        EXPECT_EQ(formatResult(value, kNineDecimals, "."), roundedText(exact, 9, ".")) << value;
        EXPECT_EQ(formatResult(value, "0.0000000000000000000000", "."), roundedText(exact, 22, "."))
            << value;
    }
}

TEST(FormatResult, ShowsEveryIntegerDigitOfTheExactValue) {
    const std::string text = formatResult(1e22, kTwoDecimals, ".");
    EXPECT_EQ(text, "10000000000000000000000.00");
    const std::string largest =
        formatResult(std::numeric_limits<double>::max(), kNineDecimals, ".");
    EXPECT_EQ(largest.size(), 309u + 1 + 9);
    EXPECT_EQ(largest.substr(0, 17), "17976931348623157");
}

TEST(FormatResult, RefusesWhatNoResultCanBe) {
    EXPECT_THROW(formatResult(std::numeric_limits<double>::infinity(), kTwoDecimals, "."),
                 std::invalid_argument);
    EXPECT_THROW(formatResult(std::numeric_limits<double>::quiet_NaN(), kTwoDecimals, "."),
                 std::invalid_argument);
}

}  // namespace
}  // namespace cnc
