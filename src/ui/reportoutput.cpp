#include "ui/reportoutput.h"

#include "base/privatefile.h"
#include "domain/report.h"
#include "ui/reportpainter.h"

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

bool exportPdf(const Report &report, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!openPrivately(file)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageLayout(letterPortrait());
        writer.setTitle(report.name());
        writer.setCreator(QStringLiteral("Norvel"));
        QPainter painter(&writer);
        paintReport(report, painter, sheet(writer.pageLayout(), writer.resolution()));
    }
    // A write that failed in the buffer (a full disk) shows only at the flush: never commit it.
    if (!file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace norvel
