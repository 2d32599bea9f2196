// The preview window of a prepared report: pages at a zoom, page by page, with printing on a
// chosen printer and export to a PDF file. It is an ordinary window: showing it never waits.
#pragma once

#include "PreparedReport.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace dukkano::report {

class ReportPreview : public QWidget {
    Q_OBJECT
public:
    explicit ReportPreview(PreparedReport report, QWidget* parent = nullptr);

    const PreparedReport& report() const { return m_report; }
    int pageIndex() const { return m_pageIndex; }  // 0-based
    double zoom() const { return m_zoom; }
    QComboBox* printerList() const { return m_printerList; }

    // Asks for the PDF file's path (empty: cancelled); by default a save dialog.
    using PathChooser = std::function<QString(QWidget* parent, const QString& suggestedName)>;
    void setPdfPathChooser(PathChooser chooser) { m_choosePdfPath = std::move(chooser); }

public slots:
    void showPage(int index);
    void nextPage() { showPage(m_pageIndex + 1); }
    void previousPage() { showPage(m_pageIndex - 1); }
    void zoomIn() { setZoom(m_zoom * 1.25); }
    void zoomOut() { setZoom(m_zoom / 1.25); }
    void setZoom(double zoom);
    void printOnChosenPrinter();
    void exportToPdf();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillPrinterList();
    void render();

    PreparedReport m_report;
    int m_pageIndex = 0;
    double m_zoom = 1;
    PathChooser m_choosePdfPath;

    QComboBox* m_printerList;
    QPushButton* m_previousButton;
    QPushButton* m_nextButton;
    QLabel* m_pageLabel;
    QScrollArea* m_scroll;
    QLabel* m_pageView;
};

// Opens a preview of the report in a window of its own, deleted when closed.
ReportPreview* showPreview(PreparedReport report, QWidget* parent = nullptr);

} // namespace dukkano::report
