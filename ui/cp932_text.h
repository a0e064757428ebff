#pragma once
// The program's texts are code page 932 bytes; the window system is spoken to in UTF-16. Every
// text crosses between the two here, with code page 932 named explicitly, so that the texts show
// the same whatever the system's ANSI code page is.

#include <string>
#include <string_view>

namespace kestavel::ui {

std::wstring WideFromCp932(std::string_view text);
std::string Cp932FromWide(std::wstring_view text);

}  // namespace kestavel::ui
