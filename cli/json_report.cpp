// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_report.h"
#include "cli/json_objects.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

#include "calc/entry_value.h"
#include "calc/result_text.h"
#include "calc/translation.h"
#include "cli/drive_options.h"
#include "cli/inch_answers.h"

namespace cnc::cli {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Key {
    const char* name;
    Field field;
};

constexpr std::array<Key, 5> kEntries{{
    {"passi", Field::MotorSteps},
    {"passo_vite", Field::ScrewPitch},
    {"motore", Field::MotorTeeth},
    {"vite", Field::ScrewTeeth},
    {"cinta", Field::BeltLengthCode},
}};

// The centre distance is reported as the drawing's field shows it, without " mm".
constexpr std::array<Key, 3> kResults{{
    {"step_mm", Field::StepsPerMm},
    {"risoluzione_mm", Field::MmPerStep},
    {"interasse_mm", Field::CentreDistance},
}};
// A rotary axis's are per degree.
constexpr std::array<Key, 2> kRotaryResults{{
    {"step_grado", Field::StepsPerMm},
    {"risoluzione_gradi", Field::MmPerStep},
}};

// The key of a result field, on the axis's unit.
const char* resultKey(const Key& key, bool rotary) {
    for (const Key& degrees : kRotaryResults) {
        if (rotary && degrees.field == key.field) return degrees.name;
    }
    return key.name;
}

std::string withPoint(std::string_view text, std::string_view separator) {
    std::string written;
    while (!text.empty()) {
        const bool atSeparator = !separator.empty() && text.starts_with(separator);
        written += atSeparator ? '.' : text.front();
        text.remove_prefix(atSeparator ? separator.size() : 1);
    }
    return written;
}

// A result text as a number and as the text with a point; a result text has
// no group separators.
QJsonObject number(const std::string& text, std::string_view separator) {
    return {{"numero", parseDouble(text, separator, "")},
            {"testo", qs(withPoint(text, separator))}};
}

QJsonObject inputs(const Options& options) {
    QJsonObject inputs;
    for (const Key& key : kEntries) {
        const bool ownLead = options.beltAxis || options.threadsPerInch || hasLeadOfItsOwn(options);
        if (key.field == Field::ScrewPitch && ownLead) continue;
        inputs[key.name] = qs(options.form.text(key.field));
    }
    if (options.beltAxis) {
        inputs["puleggia_asse"] = qs(options.beltAxis->teeth);
        inputs["profilo_cinghia"] = qs(options.beltAxis->profile);
    }
    if (options.stepAngle) inputs["angolo_passo"] = qs(*options.stepAngle);
    if (options.layerHeight) inputs["strato"] = qs(*options.layerHeight);
    if (options.speed) inputs["velocita"] = qs(*options.speed);
    if (options.maxFrequency) inputs["frequenza_max"] = qs(*options.maxFrequency);
    if (options.threadsPerInch) inputs["filetti_pollice"] = qs(*options.threadsPerInch);
    if (options.starts) inputs["principi"] = qs(*options.starts);
    const std::pair<const char*, const std::optional<std::string>&> drives[] = {
        {"rapporto", options.gearRatio},         {"diametro_ruota", options.wheelDiameter},
        {"denti_pignone", options.pinionTeeth},  {"modulo", options.rackModule},
        {"passo_cremagliera", options.rackPitch}, {"step_mm", options.knownStepsPerMm},
    };
    for (const auto& [key, text] : drives) {
        if (text) inputs[key] = qs(*text);
    }
    return inputs;
}

QJsonObject choices(const Options& options) {
    const bool half = options.form.isSelected(SteppingMode::HalfStep);
    QJsonObject choices{
        {"passo", options.microsteps ? "micropassi"
                  : half             ? "mezzo-passo"
                                     : "passo-intero"},
        {"micropassi", microstepsOf(options)},
        {"accoppiamento", options.form.isSelected(Coupling::Belt) ? "ingranaggi" : "diretto"},
    };
    if (options.inches) choices["pollici"] = true;
    if (options.rotary) choices["rotativo"] = true;
    if (options.firmware) {
        choices["firmware"] = qs(options.firmware->name);
        choices["asse"] = qs(options.axes.letters);
        if (!options.axes.joints.empty()) {
            QJsonArray joints;
            for (const int joint : options.axes.joints) joints.append(joint);
            choices["giunti"] = joints;
        }
    }
    return choices;
}

QJsonObject results(const Options& options, const Outcome& outcome, std::string_view separator) {
    QJsonObject results;
    if (options.beltAxis) results["corsa_per_giro_mm"] = number(options.beltAxis->travel, ".");
    for (const Key& key : kResults) {
        if (outcome.form.text(key.field).empty()) continue;
        results[resultKey(key, outcome.rotary)] = number(outcome.form.text(key.field), separator);
    }
    if (const ScrewAnswers& screw = outcome.screw; !screw.lead.empty()) {
        results["corsa_per_giro_mm"] = number(screw.lead, separator);
    }
    if (const auto& inches = outcome.screw.inches) {
        results["step_pollice"] = number(inches->stepsPerUnit, separator);
        results["risoluzione_pollici"] = number(inches->unitsPerStep, separator);
    }
    if (!outcome.exactDistance.empty()) {
        results["interasse_esatto_mm"] = number(outcome.exactDistance, separator);
    }
    const std::string_view unit = outcome.rotary ? kDegrees : kMillimetres;
    std::vector<StepResult> stepResults = stepAnswerResults(outcome.stepAnswers, unit);
    if (outcome.stepAnswers.inches) {
        for (StepResult& inches : inchStepAnswerResults(outcome.stepAnswers)) {
            stepResults.push_back(std::move(inches));
        }
    }
    for (const StepResult& result : stepResults) {
        if (!result.text) {
            results[qs(result.key)] = QJsonValue();
            continue;
        }
        QJsonObject figure = number(*result.text, ".");
        if (result.fullSteps) figure["passi"] = static_cast<qint64>(*result.fullSteps);
        results[qs(result.key)] = figure;
    }
    return results;
}

QJsonObject calibrationInputs(const Options& options) {
    QJsonObject inputs{
        {"comandati", qs(*options.commandedMove)},
        {"misurati", qs(*options.measuredMove)},
    };
    if (options.currentStepsPerMm) inputs["attuali"] = qs(*options.currentStepsPerMm);
    if (options.rotationDistance) inputs["rotation_distance"] = qs(*options.rotationDistance);
    return inputs;
}

QJsonObject calibrationResults(const CalibrationAnswer& answer) {
    QJsonObject results;
    if (answer.corrected) {
        results[answer.rotationDistance ? "rotation_distance_corretta" : "step_mm_corretti"] =
            number(correctedText(*answer.corrected, "."), ".");
    }
    if (const auto perInch = correctedStepsPerInch(answer)) {
        results["step_pollice_corretti"] = number(correctedText(*perInch, "."), ".");
    }
    if (answer.correctionPercent) {
        QJsonObject correction = number(correctionText(*answer.correctionPercent, "."), ".");
        correction["corregge"] = answer.rotationDistance ? "rotation_distance" : "step_mm";
        results["correzione_percento"] = correction;
    }
    return results;
}

QJsonObject errorObject(std::string_view kind, std::optional<Field> field,
                        std::string_view message) {
    return {
        {"tipo", qs(kind)},
        {"campo", field ? QJsonValue(qs(_(fieldCaption(*field)))) : QJsonValue()},
        {"messaggio", qs(message)},
    };
}

QJsonObject wantedDistanceInputs(const Options& options) {
    return {
        {"motore", qs(options.form.text(Field::MotorTeeth))},
        {"vite", qs(options.form.text(Field::ScrewTeeth))},
        {"interasse_voluto", qs(*options.wantedDistance)},
    };
}

QJsonObject beltObject(const ToothedBelt& belt, std::string_view separator) {
    return {
        {"codice", qs(std::to_string(2 * belt.teeth) + "XL")},
        {"denti", static_cast<qint64>(belt.teeth)},
        {"interasse_esatto_mm", number(formatResult(belt.centreDistance, kTwoDecimals, separator),
                                       separator)},
    };
}

std::string text(const QJsonObject& report) {
    return QJsonDocument(report).toJson(QJsonDocument::Indented).toStdString();
}

// The firmware's lines, where there are any, and what stopped the answer.
void addLinesAndFailure(QJsonObject& report, const std::vector<std::string>& firmwareLines,
                        const std::optional<Failure>& failure) {
    if (!firmwareLines.empty()) {
        QJsonArray lines;
        for (const std::string& line : firmwareLines) lines.append(qs(line));
        report["firmware"] = lines;
    }
    if (failure) report["errore"] = errorObject(failure->kind, failure->field, failure->message);
}

}  // namespace

