#include "pagewriter.h"

#include <QPageLayout>

namespace {

// Layout units are tenths of a point.
constexpr int kResolution = 720;
constexpr qreal pt(qreal points)
{
    return points * 10;
}

const QColor kNavy(0x1d, 0x35, 0x57);
const QColor kTeal(0x2a, 0x9d, 0x8f);
const QColor kGrey(0x55, 0x5f, 0x6b);
const QColor kStripe(0xee, 0xf3, 0xf6);

constexpr qreal kPageWidth = pt(612);
constexpr qreal kPageHeight = pt(792);
constexpr qreal kMargin = pt(60);
constexpr qreal kTop = pt(90);
constexpr qreal kBottom = kPageHeight - pt(70);
constexpr qreal kWidth = kPageWidth - 2 * kMargin;
constexpr int kWrap = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QFont font(qreal points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

PageWriter::PageWriter(const QString &path, const QString &title, const QString &footer)
    : writer_(path)
    , footer_(footer)
{
    writer_.setResolution(kResolution);
    writer_.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Norvel"));
    if (painter_.begin(&writer_))
        startPage();
}

void PageWriter::startPage()
{
    painter_.fillRect(QRectF(0, 0, kPageWidth, pt(36)), kNavy);
    painter_.fillRect(QRectF(0, pt(36), kPageWidth, pt(4)), kTeal);
    painter_.setFont(font(14, true));
    painter_.setPen(Qt::white);
    painter_.drawText(QRectF(kMargin, 0, kWidth, pt(36)), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Norvel"));
    painter_.setPen(QPen(kGrey, pt(0.5)));
    painter_.drawLine(QPointF(kMargin, kBottom + pt(20)),
                      QPointF(kMargin + kWidth, kBottom + pt(20)));
    painter_.setFont(font(8));
    const QRectF foot(kMargin, kBottom + pt(26), kWidth, pt(14));
    painter_.drawText(foot, Qt::AlignLeft | Qt::AlignTop, footer_);
    painter_.drawText(foot, Qt::AlignRight | Qt::AlignTop, QString::number(page_));
    y_ = kTop;
}

void PageWriter::pageBreak()
{
    flushHeading();
    nextPage();
}

void PageWriter::nextPage()
{
    writer_.newPage();
    ++page_;
    startPage();
}

void PageWriter::ensureRoom(qreal height)
{
    if (y_ + height > kBottom && y_ > kTop)
        nextPage();
}

qreal PageWriter::textHeight(const QRectF &box, const QFont &f, const QString &text, int flags)
{
    painter_.setFont(f);
    return painter_.boundingRect(QRectF(box.x(), box.y(), box.width(), kPageHeight), flags, text)
        .height();
}

void PageWriter::titleBlock(const QString &title, const QString &subtitle)
{
    painter_.setPen(kNavy);
    painter_.setFont(font(30, true));
    painter_.drawText(QRectF(kMargin, y_, kWidth, pt(40)), Qt::AlignLeft, title);
    y_ += pt(42);
    painter_.setPen(kTeal);
    painter_.setFont(font(15));
    const QRectF box(kMargin, y_, kWidth, 0);
    const qreal h = textHeight(box, font(15), subtitle, kWrap);
    painter_.drawText(QRectF(kMargin, y_, kWidth, h), kWrap, subtitle);
    y_ += h + pt(18);
}

void PageWriter::heading(const QString &text)
{
    flushHeading();
    afterItem_ = false;
    pending_ = {text, true};
}

void PageWriter::subheading(const QString &text)
{
    flushHeading();
    afterItem_ = false;
    pending_ = {text, false};
}

QFont PageWriter::headingFont() const
{
    return pending_.major ? font(14, true) : font(11, true);
}

qreal PageWriter::headingHeight()
{
    if (pending_.text.isEmpty())
        return 0;
    const qreal h = textHeight(QRectF(kMargin, y_, kWidth, 0), headingFont(), pending_.text, kWrap);
    return pending_.major ? h + pt(22) : h + pt(8);
}

void PageWriter::flushHeading()
{
    if (pending_.text.isEmpty())
        return;
    const qreal h = textHeight(QRectF(kMargin, y_, kWidth, 0), headingFont(), pending_.text, kWrap);
    y_ += pending_.major ? pt(10) : pt(4);
    painter_.setPen(kNavy);
    painter_.setFont(headingFont());
    painter_.drawText(QRectF(kMargin, y_, kWidth, h), kWrap, pending_.text);
    y_ += h + pt(pending_.major ? 2 : 4);
    if (pending_.major) {
        painter_.fillRect(QRectF(kMargin, y_, pt(40), pt(2)), kTeal);
        y_ += pt(10);
    }
    pending_ = {};
}

// A heading goes to the page of the block below it, never ends a page alone.
void PageWriter::place(qreal height)
{
    ensureRoom(headingHeight() + height);
    flushHeading();
}

void PageWriter::paragraph(const QString &text)
{
    // A paragraph after a list stands apart from it.
    if (afterItem_)
        y_ += pt(4);
    afterItem_ = false;
    const QRectF box(kMargin, y_, kWidth, 0);
    const qreal h = textHeight(box, font(10), text, kWrap);
    place(h);
    painter_.setPen(Qt::black);
    painter_.setFont(font(10));
    painter_.drawText(QRectF(kMargin, y_, kWidth, h), kWrap, text);
    y_ += h + pt(8);
}

void PageWriter::item(const QString &text)
{
    const qreal indent = pt(16);
    const QRectF box(kMargin + indent, y_, kWidth - indent, 0);
    const qreal h = textHeight(box, font(10), text, kWrap);
    place(h);
    painter_.setPen(Qt::black);
    painter_.setFont(font(10));
    painter_.fillRect(QRectF(kMargin + pt(4), y_ + pt(4.5), pt(4), pt(4)), kTeal);
    painter_.drawText(QRectF(box.x(), y_, box.width(), h), kWrap, text);
    y_ += h + pt(4);
    afterItem_ = true;
}

qreal PageWriter::rowHeight(const QStringList &cells, const QList<qreal> &widths, const QFont &f)
{
    qreal h = 0;
    for (qsizetype i = 0; i < cells.size(); ++i)
        h = qMax(h, textHeight(QRectF(0, 0, widths.at(i) - pt(6), 0), f, cells.at(i),
                               Qt::TextWordWrap | Qt::AlignHCenter));
    return h + pt(8);
}

void PageWriter::drawTableRow(const QStringList &cells, const QList<qreal> &widths, bool header)
{
    const QFont f = font(8.5, header);
    const qreal h = rowHeight(cells, widths, f);
    ensureRoom(h);
    qreal x = kMargin;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QRectF cell(x, y_, widths.at(i), h);
        painter_.fillRect(cell, header ? kNavy : (i == 0 ? kStripe : QColor(Qt::white)));
        painter_.setPen(QPen(kGrey, pt(0.4)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(cell);
        painter_.setPen(header ? QColor(Qt::white) : QColor(Qt::black));
        painter_.setFont(f);
        painter_.drawText(cell.adjusted(pt(3), pt(4), -pt(3), -pt(4)),
                          Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignVCenter, cells.at(i));
        x += widths.at(i);
    }
    y_ += h;
}

void PageWriter::table(const QStringList &header, const QList<QStringList> &rows)
{
    const qreal first = pt(52);
    const qreal other = (kWidth - first) / qMax<qsizetype>(1, header.size() - 1);
    QList<qreal> widths{first};
    for (qsizetype i = 1; i < header.size(); ++i)
        widths << other;
    // A grid is read as a whole: it goes to the next page rather than being split.
    qreal total = rowHeight(header, widths, font(8.5, true));
    for (const QStringList &row : rows)
        total += rowHeight(row, widths, font(8.5));
    place(total);
    drawTableRow(header, widths, true);
    for (const QStringList &row : rows)
        drawTableRow(row, widths, false);
    y_ += pt(12);
}

bool PageWriter::finish()
{
    flushHeading();
    return painter_.end();
}
