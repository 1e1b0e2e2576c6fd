#include "ui/reportoutput.h"

#include "base/pdfdocumentinfo.h"
#include "base/privatefile.h"
#include "domain/report.h"
#include "ui/reportpainter.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace norvel {

namespace {

QPageLayout letterPortrait()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Inch);
}

// The painter's whole sheet on a device whose page layout is `layout`.
QRectF sheet(const QPageLayout &layout, int resolution)
{
    return QRectF(QPointF(0, 0), layout.fullRectPixels(resolution).size());
}

} // namespace

void preparePrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(letterPortrait());
}

bool printReport(const Report &report, QPrinter &printer, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = printer.outputFileName().isEmpty() ? printer.printerName()
                                                        : printer.outputFileName();
        return false;
    }
    const QRectF page(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size());
    paintReport(report, painter, page);
    return painter.end();
}

bool exportPdf(const Report &report, const PdfDocumentInfo &info, const QString &path,
               QString *error)
{
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&page);
        writer.setResolution(1200);
        writer.setPageLayout(letterPortrait());
        writer.setTitle(info.title);
        writer.setCreator(info.creator);
        QPainter painter(&writer);
        paintReport(report, painter, sheet(writer.pageLayout(), writer.resolution()));
    }
    // Qt's writer knows no author or subject: the whole information is written after it. A
    // document it could not be added to still goes out, with the title and creator Qt wrote.
    QByteArray pdf = withDocumentInfo(page.data(), info, QDateTime::currentDateTime());
    if (pdf.isEmpty())
        pdf = page.data();
    QSaveFile file(path);
    // A write that failed in the buffer (a full disk) shows only at the flush: never commit it.
    const bool written =
        openPrivately(file) && file.write(pdf) == pdf.size() && file.flush() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

} // namespace norvel
