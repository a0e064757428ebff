#include "commands/progress/throttled_progress.h"

namespace kestavel {

ThrottledProgress::ThrottledProgress(ProgressSink& display, const MonotonicClock& clock, int64_t intervalMicroseconds)
    : display_(display), clock_(clock), interval_(intervalMicroseconds) {}

void ThrottledProgress::ReplaceText(const std::string& text) {
    if (text.empty() || !shownAny_ || clock_.NowMicroseconds() - lastShown_ >= interval_) {
        PassOn(text);
        return;
    }
    pendingText_ = text;
    pending_ = true;
}

void ThrottledProgress::Flush() {
    if (pending_) PassOn(pendingText_);
}

void ThrottledProgress::PassOn(const std::string& text) {
    display_.ReplaceText(text);
    lastShown_ = clock_.NowMicroseconds();
    shownAny_ = true;
    pending_ = false;
}

}  // namespace kestavel
