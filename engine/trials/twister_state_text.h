#pragma once
// The state of a std::mt19937 as words of its sequence, read from and written to the text of its
// stream operators, the only portable way into it. Standard libraries write that text in one of
// two forms; both are read and written here, and which one this library writes is told once
// from an engine's own text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "engine/trials/trial_kernel.h"

namespace kestavel {

enum class TwisterStateForm {
    // The standard's (libc++ writes it): the last 624 words the engine made, X(i-624) ...
    // X(i-1), oldest first; the next output is X(i).
    kLastWords,
    // libstdc++'s: the 624 words of the engine's current block, then the index of the word of
    // its next output (624 once the block is used up; the engine makes a whole block at a time).
    kBlockAndIndex,
};

// 624 consecutive words of the engine's sequence, and where its next output lies from the first.
struct TwisterState {
    uint32_t words[kTwisterWords];
    size_t next;  // 0 to 624; always 624 in the standard's form
};

// The form this library writes, told by how many numbers an engine's text holds (624 or 625);
// empty for any other. Worked out once; TwisterStateUnderstood checks it against the draws.
std::optional<TwisterStateForm> ThisLibrarysTwisterStateForm();

std::string TwisterStateText(const std::mt19937& engine);
// False unless the text is exactly one state in the given form.
bool ParseTwisterState(std::string_view text, TwisterStateForm form, TwisterState& state);
// words[0, 624) as the state with its next output at `next`; the standard's form has no index
// and stands for next == 624.
std::string FormatTwisterState(const uint32_t* words, size_t next, TwisterStateForm form);
// Sets the engine from its text; false, and the engine untouched, when it does not take it.
bool SetTwisterStateText(std::mt19937& engine, const std::string& text);

// The engine's state in this library's form; false when that form is unknown or the text is not
// as it should be.
bool ReadTwisterState(const std::mt19937& engine, TwisterState& state, TwisterStateForm& form);

}  // namespace kestavel
