// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plural_forms.h"

#include <iterator>
#include <utility>

namespace cnc {
namespace {

// Reads and evaluates the expression in one pass, by C's precedence; every
// step gives nullopt once the text stops being an expression. Both branches
// of a ?: are read (and evaluated) so that the whole text is checked.
class Evaluation {
public:
    Evaluation(std::string_view text, unsigned long n) : text_(text), n_(n) {}

    std::optional<unsigned long> whole() {
        const auto value = conditional();
        skipSpace();
        if (!value || at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    // Deep enough for any language's rule, shallow enough for any stack.
    static constexpr int kMaxDepth = 64;

    using Value = std::optional<unsigned long>;

    void skipSpace() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n')) {
            ++at_;
        }
    }
    // Takes `token` when it comes next, and not as the start of a longer
    // operator ("<" is not taken from "<=").
    bool take(std::string_view token) {
        skipSpace();
        if (text_.substr(at_, token.size()) != token) return false;
        const std::size_t after = at_ + token.size();
        if (token.size() == 1 && after < text_.size() && text_[after] == '=' &&
            (token == "<" || token == ">" || token == "!")) {
            return false;
        }
        at_ = after;
        return true;
    }

    Value conditional() {
        if (++depth_ > kMaxDepth) return std::nullopt;
        Value value = binary(0);
        if (value && take("?")) {
            const Value yes = conditional();
            const Value no = take(":") ? conditional() : std::nullopt;
            value = yes && no ? (*value != 0 ? yes : no) : std::nullopt;
        }
        --depth_;
        return value;
    }

    // The binary operators of one level of precedence, loosest first; a
    // longer token before its beginning ("<=" before "<").
    static constexpr std::string_view kLevels[][4] = {
        {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};

    static unsigned long apply(std::string_view op, unsigned long left, unsigned long right) {
        if (op == "||") return left != 0 || right != 0;
        if (op == "&&") return left != 0 && right != 0;
        if (op == "==") return left == right;
        if (op == "!=") return left != right;
        if (op == "<=") return left <= right;
        if (op == ">=") return left >= right;
        if (op == "<") return left < right;
        if (op == ">") return left > right;
        if (op == "+") return left + right;
        if (op == "-") return left - right;
        if (op == "*") return left * right;
        if (right == 0) return 0;
        return op == "/" ? left / right : left % right;
    }

    Value binary(std::size_t level) {
        if (level == std::size(kLevels)) return negation();
        Value value = binary(level + 1);
        while (value) {
            std::string_view op;
            for (const std::string_view token : kLevels[level]) {
                if (!token.empty() && take(token)) {
                    op = token;
                    break;
                }
            }
            if (op.empty()) break;
            const Value right = binary(level + 1);
            value = right ? Value(apply(op, *value, *right)) : std::nullopt;
        }
        return value;
    }
    Value negation() {
        if (!take("!")) return operand();
        if (++depth_ > kMaxDepth) return std::nullopt;
        const Value value = negation();
        --depth_;
        return value ? Value(*value == 0) : std::nullopt;
    }
    Value operand() {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == 'n') {
            ++at_;
            return n_;
        }
        if (take("(")) {
            const Value value = conditional();
            return value && take(")") ? value : std::nullopt;
        }
        return number();
    }
    Value number() {
        const std::size_t start = at_;
        unsigned long value = 0;
        for (; at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9'; ++at_) {
            if (at_ - start >= 9) return std::nullopt;  // no rule needs a larger number
            value = value * 10 + static_cast<unsigned long>(text_[at_] - '0');
        }
        return at_ > start ? Value(value) : std::nullopt;
    }

    std::string_view text_;
    unsigned long n_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// The text after `name=` up to the next ';', or nullopt.
std::optional<std::string_view> field(std::string_view line, std::string_view name) {
    std::size_t at = line.find(name);
    while (at != std::string_view::npos && at > 0 && line[at - 1] != ' ' && line[at - 1] != ';' &&
           line[at - 1] != ':') {
        at = line.find(name, at + 1);
    }
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t start = at + name.size();
    while (start < line.size() && line[start] == ' ') ++start;
    if (start >= line.size() || line[start] != '=') return std::nullopt;
    const std::size_t end = line.find(';', start + 1);
    return line.substr(start + 1, end == std::string_view::npos ? line.npos : end - start - 1);
}

}  // namespace

std::optional<PluralForms> PluralForms::ofHeader(std::string_view header) {
    constexpr std::string_view kKey = "Plural-Forms:";
    std::size_t at = header.find(kKey);
    if (at == std::string_view::npos || (at > 0 && header[at - 1] != '\n')) return std::nullopt;
    std::string_view line = header.substr(at + kKey.size());
    line = line.substr(0, line.find('\n'));

    const auto count = field(line, "nplurals");
    const auto expression = field(line, "plural");
    if (!count || !expression) return std::nullopt;
    const auto forms = Evaluation(*count, 0).whole();
    if (!forms || *forms < 1 || *forms > 100) return std::nullopt;
    if (!Evaluation(*expression, 0).whole()) return std::nullopt;
    return PluralForms(*forms, std::string(*expression));
}

unsigned long PluralForms::formFor(unsigned long n) const {
    const auto form = Evaluation(expression_, n).whole();
    return form && *form < count_ ? *form : 0;
}

}  // namespace cnc
