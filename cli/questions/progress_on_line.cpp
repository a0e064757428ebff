#include "cli/questions/progress_on_line.h"

#include "report/text/shown_text.h"
#include "text/text_format.h"
#include "text/window_texts.h"

namespace kestavel::cli {

using report::ShownWindowText;

void ProgressOnLine::SearchRunsDone(int32_t done, int32_t toDo) {
    line_.Show(ShownWindowText(FormatText(kTextBufferSize, messages::kEstimateProgress, {(done * 100.0) / toDo})));
}

void ProgressOnLine::TableStarted() { line_.Show(ShownWindowText(messages::kEstimatePreparingTable)); }

void ProgressOnLine::Finished() { line_.Clear(); }

}  // namespace kestavel::cli
