#include "report/party_text.h"

namespace kestavel::report {

std::string PartyText(const std::vector<int32_t>& speeds) {
    std::string text;
    for (size_t i = 0; i < speeds.size(); ++i) text += (i ? "," : "") + std::to_string(speeds[i]);
    return text;
}

}  // namespace kestavel::report
