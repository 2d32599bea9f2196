// The band layout: title on the first page, page header at the top of each page, one master
// band per row, the footer after the last row and the page footer at the foot of each page
// (right after the content on an endless page). A text that needs more lines than its box holds
// makes the box taller; what stands below it in its band moves down and the band grows as much.
#include "ReportEngine.h"

#include "Barcode.h"
#include "Clock.h"
#include "DataError.h"
#include "Dataset.h"
#include "Expression.h"
#include "TextFit.h"

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

constexpr double tolerance = 1e-6;  // mm; band heights add up in floating point

class Layout : public EvaluationContext {
public:
    Layout(const ReportTemplate& report, const ReportDatasets& datasets)
        : m_template(report), m_page(report.page), m_now(Clock::now())
    {
        for (auto it = datasets.begin(); it != datasets.end(); ++it)
            m_sources.insert(it.key().toLower(), Source{it.value(), std::nullopt});
        m_master = report.band(BandKind::MasterData);
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
        for (int row = 0; row < rows; ++row)
            placeRow(*master, row);
        if (const Band* footer = m_template.band(BandKind::Footer))
            placeBody(*footer);
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

    // What the master band's row changes: a page closed before the row sees it as it was.
    struct RowState {
        std::optional<int> row;
        int line;
        QHash<const Node*, QVariant> sums;
    };

    // A band's objects prepared at their places in the band, before it goes on a page.
    struct Block {
        std::vector<PreparedText> texts;
        std::vector<PreparedLine> lines;
        std::vector<PreparedBarcode> barcodes;
        double height = 0;  // the band's height, grown with its content
        double bottom = 0;  // the lowest edge of its objects
    };

    // One object of a block: where the template put it, how much taller its content made it,
    // and what it prepared (indices into the block's lists; -1 for none).
    struct Placed {
        QRectF rect;
        double growth = 0;
        int text = -1, line = -1, barcode = -1;
    };

    Source& source(const QString& name)
    {
        const auto it = m_sources.find(name.toLower());
        if (it == m_sources.end() || !it->dataset)
            throw DataError(u"%1 raporunun veri kaynağı \"%2\" verilmedi."_s.arg(m_template.name, name));
        return *it;
    }

    void check(const Node& node)
    {
        if (node.kind == Node::Kind::Field && source(node.dataset).dataset->fieldIndex(node.name) < 0)
            throw DataError(u"%1 raporunun veri kaynağı \"%2\" içinde \"%3\" alanı yok."_s
                                .arg(m_template.name, node.dataset, node.name));
        if (node.kind == Node::Kind::Sum) {
            if (!m_master || m_master->name.compare(node.name, Qt::CaseInsensitive) != 0)
                throw DataError(u"%1 raporunda \"%2\" adlı veri bandı yok."_s.arg(m_template.name, node.name));
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
        const Block objects = layOut(m_template.pageObjects, 0);
        m_pageObjectsBottom = objects.bottom;
        put(objects, 0);
        if (m_report.pages.empty())
            placeBand(m_template.band(BandKind::ReportTitle));
        placeBand(m_template.band(BandKind::PageHeader));
        const Band* pageFooter = m_template.band(BandKind::PageFooter);
        m_pageFooterHeight = pageFooter && !m_page.endlessHeight ? layOut(*pageFooter).height : 0;
    }

    void finishPage()
    {
        if (const Band* footer = m_template.band(BandKind::PageFooter)) {
            const Block block = layOut(*footer);
            if (!m_page.endlessHeight)
                m_y = std::max(m_y, m_page.printableHeight() - block.height);
            append(block);
        }
        if (m_page.endlessHeight)
            m_current.size.setHeight(m_page.marginTop + std::max(m_y, m_pageObjectsBottom) + m_page.marginBottom);
        m_report.pages.push_back(std::move(m_current));
    }

    // A band that does not fit above the page footer goes to a new page, unless the page holds
    // no data yet: a band taller than the page then takes a page of its own.
    bool fits(const Block& block) const
    {
        return m_page.endlessHeight || !m_bodyOnPage
               || m_y + block.height <= m_page.printableHeight() - m_pageFooterHeight + tolerance;
    }

    void placeRow(Source& master, int row)
    {
        const RowState before{master.row, m_line, m_sums};
        master.row = row;
        m_line = row + 1;
        addRowToSums();
        Block block = layOut(*m_master);
        if (!fits(block)) {
            RowState after{master.row, m_line, m_sums};
            restore(master, before);
            newPage();
            restore(master, after);
            block = layOut(*m_master);
        }
        append(block);
        m_bodyOnPage = true;
    }

    void restore(Source& master, const RowState& state)
    {
        master.row = state.row;
        m_line = state.line;
        m_sums = state.sums;
    }

    void placeBody(const Band& band)
    {
        Block block = layOut(band);
        if (!fits(block)) {
            newPage();
            block = layOut(band);  // laid out afresh: it may show the page number
        }
        append(block);
    }

    void newPage()
    {
        finishPage();
        startPage();
    }

    void placeBand(const Band* band)
    {
        if (band)
            append(layOut(*band));
    }

    // The block at the current place on the page, which then moves below it.
    void append(const Block& block)
    {
        put(block, m_y);
        m_y += block.height;
    }

    Block layOut(const Band& band) { return layOut(band.objects, band.height); }

    // Every object is prepared in its place in the band; then, top to bottom, an object moves
    // down as far as the bottom edge of any object above it that shares some of its width went
    // down. The band grows by the most any object's bottom edge went down.
    Block layOut(const std::vector<ReportObject>& objects, double height)
    {
        Block block;
        std::vector<Placed> placed;
        for (const ReportObject& object : objects) {
            if (const auto* t = std::get_if<TextObject>(&object))
                placed.push_back(prepareText(*t, block));
            else if (const auto* l = std::get_if<LineObject>(&object))
                placed.push_back(prepareLine(*l, block));
            else if (const auto* b = std::get_if<BarcodeObject>(&object))
                placed.push_back(prepareBarcode(*b, block));
        }
        std::vector<size_t> order(placed.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return placed[a].rect.top() < placed[b].rect.top(); });
        std::vector<double> moved(placed.size(), 0);  // how far each object's bottom edge went down
        double deepest = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            const Placed& p = placed[order[i]];
            double shift = 0;
            for (size_t j = 0; j < i; ++j)
                if (isAbove(placed[order[j]].rect, p.rect))
                    shift = std::max(shift, moved[order[j]]);
            moved[order[i]] = shift + p.growth;
            deepest = std::max(deepest, shift + p.growth);
            translate(block, p, shift);
            block.bottom = std::max(block.bottom, p.rect.bottom() + shift + p.growth);
        }
        block.height = height + deepest;
        return block;
    }

