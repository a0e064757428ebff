// A whole roster file, as the loader reads it. Every row it keeps must obey the table's rules.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "text/number_text.h"
#include "roster/roster_loader.h"

namespace {

bool HasBlank(const std::string& text) {
    for (char c : text) {
        if (kestavel::IsBlank(c)) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto table = std::make_unique<kestavel::RosterTable>();
    table->rowCount = 0;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    kestavel::RosterLoadReport report;
    kestavel::ReadRosterLines(*table, lines, &report);

    if (table->rowCount < 0 || table->rowCount > kestavel::kRosterCapacity) std::abort();
    for (int32_t row = 0; row < table->rowCount; ++row) {
        const std::string& label = table->label[row];
        const std::string& name = table->name[row];
        if (table->number[row] < 1) std::abort();
        if (label.empty() || label.size() > 98 || HasBlank(label)) std::abort();
        if (name.empty() || name.size() > 998 || HasBlank(name)) std::abort();
    }
    for (const auto& dropped : report.dropped) {
        if (dropped.lineNumber < 1) std::abort();
    }
    return 0;
}
