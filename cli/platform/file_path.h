#pragma once
// A path from the command line, which the program holds as UTF-8: on Windows it must reach the
// file system as UTF-16 (the ANSI functions would lose every character outside the system's
// code page); elsewhere its bytes pass unchanged.

#include <filesystem>
#include <string>

namespace kestavel::cli {

inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace kestavel::cli
