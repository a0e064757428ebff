#include "cli/platform/system_error_text.h"

#include <cerrno>

#include "cli/cli_messages.h"
#include "text/text_format.h"

namespace kestavel::cli {

std::string SystemErrorText(int error) {
    switch (error) {
        case ENOENT: return kErrorNoSuchFile;
        case EACCES:
        case EPERM: return kErrorPermission;
        case EISDIR: return kErrorIsDirectory;
        case EIO: return kErrorInputOutput;
        case ENOTDIR: return kErrorNotAFolder;
        case ENOSPC: return kErrorNoSpace;
        default: return FormatText(100, kErrorNumbered, {error});
    }
}

}  // namespace kestavel::cli
