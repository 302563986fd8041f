#pragma once
// The calculation's view of the window: fields it reads and writes by name,
// and option arrays it asks about by element index. The window implements it
// on its widgets; the command line, the tests and the benchmark on memory.
//
// Contract: the calculation reads a text at the moment a formula needs it and
// stores each result the moment it is produced, so an implementation must
// show a written text at once and must not cache reads.

#include <string>
#include <string_view>

namespace cnc {

enum class Field {
    Text1,  // motor steps per revolution
    Text2,  // lead-screw pitch, mm
    Text3,  // result: steps per millimetre
    Text4,  // result: millimetres per step
    Text5,  // teeth of the motor pulley
    Text6,  // teeth of the screw pulley
    Text7,  // result: centre distance, in the belt drawing
    Text8,  // result: centre distance followed by " mm"
    Text9,  // teeth of the belt
};

enum class OptionArray {
    Option1,  // stepping mode: 0 half step, 1 full step
    Option2,  // coupling: 0 direct, 1 pulleys and belt
};

inline constexpr int kHalfStep = 0;
inline constexpr int kFullStep = 1;
inline constexpr int kDirectCoupling = 0;
inline constexpr int kBeltCoupling = 1;

// The Italian caption that names a field in the window ("Passi del motore").
std::string_view fieldCaption(Field field);

// The text a field holds when the window opens: "200", "3", "17", "36", "120"
// in the entries, empty in the results.
std::string_view initialText(Field field);

// The element of each option array selected when the window opens.
inline constexpr int kInitialStepping = kHalfStep;
inline constexpr int kInitialCoupling = kDirectCoupling;

class Form {
public:
    virtual ~Form() = default;
    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;
    virtual bool isSelected(OptionArray array, int index) const = 0;
};

}  // namespace cnc
