#include "cli/render/result_csv.h"

#include <cmath>
#include <vector>

#include "cli/render/percent_text.h"

namespace kestavel::cli {

namespace {

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Record(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + Field(fields[i]);
    return line + "\r\n";
}


}  // namespace

std::string RateCsv(const RateResult& r) {
    const EnemyGroup& enemies = r.inputs.enemies;
    std::vector<std::string> header = {"allies", enemies.Listed() ? "enemySpeeds" : "enemySpeed", "enemies", "seed"};
    std::vector<std::string> row = {PartyText(r.inputs.allies),
                                    enemies.Listed() ? PartyText(enemies.listed) : std::to_string(enemies.speed),
                                    std::to_string(enemies.count), r.inputs.simulate ? std::to_string(r.inputs.seed) : ""};
    if (r.inputs.simulate) {
        header.insert(header.end(), {"simulatedShutOutRate", "simulatedFirstStrikeRate"});
        row.insert(row.end(), {SimulatedPercentText(r.shutOutWins), SimulatedPercentText(r.firstStrikeWins)});
    }
    if (r.exact) {
        header.insert(header.end(), {"exactShutOutRate", "exactFirstStrikeRate"});
        row.insert(row.end(), {ExactPercentText(r.exact->shutOut), ExactPercentText(r.exact->firstStrike)});
    }
    return Record(header) + Record(row);
}

std::string EstimateCsv(const EstimateResult& r) {
    const bool exact = r.inputs.exact;
    std::string text = Record({"speed", "run", exact ? "exactFirstStrikeRate" : "simulatedFirstStrikeRate",
                               exact ? "exactShutOutRate" : "simulatedShutOutRate", "best"});
    for (const EstimateRow& row : r.rows) {
        const auto rate = [&](double percent) {
            if (!row.run) return std::string();
            return exact ? ExactPercentText(percent / 100) : SimulatedPercentText(std::llround(percent * 1000));
        };
        text += Record({std::to_string(row.speed), row.run ? "true" : "false", rate(row.firstStrikeRate),
                        rate(row.shutOutRate), row.run && row.speed == r.bestSpeed ? "true" : "false"});
    }
    return text;
}

std::string CurveCsv(const CurveResult& r) {
    std::vector<std::string> header = {"speed", "exactFirstStrikeRate", "exactShutOutRate"};
    if (r.inputs.simulate) header.insert(header.end(), {"simulatedFirstStrikeRate", "simulatedShutOutRate"});
    if (r.inputs.observed) header.push_back("consistent");
    std::string text = Record(header);
    for (const CurvePoint& p : r.points) {
        std::vector<std::string> row = {std::to_string(p.speed), ExactPercentText(p.exact.firstStrike),
                                        ExactPercentText(p.exact.shutOut)};
        if (r.inputs.simulate) {
            row.insert(row.end(), {SimulatedPercentText(p.firstStrikeWins), SimulatedPercentText(p.shutOutWins)});
        }
        if (r.inputs.observed) row.push_back(p.consistent ? "true" : "false");
        text += Record(row);
    }
    return text;
}

std::string NeedCsv(const NeedResult& r) {
    const EnemyGroup& enemies = r.inputs.enemies;
    const SpeedNeeded& f = r.found;
    return Record({"allies", enemies.Listed() ? "enemySpeeds" : "enemySpeed", "enemies", "event", "percent", "member",
                   "reachable", "speed", "exactRateAtSpeed", "exactRateOneBelow", "exactRateLimit"}) +
           Record({PartyText(r.inputs.allies), enemies.Listed() ? PartyText(enemies.listed) : std::to_string(enemies.speed),
                   std::to_string(enemies.count), r.inputs.shutOut ? "shutOut" : "firstStrike",
                   std::to_string(r.inputs.shutOut.value_or(r.inputs.firstStrike.value_or(0))), std::to_string(r.member),
                   f.reachable ? "true" : "false", std::to_string(f.speed), ExactPercentText(f.rateAtSpeed),
                   ExactPercentText(f.rateOneBelow), ExactPercentText(f.limit)});
}

}  // namespace kestavel::cli
