// Reading report templates from their JSON text, strictly: an unknown key, a missing length or an
// expression that does not parse is reported with the template's name, not printed wrongly.
#include "ReportTemplate.h"

#include "DataError.h"
#include "Expression.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

class Reader {
public:
    explicit Reader(QString source) : m_source(std::move(source)) {}

    [[noreturn]] void fail(const QString& what) const
    {
        throw DataError(u"Rapor şablonu okunamadı (%1): %2"_s.arg(m_source, what));
    }

    void allowOnly(const QJsonObject& o, const QStringList& keys, const QString& where) const
    {
        for (const QString& key : o.keys())
            if (!keys.contains(key))
                fail(u"%1 içinde bilinmeyen \"%2\" anahtarı"_s.arg(where, key));
    }

    double number(const QJsonObject& o, const QString& key, const QString& where) const
    {
        if (!o.value(key).isDouble())
            fail(u"%1 içinde \"%2\" sayısı eksik"_s.arg(where, key));
        return o.value(key).toDouble();
    }

    double number(const QJsonObject& o, const QString& key, double fallback) const
    {
        return o.contains(key) ? number(o, key, key) : fallback;
    }

    QString text(const QJsonObject& o, const QString& key) const
    {
        const QJsonValue v = o.value(key);
        if (!v.isUndefined() && !v.isString())
            fail(u"\"%1\" bir metin olmalı"_s.arg(key));
        return v.toString();
    }

