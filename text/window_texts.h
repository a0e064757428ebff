#pragma once
// Every text that the window shows, in one place: the form's captions and headings, the
// results and their formats, the input errors, the progress texts and the message boxes. The
// sources are UTF-8 and the build stores these literals as code page 932 bytes, the program's
// one encoding. This header depends on nothing, so that every part of the program, the engine
// included, takes its texts from here. (The menu's two texts stand in the resource script,
// which the resource compiler reads on its own.)

namespace kestavel::messages {

// The window.
inline constexpr const char* kMainWindowCaption = "Kestavel";
inline constexpr const char* kPartyGroup = "味方情報";
inline constexpr const char* kPartyHeading = "すばやさ １人目 　２人目 　３人目　 ４人目　 ５人目";
inline constexpr const char* kRateGroup = "先制率計算";
inline constexpr const char* kRateHeading = " 　敵すばやさ　敵数　　　敵指定すばやさ検索";
inline constexpr const char* kEstimateGroup = "敵すばやさ推定";
inline constexpr const char* kEstimateHeading = "　　体感先制率[%]　　　　　　　敵数　体感完封率";
inline constexpr const char* kCalculateButton = "計算実行";
// The roster list's first entry, shown until an enemy is chosen.
inline constexpr const char* kRosterPlaceholder = "すばやさを検索";

// Input errors, in the command's first result label.
inline constexpr const char* kEnemySpeedInvalid = "敵の素早さが不正な値です";
inline constexpr const char* kEnemyCountInvalid = "敵の数が不正な値です";
inline constexpr const char* kObservedRateOutOfRange = "1％から99％で入力してください";
inline constexpr const char* kAllySpeedInvalid = "味方の素早さが不正な値です";

// Results. The ％ after each number is the full-width percent sign, an ordinary character.
inline constexpr const char* kShutOutResult = "%d体 完封率: %.1f％";        // enemy count, rate
inline constexpr const char* kFirstStrikeResult = "個別先制率: %.1f％";     // rate
inline constexpr const char* kEstimateTableHeader = "敵素早\t先制率　%d体完封率";  // enemy count
inline constexpr const char* kEstimateTableRow = "　%d\t %.1f\t %.1f";    // speed, first strike, shut-out

// The estimation's progress in its status label.
inline constexpr const char* kEstimateProgress = "計算中: %.1f％";  // share of candidates done
inline constexpr const char* kEstimatePreparingTable = "表示準備中...";

// Message boxes.
inline constexpr const char* kRosterOpenFailed = "file:speed.txt 読み込み失敗";
inline constexpr const char* kRosterOpenFailedCaption = "error!!";
inline constexpr const char* kQuitQuestion = "終了しますか？";
inline constexpr const char* kQuitCaption = "確認";

}  // namespace kestavel::messages
