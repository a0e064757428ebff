#pragma once
// Every text that only kestavel-cli shows its user: messages, reasons, notes and help in
// English, and the lines of the results that the window does not have, in its style (code page
// 932). The window's own texts, which kestavel-cli shows too, are in messages.h.

namespace kestavel {

// Why a roster line was dropped, and what a kept row may hold that its author did not mean.
constexpr const char* kDropBlankLine = "blank line";
constexpr const char* kDropOverCapacity = "over capacity";
constexpr const char* kDropFieldsFound[] = {"no field", "only 1 field", "only 2 fields", "only 3 fields"};
constexpr const char* kDropOfFour = "of 4 (label name number speed)";
constexpr const char* kDropNumberNotANumber = "the number (third field) is not a number";
constexpr const char* kDropSpeedNotANumber = "the speed (fourth field) is not a number";
constexpr const char* kDropNumberRanIntoSpeed =
    "the number's digits are followed by other bytes: it reads as %d, and the rest of it, taken as the speed, is not a number";
constexpr const char* kDropLabelTooLong = "the label is longer than 98 bytes";
constexpr const char* kDropNameTooLong = "the name is longer than 998 bytes";
constexpr const char* kDropNumberBelowOneGot = "number below 1 (got %d): the window lists numbers from 1";
constexpr const char* kDropOverCapacitySummary =
    "from line %d on, %d lines dropped: over capacity (the window keeps the first 10000 rows)";
constexpr const char* kDroppedLine = "line %d dropped: %s";
constexpr const char* kWarnedLine = "line %d warning: %s";
constexpr const char* kWarnSpeedBelowOne = "speed %d is below 1: the rate calculation refuses it";
constexpr const char* kWarnNumberRunsOn = "the number's digits are followed by other bytes: it reads as %d";
constexpr const char* kWarnSpeedRunsOn = "the speed's digits are followed by other bytes: it reads as %d";
constexpr const char* kWarnMoreThanFour = "more than four fields: the rest of the line is ignored";
constexpr const char* kWarnNumberOverflows = "the number's digits lie beyond the 32-bit range: it reads as %d";
constexpr const char* kWarnSpeedOverflows = "the speed's digits lie beyond the 32-bit range: it reads as %d";
// A roster saved in another encoding than the window's: what it looks like, what the window
// makes of it, and the remedy.
constexpr const char* kEncodingWarning =
    "warning: the file looks like %s, but the window reads code page 932: %s; save it as Shift-JIS (ANSI in "
    "Notepad's encoding list)";
constexpr const char* kEncodingUtf8 = "UTF-8";
constexpr const char* kEncodingUtf8WithBom = "UTF-8 with a byte order mark";
constexpr const char* kEncodingUtf16Le = "UTF-16 LE";
constexpr const char* kEncodingUtf16Be = "UTF-16 BE";
constexpr const char* kEncodingGarblesNames = "its names show garbled";
constexpr const char* kEncodingDropsLines = "its lines are dropped";


// How a run ends when it cannot give its result.
constexpr const char* kProgramPrefix = "kestavel-cli: ";
constexpr const char* kRefusalRange = " (%s; got %d)";
// What a refused input takes: from its lowest value on, or from its lowest to its highest.
constexpr const char* kAcceptedFrom = "%d or more";
constexpr const char* kAcceptedFromTo = "%d to %d";
constexpr const char* kAcceptedBestAlly = "best ally speed %d to %d";
constexpr const char* kCannotWriteOutput = "cannot write the output";
constexpr const char* kCannotWriteFile = "cannot write %s";
constexpr const char* kCannotOpenFile = "cannot open %s: %s";
constexpr const char* kReadFailed = "reading %s failed part-way: %s; the %d rows read before it are shown";
constexpr const char* kErrorNoSuchFile = "no such file";
constexpr const char* kErrorPermission = "permission denied";
constexpr const char* kErrorIsDirectory = "it is a directory";
constexpr const char* kErrorInputOutput = "input/output error";
constexpr const char* kErrorNumbered = "system error %d";

// An environment that names a trial path that cannot be followed: the variable, its value and,
// for an unknown name, the paths there are.
constexpr const char* kTrialPathUnknown = "%s names no trial path: '%s' (the paths are %s)";
constexpr const char* kTrialPathNotHere = "%s names a trial path this CPU cannot run: '%s'";

// A command line that cannot be run.
constexpr const char* kUsageHint = "run 'kestavel-cli %s--help'";
constexpr const char* kUsageNoCommand = "a command is required: rate, estimate, curve, need or roster";
constexpr const char* kUsageUnknownCommand =
    "unknown command '%s': the commands are rate, estimate, curve, need and roster";
constexpr const char* kUsageMissingValue = "needs a value, not the option %s";
constexpr const char* kUsageGivenTwice = "%s is given more than once";
constexpr const char* kUsageNoValue = "%s needs a value";
constexpr const char* kUsageNotAWholeNumber = "%s must be a whole number from %d to %d, not '%s'";
constexpr const char* kWhatAllySpeed = "an ally speed of --allies";
constexpr const char* kUsageTooManyAllies = "--allies takes one to five speeds";
constexpr const char* kWhatEnemySpeed = "an enemy speed of --enemy-speeds";
constexpr const char* kUsageEnemyGroup = "%s needs --enemy-speed S with --enemies N, or --enemy-speeds S1,...";
constexpr const char* kUsageListedGroup = "--enemy-speeds lists every enemy: drop --enemy-speed and --enemies";
constexpr const char* kUsageRateSeed = "rate --enemy-speeds draws only with --simulate: drop --seed or add --simulate";
constexpr const char* kUsageVaryNeeded = "--enemy-speeds needs --vary K, the listed enemy whose speed the curve runs over";
constexpr const char* kUsageVaryAlone = "--vary K picks one enemy of --enemy-speeds: add --enemy-speeds";
constexpr const char* kUsageObservedForm = "--observed takes K/N, K of N encounters, not '%s'";
constexpr const char* kWhatObservedN = "N of --observed K/N";
constexpr const char* kWhatObservedK = "K of --observed K/N";
constexpr const char* kUsageOneFormat = "--json, --csv and --svg exclude one another";
constexpr const char* kUsageOnePercent = "%s takes one of --first-strike P and --shut-out P";
constexpr const char* kUsageFirstStrikeEnemies = "--first-strike estimates against one enemy: drop --enemies";
constexpr const char* kUsageShutOutEnemies = "--shut-out P needs --enemies N";
constexpr const char* kUsageEstimateWhat = "estimate needs --first-strike P, --shut-out P or --observed K/N";
constexpr const char* kUsageNeedWhat = "need needs --first-strike P or --shut-out P";
constexpr const char* kUsageExactSeed = "--exact and --observed draw nothing: drop --seed";
constexpr const char* kUsageFromTo = "--from and --to come together";
constexpr const char* kUsageCurveSeed = "the curve draws only with --simulate: drop --seed or add --simulate";

// Notes on a result that deserves a second look.
constexpr const char* kNotePrefix = "note: ";
constexpr const char* kNoteCodeOutOfReach = "outOfReach";
constexpr const char* kNoteOutOfReach =
    "%d %% lies outside what any candidate speed gives (speed %d: %.1f %%, speed %d: %.1f %%); best speed %d is "
    "only the nearest end";
constexpr const char* kNoteCodeDisagrees = "observedDisagrees";
constexpr const char* kNoteObservedDisagrees =
    "best speed %d for %d %% lies outside the speeds consistent with the observed %d/%d (%s)";
constexpr const char* kSpansNone = "none";
constexpr const char* kSpanTo = " to %d";

// Exact rates and observed counts, in the window's style (code page 932).
constexpr const char* kExactShutOutLine = "%d体 完封率(理論値): %.4f％";        // enemy count, percent
constexpr const char* kExactFirstStrikeLine = "個別先制率(理論値): %.4f％";     // percent
constexpr const char* kObservedFirstStrikes = "観測: 先制 %d/%d回";            // successes, encounters
constexpr const char* kObservedShutOuts = "観測: %d体完封 %d/%d回";            // enemies, successes, encounters
constexpr const char* kConsistentSpeeds = "95％水準で矛盾しない敵素早: %s";    // the spans below
constexpr const char* kConsistentNone = "なし";
constexpr const char* kSpanAndSlower = "%d以下";  // a span that holds every slower enemy too
constexpr const char* kSpanAndFaster = "%d以上";  // a span that holds every faster enemy too
constexpr const char* kSpanFromTo = "%d～%d";
constexpr const char* kLikeliestSpeed = "最尤の敵素早: %d (%.4f％)";            // speed, percent
// The curve's columns: enemy speed, exact first strike, exact shut-out of N; then simulated;
// then whether the observed count K/N is consistent with the speed.
constexpr const char* kCurveHeader = "敵素早\t先制率(理論値)\t%d体完封率(理論値)";
constexpr const char* kCurveSimulatedHeader = "\t先制率\t%d体完封率";
constexpr const char* kCurveObservedHeader = "\t観測 %d/%d";
constexpr const char* kCurveConsistent = "\t矛盾しない";

// `need`, in the window's style (code page 932): the member from 1, the speed, the rate's name,
// its percent at that speed, the speed one less and the percent there.
constexpr const char* kNeedReached = "%d人目の必要なすばやさ: %d (%s %.1f％; %d では %.1f％)";
// The member, the rate's name, the target, then as above.
constexpr const char* kNeedUnreached = "%d人目のすばやさでは %s %d％ に届きません: %d で %.1f％ (%d では %.1f％)";
constexpr const char* kNeedLimit = "すばやさを上げるほど%sは %.1f％ に近づきます";
constexpr const char* kNeedFirstStrikeName = "先制率";
constexpr const char* kNeedShutOutName = "%d体 完封率";

// The chart.
constexpr const char* kSvgTitle = "First-strike and shut-out rates against the enemy speed";
constexpr const char* kSvgSubtitle = "allies %s, %d enemies, exact rates";
constexpr const char* kSvgListedSubtitle = "allies %s, enemies %s, enemy %d's speed varies, exact rates";
constexpr const char* kSvgSpeedAxis = "enemy speed";
constexpr const char* kSvgRateAxis = "rate (%)";
constexpr const char* kSvgFirstStrikeLegend = "first strike";
constexpr const char* kSvgShutOutLegend = "shut-out of %d";
constexpr const char* kSvgSimulatedLegend = "dots: simulated (100000 trials)";
constexpr const char* kSvgConsistentLegend = "consistent with %d/%d (95 %%)";

// Help.
constexpr const char* kHelpProgram =
    "The window's calculations from a terminal. Each simulated rate is a run of 100000 turns, as\n"
    "in the window; exact rates take every factor uniform on [0.6, 1.0).\n"
    "Exit status: 0 done, 2 input refused, 64 usage error, 66 file not opened, 74 read or write error.";
constexpr const char* kHelpVersion = "Print the version and exit";
constexpr const char* kHelpRate =
    "Shut-out and first-strike rates of the party against N enemies of one speed, or against listed speeds";
constexpr const char* kHelpEstimate = "The enemy speed that explains an observed rate or count";
constexpr const char* kHelpCurve = "Both rates at every enemy speed of a range (of one listed enemy with --vary)";
constexpr const char* kHelpNeed =
    "The smallest speed of one party member at which an exact rate reaches a percent";
constexpr const char* kHelpRoster = "A roster file as the window's list shows it, and every line it drops and why";
constexpr const char* kHelpAllies = "One to five ally speeds, whole numbers (missing allies count as 0)";
constexpr const char* kHelpEnemySpeed = "The enemies' speed";
constexpr const char* kHelpEnemies = "The number of enemies, 1 to 9";
constexpr const char* kHelpEnemySpeeds =
    "1 to 9 enemy speeds, one per enemy, the first being the first enemy (in place of --enemy-speed and --enemies)";
constexpr const char* kHelpRateSimulate =
    "With --enemy-speeds: also a simulated run (--enemy-speed always runs one); without it only the exact rates";
constexpr const char* kHelpVary = "With --enemy-speeds: which listed enemy (from 1) runs over the speeds, the others as listed";
constexpr const char* kHelpNeedFirstStrike = "The first-strike rate to reach, a whole number of percent from 0 to 100";
constexpr const char* kHelpNeedShutOut = "The shut-out rate to reach, a whole number of percent from 0 to 100";
constexpr const char* kHelpMember = "The party member whose speed is sought, 1 to 5 (default: the fastest, the first of equals)";
constexpr const char* kHelpEstimateEnemies = "With --shut-out or --observed: the number of enemies, 1 to 9";
constexpr const char* kHelpCurveEnemies = "The number of enemies, 1 to 9 (default 1)";
constexpr const char* kHelpSeed = "0 to 4294967295: repeats a run exactly (without it a seed is drawn and reported in JSON)";
constexpr const char* kHelpRateExact = "Also the exact rates (always given with --enemy-speeds)";
constexpr const char* kHelpEstimateExact =
    "Exact rates in place of runs: instant and deterministic (a candidate's distance is |P*1000 - 100000 p|)";
constexpr const char* kHelpCurveExact = "Exact rates (the default; with --simulate the simulated ones too)";
constexpr const char* kHelpFirstStrike = "The first-strike rate observed, 1 to 99 percent";
constexpr const char* kHelpShutOut = "The shut-out rate observed against --enemies N, 1 to 99 percent";
constexpr const char* kHelpObserved =
    "K first strikes (or shut-outs of --enemies N) in N encounters; lists the speeds within the 95 % "
    "Clopper-Pearson interval and the likeliest; implies --exact";
constexpr const char* kHelpCurveObserved = "Marks the speeds consistent with K successes in N encounters";
constexpr const char* kHelpFrom = "The lowest enemy speed (default: the estimation's candidate range)";
constexpr const char* kHelpTo = "The highest enemy speed, at most 10000 speeds after --from";
constexpr const char* kHelpSimulate = "Also one simulated run per speed";
constexpr const char* kHelpThreads =
    "Threads for the simulated runs, 1 to 64 (default: every core); any number gives the same results, seed for seed";
constexpr const char* kHelpSvg = "Write a line chart of both rates";
constexpr const char* kHelpJson = "JSON on stdout (keys: docs/cli-json.md)";
constexpr const char* kHelpCsv = "CSV on stdout, with a header row";
constexpr const char* kHelpEncoding =
    "Text sent to a file or a pipe (a console always shows it right). utf-8 (default) for "
    "files, most tools, and PowerShell 7 with [Console]::OutputEncoding UTF-8; cp932 for cmd.exe's type and "
    "findstr, Windows PowerShell 5.1 and older tools on Japanese Windows";
constexpr const char* kHelpRosterFile = "The roster file; - reads standard input";

}  // namespace kestavel
