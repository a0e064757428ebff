#include "cli/platform/system_error_text.h"

#include <cerrno>

#include "report/catalogue/catalogue.h"

namespace kestavel::cli {

using report::Say;

std::string SystemErrorText(int error) {
    switch (error) {
        case ENOENT: return Say("system.noSuchFile");
        case EACCES:
        case EPERM: return Say("system.permission");
        case EISDIR: return Say("system.isDirectory");
        case EIO: return Say("system.inputOutput");
        case ENOTDIR: return Say("system.notAFolder");
        case ENOSPC: return Say("system.noSpace");
        default: return Say("system.numbered", {error});
    }
}

}  // namespace kestavel::cli
