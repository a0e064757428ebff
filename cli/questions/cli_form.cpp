#include "cli/questions/cli_form.h"

#include "cli/output/terminal_text.h"

namespace kestavel::cli {

std::string CliForm::Label(int controlId) const {
    auto it = texts_.find(controlId);
    return it == texts_.end() ? std::string{} : it->second;
}

std::string CliForm::ReadText(int controlId) { return Label(controlId); }

void CliForm::WriteText(int controlId, const std::string& text) {
    texts_[controlId] = text;
    if (controlId == echoId_ && progress_) progress_->Show(ShownText(text));
}

}  // namespace kestavel::cli
