// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/belt_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "calc/calc_error.h"
#include "calc/memory_form.h"

namespace cnc {
namespace {

using Real = long double;
constexpr double kXl = 5.08;
constexpr double kAgreement = 0.0005;  // mm

// Pulley pairs from 10 to 120 teeth, ratios up to 1:12.
constexpr int kPairs[][2] = {{10, 10}, {10, 100}, {12, 120}, {10, 120},  {17, 36},
                             {15, 60}, {11, 97},  {25, 30},  {120, 120}, {64, 119}};

// The distance found the other way round: by the angle phi of the straight
// runs, in long double. The belt is 2 (R - r) cot phi + pi (R + r) +
// 2 phi (R - r) long, decreasing in phi from the pulleys far apart (phi -> 0)
// to touching; C = (R - r) / sin phi.
std::optional<double> referenceDistance(int teeth1, int teeth2, Real beltTeeth) {
    const Real pitch = 5.08L, pi = std::numbers::pi_v<Real>;
    const Real large = std::max(teeth1, teeth2) * pitch / (2 * pi);
    const Real small = std::min(teeth1, teeth2) * pitch / (2 * pi);
    const Real length = beltTeeth * pitch, difference = large - small;
    if (difference == 0) {
        const Real distance = (length - 2 * pi * large) / 2;
        if (distance <= 2 * large) return std::nullopt;
        return static_cast<double>(distance);
    }
    const auto lengthAt = [&](Real phi) {
        return 2 * difference / std::tan(phi) + pi * (large + small) + 2 * phi * difference;
    };
    Real apart = 0, touching = std::asin(difference / (large + small));
    if (lengthAt(touching) >= length) return std::nullopt;
    for (int halving = 0; halving < 200; ++halving) {
        const Real phi = (apart + touching) / 2;
        (lengthAt(phi) > length ? apart : touching) = phi;
    }
    return static_cast<double>(difference / std::sin((apart + touching) / 2));
}

int referenceFewestTeeth(int teeth1, int teeth2) {
    int teeth = 1;
    while (!referenceDistance(teeth1, teeth2, teeth)) ++teeth;
    return teeth;
}

TEST(BeltGeometry, HeaderExamples) {
    const double motor = pitchRadius(17, kXl), screw = pitchRadius(36, kXl);
    EXPECT_NEAR(motor, 13.7446, 0.0001);
    EXPECT_NEAR(exactCentreDistance(motor, screw, 60 * kXl).value(), 83.676, 0.001);
    EXPECT_EQ(fewestTeeth(motor, screw, kXl), 45);
    EXPECT_NEAR(exactCentreDistance(motor, screw, 45 * kXl).value(), 44.299, 0.001);
    const NearestBelts belts = nearestBelts(motor, screw, 100, kXl).value();
    ASSERT_TRUE(belts.shorter);
    EXPECT_EQ(belts.shorter->teeth, 66);
    EXPECT_NEAR(belts.shorter->centreDistance, 99.137, 0.001);
    EXPECT_EQ(belts.longer.teeth, 67);
    EXPECT_NEAR(belts.longer.centreDistance, 101.708, 0.001);
}

TEST(BeltGeometry, ExactDistanceAgreesWithTheWrapAngleSolution) {
    for (const auto& [teeth1, teeth2] : kPairs) {
        SCOPED_TRACE(std::to_string(teeth1) + "/" + std::to_string(teeth2));
        const double radius1 = pitchRadius(teeth1, kXl), radius2 = pitchRadius(teeth2, kXl);
        const int fewest = referenceFewestTeeth(teeth1, teeth2);
        EXPECT_EQ(fewestTeeth(radius1, radius2, kXl), fewest);
        EXPECT_FALSE(exactCentreDistance(radius1, radius2, (fewest - 1) * kXl));
        for (const int teeth : {fewest, fewest + 1, fewest + 7, 2 * fewest, 10 * fewest}) {
            const auto distance = exactCentreDistance(radius1, radius2, teeth * kXl);
            ASSERT_TRUE(distance) << teeth << " teeth";
            EXPECT_NEAR(*distance, *referenceDistance(teeth1, teeth2, teeth), kAgreement)
                << teeth << " teeth";
        }
    }
}

TEST(BeltGeometry, NearestBeltsLieEitherSideOfTheWantedDistance) {
    for (const auto& [teeth1, teeth2] : kPairs) {
        const double radius1 = pitchRadius(teeth1, kXl), radius2 = pitchRadius(teeth2, kXl);
        for (const double beyondTouching : {0.001, 0.5, 3.0, 57.3, 1000.0}) {
            const double wanted = radius1 + radius2 + beyondTouching;
            SCOPED_TRACE(std::to_string(teeth1) + "/" + std::to_string(teeth2) + " at " +
                         std::to_string(wanted));
            const NearestBelts belts = nearestBelts(radius1, radius2, wanted, kXl).value();
            const double longer = referenceDistance(teeth1, teeth2, belts.longer.teeth).value();
            EXPECT_GT(longer, wanted);
            EXPECT_NEAR(belts.longer.centreDistance, longer, kAgreement);
            const auto shorterReference = referenceDistance(teeth1, teeth2, belts.longer.teeth - 1);
            ASSERT_EQ(belts.shorter.has_value(), shorterReference.has_value());
            if (!belts.shorter) continue;
            EXPECT_EQ(belts.shorter->teeth, belts.longer.teeth - 1);
            EXPECT_LE(*shorterReference, wanted);
            EXPECT_NEAR(belts.shorter->centreDistance, *shorterReference, kAgreement);
        }
        EXPECT_FALSE(nearestBelts(radius1, radius2, radius1 + radius2, kXl));
    }
}

// Whatever the sizes, an answer or none, never a NaN or an endless loop.
TEST(BeltGeometry, AbsurdSizes) {
    const double huge = 1e15, largest = std::numeric_limits<double>::max();
    struct Row {
        double radius1, radius2, length;
        bool solved;
    };
    const Row rows[] = {
        {0, 0, 10, true},
        {0, 0, 0, false},
        {0, 5, 100, true},
        {huge, 1, 7 * huge, true},
        {huge, huge, 11 * huge, true},
        {huge, huge, 10 * huge, false},
        {1, 2, 1e300, true},
        {1, 2, largest, true},
        {1, 2, -1, false},
    };
    for (const Row& row : rows) {
        const auto distance = exactCentreDistance(row.radius1, row.radius2, row.length);
        ASSERT_EQ(distance.has_value(), row.solved) << row.radius1 << " " << row.length;
        if (distance) {
            EXPECT_TRUE(std::isfinite(*distance)) << row.length;
        }
    }
    EXPECT_NEAR(exactCentreDistance(0, 0, 10).value(), 5, 1e-5);
    EXPECT_EQ(nearestBelts(0, 0, 5.08, kXl).value().longer.teeth, 3);
    EXPECT_THROW(nearestBelts(1, 2, 1e300, kXl), CalcError);
}

// Arguments outside the contract are refused, whatever the function.
TEST(BeltGeometry, RefusesWhatIsNoMeasure) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"teeth NaN", [&] { pitchRadius(nan, kXl); }},
        {"teeth infinite", [&] { pitchRadius(-inf, kXl); }},
        {"pitch 0", [] { pitchRadius(17, 0); }},
        {"pitch negative", [] { pitchRadius(17, -kXl); }},
        {"pitch NaN", [&] { fewestTeeth(1, 2, nan); }},
        {"pitch infinite", [&] { fewestTeeth(1, 2, inf); }},
        {"radius negative", [] { fewestTeeth(-1, 2, kXl); }},
        {"radius NaN", [&] { exactCentreDistance(1, nan, 100); }},
        {"radius infinite", [&] { exactCentreDistance(inf, 2, 100); }},
        {"length NaN", [&] { exactCentreDistance(1, 2, nan); }},
        {"length infinite", [&] { exactCentreDistance(1, 2, inf); }},
        {"belts, pitch negative", [] { nearestBelts(1, 2, 100, -kXl); }},
        {"belts, pitch 0", [] { nearestBelts(1, 2, 100, 0); }},
        {"belts, pitch NaN", [&] { nearestBelts(1, 2, 100, nan); }},
        {"belts, distance NaN", [&] { nearestBelts(1, 2, nan, kXl); }},
        {"belts, distance infinite", [&] { nearestBelts(1, 2, inf, kXl); }},
        {"belts, radius negative", [] { nearestBelts(1, -0.5, 100, kXl); }},
    };
    for (const auto& [name, call] : rows) {
        try {
            call();
            ADD_FAILURE() << name << ": not refused";
        } catch (const CalcError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::InvalidArgument) << name;
        }
    }
    EXPECT_FALSE(nearestBelts(1, 2, -5, kXl));
    EXPECT_THROW(pitchRadius(1e308, 1e308), CalcError);
}

