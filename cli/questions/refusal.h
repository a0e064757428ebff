#pragma once
// Input the window's own checks refuse: its message, then what it takes and what it got.

#include <string>
#include <variant>

namespace kestavel::cli {

struct Refusal {
    std::string message;  // UTF-8, without the program's name
};

// `cp932Message` is the window's text; `accepted` says what it takes ("1 to 9").
Refusal RefusalOf(const std::string& cp932Message, const char* accepted, long long given);

template <typename Result>
using Outcome = std::variant<Result, Refusal>;

}  // namespace kestavel::cli
