#pragma once
// The window's form, made of the command line's values: the commands read its fields and write
// its labels exactly as they do in the window.

#include <map>
#include <string>

#include "cli/output/progress_line.h"
#include "commands/form.h"

namespace kestavel::cli {

class CliForm final : public kestavel::Form {
public:
    void SetField(int controlId, std::string text) { texts_[controlId] = std::move(text); }
    std::string Label(int controlId) const;

    // While set, every text written to `controlId` is also shown on `progress`.
    void EchoTo(int controlId, ProgressLine* progress) {
        echoId_ = controlId;
        progress_ = progress;
    }

    std::string ReadText(int controlId) override;
    void WriteText(int controlId, const std::string& text) override;

private:
    std::map<int, std::string> texts_;
    int echoId_ = -1;
    ProgressLine* progress_ = nullptr;
};

}  // namespace kestavel::cli