// The stated accuracy, max(0.00001 mm, 1e-10 of the length), against an
// independent solver in long double: bisection on C to the last bit of
// L(C) = 2 sqrt(C^2 - d^2) + pi (R + r) + 2 d asin(d / C), d = |R - r|.
// Near-zero radii, and belts that barely go round a large pulley, where
// L(C) is flattest.
TEST(BeltGeometry, ExactDistanceWithinItsStatedAccuracy) {
    const auto lengthAt = [](Real radius1, Real radius2, Real distance) {
        const Real difference = std::fabs(radius1 - radius2);
        return 2 * std::sqrt(distance * distance - difference * difference) +
               std::numbers::pi_v<Real> * (radius1 + radius2) +
               (difference == 0 ? 0 : 2 * difference * std::asin(difference / distance));
    };
    struct Row {
        double radius1, radius2, beyondTouching;  // mm of belt
    };
    const Row rows[] = {
        {0, 10, 1e-12},    {1e-300, 10, 1}, {0, 0, 1e-4},   {1e-300, 1e-300, 1}, {0, 1e-300, 1e-3},
        {5e-324, 3, 1e-9}, {1, 100, 1e-6},  {0, 1e6, 4e-9}, {1e-3, 1e6, 8e-9},   {0, 3e5, 5e-10},
    };
    for (const Row& row : rows) {
        const Real radius1 = row.radius1, radius2 = row.radius2;
        const double length =
            static_cast<double>(lengthAt(radius1, radius2, radius1 + radius2)) + row.beyondTouching;
        SCOPED_TRACE(std::to_string(row.radius1) + " " + std::to_string(row.radius2) + " " +
                     std::to_string(length));
        Real below = radius1 + radius2, above = length;
        for (Real middle = (below + above) / 2; middle > below && middle < above;
             middle = below + (above - below) / 2) {
            (lengthAt(radius1, radius2, middle) < length ? below : above) = middle;
        }
        const auto distance = exactCentreDistance(row.radius1, row.radius2, length);
        ASSERT_TRUE(distance);
        EXPECT_LE(std::fabs(*distance - below), std::max(1e-5, 1e-10 * length));
    }
}

