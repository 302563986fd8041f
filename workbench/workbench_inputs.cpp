// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's inputs and results, in the order they are shown.
#include <array>

#include "calc/translation.h"
#include "workbench/workbench.h"

namespace cnc::workbench {
namespace {

constexpr std::array kMotorBy{
    Alternative{N_("Passi per giro"), "passi"},
    Alternative{N_("Angolo del passo"), "angolo-passo"},
};
constexpr std::array kAxisMovedBy{
    // TRANSLATORS: what moves the axis: a screw ("vite") given by its pitch ("passo") in mm
    Alternative{N_("Vite, passo in mm"), "passo-vite"},
    Alternative{N_("Vite, filetti per pollice"), "filetti-pollice"},
    // TRANSLATORS: what moves the axis: a belt ("cinghia") on a pulley
    Alternative{N_("Cinghia"), "puleggia-asse"},
};
constexpr std::array kBeltProfiles{
    Alternative{"GT2 (2 mm)", "profilo-cinghia", "GT2"},
    Alternative{"GT3 (3 mm)", "profilo-cinghia", "GT3"},
    Alternative{"HTD3M (3 mm)", "profilo-cinghia", "HTD3M"},
    Alternative{"HTD5M (5 mm)", "profilo-cinghia", "HTD5M"},
    Alternative{N_("T2.5 (2,5 mm)"), "profilo-cinghia", "T2.5"},
    Alternative{"T5 (5 mm)", "profilo-cinghia", "T5"},
    Alternative{N_("MXL (2,032 mm)"), "profilo-cinghia", "MXL"},
    Alternative{N_("XL (5,08 mm)"), "profilo-cinghia", "XL"},
    Alternative{N_("L (9,525 mm)"), "profilo-cinghia", "L"},
};
constexpr std::array kReduction{
    Alternative{N_("Nessuna, accoppiamento diretto"), ""},
    // TRANSLATORS: a reduction by two pulleys and a belt between the motor and the screw or the
    // axis pulley
    Alternative{N_("Pulegge e cinghia tra motore e asse"), "ingranaggi"},
};
constexpr std::array kUnits{
    Alternative{N_("Millimetri"), ""},
    Alternative{N_("Pollici"), "pollici"},
};
constexpr std::array kFirmwares{
    Alternative{N_("Nessuno"), ""},
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
    Input{InputKind::Choice, "motore-da", N_("Motore indicato da"),
          N_("Come indicare il motore: i passi per giro o l'angolo di un passo."), N_("Motore"),
          kMotorBy},
    Input{InputKind::Text,
          "passi",
          N_("Passi per giro"),
          N_("Passi interi del motore per giro: 200 per un motore da 1,8°, 400 da 0,9°."),
          N_("Motore"),
          {},
          "passi",
          "200",
          kNumber},
    Input{InputKind::Text,
          "angolo-passo",
          N_("Angolo del passo"),
          N_("Gradi di un passo intero del motore, come 1,8 o 0,9."),
          N_("Motore"),
          {},
          "angolo-passo",
          {},
          kNumber},
    // TRANSLATORS: the input of the driver's microstepping, "Micropassi"; its section "Driver" is
    // the stepper driver
    Input{InputKind::Text,
          "micropassi",
          N_("Micropassi"),
          N_("Micropassi del driver per passo intero, un numero intero da 1 a 256; vuoto, il "
             "driver è in mezzo passo, come con 2."),
          N_("Driver"),
          {},
          {},
          "2",
          kNumber},
    Input{InputKind::Choice, "asse-mosso-da", N_("L'asse è mosso da"),
          N_("Una vite, di passo in millimetri o in filetti per pollice, o una cinghia."),
          N_("Movimento dell'asse"), kAxisMovedBy},
    Input{InputKind::Text,
          "passo-vite",
          N_("Passo della vite (mm)"),
          N_("Passo della vite in millimetri, per principio: 8 per una T8x8 a un principio, 2 per "
             "una T8 di passo 2."),
          N_("Movimento dell'asse"),
          {},
          "passo-vite",
          "3",
          kNumber},
    Input{InputKind::Text,
          "filetti-pollice",
          N_("Filetti per pollice"),
          N_("Filetti per pollice della vite: 10 per una ACME 1/2\"-10."),
          N_("Movimento dell'asse"),
          {},
          "filetti-pollice",
          {},
          kNumber},
    // TRANSLATORS: "principi" are the starts of a multi-start screw; its lead is the pitch times
    // the starts
    Input{InputKind::Text,
          "principi",
          N_("Principi"),
          N_("Principi della vite, un numero intero: l'avanzamento per giro è il passo per i "
             "principi."),
          N_("Movimento dell'asse"),
          {},
          kScrew,
          "1",
          kNumber},
    Input{InputKind::Text,
          "puleggia-asse",
          N_("Denti della puleggia dell'asse"),
          N_("Denti della puleggia che muove la cinghia dell'asse, un numero intero, come 20."),
          N_("Movimento dell'asse"),
          {},
          "puleggia-asse",
          {},
          kNumber},
    Input{InputKind::Choice, "profilo", N_("Profilo della cinghia"),
          N_("Il profilo della cinghia dell'asse, che ne dà il passo in millimetri."),
          N_("Movimento dell'asse"), kBeltProfiles, "puleggia-asse"},
    Input{InputKind::Choice, "riduzione", N_("Riduzione"),
          N_("Una riduzione a pulegge e cinghia tra il motore e la vite o la puleggia dell'asse."),
          N_("Riduzione"), kReduction},
    Input{InputKind::Text,
          "motore",
          N_("Denti della puleggia del motore"),
          N_("Denti della puleggia sul motore, un numero intero."),
          N_("Riduzione"),
          {},
          "ingranaggi",
          "17",
          kNumber},
    Input{InputKind::Text,
          "vite",
          N_("Denti della puleggia condotta"),
          N_("Denti della puleggia condotta, sulla vite o sull'asse, un numero intero."),
          N_("Riduzione"),
          {},
          "ingranaggi",
          "36",
          kNumber},
    // TRANSLATORS: the length code of the XL belt of the reduction
    Input{InputKind::Text,
          "cinta",
          N_("Cinghia XL della riduzione"),
          N_("Il codice di lunghezza della cinghia XL della riduzione, il numero prima di \"XL\": "
             "200 per una 200XL di 100 denti."),
          N_("Riduzione"),
          {},
          "ingranaggi",
          "120",
          kNumber},
    Input{InputKind::Choice, "unita", N_("Unità della macchina"),
          N_("Millimetri, o pollici per una macchina in pollici."), N_("Unità"), kUnits},
    Input{InputKind::Choice, "firmware-scelto", N_("Firmware"),
          N_("Il firmware di cui scrivere le righe di configurazione."), N_("Firmware"),
          kFirmwares},
    Input{InputKind::Text,
          "asse",
          N_("Asse"),
          N_("La lettera dell'asse, o più lettere per più assi uguali: X, Y, Z, E, A, B, C."),
          N_("Firmware"),
          {},
          "firmware",
          "X"},
    Input{InputKind::Text,
          "attuali",
          N_("Step/mm attuali"),
          N_("Facoltativo: i passi per millimetro che il firmware ha ora, per correggerli."),
          N_("Calibrazione"),
          {},
          {},
          {},
          kNumber},
    Input{
        InputKind::Text,
        "rotation-distance",
        N_("rotation_distance attuale"),
        N_("Facoltativo, per Klipper al posto degli step/mm: la rotation_distance di ora, in mm."),
        N_("Calibrazione"),
        {},
        {},
        {},
        kNumber},
    Input{InputKind::Text,
          "comandati",
          N_("Distanza comandata (mm)"),
          N_("La distanza dell'ultimo movimento comandato, in millimetri."),
          N_("Calibrazione"),
          {},
          {},
          {},
          kNumber,
          N_("Distanza comandata (pollici)"),
          N_("La distanza dell'ultimo movimento comandato, in pollici.")},
    Input{InputKind::Text,
          "misurati",
          N_("Distanza misurata (mm)"),
          N_("La distanza che l'asse ha percorso davvero, misurata, in millimetri."),
          N_("Calibrazione"),
          {},
          {},
          {},
          kNumber,
          N_("Distanza misurata (pollici)"),
          N_("La distanza che l'asse ha percorso davvero, misurata, in pollici.")},
    // TRANSLATORS: a layer height of a 3D printer; the section "Strato" is the layer
    Input{InputKind::Text,
          "strato",
          N_("Altezza dello strato (mm)"),
          N_("Facoltativo: l'altezza di strato voluta, in millimetri, per trovare quella a passi "
             "interi più vicina."),
          N_("Strato"),
          {},
          {},
          {},
          kNumber,
          N_("Altezza dello strato (pollici)"),
          N_("Facoltativo: l'altezza di strato voluta, in pollici, per trovare quella a passi "
             "interi più vicina.")},
    Input{InputKind::Text,
          "velocita",
          N_("Velocità (mm/s)"),
          N_("Facoltativo: una velocità dell'asse in millimetri al secondo."),
          N_("Velocità"),
          {},
          {},
          {},
          kNumber,
          N_("Velocità (pollici/s)"),
          N_("Facoltativo: una velocità dell'asse in pollici al secondo.")},
    Input{InputKind::Text,
          "frequenza-max",
          N_("Frequenza massima dei passi (kHz)"),
          N_("Facoltativo: la frequenza di passi più alta del driver o della scheda, in kHz."),
          N_("Velocità"),
          {},
          {},
          {},
          kNumber},
};

constexpr std::array kCommonScrews{
    // TRANSLATORS: common screws: "passo" is the pitch, "principi" the starts, "vite a ricircolo" a
    // ball screw, "barra filettata" a threaded rod
    CommonScrew{N_("T8x8 (passo 2, 4 principi)"), "2", "", "4"},
    CommonScrew{"T8x2", "2", "", "1"},
    CommonScrew{N_("Vite a ricircolo 1605"), "5", "", "1"},
    CommonScrew{N_("Vite a ricircolo 1610"), "10", "", "1"},
    CommonScrew{N_("Barra filettata M8"), "1.25", "", "1"},
    CommonScrew{"ACME 1/2\"-10", "", "10", "1"},
    CommonScrew{"ACME 3/8\"-12", "", "12", "1"},
};

constexpr std::array<std::string_view, 17> kResultLabels{
    N_("Step/mm"),
    N_("Risoluzione del passo (mm)"),
    N_("Interasse"),
    N_("Step/pollice"),
    N_("Risoluzione del passo (pollici)"),
    N_("Passo intero (mm)"),
    N_("Passo intero (pollici)"),
    N_("Strato più vicino per difetto"),
    N_("Strato più vicino per eccesso"),
    N_("Velocità"),
    N_("Frequenza dei passi"),
    N_("Velocità massima"),
    N_("Step/mm corretti"),
    N_("Step/pollice corretti"),
    N_("rotation_distance corretta"),
    N_("Correzione"),
    N_("Interasse esatto"),
};

constexpr std::array<std::string_view, 2> kSummaryLabels{
    N_("Step/mm"),
    N_("Risoluzione del passo (mm)"),
};

constexpr std::array<std::string_view, 3> kFoldedSections{N_("Calibrazione"), N_("Strato"),
                                                          N_("Velocità")};

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
