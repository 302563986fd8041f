// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Double arithmetic that raises an error instead of going on with an infinity
// or a NaN. Operands are finite (every number of the calculation comes from an
// entry text or from these functions). Results too small for a double become
// zero or subnormal without an error.
//
//   divide(1, 0)       -> DivisionByZero
//   divide(0, 0)       -> DivisionByZero (reported so: the divisor is zero)
//   divide(1e308, 0.1) -> Overflow
//   divide(1e-308, 1e300) -> 0, no error

namespace cnc {

// Each throws CalcError with no field; the caller names the field to blame.
double divide(double dividend, double divisor);
double multiply(double left, double right);
double subtract(double left, double right);

}  // namespace cnc
