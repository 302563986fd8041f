// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message that names options and fields, kept in pieces so that each reader
// names them in its own words: the command line by the option
// ("--micropassi") and by the window's caption («Passi del motore»), the
// workbench by the labels of its inputs. The rest is said alike.
//
//   Wording().option("micropassi").text(" vuole un numero intero da 1 a 256, non «0»")
//     commandLine() -> "--micropassi vuole un numero intero da 1 a 256, non «0»"
//     spelled(labels, captions) -> "«Micropassi» vuole un numero intero da 1 a 256, non «0»"
//   Wording("Tipo non corrispondente in ").field(Field::MotorSteps).text(": ...")
//     commandLine() -> "Tipo non corrispondente in «Passi del motore»: ..."
// A typed text quoted in it is text: it is never read as a name.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/form.h"

namespace cnc::cli {

class Wording {
public:
    Wording() = default;
    // Plain text, which names nothing: any message is a wording.
    Wording(std::string text);  // NOLINT(google-explicit-constructor)
    Wording(const char* text);  // NOLINT(google-explicit-constructor)

    Wording& text(std::string_view text);
    // The option `key`, without its dashes; on the command line `argument`
    // (a placeholder such as "GRADI") follows its name.
    Wording& option(std::string_view key, std::string_view argument = {});
    Wording& field(Field field);
    Wording& operator+=(const Wording& more);

    // "--key argument" for an option, «caption» for a field.
    std::string commandLine() const;

    using OptionName = std::function<std::string(std::string_view key)>;
    using FieldName = std::function<std::string(Field field)>;
    std::string spelled(const OptionName& optionName, const FieldName& fieldName) const;

private:
    enum class Kind { Text, Option, Field };
    struct Piece {
        Kind kind;
        std::string text;      // the text, or the option's key
        std::string argument;  // an option's placeholder
        Field field = Field::MotorSteps;
    };
    std::vector<Piece> pieces_;
};

}  // namespace cnc::cli
