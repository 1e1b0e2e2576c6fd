#include "domain/reporttext.h"

#include "domain/report.h"

#include <QStringList>
#include <algorithm>

namespace norvel {

namespace {

// Boxes whose tops differ by less than half a line of the report share a row.
constexpr int kRowTolerance = 135;
// A gap of a quarter inch or more separates columns.
constexpr int kColumnGap = 360;

// A caption's lines run on; the non-breaking spaces of amounts stay as they are.
QString oneLine(const QString &caption)
{
    QStringList parts;
    for (const QString &part : caption.split(QLatin1Char('\n')))
        if (const QString text = part.trimmed(); !text.isEmpty())
            parts << text;
    return parts.join(QLatin1Char(' '));
}

// Where the eye finds a box's text on its row: its left edge, its centre when centred, its
// right edge when aligned right.
int anchor(const ReportControl &box)
{
    if (box.alignment & Qt::AlignHCenter)
        return box.twips.center().x();
    if (box.alignment & Qt::AlignRight)
        return box.twips.right();
    return box.twips.left();
}

} // namespace

QString reportReadingText(const Report &report)
{
    QStringList lines;
    for (const ReportSection &section : report.sections()) {
        std::vector<const ReportControl *> shown;
        for (const ReportControl &control : section.controls) {
            const bool text =
                control.kind == ControlKind::Label || control.kind == ControlKind::TextField;
            if (text && control.visible && !oneLine(control.caption).isEmpty())
                shown.push_back(&control);
        }
        std::stable_sort(shown.begin(), shown.end(), [](auto *a, auto *b) {
            return a->twips.top() < b->twips.top();
        });
        for (size_t first = 0; first < shown.size();) {
            size_t end = first + 1;
            while (end < shown.size() &&
                   shown[end]->twips.top() - shown[first]->twips.top() < kRowTolerance)
                ++end;
            std::stable_sort(shown.begin() + first, shown.begin() + end, [](auto *a, auto *b) {
                return anchor(*a) < anchor(*b);
            });
            QString line;
            for (size_t i = first; i < end; ++i) {
                const ReportControl &box = *shown[i];
                if (i > first) {
                    const ReportControl &before = *shown[i - 1];
                    // Two boxes of the same text drawn over each other show it once.
                    if (box.twips.intersects(before.twips) && box.caption == before.caption)
                        continue;
                    line += box.twips.left() - before.twips.right() >= kColumnGap
                                ? QLatin1Char('\t')
                                : QLatin1Char(' ');
                }
                line += oneLine(box.caption);
            }
            lines << line;
            first = end;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace norvel
