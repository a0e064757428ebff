#include "commands/progress/progress_wording.h"

#include "text/text_format.h"
#include "text/window_texts.h"

namespace kestavel {

void ProgressWording::SearchRunsDone(int32_t done, int32_t toDo) {
    const double percent = (done * 100.0) / toDo;
    label_.ReplaceText(FormatText(kTextBufferSize, messages::kEstimateProgress, {percent}));
}

void ProgressWording::TableStarted() { label_.ReplaceText(messages::kEstimatePreparingTable); }

void ProgressWording::Finished() { label_.ReplaceText(""); }

}  // namespace kestavel
