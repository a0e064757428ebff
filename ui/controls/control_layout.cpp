#include "ui/controls/control_layout.h"

#include <commctrl.h>

#include <string>

#include "commands/control_ids.h"
#include "text/window_texts.h"
#include "ui/controls/control_handles.h"
#include "ui/controls/form_fonts.h"
#include "ui/cp932_text.h"

namespace kestavel::ui {

namespace {

enum class Kind { GroupBox, Label, Edit, UpDown, Button, List };
enum class Font { Default, Result, List };

struct PlannedControl {
    int id;
    Kind kind;
    const char* text;  // code page 932; null for no text at all
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
    Font font;
    int lowest, highest;  // the arrows' range, for up-down controls
};

constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;                    // 0x50000007
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;                           // 0x50000000
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;                    // 0x50000000
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_GROUP | WS_TABSTOP | ES_NUMBER;  // 0x50832000
constexpr DWORD kUpDownStyle = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS;  // 0x50000022
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;      // 0x50200003
constexpr DWORD kSunken = WS_EX_CLIENTEDGE;

constexpr int kSpeedMax = 200;
constexpr int kCountMax = 9;
constexpr int kRateMax = 99;

// In creation order, which is also the order of keyboard navigation.
const PlannedControl kControls[] = {
    {kGroupParty, Kind::GroupBox, messages::kPartyGroup, kGroupBoxStyle, 0, 5, 5, 650, 95, Font::Default, 0, 0},
    {kLabelPartyHeading, Kind::Label, messages::kPartyHeading, kLabelStyle, 0, 10, 30, 500, 20,
     Font::Default, 0, 0},
    {AllySpeedField(0), Kind::Edit, "60", kEditStyle, kSunken, 85, 55, 40, 24, Font::Default, 0, 0},
    {UpDownFor(AllySpeedField(0)), Kind::UpDown, "", kUpDownStyle, kSunken, 125, 55, 20, 24,
     Font::Default, 1, kSpeedMax},
    {AllySpeedField(1), Kind::Edit, "50", kEditStyle, kSunken, 151, 55, 40, 24, Font::Default, 0, 0},
    {UpDownFor(AllySpeedField(1)), Kind::UpDown, "", kUpDownStyle, kSunken, 191, 55, 20, 24,
     Font::Default, 1, kSpeedMax},
    {AllySpeedField(2), Kind::Edit, "40", kEditStyle, kSunken, 222, 55, 40, 24, Font::Default, 0, 0},
    {UpDownFor(AllySpeedField(2)), Kind::UpDown, "", kUpDownStyle, kSunken, 262, 55, 20, 24,
     Font::Default, 1, kSpeedMax},
    {AllySpeedField(3), Kind::Edit, "30", kEditStyle, kSunken, 293, 55, 40, 24, Font::Default, 0, 0},
    {UpDownFor(AllySpeedField(3)), Kind::UpDown, "", kUpDownStyle, kSunken, 333, 55, 20, 24,
     Font::Default, 1, kSpeedMax},
    {AllySpeedField(4), Kind::Edit, "20", kEditStyle, kSunken, 364, 55, 40, 24, Font::Default, 0, 0},
    {UpDownFor(AllySpeedField(4)), Kind::UpDown, "", kUpDownStyle, kSunken, 404, 55, 20, 24,
     Font::Default, 1, kSpeedMax},
    {kGroupRate, Kind::GroupBox, messages::kRateGroup, kGroupBoxStyle, 0, 5, 105, 650, 145, Font::Default, 0, 0},
    {kLabelRateHeading, Kind::Label, messages::kRateHeading, kLabelStyle, 0, 10, 125, 500, 20, Font::Default,
     0, 0},
    {kFieldEnemySpeed, Kind::Edit, "50", kEditStyle, kSunken, 35, 145, 40, 24, Font::Default, 0, 0},
    {UpDownFor(kFieldEnemySpeed), Kind::UpDown, "", kUpDownStyle, kSunken, 75, 145, 20, 24,
     Font::Default, 1, kSpeedMax},
    {kFieldEnemyCount, Kind::Edit, "2", kEditStyle, kSunken, 125, 145, 30, 24, Font::Default, 0, 0},
    {UpDownFor(kFieldEnemyCount), Kind::UpDown, "", kUpDownStyle, kSunken, 155, 145, 20, 24,
     Font::Default, 1, kCountMax},
    {kButtonCalculate, Kind::Button, messages::kCalculateButton, kButtonStyle, 0, 400, 145, 80, 24,
     Font::Default, 0, 0},
    {kLabelShutOutResult, Kind::Label, "", kLabelStyle, 0, 30, 185, 500, 20, Font::Result, 0, 0},
    {kLabelFirstStrikeResult, Kind::Label, "", kLabelStyle, 0, 30, 215, 500, 20, Font::Result, 0, 0},
    {kGroupEstimate, Kind::GroupBox, messages::kEstimateGroup, kGroupBoxStyle, 0, 5, 260, 650, 245,
     Font::Default, 0, 0},
    {kLabelEstimateHeading, Kind::Label, messages::kEstimateHeading, kLabelStyle, 0, 10, 290, 500, 20,
     Font::Default, 0, 0},
    {kFieldObservedFirstStrike, Kind::Edit, "95", kEditStyle, kSunken, 45, 315, 35, 24, Font::Default, 0, 0},
    {UpDownFor(kFieldObservedFirstStrike), Kind::UpDown, "", kUpDownStyle, kSunken, 80, 315, 20, 24,
     Font::Default, 1, kRateMax},
    {kButtonEstimateFirstStrike, Kind::Button, messages::kCalculateButton, kButtonStyle, 0, 110, 315, 80, 24,
     Font::Default, 0, 0},
    {kFieldShutOutEnemyCount, Kind::Edit, "2", kEditStyle, kSunken, 255, 315, 30, 24, Font::Default, 0, 0},
    {UpDownFor(kFieldShutOutEnemyCount), Kind::UpDown, "", kUpDownStyle, kSunken, 285, 315, 20, 24,
     Font::Default, 1, kCountMax},
    {kFieldObservedShutOut, Kind::Edit, "95", kEditStyle, kSunken, 310, 315, 35, 24, Font::Default, 0, 0},
    {UpDownFor(kFieldObservedShutOut), Kind::UpDown, "", kUpDownStyle, kSunken, 345, 315, 20, 24,
     Font::Default, 1, kRateMax},
    {kButtonEstimateShutOut, Kind::Button, messages::kCalculateButton, kButtonStyle, 0, 375, 315, 80, 24,
     Font::Default, 0, 0},
    {kLabelEstimateStatus, Kind::Label, "", kLabelStyle, 0, 30, 355, 500, 20, Font::Result, 0, 0},
    {TableRowLabel(0), Kind::Label, "", kLabelStyle, 0, 30, 380, 500, 20, Font::Result, 0, 0},
    {TableRowLabel(1), Kind::Label, "", kLabelStyle, 0, 30, 405, 500, 20, Font::Result, 0, 0},
    {TableRowLabel(2), Kind::Label, "", kLabelStyle, 0, 30, 430, 500, 20, Font::Result, 0, 0},
    {TableRowLabel(3), Kind::Label, "", kLabelStyle, 0, 30, 455, 500, 20, Font::Result, 0, 0},
    {TableRowLabel(4), Kind::Label, "", kLabelStyle, 0, 30, 480, 500, 20, Font::Result, 0, 0},
    {kRosterList, Kind::List, nullptr, kListStyle, 0, 200, 145, 180, 500, Font::List, 0, 0},
};

constexpr int kListDroppedWidth = 400;

const wchar_t* ClassNameOf(Kind kind) {
    switch (kind) {
        case Kind::GroupBox:
        case Kind::Button:
            return L"BUTTON";
        case Kind::Label:
            return L"STATIC";
        case Kind::Edit:
            return L"EDIT";
        case Kind::UpDown:
            return UPDOWN_CLASSW;
        case Kind::List:
            return L"COMBOBOX";
    }
    return L"STATIC";
}

HWND CreateControl(const PlannedControl& planned, HWND parent, HINSTANCE instance) {
    const std::wstring text = planned.text ? WideFromCp932(planned.text) : std::wstring();
    return CreateWindowExW(planned.exStyle, ClassNameOf(planned.kind), planned.text ? text.c_str() : nullptr,
                           planned.style, planned.x, planned.y, planned.width, planned.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(planned.id)), instance, nullptr);
}

// `previous` is the control created just before `control`; null when it could not be created.
void SetUpAfterCreation(const PlannedControl& planned, HWND control, HWND previous) {
    switch (planned.kind) {
        case Kind::UpDown:
            // The arrows step the field created just before them.
            SendMessageW(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(previous), 0);
            SendMessageW(control, UDM_SETRANGE32, static_cast<WPARAM>(planned.lowest),
                         static_cast<LPARAM>(planned.highest));
            break;
        case Kind::List:
            // Its entries, the placeholder first, come from FillRosterList, which WinMain calls
            // as soon as the window exists.
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ListFont()), TRUE);
            SendMessageW(control, CB_SETDROPPEDWIDTH, kListDroppedWidth, 1);
            break;
        default:
            if (planned.font == Font::Result) {
                SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ResultFont()), TRUE);
            }
            break;
    }
}

}  // namespace

void CreateControls(HWND parent, HINSTANCE instance) {
    InitCommonControls();
    CreateFormFonts();
    HWND previous = nullptr;
    for (const PlannedControl& planned : kControls) {
        HWND control = CreateControl(planned, parent, instance);
        if (HWND* slot = HandleSlotOf(planned.id)) *slot = control;
        SetUpAfterCreation(planned, control, previous);
        previous = control;
    }
}

}  // namespace kestavel::ui
