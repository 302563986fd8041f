// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/message_catalogue.h"

#include <array>
#include <utility>

namespace cnc {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
// Magic, revision, count, the two tables' offsets, the hash table's size
// and offset (which a binary search has no need of).
constexpr std::size_t kHeaderBytes = 28;

// The four bytes at `offset` as a little-endian word.
std::uint32_t littleEndian(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

std::uint32_t swappedBytes(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xff00u) | ((value << 8) & 0xff0000u) | (value << 24);
}

// The text up to its first NUL: a plural message's singular, a plural
// translation's first form.
std::string_view firstPart(std::string_view text) { return text.substr(0, text.find('\0')); }

// The header line of a catalogue whose originals are digests.
constexpr std::string_view kDigestedOriginals = "X-Originals: FNV-1a 32\n";

bool hasLine(std::string_view header, std::string_view line) {
    const std::size_t at = header.find(line);
    return at != std::string_view::npos && (at == 0 || header[at - 1] == '\n');
}

// The eight lowercase hex digits of the 32-bit FNV-1a hash of `text`.
std::array<char, 8> digestOf(std::string_view text) {
    std::uint32_t value = 0x811c9dc5u;
    for (const char byte : text) {
        value = (value ^ static_cast<unsigned char>(byte)) * 0x01000193u;
    }
    std::array<char, 8> digits{};
    for (char& digit : digits) {
        digit = "0123456789abcdef"[value >> 28];
        value <<= 4;
    }
    return digits;
}

}  // namespace

std::uint32_t MessageCatalogue::word(std::size_t offset) const {
    const std::uint32_t value = littleEndian(bytes_, offset);
    return swapped_ ? swappedBytes(value) : value;
}

std::string_view MessageCatalogue::text(std::uint32_t table, std::uint32_t index) const {
    const std::size_t entry = table + std::size_t{index} * 8;
    return std::string_view(bytes_).substr(word(entry + 4), word(entry));
}

std::optional<MessageCatalogue> MessageCatalogue::read(std::string bytes) {
    MessageCatalogue catalogue;
    catalogue.bytes_ = std::move(bytes);
    const std::size_t size = catalogue.bytes_.size();
    if (size < kHeaderBytes) return std::nullopt;
    const std::uint32_t magic = littleEndian(catalogue.bytes_, 0);
    if (magic != kMagic && magic != swappedBytes(kMagic)) return std::nullopt;
    catalogue.swapped_ = magic != kMagic;
    // Revision 1 adds strings that depend on the system (<inttypes.h>
    // formats), which no message of ours uses; its plain tables read alike.
    if (catalogue.word(4) >> 16 > 1) return std::nullopt;
    catalogue.count_ = catalogue.word(8);
    catalogue.originals_ = catalogue.word(12);
    catalogue.translations_ = catalogue.word(16);

    const unsigned long long tableBytes = 8ull * catalogue.count_;
    for (const std::uint32_t table : {catalogue.originals_, catalogue.translations_}) {
        if (table + tableBytes > size) return std::nullopt;
        for (std::uint32_t i = 0; i < catalogue.count_; ++i) {
            const std::size_t entry = table + std::size_t{i} * 8;
            if (0ull + catalogue.word(entry) + catalogue.word(entry + 4) > size)
                return std::nullopt;
        }
    }
    if (catalogue.count_ > 0 && catalogue.text(catalogue.originals_, 0).empty()) {
        const std::string_view header = catalogue.text(catalogue.translations_, 0);
        catalogue.plural_ = PluralForms::ofHeader(header);
        catalogue.digested_ = hasLine(header, kDigestedOriginals);
    }
    return catalogue;
}

std::optional<std::uint32_t> MessageCatalogue::indexOf(std::string_view original) const {
    if (!digested_) return indexOfName(original);
    const std::array<char, 8> digest = digestOf(original);
    return indexOfName(std::string_view(digest.data(), digest.size()));
}

// The entry whose original, up to a NUL, is `name`.
std::optional<std::uint32_t> MessageCatalogue::indexOfName(std::string_view name) const {
    std::uint32_t low = 0;
    std::uint32_t high = count_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const int order = firstPart(text(originals_, middle)).compare(name);
        if (order == 0) return middle;
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> MessageCatalogue::translation(std::string_view original) const {
    // The empty original is the header, which is no message's translation.
    if (original.empty()) return std::nullopt;
    const auto index = indexOf(original);
    if (!index) return std::nullopt;
    const std::string_view translated = firstPart(text(translations_, *index));
    if (translated.empty()) return std::nullopt;
    return translated;
}

std::optional<std::string_view> MessageCatalogue::pluralTranslation(std::string_view singular,
                                                                    unsigned long n) const {
    if (singular.empty()) return std::nullopt;
    const auto index = indexOf(singular);
    if (!index) return std::nullopt;
    unsigned long form = plural_ ? plural_->formFor(n) : (n != 1 ? 1 : 0);
    std::string_view forms = text(translations_, *index);
    for (; form > 0; --form) {
        const std::size_t end = forms.find('\0');
        if (end == std::string_view::npos) return std::nullopt;
        forms.remove_prefix(end + 1);
    }
    const std::string_view translated = firstPart(forms);
    if (translated.empty()) return std::nullopt;
    return translated;
}

}  // namespace cnc
