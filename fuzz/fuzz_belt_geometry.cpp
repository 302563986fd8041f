// SPDX-License-Identifier: GPL-3.0-or-later
// The belt geometry on numbers, sizes sensible and absurd. Arguments outside
// the contract must be refused with InvalidArgument, and only those; every
// answer must keep its promise: a centre distance whose belt length is the
// one asked for to the stated accuracy, and the nearest belts on either side
// of the wanted distance, consecutive, going round.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <optional>

#include "calc/belt_geometry.h"
#include "calc/calc_error.h"
#include "fuzz_input.h"

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

void check(bool holds) {
    if (!holds) std::abort();
}

// A size in [0, 10^most) spread over the decades from 10^least, or zero.
double sensible(fuzz::ByteReader& input, int least, int most) {
    const double fraction = input.fraction();
    const int decade = least + input.byte() % (most - least + 1);
    return fraction * std::pow(10.0, decade);
}

// Runs `call`; InvalidArgument is expected exactly when `valid` is false,
// Overflow only for a valid call. Returns whether it answered.
template <class Call>
bool answers(bool valid, Call&& call) {
    try {
        call();
    } catch (const cnc::CalcError& error) {
        check(error.kind() == (valid ? cnc::ErrorKind::Overflow : cnc::ErrorKind::InvalidArgument));
        return false;
    }
    check(valid);
    return true;
}

struct Sizes {
    double radius1, radius2, beltLength, wantedDistance, beltPitch;
    bool sensible;  // none drawn raw: the answers are checked, not only made
};

Sizes sizesFrom(fuzz::ByteReader& input) {
    // With the high bit set, the low five choose which sizes are drawn raw.
    const std::uint8_t choice = input.byte();
    const std::uint8_t raw = (choice & 0x80) ? choice : 0;
    const auto next = [&](int bit, auto&& drawSensible) {
        return (raw >> bit & 1) ? input.rawDouble() : drawSensible();
    };
    Sizes sizes{};
    sizes.radius1 = next(0, [&] { return sensible(input, -3, 4); });
    sizes.radius2 = next(1, [&] { return sensible(input, -3, 6); });
    sizes.beltPitch = next(2, [&] { return 0.001 + sensible(input, -3, 2); });
    // Lengths and distances near where the pulleys touch, on either side.
    const double touching = sizes.radius1 + sizes.radius2;
    const double length =
        std::isfinite(touching) ? cnc::openBeltLength(sizes.radius1, sizes.radius2, touching) : 0;
    sizes.beltLength = next(3, [&] {
        const double excess = sensible(input, -12, 6);
        return (input.byte() & 1) ? length + excess : length - excess;
    });
    sizes.wantedDistance = next(4, [&] {
        const double excess = sensible(input, -9, 5);
        return (input.byte() & 1) ? touching + excess : touching - excess;
    });
    sizes.sensible = (raw & 0x1F) == 0;
    return sizes;
}

bool goesRound(const Sizes& s, double beltLength) {
    return beltLength > cnc::openBeltLength(s.radius1, s.radius2, s.radius1 + s.radius2);
}

void checkCentreDistance(const Sizes& s, bool radiiValid) {
    std::optional<double> distance;
    if (!answers(radiiValid && std::isfinite(s.beltLength), [&] {
            distance = cnc::exactCentreDistance(s.radius1, s.radius2, s.beltLength);
        })) {
        return;
    }
    check(distance.has_value() == goesRound(s, s.beltLength));
    if (!distance) return;
    check(std::isfinite(*distance) && *distance >= s.radius1 + s.radius2);
    if (!s.sensible) return;
    // |C - true| <= accuracy, and L grows by at most 2 per mm of C.
    const double accuracy = std::max(1e-5, 1e-10 * s.beltLength);
    const double rounding =
        16 * kEpsilon * (s.beltLength + std::numbers::pi * (s.radius1 + s.radius2));
    const double length = cnc::openBeltLength(s.radius1, s.radius2, *distance);
    check(std::fabs(length - s.beltLength) <= 2 * accuracy + rounding);
}

void checkFewestTeeth(const Sizes& s, bool radiiValid, bool pitchValid) {
    double teeth = 0;
    if (!answers(radiiValid && pitchValid,
                 [&] { teeth = cnc::fewestTeeth(s.radius1, s.radius2, s.beltPitch); })) {
        return;
    }
    check(teeth >= 1);
    if (!s.sensible || !(teeth < 0x1p53)) return;
    check(goesRound(s, teeth * s.beltPitch));
    check(teeth == 1 || !goesRound(s, (teeth - 1) * s.beltPitch));
}

void checkNearestBelts(const Sizes& s, bool radiiValid, bool pitchValid) {
    std::optional<cnc::NearestBelts> belts;
    if (!answers(radiiValid && pitchValid && std::isfinite(s.wantedDistance), [&] {
            belts = cnc::nearestBelts(s.radius1, s.radius2, s.wantedDistance, s.beltPitch);
        })) {
        return;
    }
    check(belts.has_value() == (s.wantedDistance > s.radius1 + s.radius2));
    if (!belts) return;
    const cnc::ToothedBelt& longer = belts->longer;
    check(longer.teeth >= 1 && std::isfinite(longer.centreDistance));
    if (!s.sensible) return;
    // The teeth are chosen on lengths, exactly; the distances hold to the accuracy.
    const double wantedLength = cnc::openBeltLength(s.radius1, s.radius2, s.wantedDistance);
    const auto accuracy = [](double length) { return std::max(1e-5, 1e-10 * length); };
    const double longerLength = static_cast<double>(longer.teeth) * s.beltPitch;
    check(goesRound(s, longerLength) && longerLength > wantedLength);
    check(longer.centreDistance > s.wantedDistance - accuracy(longerLength));
    if (const auto& shorter = belts->shorter) {
        const double shorterLength = static_cast<double>(shorter->teeth) * s.beltPitch;
        check(shorter->teeth + 1 == longer.teeth);
        check(goesRound(s, shorterLength) && shorterLength <= wantedLength);
        check(shorter->centreDistance <= s.wantedDistance + accuracy(shorterLength));
    } else {
        check(longer.teeth == 1 ||
              !goesRound(s, static_cast<double>(longer.teeth - 1) * s.beltPitch));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader input(data, size);
    const Sizes s = sizesFrom(input);
    const auto isSize = [](double value) { return std::isfinite(value) && value >= 0; };
    const bool radiiValid = isSize(s.radius1) && isSize(s.radius2);
    const bool pitchValid = std::isfinite(s.beltPitch) && s.beltPitch > 0;

    answers(std::isfinite(s.radius1) && pitchValid,
            [&] { check(isSize(cnc::pitchRadius(s.radius1, s.beltPitch))); });
    checkCentreDistance(s, radiiValid);
    checkFewestTeeth(s, radiiValid, pitchValid);
    checkNearestBelts(s, radiiValid, pitchValid);
    return 0;
}
