// Fitting a text into its box: the lines it breaks into and the height they need. The engine
// chooses the lines; the painter draws exactly those, so a text is never cut on any device.
#pragma once

#include "ReportTemplate.h"

#include <QFont>
#include <QStringList>

namespace dukkano::report {

// Texts are laid out at this resolution on every device: fonts are sized in its pixels and the
// painter scales them, so a line is as wide on paper, in a PDF and on the screen as measured.
constexpr double textDotsPerMm = 1200 / 25.4;

// Room kept between a memo's box and its text, as on printed forms.
constexpr double textGapX = 0.5;  // mm
constexpr double textGapY = 0.25;

// The font of a template's style, in pixels of the reference resolution.
QFont textFont(const FontSpec& style);

struct FittedText {
    QStringList lines;  // broken between words; a word longer than the box between letters
    double height = 0;  // mm, the gaps above and below included
};

// The text broken into lines no wider than a box of this width (mm) allows; its own line
// breaks are kept.
FittedText fitText(const QString& text, const FontSpec& style, double boxWidth);

} // namespace dukkano::report
