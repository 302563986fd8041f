// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The UTF-8 texts of the layers without Qt (captions, labels, results) as Qt
// strings.

#include <QString>

#include <string_view>

namespace cnc::ui {

inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace cnc::ui
