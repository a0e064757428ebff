#include "cli/questions/refusal.h"

#include "cli/cli_messages.h"
#include "cli/output/terminal_text.h"
#include "text/text_format.h"

namespace kestavel::cli {

Refusal RefusalOf(const std::string& cp932Message, const char* accepted, long long given) {
    return {ShownText(cp932Message) + FormatText(200, kRefusalRange, {accepted, given})};
}

}  // namespace kestavel::cli