// The overlap message names a distance that, typed, is accepted just above it:
// the sum of the radii rounded up, never to nearest. A pitch of 2 pi makes the
// radii the teeth themselves.
TEST(BeltGeometry, OverlapNamesTheLimitRoundedUp) {
    constexpr double kRadiiAsTeeth = 2 * std::numbers::pi;
    struct Row {
        const char *motor, *screw, *wanted, *separator;
        double pitch;
        std::string_view limit;
    };
    const Row rows[] = {
        {"2", "3", "4,041", ",", kXl, "4,05"},  // 4.0425355
        {"2", "3", "4.041", ".", kXl, "4.05"},
        {"17", "36", "42,85", ",", kXl, "42,86"},           // 42.8509
        {"4", "0,25", "4,25", ",", kRadiiAsTeeth, "4,25"},  // exactly at two decimals
        {"4", "0,046", "1", ",", kRadiiAsTeeth, "4,05"},    // to nearest is up already
        {"9", "0,9925", "-3", ",", kRadiiAsTeeth, "10,00"},
        {"0", "0", "0", ",", kRadiiAsTeeth, "0,00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.motor) + " " + row.screw);
        MemoryForm form;
        form.setText(Field::MotorTeeth, row.motor);
        form.setText(Field::ScrewTeeth, row.screw);
        try {
            nearestBelts(form, row.wanted, row.separator, ".", row.pitch);
            ADD_FAILURE() << "no overlap";
        } catch (const CalcError& error) {
            const std::string hint = "deve superare " + std::string(row.limit) + " mm.";
            EXPECT_EQ(
                std::string(error.what()),
                "Argomento non valido: a questo interasse le pulegge si sovrappongono; " + hint);
        }
    }
}

}  // namespace
}  // namespace cnc
