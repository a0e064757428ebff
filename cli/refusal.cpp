#include "cli/refusal.h"

#include "cli/terminal_text.h"
#include "commands/cli_messages.h"
#include "text/text_format.h"

namespace kestavel::cli {

Refusal RefusalOf(const std::string& cp932Message, const char* accepted, long long given) {
    return {ShownText(cp932Message) + FormatText(200, kRefusalRange, {accepted, given})};
}

}  // namespace kestavel::cli
