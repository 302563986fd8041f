// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_value.h"

#include <algorithm>
#include <limits>

namespace cnc::web {

// A recursive descent over the text; any fault makes the whole text null.
class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value;
        if (!read(value, 0)) return {};
        skipSpace();
        if (!atEnd()) return {};
        return value;
    }

private:
    using Kind = JsonValue::Kind;

    std::string_view text_;
    std::size_t at_ = 0;

    bool atEnd() const { return at_ >= text_.size(); }
    char next() const { return atEnd() ? '\0' : text_[at_]; }
    bool isDigit() const { return !atEnd() && next() >= '0' && next() <= '9'; }

    void skipSpace() {
        while (!atEnd() && (next() == ' ' || next() == '\t' || next() == '\n' || next() == '\r')) {
            ++at_;
        }
    }

    bool take(char wanted) {
        skipSpace();
        if (next() != wanted) return false;
        ++at_;
        return true;
    }

    bool takeWord(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool read(JsonValue& value, int depth) {
        skipSpace();
        switch (next()) {
            case '{':
                value.kind_ = Kind::Object;
                return depth < JsonValue::kMaxDepth && members(value, depth + 1);
            case '[':
                value.kind_ = Kind::Array;
                return depth < JsonValue::kMaxDepth && elements(value, depth + 1);
            case '"': value.kind_ = Kind::String; return string(value.text_);
            case 't': value.kind_ = Kind::Boolean; return takeWord("true");
            case 'f': value.kind_ = Kind::Boolean; return takeWord("false");
            case 'n': value.kind_ = Kind::Null; return takeWord("null");
            default: value.kind_ = Kind::Number; return number(value.text_);
        }
    }

    bool elements(JsonValue& array, int depth) {
        ++at_;
        if (take(']')) return true;
        do {
            if (!read(array.values_.emplace_back(), depth)) return false;
        } while (take(','));
        return take(']');
    }

    bool members(JsonValue& object, int depth) {
        ++at_;
        if (take('}')) return true;
        do {
            skipSpace();
            if (next() != '"' || !string(object.keys_.emplace_back())) return false;
            if (!take(':') || !read(object.values_.emplace_back(), depth)) return false;
        } while (take(','));
        return take('}');
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, kept as written.
    bool number(std::string& written) {
        const std::size_t start = at_;
        if (next() == '-') ++at_;
        if (next() == '0') {
            ++at_;
        } else if (!digits()) {
            return false;
        }
        if (next() == '.') {
            ++at_;
            if (!digits()) return false;
        }
        if (next() == 'e' || next() == 'E') {
            ++at_;
            if (next() == '+' || next() == '-') ++at_;
            if (!digits()) return false;
        }
        written = text_.substr(start, at_ - start);
        return true;
    }

    bool digits() {
        const std::size_t start = at_;
        while (isDigit()) ++at_;
        return at_ > start;
    }

    bool string(std::string& text) {
        ++at_;
        while (!atEnd()) {
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                text += c;
            } else if (!escape(text)) {
                return false;
            }
        }
        return false;
    }

    bool escape(std::string& text) {
        const char c = next();
        ++at_;
        switch (c) {
            case '"':
            case '\\':
            case '/': text += c; return true;
            case 'b': text += '\b'; return true;
            case 'f': text += '\f'; return true;
            case 'n': text += '\n'; return true;
            case 'r': text += '\r'; return true;
            case 't': text += '\t'; return true;
            case 'u': return unicodeEscape(text);
            default: return false;
        }
    }

    // After "\u": a code point, or a surrogate pair written as two escapes.
    bool unicodeEscape(std::string& text) {
        const auto unit = hex4();
        if (!unit) return false;
        char32_t point = *unit;
        if (point >= 0xD800 && point <= 0xDBFF) {
            const std::size_t high = at_;
            const auto low = takeWord("\\u") ? hex4() : std::nullopt;
            if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
                point = 0x10000 + ((point - 0xD800) << 10) + (*low - 0xDC00);
            } else {
                at_ = high;  // what follows the high one alone stands by itself
            }
        }
        appendUtf8(text, point >= 0xD800 && point <= 0xDFFF ? 0xFFFD : point);
        return true;
    }

    std::optional<char32_t> hex4() {
        if (text_.size() - at_ < 4) return std::nullopt;
        char32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            unsigned digit = 0;
            if (c >= '0' && c <= '9') {
                digit = static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<unsigned>(c - 'A' + 10);
            } else {
                return std::nullopt;
            }
            unit = unit * 16 + digit;
        }
        return unit;
    }

    static void appendUtf8(std::string& text, char32_t point) {
        const auto byte = [&](char32_t bits) { text += static_cast<char>(bits); };
        if (point < 0x80) {
            byte(point);
        } else if (point < 0x800) {
            byte(0xC0 | (point >> 6));
            byte(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            byte(0xE0 | (point >> 12));
            byte(0x80 | ((point >> 6) & 0x3F));
            byte(0x80 | (point & 0x3F));
        } else {
            byte(0xF0 | (point >> 18));
            byte(0x80 | ((point >> 12) & 0x3F));
            byte(0x80 | ((point >> 6) & 0x3F));
            byte(0x80 | (point & 0x3F));
        }
    }
};

