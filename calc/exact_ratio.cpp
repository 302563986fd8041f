// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/exact_ratio.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "calc/calc_error.h"

namespace cnc {

Natural::Natural(std::uint64_t value) {
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value));
        value >>= 32;
    }
}

void Natural::trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

int Natural::bitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<int>(32 * (limbs_.size() - 1)) +
           static_cast<int>(std::bit_width(limbs_.back()));
}

Natural operator*(const Natural& a, const Natural& b) {
    Natural product;
    if (a.isZero() || b.isZero()) return product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            const std::uint64_t sum =
                std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
            product.limbs_[i + j] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.trim();
    return product;
}

void Natural::multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t sum = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

Natural Natural::shiftedLeft(int bits) const {
    Natural shifted;
    if (isZero()) return shifted;
    const auto whole = static_cast<std::size_t>(bits / 32);
    const int part = bits % 32;
    shifted.limbs_.assign(whole, 0);
    std::uint32_t carry = 0;
    for (const std::uint32_t limb : limbs_) {
        shifted.limbs_.push_back(part == 0 ? limb : (limb << part) | carry);
        carry = part == 0 ? 0 : limb >> (32 - part);
    }
    shifted.limbs_.push_back(carry);
    shifted.trim();
    return shifted;
}

void Natural::subtract(const Natural& b) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference = std::int64_t{limbs_[i]} - borrow -
                                  (i < b.limbs_.size() ? std::int64_t{b.limbs_[i]} : 0);
        borrow = difference < 0;
        if (borrow) difference += std::int64_t{1} << 32;
        limbs_[i] = static_cast<std::uint32_t>(difference);
    }
    trim();
}

int compare(const Natural& a, const Natural& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}

void Natural::setBit(int bit) {
    const auto limb = static_cast<std::size_t>(bit / 32);
    if (limbs_.size() <= limb) limbs_.resize(limb + 1, 0);
    limbs_[limb] |= std::uint32_t{1} << (bit % 32);
}

// `bits` >= 0 dropped from the bottom: the quotient by 2^bits, and the
// remainder, the bits dropped.
std::pair<Natural, Natural> Natural::splitAt(int bits) const {
    const auto whole = static_cast<std::size_t>(bits / 32);
    const int part = bits % 32;
    Natural high;
    Natural low;
    for (std::size_t i = whole; i < limbs_.size(); ++i) {
        const std::uint64_t pair =
            limbs_[i] | (i + 1 < limbs_.size() ? std::uint64_t{limbs_[i + 1]} << 32 : 0);
        high.limbs_.push_back(static_cast<std::uint32_t>(pair >> part));
    }
    low.limbs_.assign(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(
                                                           std::min(whole + 1, limbs_.size())));
    if (low.limbs_.size() > whole) low.limbs_[whole] &= (std::uint32_t{1} << part) - 1;
    high.trim();
    low.trim();
    return {high, low};
}

std::pair<Natural, Natural> divide(const Natural& dividend, const Natural& divisor) {
    // A power of two, as the denominator of a double's exact value is: a shift.
    if (!divisor.isZero() && std::has_single_bit(divisor.limbs_.back()) &&
        std::all_of(divisor.limbs_.begin(), divisor.limbs_.end() - 1,
                    [](std::uint32_t limb) { return limb == 0; })) {
        return dividend.splitAt(divisor.bitLength() - 1);
    }
    Natural quotient;
    Natural remainder = dividend;
    for (int bit = dividend.bitLength() - divisor.bitLength(); bit >= 0; --bit) {
        const Natural part = divisor.shiftedLeft(bit);
        if (compare(remainder, part) >= 0) {
            remainder.subtract(part);
            quotient.setBit(bit);
        }
    }
    return {quotient, remainder};
}

std::optional<std::uint64_t> Natural::toUint64() const {
    if (limbs_.size() > 2) return std::nullopt;
    std::uint64_t value = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) value = value << 32 | *limb;
    return value;
}

std::string Natural::decimalDigits() const {
    // Nine digits at a time, from the lowest.
    constexpr std::uint32_t kBillion = 1000000000;
    std::vector<std::uint32_t> rest = limbs_;
    std::string digits;
    while (!rest.empty()) {
        std::uint64_t carry = 0;
        for (std::size_t i = rest.size(); i-- > 0;) {
            const std::uint64_t part = (carry << 32) | rest[i];
            rest[i] = static_cast<std::uint32_t>(part / kBillion);
            carry = part % kBillion;
        }
        while (!rest.empty() && rest.back() == 0) rest.pop_back();
        std::string group = std::to_string(carry);
        if (!rest.empty()) group.insert(0, 9 - group.size(), '0');
        digits.insert(0, group);
    }
    return digits.empty() ? "0" : digits;
}

Natural powerOfTen(int exponent) {
    Natural power(1);
    for (int i = 0; i < exponent; ++i) power.multiplyAdd(10, 0);
    return power;
}

Ratio operator*(const Ratio& a, const Ratio& b) {
    return {a.numerator * b.numerator, a.denominator * b.denominator, a.negative != b.negative};
}

Ratio operator/(const Ratio& a, const Ratio& b) {
    return {a.numerator * b.denominator, a.denominator * b.numerator, a.negative != b.negative};
}

Ratio ratioOf(std::int64_t whole) {
    const auto magnitude =
        whole < 0 ? ~static_cast<std::uint64_t>(whole) + 1 : static_cast<std::uint64_t>(whole);
    return {Natural(magnitude), Natural(1), whole < 0};
}

