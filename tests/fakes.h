#pragma once
// Stand-ins for the window: a form of texts by identifier, a progress sink, a message box and a
// trace that remember what they were given.

#include <map>
#include <string>
#include <vector>

#include "commands/form.h"
#include "engine/text/debug_trace.h"
#include "engine/progress_sink.h"
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

class RecordingProgress : public ProgressSink {
public:
    std::vector<std::string> texts;
    void ReplaceText(const std::string& text) override { texts.push_back(text); }
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
