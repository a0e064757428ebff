#include <string>
#include <vector>

#include "check_report.h"
#include "scenarios.h"

namespace e2e {

namespace {

constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// A standard menu template: header, then (flags, [id,] zero-terminated UTF-16 text) per item.
void CheckMenuTemplate(const WORD* words, DWORD size) {
    const WORD* end = words + size / sizeof(WORD);
    const WORD* at = words;
    auto next = [&]() -> WORD { return at < end ? *at++ : 0xFFFF; };
    auto text = [&]() {
        std::wstring s;
        while (at < end && *at != 0) s += static_cast<wchar_t>(*at++);
        ++at;
        return s;
    };
    ExpectNumber(L"menu 109: template version", 0, next());
    ExpectNumber(L"menu 109: header size", 0, next());
    ExpectNumber(L"menu 109: popup flags (MF_POPUP | MF_END)", 0x0090, next());
    ExpectText(L"menu 109: popup text", L"ファイル", text());
    ExpectNumber(L"menu 109: item flags (MF_END, the only item)", 0x0080, next());
    ExpectNumber(L"menu 109: item identifier", 111, next());
    ExpectText(L"menu 109: item text", L"アプリケーションの終了", text());
    Expect(at == end, L"menu 109: nothing after the quit item");
}

std::wstring VersionString(const std::vector<char>& block, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr) return L"(none)";
    return static_cast<const wchar_t*>(value);
}

}  // namespace

void CheckVersionResource(const std::wstring& exePath, const std::wstring& fileName,
                          const std::wstring& description) {
    Section(L"version resource of " + fileName);
    std::vector<char> block(GetFileVersionInfoSizeW(exePath.c_str(), nullptr));
    Expect(!block.empty() && GetFileVersionInfoW(exePath.c_str(), 0, static_cast<DWORD>(block.size()), block.data()),
           fileName + L" has a version resource");
    if (block.empty()) return;

    void* value = nullptr;
    UINT length = 0;
    Expect(VerQueryValueW(block.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO),
           fileName + L": fixed file information");
    if (value != nullptr) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        const DWORD high = (KESTAVEL_VERSION_MAJOR << 16) | KESTAVEL_VERSION_MINOR, low = KESTAVEL_VERSION_PATCH << 16;
        ExpectNumber(fileName + L": file version, high word pair", high, fixed->dwFileVersionMS);
        ExpectNumber(fileName + L": file version, low word pair", low, fixed->dwFileVersionLS);
        ExpectNumber(fileName + L": product version, high word pair", high, fixed->dwProductVersionMS);
        ExpectNumber(fileName + L": product version, low word pair", low, fixed->dwProductVersionLS);
    }
    const std::wstring version = L"" KESTAVEL_VERSION;
    ExpectText(fileName + L": ProductName", L"Kestavel", VersionString(block, L"ProductName"));
    ExpectText(fileName + L": ProductVersion", version, VersionString(block, L"ProductVersion"));
    ExpectText(fileName + L": FileVersion", version, VersionString(block, L"FileVersion"));
    ExpectText(fileName + L": FileDescription", description, VersionString(block, L"FileDescription"));
    ExpectText(fileName + L": OriginalFilename", fileName, VersionString(block, L"OriginalFilename"));
    ExpectText(fileName + L": LegalCopyright", L"Copyright (c) 2026 Kestavel developers",
               VersionString(block, L"LegalCopyright"));
}

void CheckResources(const std::wstring& exePath) {
    Section(L"resources of kestavel.exe");
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    Expect(module != nullptr, L"kestavel.exe can be opened for its resources");
    if (module == nullptr) return;

    HRSRC menu = FindResourceExW(module, MAKEINTRESOURCEW(4), MAKEINTRESOURCEW(109), kEnglishUs);
    Expect(menu != nullptr, L"menu 109 exists under language 1033");
    if (menu != nullptr) {
        CheckMenuTemplate(static_cast<const WORD*>(LockResource(LoadResource(module, menu))),
                          SizeofResource(module, menu));
    }

    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    Expect(manifest != nullptr, L"manifest (type 24, id 1) exists");
    if (manifest != nullptr) {
        const std::string xml(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                              SizeofResource(module, manifest));
        Expect(xml.find("level=\"asInvoker\"") != std::string::npos, L"manifest requests asInvoker");
        Expect(xml.find("uiAccess=\"false\"") != std::string::npos, L"manifest has uiAccess false");
        Expect(xml.find("Common-Controls") == std::string::npos, L"manifest names no common-controls version");
    }
    FreeLibrary(module);
}

}  // namespace e2e
