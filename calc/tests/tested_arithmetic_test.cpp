// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tested_arithmetic.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

#include "calc/calc_error.h"

namespace cnc {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

struct ArithmeticCase {
    const char* name;
    std::function<double()> operation;
    std::optional<double> result;
    ErrorKind error = ErrorKind::Overflow;
};

TEST(TestedArithmetic, RaisesInsteadOfInfinityOrNaN) {
    const ArithmeticCase cases[] = {
        // division
        {"6 / 3", [] { return divide(6, 3); }, 2.0},
        {"1 / 0", [] { return divide(1, 0); }, std::nullopt, ErrorKind::DivisionByZero},
        {"-1 / 0", [] { return divide(-1, 0); }, std::nullopt, ErrorKind::DivisionByZero},
        {"0 / 0", [] { return divide(0, 0); }, std::nullopt, ErrorKind::DivisionByZero},
        {"0 / -0", [] { return divide(0, -0.0); }, std::nullopt, ErrorKind::DivisionByZero},
        {"max / 0.5", [] { return divide(kLargest, 0.5); }, std::nullopt},
        {"-max / 0.5", [] { return divide(-kLargest, 0.5); }, std::nullopt},
        {"underflow is no error", [] { return divide(kTiniest, 4); }, 0.0},
        {"subnormal kept", [] { return divide(4 * kTiniest, 2); }, 2 * kTiniest},
        // products and differences
        {"3 * 4", [] { return multiply(3, 4); }, 12.0},
        {"max * 2", [] { return multiply(kLargest, 2); }, std::nullopt},
        {"10 - 4", [] { return subtract(10, 4); }, 6.0},
        {"-max - max", [] { return subtract(-kLargest, kLargest); }, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            const double value = c.operation();
            ASSERT_TRUE(c.result) << "no error, gave " << value;
            EXPECT_EQ(value, *c.result);
        } catch (const CalcError& e) {
            EXPECT_FALSE(c.result) << "raised " << e.what();
            EXPECT_EQ(e.kind(), c.error);
        }
    }
}

}  // namespace
}  // namespace cnc
