#include "ui/current_directory.h"

#include <windows.h>

#include "ui/cp932_text.h"

namespace kestavel::ui {

std::string currentDirectory;

void RecordCurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return;
    std::wstring wide(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, wide.data());
    if (length == 0 || length >= needed) return;
    wide.resize(length);
    currentDirectory = Cp932FromWide(wide);
}

}  // namespace kestavel::ui
