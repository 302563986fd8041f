// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message that names options and fields, kept as translated sentences and
// the values of their placeholders, so that each reader names them in its
// own words: the command line by the option ("--micropassi", "--microsteps"
// in a language other than Italian) and by the window's caption («Passi del
// motore»), the workbench by the labels of its inputs. The rest is said
// alike.
//
//   Wording(_("{0} vuole {1}, non {2}"),
//           {say::option("micropassi"), say::text("un numero intero da 1 a 256"), say::typed("0")})
//     commandLine() -> "--micropassi vuole un numero intero da 1 a 256, non «0»"
//     spelled(labels, captions) -> "«Micropassi» vuole un numero intero da 1 a 256, non «0»"
//   Wording(_("{0} in {1}: {2}"),
//           {say::text("Tipo non corrispondente"), say::field(Field::MotorSteps), say::text(...)})
//     commandLine() -> "Tipo non corrispondente in «Passi del motore»: ..."
// A value is never read as a pattern: a typed "{0}" stays as typed.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/form.h"

namespace cnc::cli {

class Wording {
public:
    // What a placeholder stands for.
    struct Value {
        enum class Kind {
            Text,    // said as it is
            Typed,   // a text the user gave, quoted
            Option,  // an option, by its key without dashes
            Field,   // a field of the window
        };
        Kind kind;
        std::string text;      // the text, or the option's key
        std::string argument;  // after an option's name on the command line ("GRADI")
        Field field = Field::MotorSteps;
    };

    Wording() = default;
    // Plain text, which names nothing: any message is a wording.
    Wording(std::string text);  // NOLINT(google-explicit-constructor)
    Wording(const char* text);  // NOLINT(google-explicit-constructor)
    // `pattern`, a message already translated, whose {0}, {1}, ... stand
    // for `values`.
    Wording(std::string pattern, std::vector<Value> values);

    // One sentence after the other.
    Wording& operator+=(const Wording& more);

    // Options by their names (optionNameShown) and arguments, fields by
    // their captions, quoted.
    std::string commandLine() const;
    // Options and fields by the names a view gives them, without arguments.
    using OptionName = std::function<std::string(std::string_view key)>;
    using FieldName = std::function<std::string(Field field)>;
    std::string spelled(const OptionName& optionName, const FieldName& fieldName) const;

private:
    // `withArguments`: an option's argument follows its name.
    std::string said(const OptionName& optionName, const FieldName& fieldName,
                     bool withArguments) const;

    struct Sentence {
        std::string pattern;
        std::vector<Value> values;
    };
    std::vector<Sentence> sentences_;
};

// The values of a wording's placeholders.
namespace say {
inline Wording::Value text(std::string words) {
    return {Wording::Value::Kind::Text, std::move(words), {}};
}
inline Wording::Value typed(std::string given) {
    return {Wording::Value::Kind::Typed, std::move(given), {}};
}
inline Wording::Value option(std::string_view key, std::string argument = {}) {
    return {Wording::Value::Kind::Option, std::string(key), std::move(argument)};
}
inline Wording::Value field(Field at) { return {Wording::Value::Kind::Field, {}, {}, at}; }
}  // namespace say

}  // namespace cnc::cli
