// The window's progress: every text reaches the sink, at most one an interval reaches the
// label, and the label ends as the search leaves it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "record/enemy_speed_estimation.h"
#include "commands/progress/throttled_progress.h"
#include "tests/fakes.h"

namespace kestavel {
namespace {

class FakeClock final : public MonotonicClock {
public:
    int64_t now = 0;
    int64_t NowMicroseconds() const override { return now; }
};

TEST(ThrottledProgress, PassesOnAtMostOneTextAnIntervalAndTheEmptyOneAtOnce) {
    const struct {
        int64_t at;
        const char* text;
    } given[] = {{1000, "a"}, {5000, "b"}, {16999, "c"}, {17000, "d"}, {20000, "e"}, {40000, "f"}, {41000, "g"}, {42000, ""}};
    FakeClock clock;
    testing::RecordingProgress display;
    ThrottledProgress progress(display, clock, 16000);
    for (const auto& g : given) {
        clock.now = g.at;
        progress.ReplaceText(g.text);
    }
    EXPECT_EQ(display.texts, (std::vector<std::string>{"a", "d", "f", ""}));
    progress.Flush();  // nothing is kept back after the empty text
    EXPECT_EQ(display.texts.size(), 4u);

    progress.ReplaceText("h");  // within the interval of the empty text: kept back, then replaced
    progress.ReplaceText("i");
    progress.Flush();
    EXPECT_EQ(display.texts, (std::vector<std::string>{"a", "d", "f", "", "i"}));
}

// Even when no time passes at all, the label shows the search's first progress text, and the
// command's header replaces the search's closing text.
TEST(ThrottledProgress, TheEstimationCommandStillEndsWithItsHeader) {
    testing::FakeForm form;
    form.texts[kFieldFirstAllySpeed] = "60";
    form.texts[kFieldObservedFirstStrike] = "80";
    auto s = std::make_unique<SpeedSimulator>(3u);
    FakeClock clock;
    StatusLabelProgress label(form);
    ThrottledProgress progress(label, clock);
    ASSERT_EQ(OnEstimate(*s, form, kMatchFirstStrike, progress), 0);

    std::vector<std::string> status;
    for (const auto& [id, text] : form.writes) {
        if (id == kLabelEstimateStatus) status.push_back(text);
    }
    EXPECT_EQ(status, (std::vector<std::string>{"", "計算中: 1.5％", "", "敵素早\t先制率　1体完封率"}));
}

}  // namespace
}  // namespace kestavel
