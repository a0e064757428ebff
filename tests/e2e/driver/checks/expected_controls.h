#pragma once
// The form as the user should find it right after start-up, control by control, in creation
// (and keyboard) order.

#include <windows.h>

namespace e2e {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
    int lowest, highest;  // up-down controls: the arrows' range; their field is id - 1000
};

extern const ExpectedControl kExpectedControls[];
extern const int kExpectedControlCount;

}  // namespace e2e
