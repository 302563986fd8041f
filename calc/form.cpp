#include "calc/form.h"

namespace cnc {

std::string_view fieldCaption(Field field) {
    switch (field) {
        case Field::MotorSteps: return "Passi del motore";
        case Field::ScrewPitch: return "Passo della vite (mm)";
        case Field::StepsPerMm: return "Step/mm";
        case Field::MmPerStep: return "Risoluzione del passo (mm)";
        case Field::MotorTeeth: return "Motore";
        case Field::ScrewTeeth: return "Vite";
        case Field::CentreDistance: return "INTERASSE";
        case Field::CentreDistanceMm: return "Interasse";
        case Field::BeltLengthCode: return "Cinta";
    }
    return "";
}

std::string_view initialText(Field field) {
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

}  // namespace cnc
