// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calibration_answer.h"

#include "calc/calc_error.h"
#include "calc/calibration.h"
#include "calc/firmware_lines.h"
#include "calc/translation.h"
#include "cli/amounts.h"
#include "cli/inch_answers.h"

namespace cnc::cli {
namespace {

constexpr int kFigureDecimals = 9;
constexpr int kPercentDecimals = 4;

void computeCalibration(const Options& options, std::string_view decimalSeparator,
                        CalibrationAnswer& answer) {
    answer.rotationDistance = options.rotationDistance.has_value();
    // Both distances in inches or both in mm: their ratio is the same.
    answer.inches = options.inches;
    const Ratio current =
        answer.rotationDistance
            ? positiveAmount(*options.rotationDistance, "rotation-distance", decimalSeparator)
            : positiveAmount(*options.currentStepsPerMm, "attuali", decimalSeparator);
    const Ratio commanded = positiveAmount(*options.commandedMove, "comandati", decimalSeparator);
    const Ratio measured = positiveAmount(*options.measuredMove, "misurati", decimalSeparator);
    const Ratio corrected = answer.rotationDistance
                                ? correctedRotationDistance(current, commanded, measured)
                                : correctedStepsPerMm(current, commanded, measured);
    answer.corrected = withinRange(corrected, "calibra");
    // The change of the figure corrected: steps per mm grow by C/M, a
    // rotation_distance shrinks by M/C.
    const Ratio change = answer.rotationDistance ? correctionPercent(measured, commanded)
                                                 : correctionPercent(commanded, measured);
    answer.correctionPercent = withinRange(change, "calibra");
    const auto perInch = correctedStepsPerInch(answer);
    if (perInch) withinRange(*perInch, "calibra");
    if (!options.firmware) return;
    // LinuxCNC's SCALE is per inch on an inch machine, as for the drive.
    const Firmware firmware = options.firmware->firmware;
    const Ratio& figure = perInch && firmware == Firmware::LinuxCnc ? *perInch : corrected;
    answer.firmwareLines =
        answer.rotationDistance
            ? klipperRotationDistanceLines(options.axes, corrected)
            : firmwareLinesForStepsPerMm(firmware, options.axes, figure, microstepsOf(options));
}

}  // namespace

void calibrate(const Options& options, std::string_view decimalSeparator,
               CalibrationAnswer& calibration) {
    try {
        computeCalibration(options, decimalSeparator, calibration);
    } catch (const OptionError& error) {
        calibration.failure = failureOf(error);
    } catch (const CalcError& error) {
        calibration.failure = failureOf(error);
    } catch (const FirmwareRefusal& refusal) {
        calibration.failure = failureOf(refusal, options.firmware->name, std::nullopt);
    }
}

std::string_view correctedFigure(const CalibrationAnswer& answer) {
    return answer.rotationDistance ? "rotation_distance" : "Step/mm";
}

std::string correctedText(const Ratio& corrected, std::string_view decimalSeparator) {
    return roundedText(corrected, kFigureDecimals, decimalSeparator);
}

std::string correctionText(const Ratio& percent, std::string_view decimalSeparator) {
    return signedText(percent, kPercentDecimals, decimalSeparator);
}

std::string calibrationLines(const CalibrationAnswer& answer, std::string_view decimalSeparator) {
    std::string lines;
    if (answer.corrected) {
        lines +=
            (answer.rotationDistance
                 // TRANSLATORS: the label of Klipper's rotation_distance corrected by a calibration
                 ? _("rotation_distance corretta")
                 // TRANSLATORS: the label of the steps per mm corrected by a calibration
                 : _("Step/mm corretti")) +
            ": " + correctedText(*answer.corrected, decimalSeparator) + "\n";
    }
    lines += inchCalibrationLines(answer, decimalSeparator);
    if (answer.correctionPercent) {
        // TRANSLATORS: the label of a calibration's change of the figure, in per cent
        lines += _("Correzione") + ": " + _(correctedFigure(answer)) + " " +
                 correctionText(*answer.correctionPercent, decimalSeparator) + " %\n";
    }
    return lines;
}

}  // namespace cnc::cli
