#pragma once
// Jumping a std::mt19937 ahead by any number of draws in about a millisecond, where discard
// takes time in proportion: what lets a long run of draws be split between threads, each
// starting where the one before it ends.

#include <cstdint>
#include <random>

#include "engine/trials/jump/twister_polynomial.h"
#include "engine/trials/twister_state_text.h"

namespace kestavel {

// Jumps of one distance, its polynomial worked out once (the larger part of a jump's cost), for
// many engines or one engine many times.
class TwisterJump {
public:
    explicit TwisterJump(uint64_t draws);
    // Leaves the engine exactly as engine.discard(draws) would, equal under ==.
    void Apply(std::mt19937& engine) const;
    // The same on a state as read in the given form: the state the engine would hold after the
    // draws, in that form.
    TwisterState Apply(const TwisterState& state, TwisterStateForm form) const;
    uint64_t Draws() const { return draws_; }

private:
    uint64_t draws_;
    uint64_t polynomialSteps_ = 0;  // the steps the polynomial takes; the rest are made one by one
    TwisterPolynomial polynomial_{};
};

// engine.discard(draws), the fastest way for that distance.
void JumpAhead(std::mt19937& engine, uint64_t draws);

}  // namespace kestavel
