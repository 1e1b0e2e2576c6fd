#pragma once

#include <QRectF>
#include <QString>

class QFont;
class QPainter;

namespace norvel {

class Report;
struct ReportControl;

// The page every report is laid out on: Letter, portrait, half-inch side margins (twips).
inline constexpr int kPageWidthTwips = 12240;
inline constexpr int kPageHeightTwips = 15840;
inline constexpr int kMarginTwips = 720;

// The report font, loaded from its file on first use so every machine lays the page out the
// same; empty when the font file cannot be loaded (the painter then falls back on the default).
QString reportFontFamily();

// The font a label or text field of the report is drawn in, sized in twips.
QFont reportFont(const ReportControl &control);

// Draws the one page of the report into `page`, the whole sheet in the painter's coordinates:
// the page header at the top margin, the detail below it, the page footer at the bottom margin.
void paintReport(const Report &report, QPainter &painter, const QRectF &page);

} // namespace norvel
