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
                return a->twips.left() < b->twips.left();
            });
            QString line;
            for (size_t i = first; i < end; ++i) {
                if (i > first)
                    line += shown[i]->twips.left() - shown[i - 1]->twips.right() >= kColumnGap
                                ? QLatin1Char('\t')
                                : QLatin1Char(' ');
                line += oneLine(shown[i]->caption);
            }
            lines << line;
            first = end;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace norvel
