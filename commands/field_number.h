#pragma once
// Reading a number from a form field.

#include <cstdint>

#include "commands/form.h"

namespace kestavel {

// At most 99 bytes of the field's text, read as a whole number from its start: leading blanks
// skipped, optional sign, the digits that follow; no digits give 0, and a value beyond the
// 32-bit range gives the nearest limit.
int32_t ReadFieldNumber(Form& form, int controlId);

}  // namespace kestavel
