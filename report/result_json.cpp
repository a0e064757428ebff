#include "report/result_json.h"

#include "analysis/percent_text.h"
#include "report/text/shown_text.h"
#include "report/text/estimate_notes.h"
#include "report/text/roster_text.h"
#include "engine/trials/trial_path.h"

namespace kestavel::report {

using analysis::ExactPercentNumber;
using analysis::SimulatedPercentNumber;

using json = nlohmann::ordered_json;

namespace {

json ObservedJson(const BinomialCount& count) { return {{"successes", count.successes}, {"encounters", count.trials}}; }

json ExactRatesJson(const ExactRates& rates) {
    return {{"exactFirstStrikeRate", ExactPercentNumber(rates.firstStrike)},
            {"exactShutOutRate", ExactPercentNumber(rates.shutOut)}};
}

// The enemies as the inputs echo them: `enemySpeed` or `enemySpeeds`, then `enemies`.
void AddGroupJson(json& inputs, const analysis::EnemyGroup& group) {
    if (group.Listed()) {
        inputs["enemySpeeds"] = group.listed;
    } else {
        inputs["enemySpeed"] = group.speed;
    }
    inputs["enemies"] = group.count;
}

json FitJson(const analysis::EstimateAnswer& r, const analysis::CountFit& fit) {
    const auto speedJson = [&](const analysis::FittingSpeed& s) {
        json entry = {{"speed", s.speed}};
        entry.update(ExactRatesJson(s.rates));
        return entry;
    };
    json consistent = json::array();
    for (const analysis::FittingSpeed& s : fit.consistent) consistent.push_back(speedJson(s));
    // Past the speeds listed: from 1 when every slower speed fits too, no highest (null) when
    // every faster speed does.
    json range = nullptr;
    if (fit.consistentRange) {
        const analysis::ConsistentRange& c = *fit.consistentRange;
        range = {{"lowest", c.lowest}, {"highest", c.highest ? json(*c.highest) : json(nullptr)}};
    }
    json likeliest = speedJson(fit.likeliest);
    likeliest["andEveryFaster"] = fit.andEveryFaster;
    return {{"countedEvent", r.enemies == 1 ? "firstStrike" : "shutOut"},
            {"interval", "clopper-pearson"},
            {"confidence", 95},
            {"consistentSpeeds", consistent},
            {"consistentRange", range},
            {"likeliest", likeliest}};
}

// The trial path that did the runs (KESTAVEL_TRIAL_PATH chooses another to compare); null when
// nothing was simulated.
json TrialPathJson(bool simulated, TrialPath path) { return simulated ? json(TrialPathName(path)) : json(nullptr); }

}  // namespace

json RateJson(const analysis::RateAnswer& r) {
    json inputs = {{"allies", r.request.allies}};
    AddGroupJson(inputs, r.request.enemies);
    const bool simulated = r.simulated.has_value();
    json j = {{"command", "rate"}, {"inputs", inputs}, {"seed", simulated ? json(r.request.seed) : json(nullptr)},
              {"trialPath", TrialPathJson(simulated, simulated ? r.simulated->path : TrialPath::kPlain)}};
    if (simulated) {
        j.update({{"shutOutWins", r.simulated->shutOutWins},
                  {"firstStrikeWins", r.simulated->firstStrikeWins},
                  {"simulatedShutOutRate", SimulatedPercentNumber(r.simulated->shutOutWins)},
                  {"simulatedFirstStrikeRate", SimulatedPercentNumber(r.simulated->firstStrikeWins)}});
    }
    if (r.exact) j.update(ExactRatesJson(*r.exact));
    return j;
}

json EstimateJson(const analysis::EstimateAnswer& r) {
    const analysis::EstimateRequest& in = r.request;
    json inputs = {{"allies", in.allies}, {"enemies", r.enemies}, {"exact", in.exact}};
    inputs["firstStrike"] = in.firstStrike ? json(*in.firstStrike) : json(nullptr);
    inputs["shutOut"] = in.shutOut ? json(*in.shutOut) : json(nullptr);
    inputs["observed"] = in.observed ? ObservedJson(*in.observed) : json(nullptr);
    json rows = json::array();
    for (const TableRow& row : r.estimation.table) {
        json entry = {{"speed", row.speed}, {"run", row.run}};
        if (row.run && in.exact) {
            entry["exactFirstStrikeRate"] = ExactPercentNumber(row.firstStrikeRate / 100);
            entry["exactShutOutRate"] = ExactPercentNumber(row.shutOutRate / 100);
        } else if (row.run) {
            // A simulated rate is a count of 100000 runs: its percent has three exact decimals.
            entry["simulatedFirstStrikeRate"] = PercentOfWins(static_cast<double>(row.firstStrikeWins));
            entry["simulatedShutOutRate"] = PercentOfWins(static_cast<double>(row.shutOutWins));
        }
        rows.push_back(entry);
    }
    json notes = json::array();
    for (const Note& note : EstimateNotes(r)) notes.push_back({{"code", note.code}, {"message", note.message}});
    return {{"command", "estimate"},
            {"inputs", inputs},
            {"seed", in.exact ? json(nullptr) : json(in.seed)},
            {"trialPath", TrialPathJson(!in.exact, r.estimation.path)},
            {"candidateRange", {{"lowest", r.estimation.range.lowerSpeed}, {"highest", r.estimation.range.upperSpeed}}},
            {"bestSpeed", r.estimation.bestSpeed},
            {"rows", rows},
            {"observed", r.countFit ? FitJson(r, *r.countFit) : json(nullptr)},
            {"notes", notes}};
}

json CurveJson(const analysis::CurveAnswer& r) {
    const analysis::CurveRequest& in = r.request;
    json points = json::array();
    for (const analysis::CurvePoint& p : r.points) {
        json entry = {{"speed", p.speed}};
        entry.update(ExactRatesJson(p.exact));
        if (in.simulate) {
            entry["simulatedFirstStrikeRate"] = SimulatedPercentNumber(p.firstStrikeWins);
            entry["simulatedShutOutRate"] = SimulatedPercentNumber(p.shutOutWins);
        }
        if (in.observed) entry["consistent"] = p.consistent;
        points.push_back(entry);
    }
    json inputs = {{"allies", in.allies}, {"enemies", in.enemies}};
    if (!in.listed.empty()) inputs.update({{"enemySpeeds", in.listed}, {"vary", in.vary}});
    inputs.update({{"from", r.from},
                   {"to", r.to},
                   {"simulate", in.simulate},
                   {"observed", in.observed ? ObservedJson(*in.observed) : json(nullptr)}});
    // The curve counts shut-outs of all its enemies, which for one enemy is a first strike.
    if (in.observed) inputs["observed"]["countedEvent"] = in.enemies == 1 ? "firstStrike" : "shutOut";
    return {{"command", "curve"},
            {"inputs", inputs},
            {"seed", in.simulate ? json(in.seed) : json(nullptr)},
            {"trialPath", TrialPathJson(in.simulate, r.path)},
            {"points", points}};
}

json NeedJson(const analysis::NeedAnswer& r) {
    const analysis::NeedRequest& in = r.request;
    json inputs = {{"allies", in.allies}};
    AddGroupJson(inputs, in.enemies);
    inputs["firstStrike"] = in.firstStrike ? json(*in.firstStrike) : json(nullptr);
    inputs["shutOut"] = in.shutOut ? json(*in.shutOut) : json(nullptr);
    inputs["member"] = in.member ? json(*in.member) : json(nullptr);
    return {{"command", "need"},
            {"inputs", inputs},
            {"seed", nullptr},
            {"trialPath", nullptr},
            {"member", r.member},
            {"reachable", r.found.reachable},
            {"speed", r.found.speed},
            {"exactRateAtSpeed", ExactPercentNumber(r.found.rateAtSpeed)},
            {"exactRateOneBelow", ExactPercentNumber(r.found.rateOneBelow)},
            {"exactRateLimit", ExactPercentNumber(r.found.limit)}};
}

json RosterJson(const std::string& file, const analysis::RosterAnswer& answer, const std::string& readError) {
    const RosterTable& table = *answer.table;
    json rows = json::array();
    for (int32_t row = 0; row < table.rowCount; ++row) {
        rows.push_back({{"entry", Utf8Text(answer.EntryText(row))},
                        {"label", Utf8Text(table.label[row])},
                        {"name", Utf8Text(table.name[row])},
                        {"number", table.number[row]},
                        {"speed", table.speed[row]}});
    }
    json dropped = json::array(), warnings = json::array();
    for (const LineDiagnostic& d : RosterDiagnostics(answer.report)) {
        json entry = {{"line", d.line}, {"code", d.code}, {d.dropped ? "reason" : "message", d.text}};
        if (d.lines > 1 || d.code == std::string_view("overCapacity")) entry["lines"] = d.lines;
        (d.dropped ? dropped : warnings).push_back(entry);
    }
    return {{"command", "roster"},
            {"inputs", {{"file", ShownArgument(file)}}},
            {"encoding", RosterEncodingCode(answer.report.encoding)},
            {"rows", rows},
            {"dropped", dropped},
            {"warnings", warnings},
            {"readError", readError.empty() ? json(nullptr) : json(readError)}};
}

json ErrorJson(const char* code, const std::string& message) { return {{"error", {{"code", code}, {"message", message}}}}; }

std::string JsonText(const json& j) { return j.dump(2) + "\n"; }

}  // namespace kestavel::report
