#include "engine/text_format.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace kestavel {

long long FormatArg::AsInteger() const {
    if (kind_ == Kind::Integer) return integer_;
    if (kind_ == Kind::Real && std::isfinite(real_) && std::fabs(real_) < 9.2e18) return static_cast<long long>(real_);
    return 0;
}

double FormatArg::AsReal() const {
    if (kind_ == Kind::Real) return real_;
    if (kind_ == Kind::Integer) return static_cast<double>(integer_);
    return 0;
}

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
            uint64_t product = uint64_t{limb} * factor + carry;
            limb = static_cast<uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    void MultiplyByPower(uint32_t base, int exponent, uint32_t chunk, int chunkExponent) {
        for (; exponent >= chunkExponent; exponent -= chunkExponent) MultiplyBy(chunk);
        for (; exponent > 0; --exponent) MultiplyBy(base);
    }

    std::string Digits() const {
        std::string text = std::to_string(limbs_.back());
        for (size_t i = limbs_.size() - 1; i-- > 0;) {
            std::string part = std::to_string(limbs_[i]);
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
    if (precision > 40) precision = 40;
    const bool negative = std::signbit(value);
    std::string sign = negative ? "-" : "";
    if (std::isnan(value)) return sign + "nan";
    if (std::isinf(value)) return sign + "inf";
    value = std::fabs(value);

    // value = mantissa * 2^exponent with a whole mantissa, written exactly as digits / 10^scale.
    int exponent = 0;
    double fraction = std::frexp(value, &exponent);
    uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    BigDecimal exact(mantissa);
    int scale = 0;
    if (exponent >= 0) {
        exact.MultiplyByPower(2, exponent, 1u << 29, 29);
    } else {
        exact.MultiplyByPower(5, -exponent, 1220703125u, 13);  // 5^13
        scale = -exponent;
    }
    std::string digits = exact.Digits();

    if (scale > precision) {
        // Round away the digits beyond the precision: ties go to the even digit.
        const size_t dropped = static_cast<size_t>(scale - precision);
        if (digits.size() < dropped + 1) digits.insert(0, dropped + 1 - digits.size(), '0');
        const std::string tail = digits.substr(digits.size() - dropped);
        digits.resize(digits.size() - dropped);
        const char first = tail[0];
        const bool restNonZero = tail.find_first_not_of('0', 1) != std::string::npos;
        const bool lastOdd = (digits.back() - '0') % 2 == 1;
        if (first > '5' || (first == '5' && (restNonZero || lastOdd))) {
            if (!IncrementDigits(digits)) digits = '1' + digits;
        }
    } else {
        digits.append(static_cast<size_t>(precision - scale), '0');
    }

    // digits now holds the value times 10^precision.
    if (digits.size() < static_cast<size_t>(precision) + 1) digits.insert(0, precision + 1 - digits.size(), '0');
    std::string text = std::move(sign);
    const size_t whole = digits.size() - static_cast<size_t>(precision);
    const size_t firstNonZero = digits.find_first_not_of('0');
    const size_t start = std::min(firstNonZero == std::string::npos ? whole - 1 : firstNonZero, whole - 1);
    text.append(digits, start, whole - start);
    if (precision > 0) {
        text += '.';
        text.append(digits, whole, std::string::npos);
    }
    return text;
}

std::string_view TruncateCp932(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    size_t end = 0;
    while (end < text.size()) {
        size_t width = IsCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return text.substr(0, end);
}

std::string FormatText(size_t capacity, std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    const FormatArg* next = args.begin();
    auto take = [&]() -> const FormatArg* { return next != args.end() ? next++ : nullptr; };

    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        // A directive: %%, %d, %i, %u, %s, %f, or %.N with f.
        size_t j = i + 1;
        int precision = -1;
        if (j < format.size() && format[j] == '.') {
            precision = 0;
            ++j;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && precision <= 40) {
                precision = precision * 10 + (format[j] - '0');
                ++j;
            }
        }
        const char conversion = j < format.size() ? format[j] : '\0';
        const FormatArg* arg = nullptr;
        switch (conversion) {
            case '%':
                out += '%';
                break;
            case 'd':
            case 'i':
                if ((arg = take())) out += std::to_string(static_cast<int32_t>(arg->AsInteger()));
                break;
            case 'u':
                if ((arg = take())) out += std::to_string(static_cast<uint32_t>(arg->AsInteger()));
                break;
            case 's':
                if ((arg = take())) out += arg->AsText();
                break;
            case 'f':
                if ((arg = take())) out += FormatFixed(arg->AsReal(), precision < 0 ? 6 : precision);
                break;
            default:
                // Not a directive we know: copy the percent sign and go on after it.
                out += '%';
                ++i;
                continue;
        }
        i = j + 1;
        if (out.size() >= capacity) break;
    }
    if (capacity == 0) return {};
    return std::string(TruncateCp932(out, capacity - 1));
}

}  // namespace kestavel
