#pragma once
// Stand-ins for the window: a form of texts by identifier, a progress sink, a message box and a
// trace that remember what they were given.

#include <map>
#include <string>
#include <vector>

#include "commands/form.h"
#include "text/debug_trace.h"
#include "commands/progress/progress_sink.h"
#include "commands/progress/progress_wording.h"
#include "roster/message_box_sink.h"

namespace kestavel::testing {

class FakeForm : public Form {
public:
    std::map<int, std::string> texts;
    std::vector<std::pair<int, std::string>> writes;  // every write, in order

    std::string ReadText(int id) override {
        reads.push_back(id);
        return texts[id];
    }
    void WriteText(int id, const std::string& text) override {
        texts[id] = text;
        writes.emplace_back(id, text);
    }
    std::vector<int> reads;
};

// Remembers every progress text; given the estimation's progress in runs, words it as the
// window does and remembers those texts.
class RecordingProgress : public ProgressSink, public EstimationProgress {
public:
    std::vector<std::string> texts;
    void ReplaceText(const std::string& text) override { texts.push_back(text); }
    void SearchRunsDone(int32_t done, int32_t toDo) override { wording_.SearchRunsDone(done, toDo); }
    void TableStarted() override { wording_.TableStarted(); }
    void Finished() override { wording_.Finished(); }

private:
    ProgressWording wording_{*this};
};

// Remembers every message box it was asked to show, text and caption.
class RecordingMessageBox final : public MessageBoxSink {
public:
    std::vector<std::pair<std::string, std::string>> shown;
    void ShowMessage(const std::string& text, const std::string& caption) override { shown.emplace_back(text, caption); }
};

// Collects the trace lines while it lives.
class TraceCapture final : public TraceSink {
public:
    TraceCapture() : previous_(SetTraceSink(this)) {}
    ~TraceCapture() override { SetTraceSink(previous_); }
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;

private:
    TraceSink* previous_;
};

}  // namespace kestavel::testing
