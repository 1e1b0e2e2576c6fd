#pragma once

#include <cstdio>

namespace norvel {

// A one-line bar on a terminal while many files are quoted; nothing at all when the stream is
// not a terminal or there is a single file, so redirected output stays clean.
class ProgressBar {
public:
    ProgressBar(std::FILE *stream, int total);
    ~ProgressBar();
    void advance();

private:
    void draw() const;

    std::FILE *stream_;
    int total_;
    int done_ = 0;
    bool shown_;
};

} // namespace norvel
