#pragma once

#include <QString>

namespace norvel {

class Report;

// The report as a reader meets it: every visible label and text field, section by section,
// row by row from the top and in the order the eye meets them within a row (a centred box at
// its centre). Boxes far apart on a row are separated by a tab, boxes side by side by a space;
// a box's own line breaks become spaces, and a box drawn over another of the same text reads
// once.
QString reportReadingText(const Report &report);

} // namespace norvel
