#include "ui/reportpainter.h"

#include "domain/report.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTextOption>

namespace norvel {

namespace {

constexpr int kTwipsPerPoint = 20;

QString loadFont()
{
    const QString folder = QStringLiteral("/usr/share/fonts/truetype/liberation2/");
    QString family;
    for (const char *file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(folder + QLatin1String(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            family = families.first();
    }
    return family;
}

void drawLabel(QPainter &painter, const ReportControl &control)
{
    painter.setFont(reportFont(control));
    QTextOption option(control.alignment);
    option.setWrapMode(QTextOption::WordWrap);
    painter.save();
    painter.setClipRect(control.twips);
    QString text = control.caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.drawText(QRectF(control.twips), text, option);
    painter.restore();
}

void drawControl(QPainter &painter, const ReportControl &control)
{
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::TextField:
        drawLabel(painter, control);
        break;
    case ControlKind::Shape:
        painter.drawRect(control.twips);
        break;
    case ControlKind::Line:
        painter.drawLine(QLineF(control.twips.left(), control.twips.top(),
                                control.twips.left() + control.twips.width(),
                                control.twips.top() + control.twips.height()));
        break;
    case ControlKind::Picture:
        if (!control.picture.isNull())
            painter.drawImage(QRectF(control.twips), control.picture);
        break;
    }
}

} // namespace

QString reportFontFamily()
{
    static const QString family = loadFont();
    return family;
}

QFont reportFont(const ReportControl &control)
{
    QFont font(reportFontFamily());
    // Sizes in twips: the painter is scaled, so the page lays out alike at every resolution.
    font.setPixelSize(qRound(control.pointSize * kTwipsPerPoint));
    font.setBold(control.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintReport(const Report &report, QPainter &painter, const QRectF &page)
{
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(page.width() / kPageWidthTwips, page.height() / kPageHeightTwips);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(QPen(Qt::black, 15)); // a hairline of 3/4 point
    painter.setBrush(Qt::NoBrush);

    const std::vector<ReportSection> &sections = report.sections();
    int top = kMarginTwips;
    for (size_t s = 0; s < sections.size(); ++s) {
        const ReportSection &section = sections[s];
        // The last section is the page footer, held at the bottom of the sheet.
        if (s + 1 == sections.size() && s > 0)
            top = kPageHeightTwips - kMarginTwips - section.height;
        painter.save();
        painter.translate(kMarginTwips, top);
        for (const ReportControl &control : section.controls)
            if (control.visible)
                drawControl(painter, control);
        painter.restore();
        top += section.height;
    }
    painter.restore();
}

} // namespace norvel