QString jsonText(std::string_view text) { return qs(text); }

QJsonObject runReportObject(const Options& options, const Outcome& outcome,
                            std::string_view decimalSeparator) {
    QJsonObject report{
        {"ingressi", inputs(options)},
        {"scelte", choices(options)},
        {"risultati", results(options, outcome, decimalSeparator)},
    };
    // The lines are made before the belt is measured: a belt's error after
    // them leaves them valid.
    addLinesAndFailure(report, outcome.firmwareLines, outcome.failure);
    return report;
}

QJsonObject errorReportObject(std::string_view kind, std::optional<Field> field,
                              std::string_view message) {
    return errorObject(kind, field, message);
}

std::string reportText(const QJsonObject& report) { return text(report); }

std::string jsonReport(const Options& options, const Outcome& outcome,
                       std::string_view decimalSeparator) {
    return text(runReportObject(options, outcome, decimalSeparator));
}

std::string wantedDistanceReport(const Options& options, const NearestBelts& belts,
                                 std::string_view decimalSeparator) {
    QJsonObject results{
        {"cinta_piu_corta",
         belts.shorter ? beltObject(*belts.shorter, decimalSeparator) : QJsonValue()},
        {"cinta_piu_lunga", beltObject(belts.longer, decimalSeparator)},
    };
    return text({{"ingressi", wantedDistanceInputs(options)}, {"risultati", results}});
}

std::string wantedDistanceFailure(const Options& options, const CalcError& error,
                                  const std::string& message) {
    return text({
        {"ingressi", wantedDistanceInputs(options)},
        {"risultati", QJsonObject()},
        {"errore", errorObject(errorName(error.kind()), error.field(), message)},
    });
}

std::string calibrationReport(const Options& options, const CalibrationAnswer& answer) {
    QJsonObject report{
        {"ingressi", calibrationInputs(options)},
        {"risultati", calibrationResults(answer)},
    };
    if (options.firmware || options.inches) {
        // The firmware's choices and the inches; no stepping or coupling is read.
        QJsonObject chosen = choices(options);
        chosen.remove("passo");
        chosen.remove("accoppiamento");
        if (!options.microsteps) chosen.remove("micropassi");
        report["scelte"] = chosen;
    }
    addLinesAndFailure(report, answer.firmwareLines, answer.failure);
    return text(report);
}

std::string usageErrorReport(const std::string& message) {
    return text({{"errore", errorObject("uso", std::nullopt, message)}});
}

std::string textReport(const char* key, const std::string& value) {
    return text({{key, qs(value)}});
}

}  // namespace cnc::cli
