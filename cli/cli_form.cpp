#include "cli/cli_form.h"

#include <cstdio>

#include "cli/cp932_to_utf8.h"

namespace kestavel::cli {

std::string CliForm::Label(int controlId) const {
    auto it = texts_.find(controlId);
    return it == texts_.end() ? std::string{} : it->second;
}

std::string CliForm::ReadText(int controlId) { return Label(controlId); }

void CliForm::WriteText(int controlId, const std::string& text) {
    texts_[controlId] = text;
    if (controlId == echoId_) {
        std::fprintf(stderr, "\r\x1b[K%s", Cp932ToUtf8(text).c_str());
        std::fflush(stderr);
        echoed_ = true;
    }
}

void CliForm::EndEcho() {
    if (echoed_) std::fputs("\r\x1b[K", stderr);
    echoId_ = -1;
    echoed_ = false;
}

}  // namespace kestavel::cli
