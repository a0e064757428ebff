#include <regex>
#include <string>

#include "check_report.h"
#include "scenarios.h"
#include "window_probe.h"

namespace e2e {

namespace {

std::wstring Text(HWND mainWindow, int id) { return TextOf(GetDlgItem(mainWindow, id)); }
void Set(HWND mainWindow, int id, const std::wstring& text) { SetText(GetDlgItem(mainWindow, id), text); }

// The number captured by the first group of `pattern` in `text`; -1 when it does not match.
double Captured(const std::wstring& text, const std::wregex& pattern, int group = 1) {
    std::wsmatch match;
    if (!std::regex_match(text, match, pattern)) return -1;
    return std::stod(match[group].str());
}

void ChooseRosterEntry(HWND mainWindow, int position, int notification = CBN_SELCHANGE) {
    Send(GetDlgItem(mainWindow, 4000), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendCommand(mainWindow, 4000, notification);
}

void CheckEstimationTable(HWND mainWindow, const std::wstring& kind, int enemyCount) {
    const std::wstring header = L"敵素早\t先制率　" + std::to_wstring(enemyCount) + L"体完封率";
    ExpectText(kind + L": table header in 1005", header, Text(mainWindow, 1005));
    static const std::wregex rowPattern(L"　(-?\\d+)\t (\\d+\\.\\d)\t (\\d+\\.\\d)");
    const double middle = Captured(Text(mainWindow, 1008), rowPattern);
    Expect(middle >= 1, kind + L": the best row 1008 holds a speed, found \"" + Text(mainWindow, 1008) + L"\"");
    for (int i = 0; i < 5; ++i) {
        const std::wstring row = L"row " + std::to_wstring(1006 + i);
        const std::wstring text = Text(mainWindow, 1006 + i);
        const double speed = Captured(text, rowPattern);
        const double expectedSpeed = middle - 2 + i < 1 ? 0 : middle - 2 + i;
        Expect(speed == expectedSpeed, kind + L": " + row + L" is the speed " +
                                           std::to_wstring(static_cast<int>(expectedSpeed)) +
                                           L" with two rates, found \"" + text + L"\"");
        const double firstStrike = Captured(text, rowPattern, 2), shutOut = Captured(text, rowPattern, 3);
        Expect(shutOut >= 0 && shutOut <= firstStrike && firstStrike <= 100,
               kind + L": " + row + L" has 0 <= shut-out <= first-strike <= 100");
    }
}

}  // namespace

void CheckRateCalculation(HWND mainWindow) {
    Section(L"rate calculation (button 5000)");
    SendCommand(mainWindow, 5000, BN_CLICKED);
    static const std::wregex shutOut(L"2体 完封率: (\\d+\\.\\d)％");
    static const std::wregex firstStrike(L"個別先制率: (\\d+\\.\\d)％");
    const double all = Captured(Text(mainWindow, 1002), shutOut);
    const double first = Captured(Text(mainWindow, 1003), firstStrike);
    Expect(all >= 0, L"1002 reads \"2体 完封率: N.N％\", found \"" + Text(mainWindow, 1002) + L"\"");
    Expect(first >= 0, L"1003 reads \"個別先制率: N.N％\", found \"" + Text(mainWindow, 1003) + L"\"");
    // Speeds 60..20 against two enemies of 50: the best ally comes first most of the time.
    Expect(all <= first && first > 50 && first <= 100, L"0 <= shut-out <= first-strike, first-strike above 50%");

    // Any notification code runs the command.
    Set(mainWindow, 1002, L"");
    SendCommand(mainWindow, 5000, 5);
    Expect(!Text(mainWindow, 1002).empty(), L"command 5000 with another notification code calculates too");
}

void CheckRateErrors(HWND mainWindow) {
    Section(L"rate calculation refusing its input");
    Set(mainWindow, 2005, L"0");
    SendCommand(mainWindow, 5000, BN_CLICKED);
    ExpectText(L"enemy speed 0: 1002", L"敵の素早さが不正な値です", Text(mainWindow, 1002));
    ExpectText(L"enemy speed 0: 1003 cleared", L"", Text(mainWindow, 1003));

    Set(mainWindow, 2005, L"50");
    Set(mainWindow, 2006, L"10");
    SendCommand(mainWindow, 5000, BN_CLICKED);
    ExpectText(L"10 enemies: 1002", L"敵の数が不正な値です", Text(mainWindow, 1002));
    Set(mainWindow, 2006, L"2");
}

void CheckEstimations(HWND mainWindow) {
    Section(L"estimation from the first-strike rate (button 5001)");
    SendCommand(mainWindow, 5001, BN_CLICKED);
    CheckEstimationTable(mainWindow, L"first-strike estimation", 1);

    Section(L"estimation from the shut-out rate (button 5002)");
    Set(mainWindow, 2008, L"3");
    Set(mainWindow, 2009, L"60");
    SendCommand(mainWindow, 5002, BN_CLICKED);
    CheckEstimationTable(mainWindow, L"shut-out estimation", 3);

    Set(mainWindow, 2009, L"100");
    SendCommand(mainWindow, 5002, BN_CLICKED);
    ExpectText(L"observed rate 100: 1005", L"1％から99％で入力してください", Text(mainWindow, 1005));
    ExpectText(L"observed rate 100: rows cleared", L"", Text(mainWindow, 1008));
    Set(mainWindow, 2008, L"2");
    Set(mainWindow, 2009, L"95");
}

void CheckRosterList(HWND mainWindow) {
    Section(L"roster list from speed.txt");
    HWND list = GetDlgItem(mainWindow, 4000);
    // The test's speed.txt: a comment, a CR LF line, a refused line (number 0), a negative speed.
    const wchar_t* expected[] = {L"すばやさを検索", L"草原1) 野うさぎ", L"森2) 灰色おおかみ",
                                 L"城3) 影の騎士"};
    ExpectNumber(L"roster list: entries", 4, Send(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < 4; ++i) {
        wchar_t entry[256] = {};
        if (Send(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 256) {
            Send(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        }
        ExpectText(L"roster list: entry " + std::to_wstring(i), expected[i], entry);
    }
    ExpectText(L"roster list shows its placeholder", L"すばやさを検索", TextOf(list));

    ChooseRosterEntry(mainWindow, 2);
    ExpectText(L"choosing entry 2 copies its speed into 2005", L"62", Text(mainWindow, 2005));
    ChooseRosterEntry(mainWindow, 0);
    ExpectText(L"choosing the placeholder leaves 2005", L"62", Text(mainWindow, 2005));
    ChooseRosterEntry(mainWindow, 1, CBN_DROPDOWN);
    ExpectText(L"another notification of list 4000 leaves 2005", L"62", Text(mainWindow, 2005));
    ChooseRosterEntry(mainWindow, 3);
    ExpectText(L"choosing entry 3 copies a negative speed", L"-5", Text(mainWindow, 2005));
    ChooseRosterEntry(mainWindow, 1);
    ExpectText(L"choosing entry 1 copies its speed", L"35", Text(mainWindow, 2005));
    ExpectText(L"the list shows the chosen entry", L"草原1) 野うさぎ", TextOf(list));
    Set(mainWindow, 2005, L"50");
}

}  // namespace e2e
