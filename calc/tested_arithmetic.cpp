// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tested_arithmetic.h"

#include <cmath>

#include "calc/calc_error.h"

namespace cnc {
namespace {

// Values are tested rather than the floating-point status flags: the result
// is the same for finite operands, and it survives the optimiser.
double finiteOrOverflow(double result) {
    if (!std::isfinite(result)) throw CalcError(ErrorKind::Overflow);
    return result;
}

}  // namespace

double divide(double dividend, double divisor) {
    if (divisor == 0.0) throw CalcError(ErrorKind::DivisionByZero);
    return finiteOrOverflow(dividend / divisor);
}

double multiply(double left, double right) { return finiteOrOverflow(left * right); }

double subtract(double left, double right) { return finiteOrOverflow(left - right); }

}  // namespace cnc