BinaryParts binaryParts(double value) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    constexpr int kBits = std::numeric_limits<double>::digits;
    return {static_cast<std::uint64_t>(std::ldexp(fraction, kBits)), exponent - kBits};
}

Ratio ratioOfDouble(double value) {
    const auto [bits, exponent] = binaryParts(value);
    const Natural mantissa(bits);
    if (exponent >= 0) return {mantissa.shiftedLeft(exponent), Natural(1), value < 0};
    return {mantissa, Natural(1).shiftedLeft(-exponent), value < 0};
}

Ratio ratioOf(EntryValue value) {
    Ratio ratio = ratioOf(value.tenThousandths);
    ratio.denominator = Natural(static_cast<std::uint64_t>(kEntryScale));
    return ratio;
}

namespace {

// Where an exact tie between the texts of `units` and `units` + 1 (in units
// of 10^-decimals) goes: the side the double nearest to `value` lies on, so
// that a figure computed exactly prints as the same figure computed in
// double does, whose text is rounded from the double's own binary value; to
// the even text only when that double is the tie itself (1/1024 = 0.0009765625).
bool tieRoundsUp(const Ratio& value, const Natural& units, int decimals) {
    const double nearest = nearestDouble(value);
    if (std::isinf(nearest)) return true;
    // nearest against the tie, (2 units + 1) / (2 x 10^decimals).
    const Ratio binary = ratioOfDouble(nearest);
    Natural tie = units.shiftedLeft(1);
    tie.multiplyAdd(1, 1);
    const int side =
        compare(binary.numerator * powerOfTen(decimals).shiftedLeft(1), tie * binary.denominator);
    return side > 0 || (side == 0 && units.isOdd());
}

}  // namespace

std::string roundedText(const Ratio& value, int decimals, std::string_view decimalSeparator) {
    auto [units, remainder] = divide(value.numerator * powerOfTen(decimals), value.denominator);
    const int half = compare(remainder.shiftedLeft(1), value.denominator);
    if (half > 0 || (half == 0 && tieRoundsUp(value, units, decimals))) units.multiplyAdd(1, 1);
    std::string digits = units.decimalDigits();
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
    const bool shownNonZero = digits.find_first_not_of('0') != std::string::npos;
    std::string text = value.negative && shownNonZero ? "-" : "";
    text += digits.substr(0, digits.size() - fraction);
    if (decimals > 0) {
        text += decimalSeparator;
        text += digits.substr(digits.size() - fraction);
    }
    return text;
}

Ratio decimalRatio(std::string_view text, std::string_view decimalSeparator) {
    const auto digits = splitDecimal(text, decimalSeparator);
    if (!digits) throw CalcError(ErrorKind::TypeMismatch);
    Ratio ratio{Natural(0), powerOfTen(static_cast<int>(digits->fraction.size())),
                digits->negative};
    for (const std::string_view part : {digits->integer, digits->fraction}) {
        for (const char digit : part) {
            ratio.numerator.multiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
        }
    }
    return ratio;
}

namespace {

// The IEEE binary format with `precision` significant bits whose smallest
// positive (subnormal) number is 2^minExponent.
struct BinaryFormat {
    int precision;
    int minExponent;
};

// |ratio| as q * 2^e rounded to `format`'s precision, ties to even, as the
// double q * 2^e (exact: q has at most 54 bits). Not bounded above.
double nearestBinary(const Ratio& ratio, BinaryFormat format) {
    const Natural& n = ratio.numerator;
    const Natural& d = ratio.denominator;
    if (n.isZero()) return 0;
    // 2^(p-1) <= n / (d 2^e) < 2^p, or e = minExponent for subnormals.
    int exponent = n.bitLength() - d.bitLength() - format.precision;
    const auto scaled = [&](int e, Natural& top, Natural& bottom) {
        top = e < 0 ? n.shiftedLeft(-e) : n;
        bottom = e > 0 ? d.shiftedLeft(e) : d;
    };
    Natural top;
    Natural bottom;
    scaled(exponent, top, bottom);
    if (compare(top, bottom.shiftedLeft(format.precision)) >= 0) scaled(++exponent, top, bottom);
    if (exponent < format.minExponent) scaled(exponent = format.minExponent, top, bottom);
    std::uint64_t quotient = 0;
    for (int bit = format.precision - 1; bit >= 0; --bit) {
        const Natural part = bottom.shiftedLeft(bit);
        if (compare(top, part) >= 0) {
            top.subtract(part);
            quotient |= std::uint64_t{1} << bit;
        }
    }
    const int half = compare(top.shiftedLeft(1), bottom);
    if (half > 0 || (half == 0 && (quotient & 1) != 0)) ++quotient;
    return std::ldexp(static_cast<double>(quotient), exponent);
}

}  // namespace

float nearestFloat(const Ratio& ratio) {
    const double value = nearestBinary(ratio, {std::numeric_limits<float>::digits, -149});
    if (value > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

double nearestDouble(const Ratio& ratio) {
    return nearestBinary(ratio, {std::numeric_limits<double>::digits, -1074});
}

bool belowPowerOfTen(const Ratio& ratio, int exponent) {
    return compareWithPowerOfTen(ratio, exponent) < 0;
}

int compareWithPowerOfTen(const Ratio& ratio, int exponent) {
    if (exponent >= 0) return compare(ratio.numerator, ratio.denominator * powerOfTen(exponent));
    return compare(ratio.numerator * powerOfTen(-exponent), ratio.denominator);
}

}  // namespace cnc
