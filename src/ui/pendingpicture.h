#pragma once

#include <QImage>
#include <QString>
#include <future>

namespace norvel {

// The picture of a file; an unreadable file gives a null picture and says so in the log, since
// a missing picture is a damaged installation, not the broker's doing.
QImage readPicture(const QString &file);

// A picture file decoded on another core while its window builds and shows itself: a large
// picture costs as much as the rest of the window, and nothing needs it before the first paint.
class PendingPicture {
public:
    PendingPicture() = default;
    explicit PendingPicture(const QString &file);

    bool isPending() const;
    // The decoded picture, waiting for it if it is not ready; afterwards nothing is pending.
    QImage take();

private:
    std::future<QImage> decoded_;
};

} // namespace norvel
