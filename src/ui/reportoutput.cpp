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

// Qt's writer has no field for keywords: they go in the document's XMP metadata, which then
// replaces Qt's own and so carries the title and the creator too.
QByteArray xmpMetadata(const QString &title, const QString &creator, const QString &keywords)
{
    return QStringLiteral(
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
               "<x:xmpmeta xmlns:x='adobe:ns:meta/'>"
               "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
               "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
               "xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>"
               "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>"
               "<xmp:CreatorTool>%2</xmp:CreatorTool><pdf:Keywords>%3</pdf:Keywords>"
               "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>")
        .arg(title.toHtmlEscaped(), creator.toHtmlEscaped(), keywords.toHtmlEscaped())
        .toUtf8();
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
        if (!report.keywords.isEmpty())
            writer.setDocumentXmpMetadata(
                xmpMetadata(writer.title(), writer.creator(), report.keywords));
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
