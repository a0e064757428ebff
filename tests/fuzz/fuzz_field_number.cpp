// The text of a form field read as a number: agrees with a plain wide-integer reading,
// saturated at the 32-bit limits.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "commands/field_number.h"
#include "engine/number_text.h"

namespace {

class OneField final : public kestavel::Form {
public:
    explicit OneField(std::string text) : text_(std::move(text)) {}
    std::string ReadText(int) override { return text_; }
    void WriteText(int, const std::string&) override {}

private:
    std::string text_;
};

// What the field should read as: at most 99 bytes, blanks, sign, digits, saturated.
int64_t Expected(const std::string& text) {
    const std::string head = text.substr(0, 99);
    size_t i = 0;
    while (i < head.size() && kestavel::IsBlank(head[i])) ++i;
    int sign = 1;
    if (i < head.size() && (head[i] == '+' || head[i] == '-')) sign = head[i++] == '-' ? -1 : 1;
    int64_t value = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i) {
        value = value * 10 + (head[i] - '0');
        if (value > (int64_t{1} << 40)) value = int64_t{1} << 40;
    }
    value *= sign;
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
