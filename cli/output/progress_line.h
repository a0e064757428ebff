#pragma once
// A progress text on the terminal's stderr line: each text replaces the one before, cut to the
// terminal's width so that it never wraps, and nothing of it stays once cleared.

#include <string>

namespace kestavel::cli {

class ProgressLine {
public:
    // Shows nothing when stderr is not a terminal.
    ProgressLine();
    ~ProgressLine() { Clear(); }
    void Show(const std::string& utf8);
    void Clear();

private:
    bool terminal_ = false;
    bool shown_ = false;
    int columns_ = 80;
    std::string erase_;
};

// The longest start of `utf8` that fits in `columns` terminal columns (East Asian wide and
// full-width characters take two).
std::string FitToColumns(const std::string& utf8, int columns);

// The terminal columns `utf8` takes, counted as FitToColumns counts them.
int ColumnsOf(const std::string& utf8);

}  // namespace kestavel::cli