    static bool isAbove(const QRectF& upper, const QRectF& lower)
    {
        if (upper.bottom() > lower.top() + tolerance)
            return false;
        const double left = std::max(upper.left(), lower.left());
        const double right = std::min(upper.right(), lower.right());
        const bool thin = upper.width() < tolerance || lower.width() < tolerance;  // a vertical line
        return right > left + tolerance || (thin && right >= left - tolerance);
    }

    static void translate(Block& block, const Placed& p, double dy)
    {
        if (p.text >= 0)
            block.texts[p.text].rect.translate(0, dy);
        if (p.line >= 0)
            block.lines[p.line].line.translate(0, dy);
        if (p.barcode >= 0) {
            PreparedBarcode& barcode = block.barcodes[p.barcode];
            barcode.rect.translate(0, dy);
            for (QRectF& bar : barcode.bars)
                bar.translate(0, dy);
        }
    }

    // The block's objects on the current page, its top edge y below the top margin.
    void put(const Block& block, double y)
    {
        const QPointF origin(m_page.marginLeft, m_page.marginTop + y);
        for (PreparedText text : block.texts) {
            text.rect.translate(origin);
            m_current.texts.push_back(std::move(text));
        }
        for (PreparedLine line : block.lines) {
            line.line.translate(origin);
            m_current.lines.push_back(std::move(line));
        }
        for (PreparedBarcode barcode : block.barcodes) {
            barcode.rect.translate(origin);
            for (QRectF& bar : barcode.bars)
                bar.translate(origin);
            m_current.barcodes.push_back(std::move(barcode));
        }
    }

