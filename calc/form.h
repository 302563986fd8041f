// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculation's view of the window: fields it reads and writes, and the
// two choices it asks about. The window implements it on its widgets; the
// command line, the tests and the benchmark on memory.
//
// Contract: the calculation reads a text at the moment a formula needs it and
// stores each result the moment it is produced, so an implementation must
// show a written text at once and must not cache reads.

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/translation.h"

namespace cnc {

// Numbered from zero without gaps: forms keep their fields in arrays indexed
// by Field.
enum class Field {
    MotorSteps,        // steps per revolution of the motor
    ScrewPitch,        // lead-screw pitch, mm
    StepsPerMm,        // result
    MmPerStep,         // result
    MotorTeeth,        // teeth of the motor pulley
    ScrewTeeth,        // teeth of the screw pulley
    CentreDistance,    // result, in the belt drawing: "83.69"
    CentreDistanceMm,  // result, among the results: "83.69 mm"
    BeltLengthCode,    // the XL belt's length code: 120 for a 120XL belt of 60 teeth
};
inline constexpr std::size_t kFieldCount = 9;

// Each choice is a pair of option buttons; the values are their element
// indexes in the window.
enum class SteppingMode { HalfStep, FullStep };
enum class Coupling { Direct, Belt };
inline constexpr std::size_t kChoiceElements = 2;

inline constexpr SteppingMode kInitialSteppingMode = SteppingMode::HalfStep;
inline constexpr Coupling kInitialCoupling = Coupling::Direct;

// The fields the user types into; the others show the calculation's results.
constexpr bool isEntry(Field field) {
    switch (field) {
        case Field::MotorSteps:
        case Field::ScrewPitch:
        case Field::MotorTeeth:
        case Field::ScrewTeeth:
        case Field::BeltLengthCode: return true;
        case Field::StepsPerMm:
        case Field::MmPerStep:
        case Field::CentreDistance:
        case Field::CentreDistanceMm: return false;
    }
    return false;
}

// The Italian caption that names a field in the window ("Passi del motore");
// messages and the command line's results show it through _(), the window
// as it is.
constexpr std::string_view fieldCaption(Field field) {
    switch (field) {
        case Field::MotorSteps: return N_("Passi del motore");
        // TRANSLATORS: the screw's pitch, its travel per turn: "passo" is both pitch and step
        case Field::ScrewPitch: return N_("Passo della vite (mm)");
        // TRANSLATORS: the label of the steps per millimetre, the figure a firmware takes
        case Field::StepsPerMm: return N_("Step/mm");
        // TRANSLATORS: the label of the travel of one (micro)step, in mm
        case Field::MmPerStep: return N_("Risoluzione del passo (mm)");
        // TRANSLATORS: the teeth of the motor's pulley, in the window's belt drive
        case Field::MotorTeeth: return N_("Motore");
        // TRANSLATORS: the teeth of the screw's pulley ("vite" is the screw), in the window's belt
        // drive
        case Field::ScrewTeeth: return N_("Vite");
        case Field::CentreDistance: return "INTERASSE";
        // TRANSLATORS: the distance between the centres of the two pulleys of the XL belt
        case Field::CentreDistanceMm: return N_("Interasse");
        // TRANSLATORS: the length code of the XL belt ("cinta"), 120 for a 120XL belt
        case Field::BeltLengthCode: return N_("Cinta");
    }
    return "";
}

// The text a field holds when the window opens: "200", "3", "17", "36", "120"
// in the entries, empty in the results.
constexpr std::string_view initialText(Field field) {
    switch (field) {
        case Field::MotorSteps: return "200";
        case Field::ScrewPitch: return "3";
        case Field::MotorTeeth: return "17";
        case Field::ScrewTeeth: return "36";
        case Field::BeltLengthCode: return "120";
        case Field::StepsPerMm:
        case Field::MmPerStep:
        case Field::CentreDistance:
        case Field::CentreDistanceMm: return "";
    }
    return "";
}

class Form {
public:
    virtual ~Form() = default;
    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;
    virtual bool isSelected(SteppingMode mode) const = 0;
    virtual bool isSelected(Coupling coupling) const = 0;
};

}  // namespace cnc
