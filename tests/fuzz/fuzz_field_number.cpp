// The text of a form field read as a number: agrees with the C library's strtoll, saturated at
// the 32-bit limits.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "commands/field_number.h"

namespace {

class OneField final : public kestavel::Form {
public:
    explicit OneField(std::string text) : text_(std::move(text)) {}
    std::string ReadText(int) override { return text_; }
    void WriteText(int, const std::string&) override {}

private:
    std::string text_;
};

// What the field should read as, by the C library's own reading: at most 99 bytes, then
// strtoll in base 10 (blanks, sign, digits; saturated at the 64-bit limits), clamped to 32 bits.
int64_t Expected(const std::string& text) {
    const std::string head = text.substr(0, 99);
    const long long value = std::strtoll(head.c_str(), nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    OneField form(text);
    if (kestavel::ReadFieldNumber(form, 2005) != Expected(text)) std::abort();
    return 0;
}