    static PreparedText preparedText(const QString& objectName, const QString& text, const QRectF& rect,
                                     const FontSpec& font, QStringList lines)
    {
        PreparedText prepared;
        prepared.objectName = objectName;
        prepared.text = text;
        prepared.lines = std::move(lines);
        prepared.rect = rect;
        prepared.font = font;
        return prepared;
    }

    // A memo keeps its box unless its lines need more height; then the box grows down. One line
    // stands in its box as designed, even a box a little lower than the font.
    Placed prepareText(const TextObject& t, Block& block)
    {
        const QString text = textOf(t.text, t.format);
        FittedText fitted = fitText(text, t.font, t.rect.width());
        QRectF rect = t.rect;
        if (fitted.lines.size() > 1 && fitted.height > rect.height())
            rect.setHeight(fitted.height);
        PreparedText prepared = preparedText(t.name, text, rect, t.font, std::move(fitted.lines));
        prepared.color = t.color;
        prepared.hAlign = t.hAlign;
        prepared.vAlign = t.vAlign;
        prepared.frame = t.frame;
        const double growth = prepared.rect.height() - t.rect.height();
        block.texts.push_back(std::move(prepared));
        return {t.rect, growth, int(block.texts.size()) - 1};
    }

    Placed prepareLine(const LineObject& l, Block& block)
    {
        block.lines.push_back({l.name, QLineF(l.rect.topLeft(), l.rect.bottomRight()), l.width, l.color});
        return {l.rect.normalized(), 0, -1, int(block.lines.size()) - 1};
    }

    // The symbol keeps its module width unless the box is too narrow for it, and is centred in
    // the box with its quiet zones; the text sits under the bars, and the box grows when the
    // text needs more than one line.
    Placed prepareBarcode(const BarcodeObject& b, Block& block)
    {
        const QRectF& box = b.rect;
        const QString data = textOf(b.data, QString());
        const Code128 code = encodeCode128(data);
        Placed placed{box};
        std::optional<PreparedText> caption;
        double textHeight = 0;
        if (b.showText) {
            FittedText fitted = fitText(data, b.font, box.width());
            textHeight = fitted.height;
            caption = preparedText(b.name, data, QRectF(box.left(), 0, box.width(), textHeight), b.font,
                                   std::move(fitted.lines));
            caption->hAlign = HAlign::Center;
        }
        const double barHeight = std::max(box.height() - textHeight, box.height() / 2);

        PreparedBarcode prepared{b.name, data, box, {}, code.error};
        if (code.ok()) {
            const double module = std::min(b.moduleWidth, box.width() / code.modules);
            const double left = box.left() + (box.width() - module * code.modules) / 2;
            for (const QRectF& bar : code.bars)
                prepared.bars.emplace_back(left + bar.x() * module, box.top(), bar.width() * module, barHeight);
        }
        block.barcodes.push_back(std::move(prepared));
        placed.barcode = int(block.barcodes.size()) - 1;
        if (caption) {
            caption->rect.moveTop(box.top() + barHeight);
            placed.growth = std::max(0.0, caption->rect.bottom() - box.bottom());
            block.texts.push_back(std::move(*caption));
            placed.text = int(block.texts.size()) - 1;
        }
        return placed;
    }

    void fillInPageCount()
    {
        const QString count = QString::number(m_report.pages.size());
        for (PreparedPage& page : m_report.pages)
            for (PreparedText& text : page.texts) {
                text.text.replace(totalPagesPlaceholder(), count);
                text.lines.replaceInStrings(totalPagesPlaceholder(), count);
            }
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
    double m_pageFooterHeight = 0;   // on a page of fixed height
    bool m_bodyOnPage = false;
    int m_line = 0;
};

} // namespace

PreparedReport prepareReport(const ReportTemplate& report, const ReportDatasets& datasets)
{
    return Layout(report, datasets).run();
}

} // namespace dukkano::report
