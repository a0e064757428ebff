#include "ui/current_directory.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "ui/cp932_text.h"

namespace kestavel::ui {

char currentDirectory[kCurrentDirectorySize] = {};

std::string RecordCurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return {};
    std::wstring wide(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, wide.data());
    if (length == 0 || length >= needed) return {};
    wide.resize(length);
    const std::string bytes = Cp932FromWide(wide);
    if (bytes.size() < sizeof currentDirectory) std::memcpy(currentDirectory, bytes.c_str(), bytes.size() + 1);
    return bytes;
}

}  // namespace kestavel::ui
