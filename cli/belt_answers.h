// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's answers from the exact belt geometry, as the lines it
// prints. Each throws CalcError as the calculation does.

#include <string>
#include <string_view>

#include "calc/belt_geometry.h"
#include "calc/form.h"

namespace cnc::cli {

// --esatto: the exact centre distance as a result text, "83.68".
std::string exactDistanceText(const Form& form, std::string_view decimalSeparator,
                              std::string_view groupSeparator);

// --interasse-voluto D: the two whole-tooth XL belts either side of D (from
// nearestBelts on the form), e.g.
//   Cinta più corta: 132XL (66 denti), interasse esatto 99.14 mm
//   Cinta più lunga: 134XL (67 denti), interasse esatto 101.71 mm
std::string nearestBeltLines(const NearestBelts& belts, std::string_view decimalSeparator);

}  // namespace cnc::cli
