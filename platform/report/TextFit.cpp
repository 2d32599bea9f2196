// Line breaking with Qt's text layout at the reference resolution, line heights added up the way
// QPainter stacks the lines of a text, so that the painted lines fill exactly the fitted height.
#include "TextFit.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

// Templates name Arial; these have its metrics (or come close) and are in Debian.
void substituteFonts()
{
    static const bool done = [] {
        QFont::insertSubstitutions(u"Arial"_s,
                                   {u"Liberation Sans"_s, u"DejaVu Sans"_s});
        return true;
    }();
    Q_UNUSED(done);
}

QStringList breakLines(const QString& text, const QFont& font, double width)
{
    QString paragraphs = text;
    paragraphs.replace(QLatin1String("\r\n"), u"\n"_s).replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(paragraphs, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString piece = paragraphs.mid(line.textStart(), line.textLength());
        while (!piece.isEmpty() && (piece.back().isSpace() || piece.back() == QChar::LineSeparator))
            piece.chop(1);
        lines << piece;
    }
    layout.endLayout();
    return lines;
}

} // namespace

QFont textFont(const FontSpec& style)
{
    substituteFonts();
    QFont font(style.family);
    font.setPixelSize(std::max(1, int(std::lround(style.size * 25.4 / 72 * textDotsPerMm))));
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

FittedText fitText(const QString& text, const FontSpec& style, double boxWidth)
{
    FittedText fitted;
    if (text.isEmpty()) {
        fitted.height = 2 * textGapY;
        return fitted;
    }
    const QFont font = textFont(style);
    const QFontMetricsF metrics(font);
    const double width = std::max(1.0, (boxWidth - 2 * textGapX) * textDotsPerMm);
    const bool oneLine = !text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= width;
    fitted.lines = oneLine ? QStringList{text} : breakLines(text, font, width);
    // QPainter starts each line after the previous one's leading, on a whole pixel.
    double height = -metrics.leading();
    for (qsizetype i = 0; i < fitted.lines.size(); ++i)
        height = std::ceil(height + metrics.leading()) + metrics.height();
    fitted.height = height / textDotsPerMm + 2 * textGapY;
    return fitted;
}

} // namespace dukkano::report
