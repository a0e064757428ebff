// The estimate's and the curve's simulated runs in stages, for a page that spreads them over its
// workers (analysis/staged_simulation.h):
//   simulationStage(question, request, countsSoFar) -> {finished, draws, cost}
//   splitRuns(cost, workers) -> [{first, end}, ...]
//   runStretch(question, request, countsSoFar, first, end, onRun) -> [{shutOutWins, firstStrikeWins}, ...]
//   finishSimulation(question, request, allCounts, lang) -> what estimate(request, lang) or curve(request, lang) gives
// `question` is "estimate" or "curve", `request` what that function takes. Counts are every
// earlier stage's runs' in plan order, one after another (an array per stage reads the same).
// `draws` has where each run of the stage starts in the engine's sequence from the seed, and last
// where the stage ends; `cost`, where each starts in time, in the same unit, from 0 (splitRuns
// takes either, and splits by cost more evenly). Whatever the workers and stretches, the answer is the one estimate or
// curve gives for the same seed. A call that cannot be followed throws a TypeError.

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "analysis/staged_simulation.h"
#include "web/bindings/js_values.h"
#include "web/bindings/question_values.h"

EM_JS(void, ThrowTypeError, (const char* message), { throw new TypeError(UTF8ToString(message)); });

namespace kestavel::web {

namespace {

[[noreturn]] void Refuse(const std::string& message) {
    ThrowTypeError(message.c_str());
    std::abort();  // not reached: the throw unwinds past every frame of ours
}

bool IsEstimate(const std::string& question) {
    if (question == "estimate") return true;
    if (question == "curve") return false;
    Refuse("question: \"estimate\" or \"curve\", not \"" + question + "\"");
}

analysis::StagedSimulation SimulationOf(const std::string& question, const val& request) {
    if (IsEstimate(question)) return analysis::StagedSimulation(EstimateRequestOf(request));
    return analysis::StagedSimulation(CurveRequestOf(request));
}

int64_t WholeNumberOf(const val& number, const char* what) {
    const double x = number.isNumber() ? number.as<double>() : NAN;
    if (!(x >= 0 && x <= 0x1p53 && x == std::floor(x))) Refuse(std::string(what) + ": a whole number of 0 or more");
    return static_cast<int64_t>(x);
}

void AppendCounts(const val& counts, std::vector<RunCounts>& to) {
    if (!counts.isArray()) Refuse("counts: an array of {shutOutWins, firstStrikeWins}");
    const auto length = counts["length"].as<size_t>();
    for (size_t i = 0; i < length; ++i) {
        const val entry = counts[i];
        if (entry.isArray()) {
            AppendCounts(entry, to);
            continue;
        }
        if (entry.isNull() || entry.isUndefined()) Refuse("counts: an array of {shutOutWins, firstStrikeWins}");
        to.push_back(RunCounts{WholeNumberOf(entry["shutOutWins"], "shutOutWins"),
                               WholeNumberOf(entry["firstStrikeWins"], "firstStrikeWins")});
    }
}

// The counts as the runs gave them, each on the path it took in a module like this one: the
// answer names it.
std::vector<RunCounts> CountsOf(const analysis::StagedSimulation& simulation, const val& counts) {
    std::vector<RunCounts> all;
    AppendCounts(counts, all);
    simulation.NamePaths(all);
    return all;
}

std::string NotWholeStages(size_t counts) {
    return "counts: not the runs of whole stages (" + std::to_string(counts) + " counts)";
}

val SimulationStage(const std::string& question, const val& request, const val& countsSoFar) {
    const analysis::StagedSimulation simulation = SimulationOf(question, request);
    const std::vector<RunCounts> counts = CountsOf(simulation, countsSoFar);
    const std::optional<PlacedStage> stage = simulation.StageAfter(counts);
    if (!stage) Refuse(NotWholeStages(counts.size()));
    val v = val::object();
    v.set("finished", stage->finished);
    const auto numbers = [](const std::vector<uint64_t>& at) { return ArrayOf(std::vector<double>(at.begin(), at.end())); };
    v.set("draws", stage->finished ? val::null() : numbers(stage->before));
    v.set("cost", stage->finished ? val::null() : numbers(analysis::StageCost(*stage)));
    return v;
}

val SplitStageRuns(const val& cost, const val& workers) {
    if (!cost.isArray()) Refuse("cost: an array of numbers");
    std::vector<uint64_t> at;
    const auto length = cost["length"].as<size_t>();
    for (size_t i = 0; i < length; ++i) at.push_back(static_cast<uint64_t>(WholeNumberOf(cost[i], "cost")));
    const int64_t workerCount = WholeNumberOf(workers, "workers");
    if (workerCount < 1) Refuse("workers: 1 or more");
    const std::optional<std::vector<RunStretch>> split =
        analysis::SplitStage(at, static_cast<int32_t>(std::min<int64_t>(workerCount, 1 << 16)));
    if (!split) Refuse("cost: at least one number, and none below the one before it");
    val stretches = val::array();
    for (const RunStretch& s : *split) {
        val stretch = val::object();
        stretch.set("first", static_cast<double>(s.first));
        stretch.set("end", static_cast<double>(s.end));
        stretches.call<void>("push", stretch);
    }
    return stretches;
}

val RunStretchOf(const std::string& question, const val& request, const val& countsSoFar, const val& first,
                 const val& end, const val& onRun) {
    const analysis::StagedSimulation simulation = SimulationOf(question, request);
    const std::vector<RunCounts> counts = CountsOf(simulation, countsSoFar);
    const RunStretch stretch{static_cast<size_t>(WholeNumberOf(first, "first")), static_cast<size_t>(WholeNumberOf(end, "end"))};
    RunsDoneProgress told;
    if (!onRun.isNull() && !onRun.isUndefined()) told = [&onRun](int32_t done) { onRun(done); };
    const std::optional<std::vector<RunCounts>> done = simulation.RunStretch(counts, stretch, told);
    if (!done) Refuse("first, end: runs of the stage that follows the counts, first <= end");
    val result = val::array();
    for (const RunCounts& c : *done) {
        val entry = val::object();
        entry.set("shutOutWins", static_cast<double>(c.shutOutWins));
        entry.set("firstStrikeWins", static_cast<double>(c.firstStrikeWins));
        result.call<void>("push", entry);
    }
    return result;
}

val FinishSimulation(const std::string& question, const val& request, const val& allCounts, const std::string& lang) {
    const auto notEvery = [](size_t counts) {
        Refuse("allCounts: not every stage's runs (" + std::to_string(counts) + " counts)");
    };
    if (IsEstimate(question)) {
        const analysis::EstimateRequest r = EstimateRequestOf(request);
        const std::vector<RunCounts> counts = CountsOf(analysis::StagedSimulation(r), allCounts);
        const auto outcome = analysis::AnswerEstimateFromCounts(r, counts);
        if (!outcome) notEvery(counts.size());
        return EstimateOutcomeValue(*outcome, lang);
    }
    const analysis::CurveRequest r = CurveRequestOf(request);
    const std::vector<RunCounts> counts = CountsOf(analysis::StagedSimulation(r), allCounts);
    const auto outcome = analysis::AnswerCurveFromCounts(r, counts);
    if (!outcome) notEvery(counts.size());
    return CurveOutcomeValue(*outcome, lang);
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_staged_runs) {
    emscripten::function("simulationStage", &SimulationStage);
    emscripten::function("splitRuns", &SplitStageRuns);
    emscripten::function("runStretch", &RunStretchOf);
    emscripten::function("finishSimulation", &FinishSimulation);
}

}  // namespace kestavel::web
