// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/wording.h"

#include <utility>

namespace cnc::cli {

Wording::Wording(std::string text) { pieces_.push_back({Kind::Text, std::move(text), {}}); }

Wording::Wording(const char* text) : Wording(std::string(text)) {}

Wording& Wording::text(std::string_view text) {
    pieces_.push_back({Kind::Text, std::string(text), {}});
    return *this;
}

Wording& Wording::option(std::string_view key, std::string_view argument) {
    pieces_.push_back({Kind::Option, std::string(key), std::string(argument)});
    return *this;
}

Wording& Wording::field(Field field) {
    pieces_.push_back({Kind::Field, {}, {}, field});
    return *this;
}

Wording& Wording::operator+=(const Wording& more) {
    pieces_.insert(pieces_.end(), more.pieces_.begin(), more.pieces_.end());
    return *this;
}

std::string Wording::commandLine() const {
    std::string said;
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
            case Kind::Text: said += piece.text; break;
            case Kind::Option:
                said += "--" + piece.text + (piece.argument.empty() ? "" : " " + piece.argument);
                break;
            case Kind::Field: said += "«" + std::string(fieldCaption(piece.field)) + "»"; break;
        }
    }
    return said;
}

std::string Wording::spelled(const OptionName& optionName, const FieldName& fieldName) const {
    std::string said;
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
            case Kind::Text: said += piece.text; break;
            case Kind::Option: said += optionName(piece.text); break;
            case Kind::Field: said += fieldName(piece.field); break;
        }
    }
    return said;
}

}  // namespace cnc::cli
