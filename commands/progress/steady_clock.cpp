// The system's steady clock behind MonotonicClock. This file holds no text: it is compiled with
// the UTF-8 execution character set, since <chrono> has a literal (the micro sign of "µs")
// that code page 932 cannot hold.

#include <chrono>

#include "commands/progress/throttled_progress.h"

namespace kestavel {

namespace {

class SystemSteadyClock final : public MonotonicClock {
public:
    int64_t NowMicroseconds() const override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    }
};

}  // namespace

const MonotonicClock& SteadyClock() {
    static const SystemSteadyClock clock;
    return clock;
}

}  // namespace kestavel
