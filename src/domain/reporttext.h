#pragma once

#include <QString>

namespace norvel {

class Report;

// The report as a reader meets it: every visible label and text field, section by section,
// row by row from the top and left to right within a row. Boxes far apart on a row are
// separated by a tab, boxes side by side by a space; a box's own line breaks become spaces.
QString reportReadingText(const Report &report);

} // namespace norvel
