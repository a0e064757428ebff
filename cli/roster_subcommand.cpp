// `roster FILE`: loads a roster file with the program's own loader and shows what the window's
// list would offer, and every line that was dropped and why.

#include <cstdio>
#include <memory>

#include "cli/cp932_to_utf8.h"
#include "cli/json_text.h"
#include "cli/options.h"
#include "cli/subcommands.h"
#include "engine/speed_simulator.h"
#include "roster/roster_loader.h"

namespace kestavel::cli {

namespace {

class StderrMessageBox final : public MessageBoxSink {
public:
    void ShowMessage(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "%s\n", Cp932ToUtf8(text).c_str());
    }
};

void PrintJson(const RosterTable& table, const RosterLoadReport& report) {
    std::printf("{\"rows\": [");
    for (int32_t row = 0; row < table.rowCount; ++row) {
        std::printf("%s{\"label\": %s, \"name\": %s, \"number\": %d, \"speed\": %d}", row ? ", " : "",
                    JsonString(Cp932ToUtf8(table.label[row])).c_str(), JsonString(Cp932ToUtf8(table.name[row])).c_str(),
                    table.number[row], table.speed[row]);
    }
    std::printf("], \"dropped\": [");
    for (size_t i = 0; i < report.dropped.size(); ++i) {
        std::printf("%s{\"line\": %ld, \"reason\": %s}", i ? ", " : "", report.dropped[i].lineNumber,
                    JsonString(DropReasonText(report.dropped[i].reason)).c_str());
    }
    std::printf("]}\n");
}

}  // namespace

int RunRoster(const std::vector<std::string>& args) {
    const Options options(args, {}, {"--json"});
    if (options.Positional().size() != 1) throw UsageError("roster takes one file");
    auto simulator = std::make_unique<SpeedSimulator>(0u);
    StderrMessageBox messageBox;
    RosterLoadReport report;
    if (LoadRosterFile(*simulator, options.Positional()[0], messageBox, &report)) return kExitRefused;

    const RosterTable& table = simulator->roster;
    if (options.Flag("--json")) {
        PrintJson(table, report);
        return 0;
    }
    for (int32_t row = 0; row < table.rowCount; ++row) {
        std::printf("%s%d) %s\t%d\n", Cp932ToUtf8(table.label[row]).c_str(), table.number[row],
                    Cp932ToUtf8(table.name[row]).c_str(), table.speed[row]);
    }
    for (const DroppedLine& line : report.dropped) {
        std::fprintf(stderr, "line %ld dropped: %s\n", line.lineNumber, DropReasonText(line.reason));
    }
    return 0;
}

}  // namespace kestavel::cli
