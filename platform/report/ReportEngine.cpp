// The band layout: title on the first page, page header at the top of each page, one master
// band per row, the footer after the last row and the page footer at the foot of each page
// (right after the content on an endless page).
#include "ReportEngine.h"

#include "Barcode.h"
#include "Clock.h"
#include "DataError.h"
#include "Dataset.h"
#include "Expression.h"

#include <algorithm>
#include <optional>

namespace dukkano::report {
namespace {

constexpr double pointInMm = 25.4 / 72;
constexpr double tolerance = 1e-6;  // mm; band heights add up in floating point

class Layout : public EvaluationContext {
public:
    Layout(const ReportTemplate& report, const ReportDatasets& datasets)
        : m_template(report), m_page(report.page), m_now(Clock::now())
    {
        for (auto it = datasets.begin(); it != datasets.end(); ++it)
            m_sources.insert(it.key().toLower(), Source{it.value(), std::nullopt});
        m_master = report.band(BandKind::MasterData);
        for (const ReportObject& object : report.pageObjects)
            std::visit([this](const auto& o) { m_pageObjectsBottom = std::max(m_pageObjectsBottom, o.rect.bottom()); },
                       object);
        compile(report.pageObjects);
        for (const Band& band : report.bands)
            compile(band.objects);
    }

    PreparedReport run()
    {
        m_report.name = m_template.name;
        Source* master = m_master ? &source(m_master->dataset) : nullptr;
        const int rows = master ? master->dataset->recordCount() : 0;
        if (master && rows > 0)
            master->row = 0;
        startPage();
        for (int row = 0; row < rows; ++row) {
            makeRoom(m_master->height);
            master->row = row;
            m_line = row + 1;
            addRowToSums();
            placeBand(m_master);
            m_bodyOnPage = true;
        }
        if (const Band* footer = m_template.band(BandKind::Footer)) {
            makeRoom(footer->height);
            placeBand(footer);
        }
        finishPage();
        fillInPageCount();
        return std::move(m_report);
    }

    QVariant field(const QString& dataset, const QString& field) override
    {
        const Source& s = source(dataset);
        if (s.row)
            return s.dataset->valueAt(*s.row, s.dataset->fieldIndex(field));
        return s.dataset->value(field);
    }

    QVariant sum(const Node& node) override { return m_sums.value(&node, qint64(0)); }

    QVariant variable(const QString& name) override
    {
        if (name == QLatin1String("Date"))
            return m_now.date();
        if (name == QLatin1String("Time"))
            return m_now.time();
        if (name == QLatin1String("Page") || name == QLatin1String("Page#"))
            return qint64(m_report.pages.size() + 1);
        if (name == QLatin1String("TotalPages#"))
            return totalPagesPlaceholder();
        return qint64(m_line);  // Line, Line#
    }

private:
    struct Source {
        Dataset* dataset;
        std::optional<int> row;  // the row a master band reads in place; else the current row
    };

    Source& source(const QString& name)
    {
        const auto it = m_sources.find(name.toLower());
        if (it == m_sources.end() || !it->dataset)
            throw DataError(QStringLiteral("%1 raporunun veri kaynağı \"%2\" verilmedi.").arg(m_template.name, name));
        return *it;
    }

    void check(const Node& node)
    {
        if (node.kind == Node::Kind::Field && source(node.dataset).dataset->fieldIndex(node.name) < 0)
            throw DataError(QStringLiteral("%1 raporunun veri kaynağı \"%2\" içinde \"%3\" alanı yok.")
                                .arg(m_template.name, node.dataset, node.name));
        if (node.kind == Node::Kind::Sum) {
            if (!m_master || m_master->name.compare(node.name, Qt::CaseInsensitive) != 0)
                throw DataError(QStringLiteral("%1 raporunda \"%2\" adlı veri bandı yok.").arg(m_template.name, node.name));
            m_sums.insert(&node, qint64(0));
        }
    }

    void compile(const QString& text)
    {
        CompiledText compiled = compileText(text);
        for (const auto& segment : compiled.segments)
            if (segment.expression)
                forEachNode(*segment.expression, [this](const Node& n) { check(n); });
        m_compiled.insert(&text, std::move(compiled));
    }

    void compile(const std::vector<ReportObject>& objects)
    {
        for (const ReportObject& object : objects) {
            if (const auto* t = std::get_if<TextObject>(&object))
                compile(t->text);
            else if (const auto* b = std::get_if<BarcodeObject>(&object))
                compile(b->data);
        }
    }

    QString textOf(const QString& templateText, const QString& format)
    {
        return evaluateText(m_compiled[&templateText], *this, format);
    }

    void addRowToSums()
    {
        for (auto it = m_sums.begin(); it != m_sums.end(); ++it)
            it.value() = add(it.value(), evaluate(*it.key()->args[0], *this));
    }

