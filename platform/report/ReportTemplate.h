// A report template as data: one page with its size and margins, objects placed on the page,
// and bands (title, page header, master data over a dataset, footer, page footer) holding
// text memos, lines and barcodes. All lengths are millimetres; font sizes are points.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace dukkano::report {

using namespace Qt::Literals::StringLiterals;

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

struct FontSpec {
    QString family = u"Arial"_s;
    double size = 10;  // points
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

// A memo: its text may hold expressions in square brackets ("Fiş No : [ds."SatisNo"]"). A text
// wider than the box breaks into lines and the box grows down, pushing what is below it.
struct TextObject {
    QString name;
    QRectF rect;
    QString text;
    QString format;  // display format of the expressions: "" or "%2.2n"
    FontSpec font;
    QColor color = Qt::black;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool frame = false;
};

// A straight line from rect's top-left to its bottom-right (a horizontal rule has height 0).
struct LineObject {
    QString name;
    QRectF rect;
    double width = 0.26;  // mm
    QColor color = Qt::black;
};

// A Code 128 symbol with its text under the bars, centred in its box.
struct BarcodeObject {
    QString name;
    QRectF rect;
    QString data;          // text with expressions, like a memo's
    double moduleWidth = 0.2646;  // mm per narrow bar; smaller when the symbol must fit the box
    bool showText = true;
    FontSpec font;
};

using ReportObject = std::variant<TextObject, LineObject, BarcodeObject>;

enum class BandKind { ReportTitle, PageHeader, MasterData, Footer, PageFooter };

struct Band {
    BandKind kind = BandKind::MasterData;
    QString name;
    double height = 0;
    QString dataset;  // master data only
    std::vector<ReportObject> objects;
};

struct PageTemplate {
    QString name;
    QSizeF size{210, 297};  // portrait width x height; the design height of an endless page
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;
    bool landscape = false;
    bool endlessHeight = false;  // one page exactly as long as its content (a roll)

    QSizeF orientedSize() const { return landscape ? size.transposed() : size; }
    double printableWidth() const { return orientedSize().width() - marginLeft - marginRight; }
    double printableHeight() const { return orientedSize().height() - marginTop - marginBottom; }
};

struct ReportTemplate {
    QString name;
    PageTemplate page;
    std::vector<ReportObject> pageObjects;  // on every page, over the bands
    std::vector<Band> bands;

    const Band* band(BandKind kind) const;

    // Reads a template from its JSON text; throws DataError naming the template and the fault.
    static ReportTemplate fromJson(const QByteArray& json, const QString& source);
    // One of the templates built into the program (":/templates/<name>.json").
    static ReportTemplate builtIn(const QString& name);
    static QStringList builtInNames();
};

} // namespace dukkano::report
