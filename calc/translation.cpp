// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/translation.h"

#include <utility>

namespace cnc {
namespace {

MessageCatalogue& processCatalogue() {
    static MessageCatalogue catalogue;
    return catalogue;
}

// The placeholder's number when `pattern` holds "{digits}" at `at`, and where
// it ends; nullopt for anything else.
std::optional<std::pair<std::size_t, std::size_t>> placeholderAt(std::string_view pattern,
                                                                 std::size_t at) {
    std::size_t index = 0;
    std::size_t end = at + 1;
    for (; end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9'; ++end) {
        if (end - at > 4) return std::nullopt;
        index = index * 10 + static_cast<std::size_t>(pattern[end] - '0');
    }
    if (end == at + 1 || end >= pattern.size() || pattern[end] != '}') return std::nullopt;
    return std::pair{index, end + 1};
}

}  // namespace

void useCatalogue(MessageCatalogue catalogue) { processCatalogue() = std::move(catalogue); }

bool speaksItalian() { return processCatalogue().isEmpty(); }

std::string _(std::string_view italian) {
    return std::string(processCatalogue().translation(italian).value_or(italian));
}

std::string _n(std::string_view singular, std::string_view plural, std::uint64_t n) {
    constexpr std::uint64_t kMillion = 1000000;
    const auto count = static_cast<unsigned long>(n < kMillion ? n : kMillion + n % kMillion);
    const auto translated = processCatalogue().pluralTranslation(singular, count);
    return std::string(translated ? *translated : n == 1 ? singular : plural);
}

namespace {

template <class Values>
std::string fill(std::string_view pattern, const Values& values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size();) {
        const char c = pattern[at];
        if ((c == '{' || c == '}') && at + 1 < pattern.size() && pattern[at + 1] == c) {
            text += c;
            at += 2;
            continue;
        }
        if (c == '{') {
            const auto placeholder = placeholderAt(pattern, at);
            if (placeholder && placeholder->first < std::size(values)) {
                text += std::data(values)[placeholder->first];
                at = placeholder->second;
                continue;
            }
        }
        text += c;
        ++at;
    }
    return text;
}

}  // namespace

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return fill(pattern, values);
}

std::string filled(std::string_view pattern, std::span<const std::string> values) {
    return fill(pattern, values);
}

std::string quoted(std::string_view text) {
    // TRANSLATORS: quotation marks around a name or a typed text inside a message, as your language
    // writes them: “{0}”, „{0}“, « {0} » (with no-break spaces), «{0}»
    return filled(_("«{0}»"), {text});
}

}  // namespace cnc
