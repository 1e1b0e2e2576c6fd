#pragma once

class QColor;

namespace norvel {

// The contrast ratio of two colours as WCAG 2.1 defines it, from 1 (the same luminance) to 21
// (black on white); text needs at least 4.5 to read well.
double contrastRatio(const QColor &text, const QColor &background);

} // namespace norvel
