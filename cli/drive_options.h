// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drives of the options beyond a screw and a belt pulley: a reduction
// as a ratio (--rapporto), a wheel (--diametro-ruota), a pinion on a rack
// (--denti-pignone with --modulo or --passo-cremagliera), a figure known in
// steps per mm (--step-mm) and a rotary axis (--rotativo), as their texts
// give them to the exact drive. 200 steps at 1/16:
//   --rapporto 50:17 --diametro-ruota 7.3   Step/mm: 410.391472920
//   --denti-pignone 20 --modulo 1.5         Step/mm: 33.953054526
//   --step-mm 93                            Step/mm: 93.000000000
//   --rotativo --rapporto 90:1              Step/grado: 800.000000000
// None of them is a text of the window's, so they are read here, and an
// error names the option: "Argomento non valido: --denti-pignone vuole i denti
// del pignone, un numero intero da 1 in su, non «17.5»."

#include <optional>
#include <string_view>
#include <vector>

#include "calc/exact_drive.h"
#include "calc/gear_ratio.h"
#include "cli/options.h"

namespace cnc::cli {

// Whether the lead is one of these drives' rather than the pitch field's
// or the thread count's.
bool hasLeadOfItsOwn(const Options& options);

// The lead of `drive` (steps, microsteps and stages set) for these drives:
// mm per turn, or 360 degrees for a rotary axis. Throws OptionError naming
// the option whose text is no number above zero, or no whole count of teeth.
Ratio leadOfItsOwn(const Options& options, const ExactDrive& drive,
                   std::string_view decimalSeparator);

// The stages of --rapporto, none without it. Throws OptionError naming it.
std::vector<GearStage> gearStagesOfOptions(const Options& options);

// The option, and its text, a figure beyond range is blamed on when the lead
// is not the pitch field's: the one that gives the lead, else --rapporto;
// nullopt when neither was given.
struct BlamedOption {
    std::string_view option;  // its key, without dashes: "diametro-ruota"
    std::string text;
};
std::optional<BlamedOption> driveOption(const Options& options);

}  // namespace cnc::cli
