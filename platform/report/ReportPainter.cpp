// Painting in device units: every length is converted from millimetres here, so the same page
// comes out the same size on the screen, on paper and in a PDF file. Texts are drawn in the
// pixels of the resolution they were laid out at, scaled to the device.
#include "ReportPainter.h"

#include "TextFit.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

class Scale {
public:
    explicit Scale(const QPaintDevice& device)
        : m_x(device.logicalDpiX() / 25.4), m_y(device.logicalDpiY() / 25.4) {}
    QPointF point(QPointF mm) const { return {mm.x() * m_x, mm.y() * m_y}; }
    QRectF rect(const QRectF& mm) const { return {point(mm.topLeft()), point(mm.bottomRight())}; }
    double length(double mm) const { return mm * (m_x + m_y) / 2; }
    // From pixels of the resolution texts are laid out at to the device's.
    double textX() const { return m_x / textDotsPerMm; }
    double textY() const { return m_y / textDotsPerMm; }

private:
    double m_x, m_y;
};

int alignment(const PreparedText& t)
{
    const int h = t.hAlign == HAlign::Center ? Qt::AlignHCenter : t.hAlign == HAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
    const int v = t.vAlign == VAlign::Center ? Qt::AlignVCenter : t.vAlign == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignTop;
    return h | v | Qt::TextDontClip;
}

// The lines the engine chose, drawn at the resolution they were measured at.
void paintText(const PreparedText& t, QPainter& painter, const Scale& scale)
{
    if (t.frame) {
        painter.setPen(QPen(Qt::black, scale.length(0.26)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(scale.rect(t.rect));
    }
    painter.save();
    painter.translate(scale.point(t.rect.topLeft()));
    painter.scale(scale.textX(), scale.textY());
    const QRectF inner(textGapX * textDotsPerMm, textGapY * textDotsPerMm,
                       (t.rect.width() - 2 * textGapX) * textDotsPerMm, (t.rect.height() - 2 * textGapY) * textDotsPerMm);
    painter.setFont(textFont(t.font));
    painter.setPen(t.color);
    painter.drawText(inner, alignment(t), t.lines.join(QLatin1Char('\n')));
    painter.restore();
}

} // namespace

void paintPage(const PreparedPage& page, QPainter& painter)
{
    const Scale scale(*painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PreparedLine& line : page.lines) {
        painter.setPen(QPen(line.color, scale.length(line.width), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(scale.point(line.line.p1()), scale.point(line.line.p2())));
    }
    // Bars are filled without antialiasing: a blurred edge is a wider bar to a scanner.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PreparedBarcode& barcode : page.barcodes)
        for (const QRectF& bar : barcode.bars)
            painter.fillRect(scale.rect(bar), Qt::black);
    for (const PreparedText& text : page.texts)
        paintText(text, painter, scale);
    painter.restore();
}

QPageLayout pageLayout(const PreparedPage& page)
{
    // A short roll receipt is wider than high and still portrait: only landscape pages turn.
    // The paper is exactly the page, never the nearest standard size (80 x 113 mm is not an
    // 81 x 114 mm envelope).
    const QSizeF paper = page.landscape ? page.size.transposed() : page.size;
    QPageLayout layout(QPageSize(paper, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    // Painting starts at the paper's corner, whatever margins a printer says it cannot reach.
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

bool paintReport(const PreparedReport& report, QPagedPaintDevice& device)
{
    if (report.pages.empty())
        return false;
    device.setPageLayout(pageLayout(report.pages.front()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(pageLayout(report.pages[i]));
            if (!device.newPage()) {
                painter.end();
                return false;
            }
        }
        paintPage(report.pages[i], painter);
    }
    return painter.end();
}

PrintResult exportPdf(const PreparedReport& report, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setCreator(u"Dukkano"_s);
    writer.setTitle(report.name);
    if (!paintReport(report, writer))
        return PrintResult::failure(u"PDF dosyası yazılamadı: %1"_s.arg(path));
    return PrintResult::success();
}

QImage renderPage(const PreparedPage& page, double dotsPerInch)
{
    const double pixelsPerMm = dotsPerInch / 25.4;
    QImage image(qMax(1, qRound(page.size.width() * pixelsPerMm)), qMax(1, qRound(page.size.height() * pixelsPerMm)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(page, painter);
    return image;
}

} // namespace dukkano::report
