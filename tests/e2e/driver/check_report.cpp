#include "check_report.h"

#include <windows.h>

#include <cstdio>

namespace e2e {

namespace {

int failures = 0;
int checks = 0;

// Control characters are shown escaped so that a tab or an empty text can be seen.
std::wstring Visible(const std::wstring& text) {
    std::wstring shown = L"\"";
    for (wchar_t c : text) {
        if (c == L'\t') shown += L"\\t";
        else if (c == L'\r') shown += L"\\r";
        else if (c == L'\n') shown += L"\\n";
        else shown += c;
    }
    return shown + L"\"";
}

void PrintLine(const std::wstring& line) {
    const std::string utf8 = Utf8Of(line + L"\n");
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

std::string Utf8Of(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

void Section(const std::wstring& title) { PrintLine(L"== " + title); }

void Note(const std::wstring& text) { PrintLine(L"   " + text); }

void Expect(bool ok, const std::wstring& what) {
    ++checks;
    if (ok) return;
    ++failures;
    PrintLine(L"FAIL: " + what);
}

void ExpectText(const std::wstring& what, const std::wstring& expected, const std::wstring& actual) {
    ++checks;
    if (expected == actual) return;
    ++failures;
    PrintLine(L"FAIL: " + what + L": expected " + Visible(expected) + L", found " + Visible(actual));
}

void ExpectNumber(const std::wstring& what, long long expected, long long actual) {
    ++checks;
    if (expected == actual) return;
    ++failures;
    PrintLine(L"FAIL: " + what + L": expected " + std::to_wstring(expected) + L", found " + std::to_wstring(actual));
}

int FailureCount() { return failures; }
int CheckCount() { return checks; }

}  // namespace e2e
