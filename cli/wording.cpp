// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/wording.h"

#include <utility>

#include "calc/translation.h"
#include "cli/options.h"

namespace cnc::cli {

Wording::Wording(std::string text) : Wording("{0}", {say::text(std::move(text))}) {}

Wording::Wording(const char* text) : Wording(std::string(text)) {}

Wording::Wording(std::string pattern, std::vector<Value> values) {
    sentences_.push_back({std::move(pattern), std::move(values)});
}

Wording& Wording::operator+=(const Wording& more) {
    sentences_.insert(sentences_.end(), more.sentences_.begin(), more.sentences_.end());
    return *this;
}

std::string Wording::commandLine() const {
    return said([](std::string_view key) { return optionNameShown(key); },
                [](Field field) { return quoted(_(fieldCaption(field))); }, true);
}

std::string Wording::spelled(const OptionName& optionName, const FieldName& fieldName) const {
    return said(optionName, fieldName, false);
}

std::string Wording::said(const OptionName& optionName, const FieldName& fieldName,
                          bool withArguments) const {
    std::string said;
    std::vector<std::string> values;
    for (const Sentence& sentence : sentences_) {
        values.clear();
        for (const Value& value : sentence.values) {
            switch (value.kind) {
                case Value::Kind::Text: values.push_back(value.text); break;
                case Value::Kind::Typed: values.push_back(quoted(value.text)); break;
                case Value::Kind::Option:
                    values.push_back(optionName(value.text));
                    if (withArguments && !value.argument.empty()) {
                        values.back() += " " + value.argument;
                    }
                    break;
                case Value::Kind::Field: values.push_back(fieldName(value.field)); break;
            }
        }
        said += filled(sentence.pattern, values);
    }
    return said;
}

}  // namespace cnc::cli
