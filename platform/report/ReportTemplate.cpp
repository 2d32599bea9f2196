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

namespace dukkano::report {
namespace {

class Reader {
public:
    explicit Reader(QString source) : m_source(std::move(source)) {}

    [[noreturn]] void fail(const QString& what) const
    {
        throw DataError(QStringLiteral("Rapor şablonu okunamadı (%1): %2").arg(m_source, what));
    }

    void allowOnly(const QJsonObject& o, const QStringList& keys, const QString& where) const
    {
        for (const QString& key : o.keys())
            if (!keys.contains(key))
                fail(QStringLiteral("%1 içinde bilinmeyen \"%2\" anahtarı").arg(where, key));
    }

    double number(const QJsonObject& o, const QString& key, const QString& where) const
    {
        if (!o.value(key).isDouble())
            fail(QStringLiteral("%1 içinde \"%2\" sayısı eksik").arg(where, key));
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
            fail(QStringLiteral("\"%1\" bir metin olmalı").arg(key));
        return v.toString();
    }

    bool flag(const QJsonObject& o, const QString& key, bool fallback) const
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return fallback;
        if (!v.isBool())
            fail(QStringLiteral("\"%1\" true ya da false olmalı").arg(key));
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
        fail(QStringLiteral("\"%1\" için bilinmeyen değer \"%2\"").arg(key, value));
    }

    QRectF rect(const QJsonObject& o, const QString& where) const
    {
        return QRectF(number(o, QStringLiteral("left"), where), number(o, QStringLiteral("top"), where),
                      number(o, QStringLiteral("width"), where), number(o, QStringLiteral("height"), where));
    }

    QColor color(const QJsonObject& o) const
    {
        const QString name = text(o, QStringLiteral("color"));
        if (name.isEmpty())
            return Qt::black;
        const QColor c = QColor::fromString(name);
        if (!c.isValid())
            fail(QStringLiteral("geçersiz renk \"%1\"").arg(name));
        return c;
    }

    FontSpec font(const QJsonObject& o) const
    {
        FontSpec f;
        if (!o.contains(QStringLiteral("font")))
            return f;
        const QJsonObject fo = o.value(QStringLiteral("font")).toObject();
        allowOnly(fo, {"family", "size", "bold"}, QStringLiteral("font"));
        if (fo.contains(QStringLiteral("family")))
            f.family = text(fo, QStringLiteral("family"));
        f.size = number(fo, QStringLiteral("size"), f.size);
        f.bold = flag(fo, QStringLiteral("bold"), false);
        if (f.size <= 0)
            fail(QStringLiteral("yazı boyu sıfırdan büyük olmalı"));
        return f;
    }

    void checkExpressions(const QString& text, const QString& where) const
    {
        try {
            compileText(text);
        } catch (const DataError& e) {
            fail(QStringLiteral("%1: %2").arg(where, e.message()));
        }
    }

