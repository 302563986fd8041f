// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/json/json_value.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace cnc::web {
namespace {

using std::string_literals::operator""s;

TEST(JsonValue, StringsReadWithEveryEscape) {
    const struct {
        std::string json;
        std::string text;
    } cases[] = {
        {R"("plain")", "plain"},
        {" \t\r\n\"spaced\"\n ", "spaced"},
        {R"("a\"b\\c\/d")", "a\"b\\c/d"},
        {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
        {R"("\u0041\u00e8\u20AC")", "A\u00e8\u20ac"},
        {R"("\u0000x")", "\0x"s},
        {R"("\ud83d\ude00")", "\U0001F600"},
        {R"("\ud83dx")", "\ufffdx"},  // a high surrogate alone
        {R"("\ude00")", "\ufffd"},    // a low one alone
        {R"("\ud800\ud83d\ude00")", "\ufffd\U0001F600"},
        {"\"\u03a9 \u65e5\xff\"", "\u03a9 \u65e5\xff"},  // UTF-8 and other bytes as they are
    };
    for (const auto& c : cases) EXPECT_EQ(JsonValue::parse(c.json).text(), c.text) << c.json;
}

TEST(JsonValue, TextThatIsNotJsonIsNull) {
    const std::string deepest = std::string(64, '[') + std::string(64, ']');
    EXPECT_TRUE(JsonValue::parse(deepest).isArray());
    std::string tooDeep = "1";
    for (int i = 0; i <= JsonValue::kMaxDepth; ++i) tooDeep = R"({"a":)" + tooDeep + '}';
    // clang-format off
    const std::string cases[] = {
        "", " ", "{", "[1,]", "[,1]", R"({"a"})", R"({"a":1,})", "{a:1}", R"({"a" 1})",
        "\"open", "\"a\x01\"", R"("\x")", R"("\u12")", R"("\u12g4")", "01", "1.", ".5", "-",
        "+1", "1e", "tru", "nul", "[1] x", "'a'", "[" + deepest + "]", tooDeep,
    };
    // clang-format on
    for (const auto& json : cases) EXPECT_TRUE(JsonValue::parse(json).isNull()) << json;
}

// What a path reaches, segments of digits being indexes: "null", a string
// quoted, "#n" for a number that is the index n, "[n]" an array of n.
std::string reached(const std::string& json, const std::vector<std::string>& path) {
    const JsonValue root = JsonValue::parse(json);
    const JsonValue* value = &root;
    for (const auto& segment : path) {
        const bool digits = segment.find_first_not_of("0123456789") == std::string::npos;
        value = digits ? &(*value)[std::stoul(segment)] : &(*value)[segment];
    }
    if (value->isNull()) return "null";
    if (value->isString()) return '"' + value->text() + '"';
    if (value->isNumber()) return value->index() ? '#' + std::to_string(*value->index()) : "#";
    if (value->isArray()) return '[' + std::to_string(value->size()) + ']';
    return "other";
}

TEST(JsonValue, MembersAndElements) {
    const std::string entries = R"({"texts":{"k":"v"},"chosen":{"k":2}})";
    const std::string machine = R"({"axes":[{"letter":"X","state":[["k","t"]]}]})";
    const struct {
        std::string json;
        std::vector<std::string> path;
        std::string reached;
    } cases[] = {
        {entries, {"texts", "k"}, "\"v\""},
        {entries, {"chosen", "k"}, "#2"},
        {entries, {"chosen", "x"}, "null"},
        {entries, {"texts", "k", "more"}, "null"},
        {machine, {"axes"}, "[1]"},
        {machine, {"axes", "0", "state", "0", "1"}, "\"t\""},
        {machine, {"axes", "1", "letter"}, "null"},  // past the end
        {R"({"a":1,"a":"last"})", {"a"}, "\"last\""},
        {R"(["a"])", {"a"}, "null"},      // an array has no members
        {R"({"0":"x"})", {"0"}, "null"},  // nor an object elements
        {R"("text")", {"length"}, "null"},
        {R"([true,false,null,{}])", {}, "[4]"},
        {R"([true,false,null,{}])", {"0"}, "other"},
        {R"([true,false,null,{}])", {"2"}, "null"},
    };
    for (const auto& c : cases) EXPECT_EQ(reached(c.json, c.path), c.reached) << c.json;
}

TEST(JsonValue, NumbersAsIndexes) {
    const struct {
        std::string json;
        std::optional<std::size_t> index;
    } cases[] = {
        // clang-format off
        {"0", 0},         {"7", 7},        {"2.9", 2},        {"0.5", 0},
        {"1e2", 100},     {"1.5E1", 15},   {"25e-1", 2},      {"5e-1", 0},
        {"-0", 0},        {"-1", {}},      {"-0.5", {}},      {"1e30", {}},
        {"0e999999999999", 0},             {R"("3")", {}},    {"true", {}},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(JsonValue::parse(c.json).index(), c.index) << c.json;
}

}  // namespace
}  // namespace cnc::web
