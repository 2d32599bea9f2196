// The one painter of prepared pages, for the preview, the printer and PDF files alike.
#pragma once

#include "PreparedReport.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace dukkano::report {

// What became of a print or an export; the message is Turkish and fit to show as it is.
struct PrintResult {
    bool ok = false;
    QString message;
    static PrintResult success() { return {true, QString()}; }
    static PrintResult failure(const QString& message) { return {false, message}; }
};

// Paints a page with the paper's top-left corner at the painter's origin, converting
// millimetres to the device's own resolution (fonts keep their point sizes on any device).
void paintPage(const PreparedPage& page, QPainter& painter);

// The paper of a page, without margins (the prepared page has its own).
QPageLayout pageLayout(const PreparedPage& page);

// Paints every page on a printer or PDF writer, one sheet per page. The device must not be
// painting yet; false when painting could not begin or end (the device reports no more).
bool paintReport(const PreparedReport& report, QPagedPaintDevice& device);

// The report as a PDF file.
PrintResult exportPdf(const PreparedReport& report, const QString& path);

// A page as a picture at the given resolution, for the preview.
QImage renderPage(const PreparedPage& page, double dotsPerInch);

} // namespace dukkano::report
