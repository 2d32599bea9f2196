// The preview window: a tool row above the page, the page rendered by the report painter.
#include "ReportPreview.h"

#include "Dialogs.h"
#include "Printers.h"
#include "ReportPainter.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

QString askPdfPath(QWidget* parent, const QString& suggestedName)
{
    return QFileDialog::getSaveFileName(parent, u"PDF Olarak Kaydet"_s, suggestedName,
                                        u"PDF dosyası (*.pdf)"_s);
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);  // keys stay with the window: page and zoom keys
    return b;
}

} // namespace

ReportPreview::ReportPreview(PreparedReport report, QWidget* parent)
    : QWidget(parent, Qt::Window), m_report(std::move(report)), m_choosePdfPath(askPdfPath)
{
    setWindowTitle(u"Önizleme"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    m_printerList = new QComboBox(this);
    m_printerList->setObjectName(u"printerList"_s);
    m_printerList->setMinimumContentsLength(20);
    auto* printButton = button(u"Yazdır"_s, u"printButton"_s, this);
    auto* pdfButton = button(u"PDF Olarak Kaydet"_s, u"pdfButton"_s, this);
    auto* zoomOutButton = button(u"Uzaklaştır"_s, u"zoomOutButton"_s, this);
    auto* zoomInButton = button(u"Yakınlaştır"_s, u"zoomInButton"_s, this);
    m_previousButton = button(u"< Önceki"_s, u"previousButton"_s, this);
    m_nextButton = button(u"Sonraki >"_s, u"nextButton"_s, this);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(u"pageLabel"_s);
    auto* closeButton = button(u"Kapat"_s, u"closeButton"_s, this);

    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(u"Yazıcı :"_s, this));
    tools->addWidget(m_printerList);
    tools->addWidget(printButton);
    tools->addWidget(pdfButton);
    tools->addSpacing(16);
    tools->addWidget(zoomOutButton);
    tools->addWidget(zoomInButton);
    tools->addSpacing(16);
    tools->addWidget(m_previousButton);
    tools->addWidget(m_pageLabel);
    tools->addWidget(m_nextButton);
    tools->addStretch();
    tools->addWidget(closeButton);

    m_pageView = new QLabel;
    m_pageView->setObjectName(u"pageView"_s);
    m_pageView->setMargin(12);  // the page stands on the dark background, not against its edge
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_pageView);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_scroll);

    connect(printButton, &QPushButton::clicked, this, &ReportPreview::printOnChosenPrinter);
    connect(pdfButton, &QPushButton::clicked, this, &ReportPreview::exportToPdf);
    connect(zoomInButton, &QPushButton::clicked, this, &ReportPreview::zoomIn);
    connect(zoomOutButton, &QPushButton::clicked, this, &ReportPreview::zoomOut);
    connect(m_previousButton, &QPushButton::clicked, this, &ReportPreview::previousPage);
    connect(m_nextButton, &QPushButton::clicked, this, &ReportPreview::nextPage);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    fillPrinterList();
    resize(900, 700);
    render();
}

void ReportPreview::fillPrinterList()
{
    m_printerList->addItems(printers().names());
    const int defaultIndex = m_printerList->findText(printers().defaultName());
    m_printerList->setCurrentIndex(defaultIndex >= 0 ? defaultIndex : 0);
}

void ReportPreview::showPage(int index)
{
    const int last = int(m_report.pages.size()) - 1;
    m_pageIndex = std::clamp(index, 0, std::max(last, 0));
    render();
}

void ReportPreview::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.25, 5.0);
    render();
}

void ReportPreview::render()
{
    const int count = int(m_report.pages.size());
    m_pageLabel->setText(u"Sayfa %1 / %2"_s.arg(count ? m_pageIndex + 1 : 0).arg(count));
    m_previousButton->setEnabled(m_pageIndex > 0);
    m_nextButton->setEnabled(m_pageIndex + 1 < count);
    if (count == 0)
        return;
    m_pageView->setPixmap(QPixmap::fromImage(renderPage(m_report.pages[m_pageIndex], m_zoom * logicalDpiX())));
    m_pageView->adjustSize();
}

void ReportPreview::printOnChosenPrinter()
{
    const PrintResult result = printReport(m_report, m_printerList->currentText());
    if (!result.ok)
        showMessage(result.message);
}

void ReportPreview::exportToPdf()
{
    const QString path = m_choosePdfPath(this, m_report.name + u".pdf"_s);
    if (path.isEmpty())
        return;
    const PrintResult result = report::exportPdf(m_report, path);
    if (!result.ok)
        showMessage(result.message);
}

void ReportPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: close(); break;
    case Qt::Key_PageDown: nextPage(); break;
    case Qt::Key_PageUp: previousPage(); break;
    case Qt::Key_Plus: zoomIn(); break;
    case Qt::Key_Minus: zoomOut(); break;
    case Qt::Key_Home: showPage(0); break;
    case Qt::Key_End: showPage(int(m_report.pages.size()) - 1); break;
    default: QWidget::keyPressEvent(event);
    }
}

ReportPreview* showPreview(PreparedReport report, QWidget* parent)
{
    auto* preview = new ReportPreview(std::move(report), parent);
    preview->show();
    return preview;
}

} // namespace dukkano::report
