#include "commands/field_number.h"

#include <string_view>

#include "text/number_text.h"
#include "text/text_format.h"

namespace kestavel {

int32_t ReadFieldNumber(Form& form, int controlId) {
    const std::string text = form.ReadText(controlId);
    return ParseLeadingInt(std::string_view(text).substr(0, kTextBufferSize - 1));
}

}  // namespace kestavel
