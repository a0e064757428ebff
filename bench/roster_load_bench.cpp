// Loading a full roster of long names: 10000 rows plus lines beyond the capacity.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "roster/roster_loader.h"

namespace {

class SilentMessageBox final : public kestavel::MessageBoxSink {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
};

void BM_LoadFullRosterOfLongNames(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / ("kestavel-bench-roster-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream file(dir / "speed.txt", std::ios::binary);
        const std::string name(900, '\x82');  // long names of code page 932 bytes
        for (int i = 1; i <= 10050; ++i) file << "L" << i << ' ' << name << "\x81\x40" << i << ' ' << i << ' ' << i % 200 << "\r\n";
    }
    SilentMessageBox messageBox;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<kestavel::RosterTable>();
        state.ResumeTiming();
        kestavel::LoadRoster(*table, dir.string(), messageBox);
        benchmark::DoNotOptimize(table->rowCount);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadFullRosterOfLongNames)->Unit(benchmark::kMillisecond);

}  // namespace
