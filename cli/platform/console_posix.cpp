#include <sys/ioctl.h>
#include <unistd.h>

#include "cli/platform/console.h"

namespace kestavel::cli {

namespace {
int DescriptorOf(Stream stream) { return stream == Stream::kOut ? STDOUT_FILENO : STDERR_FILENO; }
}  // namespace

void PrepareStandardStreams() {}

bool IsTerminal(Stream stream) { return ::isatty(DescriptorOf(stream)) != 0; }

int TerminalColumns(Stream stream) {
    winsize size{};
    if (::ioctl(DescriptorOf(stream), TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

bool TerminalErasesLines(Stream) { return true; }

ConsoleWrite WriteToConsole(Stream, std::string_view) { return ConsoleWrite::kNotAConsole; }

std::FILE* FileOf(Stream stream) { return stream == Stream::kOut ? stdout : stderr; }

}  // namespace kestavel::cli
