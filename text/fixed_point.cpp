#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "text/text_format.h"

// The exact decimal value of a double, rounded to a fixed number of places, by our own code:
// not every standard library the core is built with has std::to_chars for doubles, and printf
// rounds as its C library pleases. The text is the one std::to_chars gives (the tests hold the
// two together), so every build writes the same bytes.

namespace kestavel {

namespace {

// A non-negative whole number in base 10^9 limbs, least significant first: just enough
// arithmetic to write a double's exact decimal value.
class BigDecimal {
public:
    explicit BigDecimal(uint64_t v) {
        do {
            limbs_.push_back(static_cast<uint32_t>(v % kBase));
            v /= kBase;
        } while (v != 0);
    }

    void MultiplyBy(uint32_t factor) {
        uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const uint64_t product = uint64_t{limb} * factor + carry;
            limb = static_cast<uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    // Multiplies by base^exponent, `chunk` being base^chunkExponent and below 2^32.
    void MultiplyByPower(uint32_t base, int exponent, uint32_t chunk, int chunkExponent) {
        for (; exponent >= chunkExponent; exponent -= chunkExponent) MultiplyBy(chunk);
        for (; exponent > 0; --exponent) MultiplyBy(base);
    }

    std::string Digits() const {
        std::string text = std::to_string(limbs_.back());
        for (size_t i = limbs_.size() - 1; i-- > 0;) {
            const std::string part = std::to_string(limbs_[i]);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

private:
    static constexpr uint32_t kBase = 1000000000;
    std::vector<uint32_t> limbs_;
};

// Adds one to a string of decimal digits; returns false when it overflowed to all zeros.
bool IncrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return true;
        }
        digits[i] = '0';
    }
    return false;
}

}  // namespace

std::string FormatFixed(double value, int precision) {
    if (precision < 0) precision = 0;
    if (precision > kMostFixedDigits) precision = kMostFixedDigits;
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) return text + "nan";
    if (std::isinf(value)) return text + "inf";

    // The magnitude is mantissa × 2^exponent, read from the bits: written exactly as the
    // whole number `digits` over 10^scale.
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int exponent = -1074;  // subnormals and zero
    if (biasedExponent != 0) {
        mantissa |= uint64_t{1} << 52;
        exponent = biasedExponent - 1075;
    }
    BigDecimal exact(mantissa);
    int scale = 0;
    if (exponent >= 0) {
        exact.MultiplyByPower(2, exponent, 1u << 29, 29);
    } else {
        // m / 2^k = m × 5^k / 10^k
        exact.MultiplyByPower(5, -exponent, 1220703125u, 13);
        scale = -exponent;
    }
    std::string digits = exact.Digits();

    if (scale > precision) {
        // Round away the digits beyond the precision, ties to the even digit.
        const size_t dropped = static_cast<size_t>(scale - precision);
        if (digits.size() < dropped + 1) digits.insert(0, dropped + 1 - digits.size(), '0');
        const char first = digits[digits.size() - dropped];
        const bool restNonZero = digits.find_first_not_of('0', digits.size() - dropped + 1) != std::string::npos;
        digits.resize(digits.size() - dropped);
        const bool lastOdd = (digits.back() - '0') % 2 == 1;
        if (first > '5' || (first == '5' && (restNonZero || lastOdd))) {
            if (!IncrementDigits(digits)) digits.insert(0, 1, '1');
        }
    } else {
        digits.append(static_cast<size_t>(precision - scale), '0');
    }

    // `digits` is now the value times 10^precision: at least one digit before the point, no
    // leading zero before another digit there.
    const size_t places = static_cast<size_t>(precision);
    if (digits.size() < places + 1) digits.insert(0, places + 1 - digits.size(), '0');
    const size_t whole = digits.size() - places;
    size_t start = 0;
    while (start + 1 < whole && digits[start] == '0') ++start;
    text.append(digits, start, whole - start);
    if (precision > 0) {
        text += '.';
        text.append(digits, whole, std::string::npos);
    }
    return text;
}

}  // namespace kestavel
