// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbench_arguments.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cnc::ui {
namespace {

// Either name asks for the workbench.
constexpr auto kWorkbenchOption = "--banco";
constexpr auto kWorkbenchOptionInEnglish = "--bench";

// The argument the reading of `arguments` cannot get past: the last one of
// the shortest beginning that no longer one reads again ("--micropassi" read
// alone waits for its text; "--velocita-luce" never reads).
// `arguments` do not read, so they are not empty, and nor is the beginning.
QString firstUnreadable(const std::vector<std::string>& arguments) {
    const auto reads = [&](std::size_t count) {
        return workbench::stateOfArguments(
                   {arguments.begin(), arguments.begin() + static_cast<std::ptrdiff_t>(count)})
            .has_value();
    };
    std::size_t stuckAt = arguments.size();
    while (!reads(stuckAt - 1)) --stuckAt;
    return QString::fromStdString(arguments[stuckAt - 1]);
}

// The first option that the workbench's inputs cannot show, as written on
// the command line.
QString firstUnshowable(const workbench::State& state) {
    for (const auto& option : state) {
        if (!workbench::entriesOf({option})) {
            return QString::fromStdString(workbench::argumentsOf({option}).front());
        }
    }
    return {};
}

}  // namespace

WorkbenchRequest workbenchRequest(const QStringList& arguments) {
    WorkbenchRequest request;
    const qsizetype italian = arguments.indexOf(QLatin1String(kWorkbenchOption));
    const qsizetype english = arguments.indexOf(QLatin1String(kWorkbenchOptionInEnglish));
    const qsizetype at = italian < 1 ? english : english < 1 ? italian : std::min(italian, english);
    if (at < 1) return request;
    request.asked = true;
    std::vector<std::string> options;
    for (qsizetype i = at + 1; i < arguments.size(); ++i) {
        options.push_back(arguments[i].toUtf8().toStdString());
    }
    const std::optional<workbench::State> state = workbench::stateOfArguments(options);
    if (!state) {
        request.unusable = firstUnreadable(options);
        return request;
    }
    const std::optional<workbench::Entries> entries = workbench::entriesOf(*state);
    if (!entries) {
        request.unusable = firstUnshowable(*state);
        return request;
    }
    request.entries = *entries;
    return request;
}

}  // namespace cnc::ui
