#pragma once
// A progress sink that spares a slow display: it takes every text but passes one on at most
// once an interval, so that a search of a hundred quick runs repaints its label a few times
// instead of a hundred. The empty text, with which a search closes, always goes through at
// once, so that the label ends as the search leaves it.

#include <cstdint>
#include <string>

#include "commands/progress/progress_sink.h"

namespace kestavel {

// Where the time comes from: the system's steady clock, or a test's own.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual int64_t NowMicroseconds() const = 0;
};

const MonotonicClock& SteadyClock();

class ThrottledProgress final : public ProgressSink {
public:
    // About one frame of a 60 Hz display.
    static constexpr int64_t kDefaultIntervalMicroseconds = 16000;

    ThrottledProgress(ProgressSink& display, const MonotonicClock& clock,
                      int64_t intervalMicroseconds = kDefaultIntervalMicroseconds);

    // Passes `text` on when the interval has passed since the last text passed on (the first
    // text always does) or when it is empty; otherwise keeps it for the next chance.
    void ReplaceText(const std::string& text) override;

    // Passes on the text kept back, if any.
    void Flush();

private:
    void PassOn(const std::string& text);

    ProgressSink& display_;
    const MonotonicClock& clock_;
    int64_t interval_;
    int64_t lastShown_ = 0;
    bool shownAny_ = false;
    bool pending_ = false;
    std::string pendingText_;
};

}  // namespace kestavel