    void startPage()
    {
        m_current = PreparedPage();
        m_current.number = int(m_report.pages.size()) + 1;
        m_current.size = m_page.orientedSize();
        m_current.landscape = m_page.landscape;
        m_y = 0;
        m_bodyOnPage = false;
        place(m_template.pageObjects, 0);
        if (m_report.pages.empty())
            placeBand(m_template.band(BandKind::ReportTitle));
        placeBand(m_template.band(BandKind::PageHeader));
    }

    void finishPage()
    {
        if (const Band* footer = m_template.band(BandKind::PageFooter)) {
            if (!m_page.endlessHeight)
                m_y = std::max(m_y, m_page.printableHeight() - footer->height);
            placeBand(footer);
        }
        if (m_page.endlessHeight)
            m_current.size.setHeight(m_page.marginTop + std::max(m_y, m_pageObjectsBottom) + m_page.marginBottom);
        m_report.pages.push_back(std::move(m_current));
    }

    // A band that does not fit above the page footer goes to a new page, unless the page holds
    // no data yet: a band taller than the page then takes a page of its own.
    void makeRoom(double height)
    {
        if (m_page.endlessHeight || !m_bodyOnPage)
            return;
        const Band* pageFooter = m_template.band(BandKind::PageFooter);
        const double limit = m_page.printableHeight() - (pageFooter ? pageFooter->height : 0);
        if (m_y + height > limit + tolerance) {
            finishPage();
            startPage();
        }
    }

    void placeBand(const Band* band)
    {
        if (!band)
            return;
        place(band->objects, m_y);
        m_y += band->height;
    }

    void place(const std::vector<ReportObject>& objects, double y)
    {
        const QPointF origin(m_page.marginLeft, m_page.marginTop + y);
        for (const ReportObject& object : objects) {
            if (const auto* t = std::get_if<TextObject>(&object))
                placeText(*t, origin);
            else if (const auto* l = std::get_if<LineObject>(&object))
                placeLine(*l, origin);
            else if (const auto* b = std::get_if<BarcodeObject>(&object))
                placeBarcode(*b, origin);
        }
    }

    void placeText(const TextObject& t, QPointF origin)
    {
        m_current.texts.push_back({t.name, textOf(t.text, t.format), t.rect.translated(origin), t.font, t.color,
                                   t.hAlign, t.vAlign, t.frame, t.wordWrap, t.clip});
    }

    void placeLine(const LineObject& l, QPointF origin)
    {
        m_current.lines.push_back(
            {l.name, QLineF(l.rect.topLeft() + origin, l.rect.bottomRight() + origin), l.width, l.color});
    }

    // The symbol keeps its module width unless the box is too narrow for it, and is centred in
    // the box with its quiet zones; the text sits under the bars.
    void placeBarcode(const BarcodeObject& b, QPointF origin)
    {
        const QRectF box = b.rect.translated(origin);
        const QString data = textOf(b.data, QString());
        const Code128 code = encodeCode128(data);
        const double textHeight = b.showText ? b.font.size * pointInMm * 1.2 : 0;
        const double barHeight = std::max(box.height() - textHeight, box.height() / 2);

        PreparedBarcode prepared{b.name, data, box, {}, code.error};
        if (code.ok()) {
            const double module = std::min(b.moduleWidth, box.width() / code.modules);
            const double left = box.left() + (box.width() - module * code.modules) / 2;
            for (const QRectF& bar : code.bars)
                prepared.bars.emplace_back(left + bar.x() * module, box.top(), bar.width() * module, barHeight);
        }
        m_current.barcodes.push_back(std::move(prepared));
        if (b.showText)
            m_current.texts.push_back({b.name, data, QRectF(box.left(), box.top() + barHeight, box.width(), textHeight),
                                       b.font, Qt::black, HAlign::Center, VAlign::Top, false, false, false});
    }

    void fillInPageCount()
    {
        const QString count = QString::number(m_report.pages.size());
        for (PreparedPage& page : m_report.pages)
            for (PreparedText& text : page.texts)
                text.text.replace(totalPagesPlaceholder(), count);
    }

    const ReportTemplate& m_template;
    const PageTemplate& m_page;
    const Band* m_master = nullptr;
    const QDateTime m_now;
    QHash<QString, Source> m_sources;
    QHash<const QString*, CompiledText> m_compiled;  // by the address of the template's text
    QHash<const Node*, QVariant> m_sums;

    PreparedReport m_report;
    PreparedPage m_current;
    double m_y = 0;
    double m_pageObjectsBottom = 0;  // the objects on the page reach this far down
    bool m_bodyOnPage = false;
    int m_line = 0;
};

} // namespace

PreparedReport prepareReport(const ReportTemplate& report, const ReportDatasets& datasets)
{
    return Layout(report, datasets).run();
}

} // namespace dukkano::report
