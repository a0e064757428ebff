#include "ui/cp932_text.h"

#include <windows.h>

namespace kestavel::ui {

namespace {
constexpr UINT kCodePage932 = 932;
}

std::wstring WideFromCp932(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Cp932FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int length =
        WideCharToMultiByte(kCodePage932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kCodePage932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace kestavel::ui