    bool flag(const QJsonObject& o, const QString& key, bool fallback) const
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return fallback;
        if (!v.isBool())
            fail(u"\"%1\" true ya da false olmalı"_s.arg(key));
        return v.toBool();
    }

    template <typename E>
    E choice(const QJsonObject& o, const QString& key, const QList<std::pair<QString, E>>& options) const
    {
        const QString value = text(o, key);
        if (value.isEmpty())
            return options.front().second;
        for (const auto& [name, e] : options)
            if (name == value)
                return e;
        fail(u"\"%1\" için bilinmeyen değer \"%2\""_s.arg(key, value));
    }

    QRectF rect(const QJsonObject& o, const QString& where) const
    {
        return QRectF(number(o, u"left"_s, where), number(o, u"top"_s, where),
                      number(o, u"width"_s, where), number(o, u"height"_s, where));
    }

    QColor color(const QJsonObject& o) const
    {
        const QString name = text(o, u"color"_s);
        if (name.isEmpty())
            return Qt::black;
        const QColor c = QColor::fromString(name);
        if (!c.isValid())
            fail(u"geçersiz renk \"%1\""_s.arg(name));
        return c;
    }

    FontSpec font(const QJsonObject& o) const
    {
        FontSpec f;
        if (!o.contains(u"font"_s))
            return f;
        const QJsonObject fo = o.value(u"font"_s).toObject();
        allowOnly(fo, {"family", "size", "bold"}, u"font"_s);
        if (fo.contains(u"family"_s))
            f.family = text(fo, u"family"_s);
        f.size = number(fo, u"size"_s, f.size);
        f.bold = flag(fo, u"bold"_s, false);
        if (f.size <= 0)
            fail(u"yazı boyu sıfırdan büyük olmalı"_s);
        return f;
    }

    void checkExpressions(const QString& text, const QString& where) const
    {
        try {
            compileText(text);
        } catch (const DataError& e) {
            fail(u"%1: %2"_s.arg(where, e.message()));
        }
    }

    TextObject textObject(const QJsonObject& o, const QString& where) const
    {
        allowOnly(o, {"type", "name", "left", "top", "width", "height", "text", "format", "font", "color",
                      "align", "valign", "frame"}, where);
        TextObject t;
        t.name = text(o, u"name"_s);
        t.rect = rect(o, where);
        t.text = text(o, u"text"_s);
        t.format = text(o, u"format"_s);
        t.font = font(o);
        t.color = color(o);
        t.hAlign = choice<HAlign>(o, u"align"_s,
                                  {{"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}});
        t.vAlign = choice<VAlign>(o, u"valign"_s,
                                  {{"top", VAlign::Top}, {"center", VAlign::Center}, {"bottom", VAlign::Bottom}});
        t.frame = flag(o, u"frame"_s, false);
        if (!isKnownFormat(t.format))
            fail(u"%1: bilinmeyen biçim \"%2\""_s.arg(where, t.format));
        checkExpressions(t.text, where);
        return t;
    }

    LineObject lineObject(const QJsonObject& o, const QString& where) const
    {
        allowOnly(o, {"type", "name", "left", "top", "width", "height", "lineWidth", "color"}, where);
        LineObject l;
        l.name = text(o, u"name"_s);
        l.rect = rect(o, where);
        l.width = number(o, u"lineWidth"_s, l.width);
        l.color = color(o);
        return l;
    }

    BarcodeObject barcodeObject(const QJsonObject& o, const QString& where) const
    {
        allowOnly(o, {"type", "name", "left", "top", "width", "height", "data", "moduleWidth", "showText", "font"},
                  where);
        BarcodeObject b;
        b.name = text(o, u"name"_s);
        b.rect = rect(o, where);
        b.data = text(o, u"data"_s);
        b.moduleWidth = number(o, u"moduleWidth"_s, b.moduleWidth);
        b.showText = flag(o, u"showText"_s, true);
        b.font = font(o);
        checkExpressions(b.data, where);
        return b;
    }

    std::vector<ReportObject> objects(const QJsonObject& parent) const
    {
        std::vector<ReportObject> result;
        const QJsonArray list = parent.value(u"objects"_s).toArray();
        for (int i = 0; i < list.size(); ++i) {
            const QJsonObject o = list[i].toObject();
            const QString type = o.value(u"type"_s).toString(u"text"_s);
            const QString name = o.value(u"name"_s).toString();
            const QString where = name.isEmpty() ? u"nesne %1"_s.arg(i + 1) : name;
            if (type == QLatin1String("text"))
                result.emplace_back(textObject(o, where));
            else if (type == QLatin1String("line"))
                result.emplace_back(lineObject(o, where));
            else if (type == QLatin1String("barcode"))
                result.emplace_back(barcodeObject(o, where));
            else
                fail(u"%1: bilinmeyen nesne türü \"%2\""_s.arg(where, type));
        }
        return result;
    }

    PageTemplate page(const QJsonObject& o) const
    {
        allowOnly(o, {"name", "width", "height", "margins", "orientation", "endlessHeight"}, u"page"_s);
        PageTemplate p;
        p.name = text(o, u"name"_s);
        p.size = QSizeF(number(o, u"width"_s, u"page"_s),
                        number(o, u"height"_s, u"page"_s));
        const QJsonObject m = o.value(u"margins"_s).toObject();
        allowOnly(m, {"left", "top", "right", "bottom"}, u"margins"_s);
        p.marginLeft = number(m, u"left"_s, p.marginLeft);
        p.marginTop = number(m, u"top"_s, p.marginTop);
        p.marginRight = number(m, u"right"_s, p.marginRight);
        p.marginBottom = number(m, u"bottom"_s, p.marginBottom);
        p.landscape = choice<bool>(o, u"orientation"_s, {{"portrait", false}, {"landscape", true}});
        p.endlessHeight = flag(o, u"endlessHeight"_s, false);
        if (p.printableWidth() <= 0 || p.printableHeight() <= 0)
            fail(u"kenar boşlukları sayfadan büyük"_s);
        return p;
    }

    Band band(const QJsonObject& o) const
    {
        allowOnly(o, {"kind", "name", "height", "dataset", "objects"}, u"band"_s);
        Band b;
        b.kind = choice<BandKind>(o, u"kind"_s,
                                  {{"MasterData", BandKind::MasterData}, {"ReportTitle", BandKind::ReportTitle},
                                   {"PageHeader", BandKind::PageHeader}, {"Footer", BandKind::Footer},
                                   {"PageFooter", BandKind::PageFooter}});
        b.name = text(o, u"name"_s);
        b.height = number(o, u"height"_s, b.name);
        b.dataset = text(o, u"dataset"_s);
        if (b.kind == BandKind::MasterData && b.dataset.isEmpty())
            fail(u"%1 bandının veri kaynağı yok"_s.arg(b.name));
        b.objects = objects(o);
        return b;
    }

    ReportTemplate report(const QJsonObject& o) const
    {
        allowOnly(o, {"name", "page", "objects", "bands"}, u"rapor"_s);
        ReportTemplate r;
        r.name = text(o, u"name"_s);
        r.page = page(o.value(u"page"_s).toObject());
        r.pageObjects = objects(o);
        QSet<BandKind> seen;
        for (const QJsonValue& v : o.value(u"bands"_s).toArray()) {
            Band b = band(v.toObject());
            if (seen.contains(b.kind))
                fail(u"aynı türden iki band: %1"_s.arg(b.name));
            seen.insert(b.kind);
            r.bands.push_back(std::move(b));
        }
        return r;
    }

private:
    QString m_source;
};

} // namespace

const Band* ReportTemplate::band(BandKind kind) const
{
    for (const Band& b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

ReportTemplate ReportTemplate::fromJson(const QByteArray& json, const QString& source)
{
    const Reader reader(source);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        reader.fail(u"%1 (konum %2)"_s.arg(error.errorString()).arg(error.offset));
    if (!doc.isObject())
        reader.fail(u"bir JSON nesnesi değil"_s);
    return reader.report(doc.object());
}

ReportTemplate ReportTemplate::builtIn(const QString& name)
{
    QFile file(u":/templates/%1.json"_s.arg(name));
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(u"\"%1\" adlı rapor şablonu programda yok."_s.arg(name));
    return fromJson(file.readAll(), name);
}

QStringList ReportTemplate::builtInNames()
{
    QStringList names;
    for (const QString& file : QDir(u":/templates"_s).entryList({u"*.json"_s}))
        names << file.chopped(5);
    return names;
}

} // namespace dukkano::report
