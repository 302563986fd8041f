// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one mapping from what a control is to its name in the window's layout,
// which every front end gives it as its object name or id ("Text1",
// "Option2(1)"): tests and screen readers find the controls by it. Code names
// the controls by what they are; only this file spells the layout's names.

#include <string_view>

#include "calc/form.h"

namespace cnc::layout {

// What the window's two buttons do.
enum class Command { Calculate, Quit };

constexpr std::string_view layoutName(Field field) {
    switch (field) {
        case Field::MotorSteps: return "Text1";
        case Field::ScrewPitch: return "Text2";
        case Field::StepsPerMm: return "Text3";
        case Field::MmPerStep: return "Text4";
        case Field::MotorTeeth: return "Text5";
        case Field::ScrewTeeth: return "Text6";
        case Field::CentreDistance: return "Text7";
        case Field::CentreDistanceMm: return "Text8";
        case Field::BeltLengthCode: return "Text9";
    }
    return "";
}

constexpr std::string_view layoutName(SteppingMode mode) {
    switch (mode) {
        case SteppingMode::HalfStep: return "Option1(0)";
        case SteppingMode::FullStep: return "Option1(1)";
    }
    return "";
}

constexpr std::string_view layoutName(Coupling coupling) {
    switch (coupling) {
        case Coupling::Direct: return "Option2(0)";
        case Coupling::Belt: return "Option2(1)";
    }
    return "";
}

constexpr std::string_view layoutName(Command command) {
    switch (command) {
        case Command::Calculate: return "Command1";
        case Command::Quit: return "Command2";
    }
    return "";
}

}  // namespace cnc::layout
