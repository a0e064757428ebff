// One roster line through the scanner: the holders stay terminated and within their sizes,
// and a complete scan means four fields.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "roster/roster_line_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const kestavel::RosterLineFields fields = kestavel::ScanRosterLine(line);
    if (std::memchr(fields.label, '\0', sizeof fields.label) == nullptr) std::abort();
    if (std::memchr(fields.name, '\0', sizeof fields.name) == nullptr) std::abort();
    if (fields.fieldsRead < 0 || fields.fieldsRead > 4) std::abort();
    if ((fields.stop == kestavel::LineScanStop::kComplete) != (fields.fieldsRead == 4)) std::abort();
    if (fields.fieldsRead >= 1 && line.find(fields.label) == std::string_view::npos) std::abort();
    return 0;
}
