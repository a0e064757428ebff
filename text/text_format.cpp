#include "text/text_format.h"

#include <cmath>

#include "text/cp932.h"

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
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && precision <= kMostFixedDigits) {
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
