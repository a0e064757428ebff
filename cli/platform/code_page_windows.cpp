#include <windows.h>

#include "cli/platform/code_page.h"
#include "cli/platform/wide_text.h"

namespace kestavel::cli {

namespace {

constexpr UINT kCodePage932 = 932;

// The wide form of `text` in `codePage`, or nothing when a byte is not valid in it.
std::optional<std::wstring> WideFrom(UINT codePage, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
    const std::optional<std::wstring> wide = WideFrom(CP_UTF8, utf8);
    if (!wide) return std::nullopt;
    if (wide->empty()) return std::string();
    // No best fit: a character without a form of its own must fail, not turn into a look-alike.
    const int size = static_cast<int>(wide->size());
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0, nullptr, &usedDefault);
    if (length == 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide->data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring WideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

}  // namespace kestavel::cli

// The wording's reading of roster texts, from the same tables.
std::optional<std::string> kestavel::report::Utf8FromCp932(std::string_view cp932) {
    const std::optional<std::wstring> wide = cli::WideFrom(cli::kCodePage932, cp932);
    if (!wide) return std::nullopt;
    return cli::Utf8FromWide(*wide);
}
