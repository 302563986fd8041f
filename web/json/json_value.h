// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JSON text read back as the page writes it with JSON.stringify: the
// module's arguments that are more than a text (a form's texts, a machine).
// A value is null, a boolean, a number, a string, an array or an object.
// Text that is not JSON reads as null, and so does a member or an element
// that is not there, or is asked of a value that has none: a reader asks
// for what it wants and gets nothing rather than an error.
//   parse(R"({"a":["x",1.5]})")["a"][0].text()   -> "x"
//   parse(R"({"a":["x",1.5]})")["a"][1].index()  -> 1
//   parse(R"({"a":["x",1.5]})")["b"][7].text()   -> "" (null)
//   parse(R"({"a":)")                            -> null (not JSON)
//   parse(R"("\ud83d\ude00")").text()            -> U+1F600 in UTF-8
// Strings take every escape JSON has; a \u escape of a lone surrogate reads
// as U+FFFD, as the browser's TextEncoder writes one. Bytes that are not
// UTF-8 pass through a string as they are. Arrays and objects nested deeper
// than kMaxDepth are not JSON here: the module's stack is small. Of a key
// an object repeats, the last counts, as in JSON.parse.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cnc::web {

class JsonValue {
public:
    static constexpr int kMaxDepth = 64;

    static JsonValue parse(std::string_view text);

    bool isNull() const { return kind_ == Kind::Null; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isString() const { return kind_ == Kind::String; }
    bool isArray() const { return kind_ == Kind::Array; }

    // A string's text; "" for any other value.
    const std::string& text() const;
    // A number as an index: its whole part, its fraction dropped, when it
    // is 0 or more and fits; none for a negative number, one too large, or
    // a value that is no number. -0.5 -> none, 2.9 -> 2, 1e2 -> 100.
    std::optional<std::size_t> index() const;
    // An array's element count; 0 for any other value.
    std::size_t size() const;

    // An object's member; null when there is none.
    const JsonValue& operator[](std::string_view key) const;
    // An array's element; null past its end.
    const JsonValue& operator[](std::size_t index) const;

private:
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    friend class JsonParser;

    Kind kind_ = Kind::Null;
    std::string text_;               // a string's text, a number's as written
    std::vector<JsonValue> values_;  // an array's elements, an object's values
    std::vector<std::string> keys_;  // an object's keys, one for each value
};

}  // namespace cnc::web
