#include "ui/pendingpicture.h"

#include "base/largepages.h"

#include <QImageReader>

namespace norvel {

namespace {

// An image of the size and format the file will decode to, in a large buffer, for the decoder
// to fill in place; a null image (the decoder then allocates its own) for a small picture or
// another format.
QImage largeImage(const QSize &size, QImage::Format format)
{
    if (size.isEmpty() || format == QImage::Format_Invalid ||
        QImage::toPixelFormat(format).bitsPerPixel() != 32)
        return {};
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(size.height());
    void *buffer = bytes < kLargePageBytes ? nullptr : allocateLargeBuffer(bytes);
    if (!buffer)
        return {};
    return QImage(static_cast<uchar *>(buffer), size.width(), size.height(), bytesPerLine, format,
                  freeLargeBuffer, buffer);
}

} // namespace

QImage readPicture(const QString &file)
{
    QImageReader reader(file);
    QImage image = largeImage(reader.size(), reader.imageFormat());
    if (!reader.read(&image)) {
        qWarning("Norvel: picture %s cannot be loaded", qPrintable(file));
        return {};
    }
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
