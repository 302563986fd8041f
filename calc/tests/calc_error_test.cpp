// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calc_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace cnc {
namespace {

// Every message the user can be shown, whole: each kind's name and hint, and
// the caption of the field at fault where there is one.
TEST(CalcError, EveryMessageWhole) {
    struct Case {
        ErrorKind kind;
        std::optional<Field> field;
        std::string_view message;
    };
    const Case cases[] = {
        {ErrorKind::TypeMismatch, Field::MotorSteps,
         "Tipo non corrispondente in «Passi del motore»: "
         "il campo è vuoto o non contiene un numero."},
        {ErrorKind::Overflow, Field::ScrewPitch,
         "Overflow in «Passo della vite (mm)»: il numero è fuori dall'intervallo di calcolo."},
        {ErrorKind::DivisionByZero, Field::ScrewTeeth,
         "Divisione per zero in «Vite»: il valore non può essere zero."},
        {ErrorKind::InvalidArgument, Field::BeltLengthCode,
         "Argomento non valido in «Cinta»: la cinta è troppo corta per queste pulegge."},
        {ErrorKind::Overflow, std::nullopt,
         "Overflow: il numero è fuori dall'intervallo di calcolo."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalcError(c.kind, c.field).what(), c.message);
    }
}

}  // namespace
}  // namespace cnc