    TextObject textObject(const QJsonObject& o, const QString& where) const
    {
        allowOnly(o, {"type", "name", "left", "top", "width", "height", "text", "format", "font", "color",
                      "align", "valign", "frame"}, where);
        TextObject t;
        t.name = text(o, QStringLiteral("name"));
        t.rect = rect(o, where);
        t.text = text(o, QStringLiteral("text"));
        t.format = text(o, QStringLiteral("format"));
        t.font = font(o);
        t.color = color(o);
        t.hAlign = choice<HAlign>(o, QStringLiteral("align"),
                                  {{"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}});
        t.vAlign = choice<VAlign>(o, QStringLiteral("valign"),
                                  {{"top", VAlign::Top}, {"center", VAlign::Center}, {"bottom", VAlign::Bottom}});
        t.frame = flag(o, QStringLiteral("frame"), false);
        if (!isKnownFormat(t.format))
            fail(QStringLiteral("%1: bilinmeyen biçim \"%2\"").arg(where, t.format));
        checkExpressions(t.text, where);
        return t;
    }

    LineObject lineObject(const QJsonObject& o, const QString& where) const
    {
        allowOnly(o, {"type", "name", "left", "top", "width", "height", "lineWidth", "color"}, where);
        LineObject l;
        l.name = text(o, QStringLiteral("name"));
        l.rect = rect(o, where);
        l.width = number(o, QStringLiteral("lineWidth"), l.width);
        l.color = color(o);
        return l;
    }

    BarcodeObject barcodeObject(const QJsonObject& o, const QString& where) const
    {
        allowOnly(o, {"type", "name", "left", "top", "width", "height", "data", "moduleWidth", "showText", "font"},
                  where);
        BarcodeObject b;
        b.name = text(o, QStringLiteral("name"));
        b.rect = rect(o, where);
        b.data = text(o, QStringLiteral("data"));
        b.moduleWidth = number(o, QStringLiteral("moduleWidth"), b.moduleWidth);
        b.showText = flag(o, QStringLiteral("showText"), true);
        b.font = font(o);
        checkExpressions(b.data, where);
        return b;
    }

    std::vector<ReportObject> objects(const QJsonObject& parent) const
    {
        std::vector<ReportObject> result;
        const QJsonArray list = parent.value(QStringLiteral("objects")).toArray();
        for (int i = 0; i < list.size(); ++i) {
            const QJsonObject o = list[i].toObject();
            const QString type = o.value(QStringLiteral("type")).toString(QStringLiteral("text"));
            const QString name = o.value(QStringLiteral("name")).toString();
            const QString where = name.isEmpty() ? QStringLiteral("nesne %1").arg(i + 1) : name;
            if (type == QLatin1String("text"))
                result.emplace_back(textObject(o, where));
            else if (type == QLatin1String("line"))
                result.emplace_back(lineObject(o, where));
            else if (type == QLatin1String("barcode"))
                result.emplace_back(barcodeObject(o, where));
            else
                fail(QStringLiteral("%1: bilinmeyen nesne türü \"%2\"").arg(where, type));
        }
        return result;
    }

    PageTemplate page(const QJsonObject& o) const
    {
        allowOnly(o, {"name", "width", "height", "margins", "orientation", "endlessHeight"}, QStringLiteral("page"));
        PageTemplate p;
        p.name = text(o, QStringLiteral("name"));
        p.size = QSizeF(number(o, QStringLiteral("width"), QStringLiteral("page")),
                        number(o, QStringLiteral("height"), QStringLiteral("page")));
        const QJsonObject m = o.value(QStringLiteral("margins")).toObject();
        allowOnly(m, {"left", "top", "right", "bottom"}, QStringLiteral("margins"));
        p.marginLeft = number(m, QStringLiteral("left"), p.marginLeft);
        p.marginTop = number(m, QStringLiteral("top"), p.marginTop);
        p.marginRight = number(m, QStringLiteral("right"), p.marginRight);
        p.marginBottom = number(m, QStringLiteral("bottom"), p.marginBottom);
        p.landscape = choice<bool>(o, QStringLiteral("orientation"), {{"portrait", false}, {"landscape", true}});
        p.endlessHeight = flag(o, QStringLiteral("endlessHeight"), false);
        if (p.printableWidth() <= 0 || p.printableHeight() <= 0)
            fail(QStringLiteral("kenar boşlukları sayfadan büyük"));
        return p;
    }

    Band band(const QJsonObject& o) const
    {
        allowOnly(o, {"kind", "name", "height", "dataset", "objects"}, QStringLiteral("band"));
        Band b;
        b.kind = choice<BandKind>(o, QStringLiteral("kind"),
                                  {{"MasterData", BandKind::MasterData}, {"ReportTitle", BandKind::ReportTitle},
                                   {"PageHeader", BandKind::PageHeader}, {"Footer", BandKind::Footer},
                                   {"PageFooter", BandKind::PageFooter}});
        b.name = text(o, QStringLiteral("name"));
        b.height = number(o, QStringLiteral("height"), b.name);
        b.dataset = text(o, QStringLiteral("dataset"));
        if (b.kind == BandKind::MasterData && b.dataset.isEmpty())
            fail(QStringLiteral("%1 bandının veri kaynağı yok").arg(b.name));
        b.objects = objects(o);
        return b;
    }

    ReportTemplate report(const QJsonObject& o) const
    {
        allowOnly(o, {"name", "page", "objects", "bands"}, QStringLiteral("rapor"));
        ReportTemplate r;
        r.name = text(o, QStringLiteral("name"));
        r.page = page(o.value(QStringLiteral("page")).toObject());
        r.pageObjects = objects(o);
        QSet<BandKind> seen;
        for (const QJsonValue& v : o.value(QStringLiteral("bands")).toArray()) {
            Band b = band(v.toObject());
            if (seen.contains(b.kind))
                fail(QStringLiteral("aynı türden iki band: %1").arg(b.name));
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
        reader.fail(QStringLiteral("%1 (konum %2)").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject())
        reader.fail(QStringLiteral("bir JSON nesnesi değil"));
    return reader.report(doc.object());
}

ReportTemplate ReportTemplate::builtIn(const QString& name)
{
    QFile file(QStringLiteral(":/templates/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("\"%1\" adlı rapor şablonu programda yok.").arg(name));
    return fromJson(file.readAll(), name);
}

QStringList ReportTemplate::builtInNames()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/templates")).entryList({QStringLiteral("*.json")}))
        names << file.chopped(5);
    return names;
}

} // namespace dukkano::report
