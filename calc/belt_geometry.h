// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact geometry of an open toothed belt round two pulleys, for the
// questions the window's formula cannot answer exactly.
//
// A pulley of z teeth has the pitch radius |z| p / (2 pi), p the belt pitch.
// With R >= r the two radii and C the distance between the centres, the
// straight runs leave the pulleys at the angle phi, sin phi = (R - r) / C,
// and the belt wraps pi + 2 phi of the large pulley and pi - 2 phi of the
// small one, so its pitch length is
//   L(C) = 2 C cos phi + pi (R + r) + 2 phi (R - r).
// L grows with C (dL/dC = 2 cos phi), so a belt longer than L(R + r), the
// length at which the pulleys touch, has exactly one centre distance, and a
// belt no longer than that has none.
//
// Examples, XL belt (p = 5.08 mm), pulleys of 17 and 36 teeth:
//   belt code 120 (60 teeth, 304.8 mm)   -> C = 83.676 mm (the formula: 83.69)
//   pulley of 17 teeth                    -> r = 13.7446 mm
//   the fewest teeth that go round        -> 45 (C = 44.299 mm)
//   wanted C = 100 mm -> 66 teeth (C = 99.137 mm) and 67 teeth (C = 101.708 mm)
//
// What the functions on numbers take: radii finite and >= 0, a pitch finite
// and > 0, belt lengths, wanted distances and teeth finite. Anything else is a
// caller's mistake, not a question about belts: it throws CalcError
// InvalidArgument with no field, and no result is made of it. Within that, a
// belt too short to go round (a length of zero or less among them) and a
// wanted distance at which the pulleys overlap (zero or less among them) are
// answered: nullopt. The entries of a form only give finite numbers.
//   pitchRadius(17, -5.08)                 -> InvalidArgument
//   exactCentreDistance(1, 2, NaN)         -> InvalidArgument
//   exactCentreDistance(1, 2, -1)          -> nullopt
//   nearestBelts(-1, 2, 100, 5.08)         -> InvalidArgument
//   nearestBelts(1, 2, 0, 5.08)            -> nullopt

#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/form.h"

namespace cnc {

// The pitch radius in mm of a pulley of `teeth` teeth (their magnitude, as the
// window's formula takes them). Throws CalcError Overflow for a radius beyond
// the doubles.
double pitchRadius(double teeth, double beltPitch);

// L(C) for radii >= 0 and C >= |radius1 - radius2|; unchecked, the formula
// alone.
double openBeltLength(double radius1, double radius2, double centreDistance);

// The C at which L(C) = beltLength; nullopt when beltLength is no longer than
// L(radius1 + radius2). Bisection on a bracket that holds the root: it ends
// within a few hundred steps and makes no NaN.
//
// Accuracy: within 0.00001 mm, or 1e-10 of beltLength where that is more
// (belts longer than 100 m). The second bound is needed where one pulley is far
// smaller than the other and the belt barely goes round: there L(C) grows as
// (C - R)^1.5 / sqrt(R), so flat that lengths one double apart, near 2 pi R,
// belong to distances up to about 1e-11 L apart (R = 10^6 mm, r = 0: 7e-5 mm).
std::optional<double> exactCentreDistance(double radius1, double radius2, double beltLength);

// The fewest whole teeth of a belt that goes round both pulleys.
double fewestTeeth(double radius1, double radius2, double beltPitch);

// A belt of whole teeth, and its exact centre distance in mm.
struct ToothedBelt {
    std::int64_t teeth;
    double centreDistance;
};

// The whole-tooth belts on either side of a wanted distance D, chosen exactly
// on their lengths against L(D); their distances hold to the accuracy above.
struct NearestBelts {
    std::optional<ToothedBelt> shorter;  // the longest with C <= D; none if it cannot go round
    ToothedBelt longer;                  // the shortest with C > D
};

// nullopt for D <= radius1 + radius2, where the pulleys would overlap. Throws
// CalcError Overflow for belts of 2^53 teeth or more.
std::optional<NearestBelts> nearestBelts(double radius1, double radius2, double wantedDistance,
                                         double beltPitch);

// The same questions on the entries of a form.
//
// The exact centre distance of the pulleys and the belt whose length code
// (teeth times 2) the form holds. Throws CalcError: the entries' conversion
// errors, blamed on their fields, and beltTooShort, with the smallest code
// that goes round, when the belt has no centre distance.
double exactCentreDistance(const Form& form, std::string_view decimalSeparator,
                           std::string_view groupSeparator, double beltPitch);

// The belts nearest `wantedDistance`, an entry text in mm, for the form's
// pulleys; nothing else of the form is read. Throws CalcError: the pulleys'
// conversion errors, blamed on their fields; the wanted distance's, blamed on
// none; pulleysOverlap, naming the sum of the radii rounded UP to two
// decimals, with `decimalSeparator`: the least such distance that, typed, is
// not below the sum (17 and 36 teeth, 42.8509 mm -> "42.86"; 4.25 -> "4.25").
NearestBelts nearestBelts(const Form& form, std::string_view wantedDistance,
                          std::string_view decimalSeparator, std::string_view groupSeparator,
                          double beltPitch);

}  // namespace cnc
