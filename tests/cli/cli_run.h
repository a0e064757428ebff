#pragma once
// kestavel-cli run as a process, as a user or a script runs it.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace kestavel::testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

// The tool writes UTF-8; plain literals in the tests are code page 932.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Runs the tool with `args` through the shell (quote and redirect as a shell would), with the
// variables of `environment` ("LANG=ja_JP.UTF-8") set for it alone.
inline Outcome RunCliIn(const std::string& environment, const std::string& args) {
    const std::string errPath =
        std::filesystem::temp_directory_path() / ("kestavel-cli-err-" + std::to_string(::getpid()));
    Outcome outcome;
    FILE* pipe = ::popen((environment + " " + KESTAVEL_CLI_PATH + " " + args + " 2>" + errPath).c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) outcome.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errPath);
    outcome.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errPath);
    return outcome;
}

// The environment of a system that speaks neither Japanese nor anything the tool knows: English.
constexpr const char* kEnglishSystem = "LC_ALL= LC_MESSAGES= LANG=C";

// Runs the tool on an English system, whatever the machine's language: the messages in the
// tests are its English ones.
inline Outcome RunCli(const std::string& args) { return RunCliIn(kEnglishSystem, args); }

// A file in the temporary directory, removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& content, const std::string& suffix = "")
        : path_(std::filesystem::temp_directory_path() / ("kestavel-cli-" + std::to_string(::getpid()) + "-" +
                                                          std::to_string(counter_++) + suffix)) {
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

}  // namespace kestavel::testing
