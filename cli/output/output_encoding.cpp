#include "cli/output/output_encoding.h"

#include <algorithm>

#include "cli/platform/code_page.h"

namespace kestavel::cli {

namespace {

// Length of the UTF-8 sequence that `lead` starts (1 for a stray byte, which then fails alone).
size_t SequenceLength(unsigned char lead) { return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

}  // namespace

std::optional<Encoding> EncodingNamed(std::string_view name) {
    if (name == "utf-8") return Encoding::kUtf8;
    if (name == "cp932") return Encoding::kCp932;
    return std::nullopt;
}

std::string EncodedText(Encoding encoding, std::string_view utf8) {
    if (encoding == Encoding::kUtf8) return std::string(utf8);
    if (std::optional<std::string> whole = Cp932FromUtf8(utf8)) return *std::move(whole);
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::optional<std::string> character = Cp932FromUtf8(utf8.substr(i, length));
        out += character ? *character : "?";
        i += length;
    }
    return out;
}

}  // namespace kestavel::cli
