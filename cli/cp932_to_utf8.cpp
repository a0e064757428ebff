#include "cli/cp932_to_utf8.h"

#include <iconv.h>

#include <cerrno>

namespace kestavel::cli {

namespace {

// One iconv conversion; `replacement` stands in for each undecodable input byte when given,
// otherwise such input fails the conversion.
bool Convert(const char* to, const char* from, std::string_view input, const char* replacement, std::string& output) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    output.clear();
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[512];
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, sizeof buffer - outLeft);
        if (result != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (replacement == nullptr) {
            ok = false;
            break;
        }
        output += replacement;  // EILSEQ or EINVAL: skip one byte
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string utf8;
    Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", utf8);
    return utf8;
}

bool Utf8ToCp932(std::string_view utf8, std::string& cp932) { return Convert("CP932", "UTF-8", utf8, nullptr, cp932); }

}  // namespace kestavel::cli
