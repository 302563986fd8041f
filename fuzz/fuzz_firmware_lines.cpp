// SPDX-License-Identifier: GPL-3.0-or-later
// Each firmware's lines for arbitrary drives, read back the way the firmware
// reads them: a float firmware must hold the float nearest to steps x
// microsteps x driven teeth / (pitch x driving teeth) (Grbl the closest its
// reader reaches, within a few floats), LinuxCNC the nearest double, Klipper
// must give the same figure from its own formula, and no positive drive may
// be written as 0.

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/entry_value.h"
#include "calc/firmware_lines.h"
#include "calc/firmware_numbers.h"
#include "calc/memory_form.h"
#include "fuzz_input.h"

namespace {

long double typed(const std::string& text) {
    std::string plain;
    for (const char c : text) plain += c == ',' ? '.' : c;
    const std::size_t first = plain.find_first_not_of(" \t");
    const std::size_t last = plain.find_last_not_of(" \t");
    plain = plain.substr(first, last - first + 1);
    if (!plain.empty() && plain.front() == '+') plain.erase(0, 1);
    long double value = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

// Steps and teeth are entries of four decimals, ties to even, as the entry
// conversion (fuzzed on its own) reads them: a tie such as 2222.00005 is
// not one once the text is a long double.
long double entry(const std::string& text, const std::string& separator) {
    const cnc::EntryValue value = cnc::parseEntryValue(text, separator, "");
    return static_cast<long double>(value.tenThousandths) / cnc::kEntryScale;
}

template <class Number>
Number readNumber(const std::string& text) {
    Number value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) std::abort();
    return value;
}

// |reading - exact| within `floats` spacings of the reading's type, and
// `slack` more.
template <class Number>
void expectNear(Number reading, long double exact, long double floats, long double slack = 0) {
    if (!(reading > 0)) std::abort();  // positive drives are never written as 0
    const long double spacing =
        std::nextafter(reading, std::numeric_limits<Number>::infinity()) - reading;
    constexpr long double kEstimate = 1e-18L;  // the estimate's own relative error, and more
    if (std::abs(static_cast<long double>(reading) - exact) >
        floats * spacing * (1 + 1e-9L) + slack + exact * kEstimate) {
        std::abort();
    }
}

// Half a unit of the text's last decimal.
long double halfLastDecimal(const std::string& text) {
    const std::size_t point = text.find('.');
    const auto decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return 0.5L * std::pow(10.0L, -static_cast<long double>(decimals));
}

std::string after(const std::string& line, std::string_view prefix) {
    if (line.rfind(prefix, 0) != 0) std::abort();
    return line.substr(prefix.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int microsteps = 1 + data[0];
    const bool belt = (data[1] & 1) != 0;
    const std::string separator = (data[1] & 2) ? "," : ".";
    const auto fields = fuzz::splitFields(data + 2, size - 2, 4);

    cnc::MemoryForm form;
    form.setText(cnc::Field::MotorSteps, fields[0]);
    form.setText(cnc::Field::ScrewPitch, fields[1]);
    form.setText(cnc::Field::MotorTeeth, fields[2]);
    form.setText(cnc::Field::ScrewTeeth, fields[3]);
    form.select(belt ? cnc::Coupling::Belt : cnc::Coupling::Direct);
    try {
        cnc::computeSteppingResolution(form, separator, "", microsteps);
    } catch (const cnc::CalcError&) {
        return 0;
    }
    // Within a few long double roundings of the exact value: the checks
    // below allow for them.
    long double exact = entry(fields[0], separator) * microsteps / typed(fields[1]);
    if (belt) exact = exact * entry(fields[3], separator) / entry(fields[2], separator);

    for (const cnc::FirmwareName& each : cnc::kFirmwares) {
        const cnc::Firmware firmware = each.firmware;
        std::vector<std::string> lines;
        try {
            lines = cnc::firmwareLines(firmware, {"X"}, form, separator, microsteps);
        } catch (const cnc::CalcError&) {
            continue;
        } catch (const cnc::FirmwareRefusal&) {
            continue;
        }
        switch (firmware) {
            case cnc::Firmware::Marlin:
                expectNear(readNumber<float>(after(lines.at(0), "M92 X")), exact, 0.5L);
                break;
            case cnc::Firmware::RepRapFirmware: {
                const std::string line = after(lines.at(0), "M92 X");
                const std::string value = line.substr(0, line.find(' '));
                expectNear(cnc::repRapRead(value), exact, 0.5L);
                if (line.substr(line.find(' ')) != " S" + std::to_string(microsteps)) std::abort();
                break;
            }
            case cnc::Firmware::Grbl: {
                const std::string value = after(lines.at(0), "$100=");
                int digits = 0;
                for (const char c : value) digits += c >= '0' && c <= '9';
                if (digits > 8) std::abort();
                // Eight digits, the leading zeros counted, may not reach the
                // nearest float: within the last digit, and its reader's errors.
                expectNear(cnc::grblRead(value), exact, 4, halfLastDecimal(value));
                break;
            }
            case cnc::Firmware::GrblHal: {
                const std::string value = after(lines.at(0), "$100=");
                const std::size_t first = value.find_first_of("123456789");
                int digits = 0;
                for (const char c : value.substr(first)) digits += c >= '0' && c <= '9';
                if (digits > 9) std::abort();
                expectNear(cnc::grblHalRead(value), exact, 4, halfLastDecimal(value));
                break;
            }
            case cnc::Firmware::LinuxCnc:
                expectNear(readNumber<double>(after(lines.at(1), "SCALE = ")), exact, 0.5L);
                break;
            case cnc::Firmware::Klipper: {
                const long double distance = readNumber<double>(after(lines.at(1), "rotation_distance: "));
                const long double steps = readNumber<double>(after(lines.at(3), "full_steps_per_rotation: "));
                long double ratio = 1;
                if (belt) {
                    const std::string gear = after(lines.at(4), "gear_ratio: ");
                    ratio = static_cast<long double>(readNumber<double>(gear.substr(0, gear.find(':')))) /
                            readNumber<double>(gear.substr(gear.find(':') + 1));
                }
                const long double klipper = steps * microsteps * ratio / distance;
                if (std::abs(klipper - exact) > exact * 1e-15L) std::abort();
                break;
            }
        }
    }
    return 0;
}
