#include <iconv.h>

#include <cerrno>

#include "cli/platform/code_page.h"

namespace kestavel::cli {

namespace {

// One descriptor per direction for the whole run: opening one costs more than most texts.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Usable()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> Convert(std::string_view text) {
        if (!Usable()) return std::nullopt;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(cd_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, sizeof buffer - outLeft);
            if (result == static_cast<size_t>(-1) && errno != E2BIG) return std::nullopt;  // EILSEQ, EINVAL
        }
        return output;
    }

private:
    bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
    static Converter converter("CP932", "UTF-8");
    return converter.Convert(utf8);
}

}  // namespace kestavel::cli

// The wording's reading of roster texts, from the same tables.
std::optional<std::string> kestavel::report::Utf8FromCp932(std::string_view cp932) {
    static cli::Converter converter("UTF-8", "CP932");
    return converter.Convert(cp932);
}
