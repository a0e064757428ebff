#include "ui/form_fonts.h"

#include "ui/cp932_text.h"

namespace kestavel::ui {

HFONT listFont = nullptr;
HFONT resultFont = nullptr;

namespace {

HFONT CreateGothicFont(int height, int weight) {
    static const std::wstring face = WideFromCp932("ＭＳ ゴシック");
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace

void CreateFormFonts() {
    listFont = CreateGothicFont(16, FW_NORMAL);
    resultFont = CreateGothicFont(20, FW_BOLD);
}

}  // namespace kestavel::ui
