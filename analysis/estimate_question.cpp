#include "analysis/estimate_question.h"

#include <algorithm>
#include <iterator>
#include <random>

#include "analysis/inputs/enemy_group.h"
#include "analysis/inputs/observed_count.h"
#include "engine/exact/exact_estimation.h"
#include "engine/initiative.h"
#include "engine/estimation/estimation_stages.h"
#include "engine/estimation/simulated_estimation.h"

namespace kestavel::analysis {

namespace {

// The window's checks, in its order: the first-strike estimation checks its percent; the
// shut-out one its count, then its percent; both then the party.
std::optional<Refusal> EstimateRefusal(const EstimateRequest& r) {
    const auto percentRefusal = [](int32_t percent) -> std::optional<Refusal> {
        if (kObservedPercentRange.Holds(percent)) return std::nullopt;
        return RefusalOutside(RefusedInput::kObservedPercent, kObservedPercentRange, percent);
    };
    if (r.firstStrike) {
        if (auto refusal = percentRefusal(*r.firstStrike)) return refusal;
    } else {
        if (auto refusal = EnemyCountRefusal(r.enemies)) return refusal;
        if (r.shutOut) {
            if (auto refusal = percentRefusal(*r.shutOut)) return refusal;
        }
    }
    if (auto refusal = ObservedCountRefusal(r.observed)) return refusal;
    return CandidatePartyRefusal(r.allies);
}

CountFit FitCount(const double (&allySpeed)[kAllyCount], int32_t enemies, BinomialCount observed) {
    CountFit result{};
    result.fit = FitObservedCount(allySpeed, enemies, observed, FullCandidateRange(BestAllySpeed(allySpeed)));
    const auto withRates = [&](const SpeedWithRate& s) {
        return FittingSpeed{s.speed, ExactRatesFor(allySpeed, s.speed, enemies)};
    };
    const std::vector<SpeedWithRate>& consistent = result.fit.consistent;
    for (const SpeedWithRate& s : consistent) result.consistent.push_back(withRates(s));
    if (!consistent.empty()) {
        ConsistentRange& range = result.consistentRange.emplace();
        range.lowest = consistent.front().probability == 1 ? 1 : consistent.front().speed;
        if (consistent.back().probability != 0) range.highest = consistent.back().speed;
    }
    result.likeliest = withRates(result.fit.likeliest);
    if (result.fit.likeliest.probability == 0 && !consistent.empty() && consistent.back().probability == 0) {
        // No success: the search took the range's top, a certain loss. Every speed of a certain
        // loss is as likely, and a count of none fits each: they end the consistent speeds.
        auto first = consistent.end();
        while (first != consistent.begin() && std::prev(first)->probability == 0) --first;
        result.likeliest = withRates(*first);
        result.andEveryFaster = true;
    }
    return result;
}

// What deserves a second look: a rate no candidate reaches, a rate and a count that disagree,
// a best speed at the window's cap.
void AddNotes(const double (&allySpeed)[kAllyCount], EstimateAnswer& answer) {
    const EstimateRequest& r = answer.request;
    const std::optional<int32_t> percent = r.firstStrike ? r.firstStrike : r.shutOut;
    if (!percent) return;
    const CandidateRange& range = answer.estimation.range;
    // The rates fall as the enemy speeds up: the range's ends hold the highest and lowest.
    const double highest = 100 * ExactShutOutProbability(allySpeed, range.lowerSpeed, answer.enemies);
    const double lowest = 100 * ExactShutOutProbability(allySpeed, range.upperSpeed, answer.enemies);
    if (*percent > highest || *percent < lowest) answer.outOfReach = OutOfReachNote{*percent, highest, lowest};
    if (answer.countFit) {
        const auto& consistent = answer.countFit->fit.consistent;
        answer.bestOutsideCount = std::none_of(consistent.begin(), consistent.end(), [&](const SpeedWithRate& c) {
            return c.speed == answer.estimation.bestSpeed;
        });
    }
    const int32_t highestChanging = FullCandidateRange(BestAllySpeed(allySpeed)).upperSpeed;
    if (answer.estimation.bestSpeed == range.upperSpeed && range.upperSpeed < highestChanging) {
        answer.fasterNotTried = FasterNotTriedNote{range.upperSpeed, highestChanging};
    }
}

// The estimation's inputs for the engine from a request that passed its checks.
EstimationInputs InputsOf(const EstimateRequest& r) {
    EstimationInputs inputs{};
    FillAllySpeeds(r.allies, inputs.allySpeed);
    inputs.enemyCount = r.firstStrike ? 1 : r.enemies;
    inputs.matched = r.firstStrike ? CountedEvent::kFirstStrike : CountedEvent::kShutOut;
    inputs.observedPercent = r.firstStrike.value_or(r.shutOut.value_or(0));
    return inputs;
}

// Whether the request's estimation is simulated: from a percent, without --exact.
bool Simulated(const EstimateRequest& r) { return (r.firstStrike || r.shutOut) && !r.exact; }

// The answer, its simulated estimation (when it has one) made by `simulate`.
template <typename Simulate>
Outcome<EstimateAnswer> AnswerWith(const EstimateRequest& r, Simulate simulate) {
    if (std::optional<Refusal> refusal = EstimateRefusal(r)) return *refusal;
    const EstimationInputs inputs = InputsOf(r);
    EstimateAnswer answer;
    answer.request = r;
    answer.enemies = inputs.enemyCount;

    if (r.observed) answer.countFit = FitCount(inputs.allySpeed, answer.enemies, *r.observed);
    if (!r.firstStrike && !r.shutOut) {
        // A count alone: the table centres on the likeliest speed.
        Estimation& e = answer.estimation;
        e.range = answer.countFit->fit.range;
        e.bestSpeed = answer.countFit->likeliest.speed;
        e.table = ExactEstimateTable(inputs.allySpeed, answer.enemies, e.bestSpeed);
        e.path = TrialPath::kPlain;
    } else if (r.exact) {
        answer.estimation = EstimateExactly(inputs, FullCandidateRange(BestAllySpeed(inputs.allySpeed)));
    } else {
        answer.estimation = simulate(inputs);
    }
    AddNotes(inputs.allySpeed, answer);
    return answer;
}

}  // namespace

Outcome<EstimateAnswer> AnswerEstimate(const EstimateRequest& r) {
    return AnswerWith(r, [&](const EstimationInputs& inputs) {
        std::mt19937 engine(r.seed);
        NoProgress quiet;
        return EstimateBySimulation(inputs, engine, Parallelism{r.threads}, r.progress ? *r.progress : quiet);
    });
}

std::unique_ptr<RunStages> EstimateRunStages(const EstimateRequest& r) {
    if (EstimateRefusal(r) || !Simulated(r)) return std::make_unique<OneStage>();
    return std::make_unique<EstimationStages>(InputsOf(r));
}

std::optional<Outcome<EstimateAnswer>> AnswerEstimateFromCounts(const EstimateRequest& r,
                                                                std::span<const RunCounts> counts) {
    if (EstimateRefusal(r) || !Simulated(r)) {
        if (!counts.empty()) return std::nullopt;
        return AnswerEstimate(r);
    }
    const std::optional<Estimation> estimation = EstimationStages(InputsOf(r)).Finish(counts);
    if (!estimation) return std::nullopt;
    return AnswerWith(r, [&](const EstimationInputs&) { return *estimation; });
}

}  // namespace kestavel::analysis
