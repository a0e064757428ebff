#include "report/result_csv.h"

#include <cmath>
#include <vector>

#include "analysis/percent_text.h"
#include "report/party_text.h"

namespace kestavel::report {

using analysis::ExactPercentText;
using analysis::SimulatedPercentText;

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

std::string RateCsv(const analysis::RateAnswer& r) {
    const analysis::EnemyGroup& enemies = r.request.enemies;
    std::vector<std::string> header = {"allies", enemies.Listed() ? "enemySpeeds" : "enemySpeed", "enemies", "seed"};
    std::vector<std::string> row = {PartyText(r.request.allies),
                                    enemies.Listed() ? PartyText(enemies.listed) : std::to_string(enemies.speed),
                                    std::to_string(enemies.count), r.request.simulate ? std::to_string(r.request.seed) : ""};
    if (r.simulated) {
        header.insert(header.end(), {"simulatedShutOutRate", "simulatedFirstStrikeRate"});
        row.insert(row.end(), {SimulatedPercentText(r.simulated->shutOutWins), SimulatedPercentText(r.simulated->firstStrikeWins)});
    }
    if (r.exact) {
        header.insert(header.end(), {"exactShutOutRate", "exactFirstStrikeRate"});
        row.insert(row.end(), {ExactPercentText(r.exact->shutOut), ExactPercentText(r.exact->firstStrike)});
    }
    return Record(header) + Record(row);
}

std::string EstimateCsv(const analysis::EstimateAnswer& r) {
    const bool exact = r.request.exact;
    std::string text = Record({"speed", "run", exact ? "exactFirstStrikeRate" : "simulatedFirstStrikeRate",
                               exact ? "exactShutOutRate" : "simulatedShutOutRate", "best"});
    for (const TableRow& row : r.estimation.table) {
        const auto rate = [&](double percent, int64_t wins) {
            if (!row.run) return std::string();
            return exact ? ExactPercentText(percent / 100) : SimulatedPercentText(wins);
        };
        text += Record({std::to_string(row.speed), row.run ? "true" : "false", rate(row.firstStrikeRate, row.firstStrikeWins),
                        rate(row.shutOutRate, row.shutOutWins),
                        row.run && row.speed == r.estimation.bestSpeed ? "true" : "false"});
    }
    return text;
}

std::string CurveCsv(const analysis::CurveAnswer& r) {
    std::vector<std::string> header = {"speed", "exactFirstStrikeRate", "exactShutOutRate"};
    if (r.request.simulate) header.insert(header.end(), {"simulatedFirstStrikeRate", "simulatedShutOutRate"});
    if (r.request.observed) header.push_back("consistent");
    std::string text = Record(header);
    for (const analysis::CurvePoint& p : r.points) {
        std::vector<std::string> row = {std::to_string(p.speed), ExactPercentText(p.exact.firstStrike),
                                        ExactPercentText(p.exact.shutOut)};
        if (r.request.simulate) {
            row.insert(row.end(), {SimulatedPercentText(p.firstStrikeWins), SimulatedPercentText(p.shutOutWins)});
        }
        if (r.request.observed) row.push_back(p.consistent ? "true" : "false");
        text += Record(row);
    }
    return text;
}

std::string NeedCsv(const analysis::NeedAnswer& r) {
    const analysis::EnemyGroup& enemies = r.request.enemies;
    const SpeedNeeded& f = r.found;
    return Record({"allies", enemies.Listed() ? "enemySpeeds" : "enemySpeed", "enemies", "event", "percent", "member",
                   "reachable", "speed", "exactRateAtSpeed", "exactRateOneBelow", "exactRateLimit"}) +
           Record({PartyText(r.request.allies), enemies.Listed() ? PartyText(enemies.listed) : std::to_string(enemies.speed),
                   std::to_string(enemies.count), r.request.shutOut ? "shutOut" : "firstStrike",
                   std::to_string(r.request.shutOut.value_or(r.request.firstStrike.value_or(0))), std::to_string(r.member),
                   f.reachable ? "true" : "false", std::to_string(f.speed), ExactPercentText(f.rateAtSpeed),
                   ExactPercentText(f.rateOneBelow), ExactPercentText(f.limit)});
}

}  // namespace kestavel::report
