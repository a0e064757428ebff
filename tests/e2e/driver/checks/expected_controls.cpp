#include "expected_controls.h"

namespace e2e {

namespace {
constexpr DWORD kGroup = 0x50000007, kLabel = 0x50000000, kButton = 0x50000000, kEdit = 0x50832000,
                kUpDown = 0x50000022, kList = 0x50200003, kSunken = 0x200;
}

const ExpectedControl kExpectedControls[] = {
    {900, L"Button", L"味方情報", kGroup, 0, 5, 5, 650, 95, 0, 0},
    {1000, L"Static", L"すばやさ １人目 　２人目 　３人目　 ４人目　 ５人目", kLabel, 0, 10, 30, 500, 20, 0, 0},
    {2000, L"Edit", L"60", kEdit, kSunken, 85, 55, 40, 24, 0, 0},
    {3000, L"msctls_updown32", L"", kUpDown, kSunken, 125, 55, 20, 24, 1, 200},
    {2001, L"Edit", L"50", kEdit, kSunken, 151, 55, 40, 24, 0, 0},
    {3001, L"msctls_updown32", L"", kUpDown, kSunken, 191, 55, 20, 24, 1, 200},
    {2002, L"Edit", L"40", kEdit, kSunken, 222, 55, 40, 24, 0, 0},
    {3002, L"msctls_updown32", L"", kUpDown, kSunken, 262, 55, 20, 24, 1, 200},
    {2003, L"Edit", L"30", kEdit, kSunken, 293, 55, 40, 24, 0, 0},
    {3003, L"msctls_updown32", L"", kUpDown, kSunken, 333, 55, 20, 24, 1, 200},
    {2004, L"Edit", L"20", kEdit, kSunken, 364, 55, 40, 24, 0, 0},
    {3004, L"msctls_updown32", L"", kUpDown, kSunken, 404, 55, 20, 24, 1, 200},
    {901, L"Button", L"先制率計算", kGroup, 0, 5, 105, 650, 145, 0, 0},
    {1001, L"Static", L" 　敵すばやさ　敵数　　　敵指定すばやさ検索", kLabel, 0, 10, 125, 500, 20, 0, 0},
    {2005, L"Edit", L"50", kEdit, kSunken, 35, 145, 40, 24, 0, 0},
    {3005, L"msctls_updown32", L"", kUpDown, kSunken, 75, 145, 20, 24, 1, 200},
    {2006, L"Edit", L"2", kEdit, kSunken, 125, 145, 30, 24, 0, 0},
    {3006, L"msctls_updown32", L"", kUpDown, kSunken, 155, 145, 20, 24, 1, 9},
    {5000, L"Button", L"計算実行", kButton, 0, 400, 145, 80, 24, 0, 0},
    {1002, L"Static", L"", kLabel, 0, 30, 185, 500, 20, 0, 0},
    {1003, L"Static", L"", kLabel, 0, 30, 215, 500, 20, 0, 0},
    {902, L"Button", L"敵すばやさ推定", kGroup, 0, 5, 260, 650, 245, 0, 0},
    {1004, L"Static", L"　　体感先制率[%]　　　　　　　敵数　体感完封率", kLabel, 0, 10, 290, 500, 20, 0, 0},
    {2007, L"Edit", L"95", kEdit, kSunken, 45, 315, 35, 24, 0, 0},
    {3007, L"msctls_updown32", L"", kUpDown, kSunken, 80, 315, 20, 24, 1, 99},
    {5001, L"Button", L"計算実行", kButton, 0, 110, 315, 80, 24, 0, 0},
    {2008, L"Edit", L"2", kEdit, kSunken, 255, 315, 30, 24, 0, 0},
    {3008, L"msctls_updown32", L"", kUpDown, kSunken, 285, 315, 20, 24, 1, 9},
    {2009, L"Edit", L"95", kEdit, kSunken, 310, 315, 35, 24, 0, 0},
    {3009, L"msctls_updown32", L"", kUpDown, kSunken, 345, 315, 20, 24, 1, 99},
    {5002, L"Button", L"計算実行", kButton, 0, 375, 315, 80, 24, 0, 0},
    {1005, L"Static", L"", kLabel, 0, 30, 355, 500, 20, 0, 0},
    {1006, L"Static", L"", kLabel, 0, 30, 380, 500, 20, 0, 0},
    {1007, L"Static", L"", kLabel, 0, 30, 405, 500, 20, 0, 0},
    {1008, L"Static", L"", kLabel, 0, 30, 430, 500, 20, 0, 0},
    {1009, L"Static", L"", kLabel, 0, 30, 455, 500, 20, 0, 0},
    {1010, L"Static", L"", kLabel, 0, 30, 480, 500, 20, 0, 0},
    // The closed list shows its placeholder entry.
    {4000, L"ComboBox", L"すばやさを検索", kList, 0, 200, 145, 180, 500, 0, 0},
};

const int kExpectedControlCount = sizeof kExpectedControls / sizeof kExpectedControls[0];

}  // namespace e2e
