#include "ui/pendingpicture.h"

namespace norvel {

QImage readPicture(const QString &file)
{
    const QImage image(file);
    if (image.isNull())
        qWarning("Norvel: picture %s cannot be loaded", qPrintable(file));
    return image;
}

// Where no thread can be had, the picture is decoded when it is taken.
PendingPicture::PendingPicture(const QString &file)
    : decoded_(std::async(std::launch::async | std::launch::deferred, readPicture, file))
{
}

bool PendingPicture::isPending() const
{
    return decoded_.valid();
}

QImage PendingPicture::take()
{
    return decoded_.get();
}

} // namespace norvel
