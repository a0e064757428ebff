#include <string>

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

}  // namespace

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
