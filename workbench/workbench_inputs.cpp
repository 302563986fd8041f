// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's inputs and results, in the order they are shown.
#include <array>

#include "calc/translation.h"
#include "workbench/workbench.h"

namespace cnc::workbench {
namespace {

constexpr std::array kMotorBy{
    Alternative{"Passi per giro", "passi"},
    Alternative{"Angolo del passo", "angolo-passo"},
};
constexpr std::array kAxisMovedBy{
    Alternative{"Vite, passo in mm", "passo-vite"},
    Alternative{"Vite, filetti per pollice", "filetti-pollice"},
    Alternative{"Cinghia", "puleggia-asse"},
};
constexpr std::array kBeltProfiles{
    Alternative{"GT2 (2 mm)", "profilo-cinghia", "GT2"},
    Alternative{"GT3 (3 mm)", "profilo-cinghia", "GT3"},
    Alternative{"HTD3M (3 mm)", "profilo-cinghia", "HTD3M"},
    Alternative{"HTD5M (5 mm)", "profilo-cinghia", "HTD5M"},
    Alternative{"T2.5 (2,5 mm)", "profilo-cinghia", "T2.5"},
    Alternative{"T5 (5 mm)", "profilo-cinghia", "T5"},
    Alternative{"MXL (2,032 mm)", "profilo-cinghia", "MXL"},
    Alternative{"XL (5,08 mm)", "profilo-cinghia", "XL"},
    Alternative{"L (9,525 mm)", "profilo-cinghia", "L"},
};
constexpr std::array kReduction{
    Alternative{"Nessuna, accoppiamento diretto", ""},
    Alternative{"Pulegge e cinghia tra motore e asse", "ingranaggi"},
};
constexpr std::array kUnits{
    Alternative{"Millimetri", ""},
    Alternative{"Pollici", "pollici"},
};
constexpr std::array kFirmwares{
    Alternative{"Nessuno", ""},
    Alternative{"Marlin", "firmware", "marlin"},
    Alternative{"RepRapFirmware", "firmware", "reprapfirmware"},
    Alternative{"Grbl", "firmware", "grbl"},
    Alternative{"Klipper", "firmware", "klipper"},
    Alternative{"LinuxCNC", "firmware", "linuxcnc"},
};

constexpr std::string_view kScrew = "passo-vite filetti-pollice";

// A text input that holds a number.
constexpr bool kNumber = true;

constexpr std::array kInputs{
    Input{InputKind::Choice, "motore-da", "Motore indicato da",
          "Come indicare il motore: i passi per giro o l'angolo di un passo.", "Motore", kMotorBy},
    Input{InputKind::Text, "passi", "Passi per giro",
          "Passi interi del motore per giro: 200 per un motore da 1,8°, 400 da 0,9°.", "Motore",
          {}, "passi", "200", kNumber},
    Input{InputKind::Text, "angolo-passo", "Angolo del passo",
          "Gradi di un passo intero del motore, come 1,8 o 0,9.", "Motore", {}, "angolo-passo",
          {}, kNumber},
    Input{InputKind::Text, "micropassi", "Micropassi",
          "Micropassi del driver per passo intero, un numero intero da 1 a 256; vuoto, il "
          "driver è in mezzo passo, come con 2.",
          "Driver", {}, {}, "2", kNumber},
    Input{InputKind::Choice, "asse-mosso-da", "L'asse è mosso da",
          "Una vite, di passo in millimetri o in filetti per pollice, o una cinghia.",
          "Movimento dell'asse", kAxisMovedBy},
    Input{InputKind::Text, "passo-vite", "Passo della vite (mm)",
          "Passo della vite in millimetri, per principio: 8 per una T8x8 a un principio, 2 per "
          "una T8 di passo 2.",
          "Movimento dell'asse", {}, "passo-vite", "3", kNumber},
    Input{InputKind::Text, "filetti-pollice", "Filetti per pollice",
          "Filetti per pollice della vite: 10 per una ACME 1/2\"-10.", "Movimento dell'asse", {},
          "filetti-pollice", {}, kNumber},
    Input{InputKind::Text, "principi", "Principi",
          "Principi della vite, un numero intero: l'avanzamento per giro è il passo per i "
          "principi.",
          "Movimento dell'asse", {}, kScrew, "1", kNumber},
    Input{InputKind::Text, "puleggia-asse", "Denti della puleggia dell'asse",
          "Denti della puleggia che muove la cinghia dell'asse, un numero intero, come 20.",
          "Movimento dell'asse", {}, "puleggia-asse", {}, kNumber},
    Input{InputKind::Choice, "profilo", "Profilo della cinghia",
          "Il profilo della cinghia dell'asse, che ne dà il passo in millimetri.",
          "Movimento dell'asse", kBeltProfiles, "puleggia-asse"},
    Input{InputKind::Choice, "riduzione", "Riduzione",
          "Una riduzione a pulegge e cinghia tra il motore e la vite o la puleggia dell'asse.",
          "Riduzione", kReduction},
    Input{InputKind::Text, "motore", "Denti della puleggia del motore",
          "Denti della puleggia sul motore, un numero intero.", "Riduzione", {}, "ingranaggi",
          "17", kNumber},
    Input{InputKind::Text, "vite", "Denti della puleggia condotta",
          "Denti della puleggia condotta, sulla vite o sull'asse, un numero intero.", "Riduzione",
          {}, "ingranaggi", "36", kNumber},
    Input{InputKind::Text, "cinta", "Cinghia XL della riduzione",
          "Il codice di lunghezza della cinghia XL della riduzione, il numero prima di \"XL\": "
          "200 per una 200XL di 100 denti.",
          "Riduzione", {}, "ingranaggi", "120", kNumber},
    Input{InputKind::Choice, "unita", "Unità della macchina",
          "Millimetri, o pollici per una macchina in pollici.", "Unità", kUnits},
    Input{InputKind::Choice, "firmware-scelto", "Firmware",
          "Il firmware di cui scrivere le righe di configurazione.", "Firmware", kFirmwares},
    Input{InputKind::Text, "asse", "Asse",
          "La lettera dell'asse, o più lettere per più assi uguali: X, Y, Z, E, A, B, C.",
          "Firmware", {}, "firmware", "X"},
    Input{InputKind::Text, "attuali", "Step/mm attuali",
          "Facoltativo: i passi per millimetro che il firmware ha ora, per correggerli.",
          "Calibrazione", {}, {}, {}, kNumber},
    Input{InputKind::Text, "rotation-distance", "rotation_distance attuale",
          "Facoltativo, per Klipper al posto degli step/mm: la rotation_distance di ora, in mm.",
          "Calibrazione", {}, {}, {}, kNumber},
    Input{InputKind::Text, "comandati", "Distanza comandata (mm)",
          "La distanza dell'ultimo movimento comandato, in millimetri.", "Calibrazione", {}, {},
          {}, kNumber, N_("Distanza comandata (pollici)"),
          N_("La distanza dell'ultimo movimento comandato, in pollici.")},
    Input{InputKind::Text, "misurati", "Distanza misurata (mm)",
          "La distanza che l'asse ha percorso davvero, misurata, in millimetri.", "Calibrazione",
          {}, {}, {}, kNumber, N_("Distanza misurata (pollici)"),
          N_("La distanza che l'asse ha percorso davvero, misurata, in pollici.")},
    Input{InputKind::Text, "strato", "Altezza dello strato (mm)",
          "Facoltativo: l'altezza di strato voluta, in millimetri, per trovare quella a passi "
          "interi più vicina.",
          "Strato", {}, {}, {}, kNumber, N_("Altezza dello strato (pollici)"),
          N_("Facoltativo: l'altezza di strato voluta, in pollici, per trovare quella a passi "
             "interi più vicina.")},
    Input{InputKind::Text, "velocita", "Velocità (mm/s)",
          "Facoltativo: una velocità dell'asse in millimetri al secondo.", "Velocità", {}, {}, {},
          kNumber, N_("Velocità (pollici/s)"),
          N_("Facoltativo: una velocità dell'asse in pollici al secondo.")},
    Input{InputKind::Text, "frequenza-max", "Frequenza massima dei passi (kHz)",
          "Facoltativo: la frequenza di passi più alta del driver o della scheda, in kHz.",
          "Velocità", {}, {}, {}, kNumber},
};

constexpr std::array kCommonScrews{
    CommonScrew{"T8x8 (passo 2, 4 principi)", "2", "", "4"},
    CommonScrew{"T8x2", "2", "", "1"},
    CommonScrew{"Vite a ricircolo 1605", "5", "", "1"},
    CommonScrew{"Vite a ricircolo 1610", "10", "", "1"},
    CommonScrew{"Barra filettata M8", "1.25", "", "1"},
    CommonScrew{"ACME 1/2\"-10", "", "10", "1"},
    CommonScrew{"ACME 3/8\"-12", "", "12", "1"},
};

constexpr std::array<std::string_view, 17> kResultLabels{
    "Step/mm",
    "Risoluzione del passo (mm)",
    "Interasse",
    "Step/pollice",
    "Risoluzione del passo (pollici)",
    "Passo intero (mm)",
    N_("Passo intero (pollici)"),
    "Strato più vicino per difetto",
    "Strato più vicino per eccesso",
    N_("Velocità"),
    "Frequenza dei passi",
    "Velocità massima",
    "Step/mm corretti",
    N_("Step/pollice corretti"),
    "rotation_distance corretta",
    "Correzione",
    "Interasse esatto",
};

constexpr std::array<std::string_view, 2> kSummaryLabels{
    "Step/mm",
    "Risoluzione del passo (mm)",
};

constexpr std::array<std::string_view, 3> kFoldedSections{"Calibrazione", "Strato", "Velocità"};

}  // namespace

std::span<const Input> inputs() { return kInputs; }

const Input* inputNamed(std::string_view key) {
    for (const Input& input : kInputs) {
        if (input.key == key) return &input;
    }
    return nullptr;
}

std::span<const CommonScrew> commonScrews() { return kCommonScrews; }

std::span<const std::string_view> resultLabels() { return kResultLabels; }

std::span<const std::string_view> summaryLabels() { return kSummaryLabels; }

std::span<const std::string_view> foldedSections() { return kFoldedSections; }

}  // namespace cnc::workbench
