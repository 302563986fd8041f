// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One language's messages: a GNU message catalogue, the .mo file msgfmt
// writes from a translator's .po file, read from its bytes.
//
// The file is a header (magic 0x950412de in either byte order, a revision,
// the number of messages, the offsets of two tables), a table of the
// original texts sorted by their bytes and a table of their translations,
// each entry a length and an offset. A plural message is stored as
// "singular\0plural" -> "form 0\0form 1\0...", and the header entry (the
// empty original) names the language's plural rule. Lookups are a binary
// search over the original table; nothing is copied but the bytes.
//
//   read(bytes of de.mo)           -> a catalogue
//   translation("Banco dell'asse") -> "Achsen-Werkbank"; an unknown text -> nullopt
//   pluralTranslation("{0} dente", 3) -> "{0} Zähne"
//
// The page's catalogues name each original by a digest instead, the eight
// lowercase hex digits of the 32-bit FNV-1a hash of its bytes, which their
// header says with the line "X-Originals: FNV-1a 32": the originals are in
// the program already. Such a catalogue is looked up by the original too,
// and digests it first:
//
//   translation("Vite") in a page's catalogue -> the translation of "6c7223fb"
//
// Bytes that are not such a file (too short, another magic, a newer major
// revision, a table or a text outside the bytes) give no catalogue; nothing
// here reads outside the bytes, whatever they hold.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/plural_forms.h"

namespace cnc {

class MessageCatalogue {
public:
    // A catalogue with no messages: every lookup finds nothing.
    MessageCatalogue() = default;

    static std::optional<MessageCatalogue> read(std::string bytes);

    // No message at all: the empty catalogue, which translates nothing.
    bool isEmpty() const { return count_ == 0; }

    // The translation of `original`; nullopt when the catalogue has none or
    // an empty one (msgfmt leaves untranslated messages out).
    std::optional<std::string_view> translation(std::string_view original) const;
    // The form that `n` takes in the catalogue's language of the plural
    // message found by its singular, as gettext finds it; nullopt when there
    // is no such message or that form is missing or empty.
    std::optional<std::string_view> pluralTranslation(std::string_view singular,
                                                      unsigned long n) const;

private:
    std::uint32_t word(std::size_t offset) const;
    // The text of entry `index` of the table at `table`: its length and
    // offset were checked by read().
    std::string_view text(std::uint32_t table, std::uint32_t index) const;
    std::optional<std::uint32_t> indexOf(std::string_view original) const;
    std::optional<std::uint32_t> indexOfName(std::string_view name) const;

    std::string bytes_;
    bool swapped_ = false;  // written on a machine of the other byte order
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
    // The header's rule; without one, gettext's default: two forms, n != 1.
    std::optional<PluralForms> plural_;
    bool digested_ = false;  // originals named by their digests
};

}  // namespace cnc
