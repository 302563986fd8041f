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
    Alternative{N_("Cinghia"), "puleggia-asse"},
    Alternative{N_("Ruota, diametro in mm"), "diametro-ruota"},
    Alternative{N_("Pignone e cremagliera"), "denti-pignone"},
    Alternative{N_("Step/mm già noti"), "step-mm"},
    // A rotary axis turns with what the motor turns: it has no screw, belt,
    // wheel or rack, so choosing it hides them all.
    Alternative{N_("Nulla: l'asse ruota (asse rotativo, in gradi)"), "rotativo"},
};
constexpr std::array kRackBy{
    Alternative{N_("Modulo"), "modulo"},
    Alternative{N_("Passo circolare"), "passo-cremagliera"},
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
    Alternative{N_("Rapporto di ingranaggi o di un riduttore"), "rapporto"},
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
    Alternative{"grblHAL", "firmware", "grblhal"},
    Alternative{"Klipper", "firmware", "klipper"},
    Alternative{"LinuxCNC", "firmware", "linuxcnc"},
};

constexpr std::string_view kScrew = "passo-vite filetti-pollice";
// Every axis that moves in a line: not the rotary one, which has no inches
// and no layers.
constexpr std::string_view kLinear =
    "passo-vite filetti-pollice puleggia-asse diametro-ruota denti-pignone step-mm";

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
          N_("Una vite, di passo in millimetri o in filetti per pollice, una cinghia, una ruota, "
             "un pignone su una cremagliera o una trasmissione di cui si sanno gli step/mm; "
             "nulla per un asse rotativo."),
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
    Input{InputKind::Text,
          "diametro-ruota",
          N_("Diametro della ruota (mm)"),
          N_("Il diametro efficace della ruota in millimetri, come 7,3 per la ruota dentata che "
             "spinge il filamento di un estrusore: un giro avanza di π per il diametro."),
          "Movimento dell'asse",
          {},
          "diametro-ruota",
          {},
          kNumber},
    Input{InputKind::Text,
          "denti-pignone",
          N_("Denti del pignone"),
          N_("Denti del pignone che ingrana nella cremagliera, un numero intero, come 20."),
          "Movimento dell'asse",
          {},
          "denti-pignone",
          {},
          kNumber},
    Input{InputKind::Choice, "cremagliera-da", N_("Cremagliera indicata da"),
          N_("Come indicare la cremagliera: il modulo, o il passo circolare da dente a dente."),
          "Movimento dell'asse", kRackBy, "denti-pignone"},
    Input{InputKind::Text,
          "modulo",
          N_("Modulo (mm)"),
          N_("Il modulo di pignone e cremagliera in millimetri, come 1,5: un giro avanza di π "
             "per il modulo per i denti."),
          "Movimento dell'asse",
          {},
          "modulo",
          {},
          kNumber},
    Input{InputKind::Text,
          "passo-cremagliera",
          N_("Passo della cremagliera (mm)"),
          N_("Il passo circolare della cremagliera in millimetri, da dente a dente: un giro "
             "avanza del passo per i denti."),
          "Movimento dell'asse",
          {},
          "passo-cremagliera",
          {},
          kNumber},
    Input{InputKind::Text,
          "step-mm",
          N_("Step/mm già noti"),
          N_("I passi per millimetro di una configurazione esistente, come 93: con i passi del "
             "motore, i micropassi e la riduzione danno la rotation_distance di Klipper."),
          "Movimento dell'asse",
          {},
          "step-mm",
          {},
          kNumber},
    Input{InputKind::Choice, "riduzione", N_("Riduzione"),
          N_("Una riduzione tra il motore e ciò che muove l'asse: pulegge e cinghia XL, o un "
             "rapporto di ingranaggi o di un riduttore."),
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
    // Not a number: its colons and commas are no decimal separators.
    Input{InputKind::Text,
          "rapporto",
          N_("Rapporto"),
          N_("Giri del motore a giri dell'uscita, numeri interi, come gear_ratio di Klipper: "
             "50:17 per un ingranaggio di 17 denti sul motore che ne muove uno di 50, 5:1 per un "
             "riduttore; più stadi separati da virgole, come 57:11,2:1."),
          "Riduzione",
          {},
          "rapporto"},
    Input{InputKind::Choice, "unita", N_("Unità della macchina"),
          N_("Millimetri, o pollici per una macchina in pollici."), N_("Unità"), kUnits, kLinear},
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
    // No placeholder: the default joint depends on the axis letter.
    Input{InputKind::Text,
          "giunto",
          N_("Giunti"),
          N_("I numeri dei giunti di LinuxCNC, da 0 a 15, separati da virgole: più giunti per "
             "un asse solo, come 1,2 per un portale a due motori, o uno per lettera; vuoto, X 0, "
             "Y 1, Z 2, A 3, B 4, C 5."),
          "Firmware",
          {},
          "firmware=linuxcnc"},
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
          kLinear,
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

constexpr std::array kCommonDrives{
    // TRANSLATORS: common screws: "passo" is the pitch, "principi" the starts, "vite a ricircolo" a
    // ball screw, "barra filettata" a threaded rod
    CommonDrive{N_("T8x8 (passo 2, 4 principi)"), "passo-vite", "2", "4"},
    CommonDrive{"T8x2", "passo-vite", "2", "1"},
    CommonDrive{N_("Vite a ricircolo 1605"), "passo-vite", "5", "1"},
    CommonDrive{N_("Vite a ricircolo 1610"), "passo-vite", "10", "1"},
    CommonDrive{N_("Barra filettata M8"), "passo-vite", "1.25", "1"},
    CommonDrive{"ACME 1/2\"-10", "filetti-pollice", "10", "1"},
    CommonDrive{"ACME 3/8\"-12", "filetti-pollice", "12", "1"},
    // A common printer's extruder: a 17-tooth motor gear driving 50 teeth,
    // and a drive gear that pushes the filament 7.3 mm across.
    CommonDrive{N_("Estrusore: ingranaggi 50:17, ruota da 7,3 mm, 1/16"),
                "diametro-ruota",
                "7.3",
                {},
                "50:17",
                "16"},
};

constexpr std::array<std::string_view, 19> kResultLabels{
    N_("Step/mm"),
    N_("Risoluzione del passo (mm)"),
    N_("Step/grado"),
    N_("Risoluzione del passo (gradi)"),
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

constexpr std::array<std::string_view, 4> kSummaryLabels{
    N_("Step/mm"),
    N_("Risoluzione del passo (mm)"),
    "Step/grado",
    "Risoluzione del passo (gradi)",
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

std::span<const CommonDrive> commonDrives() { return kCommonDrives; }

std::span<const std::string_view> resultLabels() { return kResultLabels; }

std::span<const std::string_view> summaryLabels() { return kSummaryLabels; }

std::span<const std::string_view> foldedSections() { return kFoldedSections; }

}  // namespace cnc::workbench
