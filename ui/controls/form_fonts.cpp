#include "ui/controls/form_fonts.h"

#include "ui/controls/scoped_font.h"
#include "ui/cp932_text.h"

namespace kestavel::ui {

namespace {

ScopedFont listFont;
ScopedFont resultFont;

ScopedFont CreateGothicFont(int height, int weight) {
    static const std::wstring face = WideFromCp932("ＭＳ ゴシック");
    return ScopedFont(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace

void CreateFormFonts() {
    if (listFont.get() == nullptr) listFont = CreateGothicFont(16, FW_NORMAL);
    if (resultFont.get() == nullptr) resultFont = CreateGothicFont(20, FW_BOLD);
}

HFONT ListFont() { return listFont.get(); }

HFONT ResultFont() { return resultFont.get(); }

}  // namespace kestavel::ui