JsonValue JsonValue::parse(std::string_view text) { return JsonParser(text).document(); }

namespace {

const JsonValue& nothing() {
    static const JsonValue null;
    return null;
}

// An exponent's digits, "-12" -> -12; past a billion places the point is
// beyond any index either way.
long long exponentOf(std::string_view written) {
    const bool down = written.front() == '-';
    if (written.front() == '-' || written.front() == '+') written.remove_prefix(1);
    long long shift = 0;
    for (const char c : written) shift = std::min(shift * 10 + (c - '0'), 1'000'000'000LL);
    return down ? -shift : shift;
}

}  // namespace

const std::string& JsonValue::text() const { return isString() ? text_ : nothing().text_; }

std::optional<std::size_t> JsonValue::index() const {
    if (!isNumber()) return std::nullopt;
    std::string_view written = text_;
    const bool negative = written.front() == '-';
    if (negative) written.remove_prefix(1);
    const std::size_t exponentAt = std::min(written.find_first_of("eE"), written.size());
    const std::string_view mantissa = written.substr(0, exponentAt);
    // The mantissa's digits without its point, and where the point stands
    // among them once the exponent has moved it: before the first digit,
    // or far past the last.
    const std::size_t pointAt = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t digits = mantissa.size() - (pointAt < mantissa.size() ? 1 : 0);
    const auto digitAt = [&](std::size_t k) {
        return static_cast<std::size_t>(mantissa[k < pointAt ? k : k + 1] - '0');
    };
    long long point = static_cast<long long>(pointAt);
    if (exponentAt < written.size()) point += exponentOf(written.substr(exponentAt + 1));
    if (negative) {
        // -0 is 0, as JavaScript compares it; anything less is no index.
        for (std::size_t k = 0; k < digits; ++k) {
            if (digitAt(k) != 0) return std::nullopt;
        }
        return 0;
    }
    constexpr std::size_t kLargest = std::numeric_limits<std::size_t>::max();
    std::size_t whole = 0;
    for (long long i = 0; i < point; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (k >= digits && whole == 0) break;  // zeros after zero
        const std::size_t digit = k < digits ? digitAt(k) : 0;
        if (whole > (kLargest - digit) / 10) return std::nullopt;
        whole = whole * 10 + digit;
    }
    return whole;
}

std::size_t JsonValue::size() const { return isArray() ? values_.size() : 0; }

const JsonValue& JsonValue::operator[](std::string_view key) const {
    if (kind_ != Kind::Object) return nothing();
    for (std::size_t i = keys_.size(); i-- > 0;) {
        if (keys_[i] == key) return values_[i];
    }
    return nothing();
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    return isArray() && index < values_.size() ? values_[index] : nothing();
}

}  // namespace cnc::web
