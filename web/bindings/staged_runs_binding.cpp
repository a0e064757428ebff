// The estimate's and the curve's simulated runs in stages, for a page that spreads them over its
// workers (engine/trials/parallel/staged_runs.h):
//   simulationStage(question, request, countsSoFar) -> {finished, draws}
//   splitRuns(draws, workers) -> [{first, end}, ...]
//   runStretch(question, request, countsSoFar, first, end, onRun) -> [{shutOutWins, firstStrikeWins}, ...]
//   finishSimulation(question, request, allCounts, lang) -> what estimate(request, lang) or curve(request, lang) gives
// `question` is "estimate" or "curve", `request` what that function takes. Counts are every
// earlier stage's runs' in plan order, one after another (an array per stage reads the same).
// `draws` has where each run of the stage starts in the engine's sequence from the seed, and last
// where the stage ends. Whatever the workers and stretches, the answer is the one estimate or
// curve gives for the same seed. A call that cannot be followed throws a TypeError.

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/trials/parallel/parallel_runs.h"
#include "engine/trials/parallel/run_split.h"
#include "engine/trials/parallel/staged_runs.h"
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

struct Question {
    std::unique_ptr<RunStages> stages;
    uint32_t seed = 0;
};

Question QuestionOf(const std::string& question, const val& request) {
    if (IsEstimate(question)) {
        const analysis::EstimateRequest r = EstimateRequestOf(request);
        return {analysis::EstimateRunStages(r), r.seed};
    }
    const analysis::CurveRequest r = CurveRequestOf(request);
    return {analysis::CurveRunStages(r), r.seed};
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
std::vector<RunCounts> CountsOf(const RunStages& stages, const val& counts) {
    std::vector<RunCounts> all;
    AppendCounts(counts, all);
    NameRunPaths(stages, all);
    return all;
}

PlacedStage PlaceOrRefuse(const RunStages& stages, const std::vector<RunCounts>& counts) {
    std::optional<PlacedStage> placed = PlaceStageAfter(stages, counts);
    if (!placed) Refuse("counts: not the runs of whole stages (" + std::to_string(counts.size()) + " counts)");
    return std::move(*placed);
}

val SimulationStage(const std::string& question, const val& request, const val& countsSoFar) {
    const Question q = QuestionOf(question, request);
    const PlacedStage stage = PlaceOrRefuse(*q.stages, CountsOf(*q.stages, countsSoFar));
    val v = val::object();
    v.set("finished", stage.finished);
    if (stage.finished) {
        v.set("draws", val::null());
    } else {
        val draws = val::array();
        for (uint64_t before : stage.before) draws.call<void>("push", static_cast<double>(before));
        v.set("draws", draws);
    }
    return v;
}

val SplitStage(const val& draws, const val& workers) {
    if (!draws.isArray() || draws["length"].as<size_t>() == 0) Refuse("draws: an array of at least one number");
    const auto length = draws["length"].as<size_t>();
    const auto start = static_cast<uint64_t>(WholeNumberOf(draws[0], "draws"));
    std::vector<uint64_t> within;
    for (size_t i = 0; i < length; ++i) {
        const auto at = static_cast<uint64_t>(WholeNumberOf(draws[i], "draws"));
        if (at < start + (within.empty() ? 0 : within.back())) Refuse("draws: numbers that never fall");
        within.push_back(at - start);
    }
    const int64_t workerCount = WholeNumberOf(workers, "workers");
    if (workerCount < 1) Refuse("workers: 1 or more");
    // The threads' split: the first stretch a jump's worth longer, as its thread needs none. A
    // worker jumps for it too but at the sequence's start, which costs it about one jump's time.
    const auto threads = static_cast<int32_t>(std::min<int64_t>(workerCount, 1 << 16));
    val stretches = val::array();
    for (const RunStretch& s : SplitRuns(within, threads, kJumpCostInDraws)) {
        val stretch = val::object();
        stretch.set("first", static_cast<double>(s.first));
        stretch.set("end", static_cast<double>(s.end));
        stretches.call<void>("push", stretch);
    }
    return stretches;
}

val RunStretchOf(const std::string& question, const val& request, const val& countsSoFar, const val& first,
                 const val& end, const val& onRun) {
    const Question q = QuestionOf(question, request);
    const PlacedStage stage = PlaceOrRefuse(*q.stages, CountsOf(*q.stages, countsSoFar));
    const auto runs = static_cast<int64_t>(stage.plan.runs.size());
    const int64_t firstRun = WholeNumberOf(first, "first");
    const int64_t endRun = WholeNumberOf(end, "end");
    if (stage.finished || firstRun > endRun || endRun > runs) {
        Refuse("first, end: runs of the stage, 0 <= first <= end <= " + std::to_string(runs));
    }
    RunsDoneProgress told;
    if (!onRun.isNull() && !onRun.isUndefined()) told = [&onRun](int32_t done) { onRun(done); };
    val counts = val::array();
    for (const RunCounts& c : RunStretchFromSeed(stage, q.seed, RunStretch{static_cast<size_t>(firstRun), static_cast<size_t>(endRun)}, told)) {
        val entry = val::object();
        entry.set("shutOutWins", static_cast<double>(c.shutOutWins));
        entry.set("firstStrikeWins", static_cast<double>(c.firstStrikeWins));
        counts.call<void>("push", entry);
    }
    return counts;
}

val FinishSimulation(const std::string& question, const val& request, const val& allCounts, const std::string& lang) {
    const std::vector<RunCounts> counts = CountsOf(*QuestionOf(question, request).stages, allCounts);
    const auto notEvery = [&] { Refuse("allCounts: not every stage's runs (" + std::to_string(counts.size()) + " counts)"); };
    if (IsEstimate(question)) {
        const auto outcome = analysis::AnswerEstimateFromCounts(EstimateRequestOf(request), counts);
        if (!outcome) notEvery();
        return EstimateOutcomeValue(*outcome, lang);
    }
    const auto outcome = analysis::AnswerCurveFromCounts(CurveRequestOf(request), counts);
    if (!outcome) notEvery();
    return CurveOutcomeValue(*outcome, lang);
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_staged_runs) {
    emscripten::function("simulationStage", &SimulationStage);
    emscripten::function("splitRuns", &SplitStage);
    emscripten::function("runStretch", &RunStretchOf);
    emscripten::function("finishSimulation", &FinishSimulation);
}

}  // namespace kestavel::web
