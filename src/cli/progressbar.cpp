#include "cli/progressbar.h"

#include <unistd.h>

namespace norvel {

namespace {

constexpr int kWidth = 40;

} // namespace

ProgressBar::ProgressBar(std::FILE *stream, int total)
    : stream_(stream)
    , total_(total)
    , shown_(total > 1 && isatty(fileno(stream)))
{
    if (shown_)
        draw();
}

ProgressBar::~ProgressBar()
{
    if (shown_)
        std::fputc('\n', stream_);
}

void ProgressBar::advance()
{
    ++done_;
    if (shown_)
        draw();
}

void ProgressBar::draw() const
{
    const int filled = total_ > 0 ? done_ * kWidth / total_ : kWidth;
    char bar[kWidth + 1];
    for (int i = 0; i < kWidth; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[kWidth] = '\0';
    std::fprintf(stream_, "\r[%s] %d/%d", bar, done_, total_);
    std::fflush(stream_);
}

} // namespace norvel
