// Reads back a workbook the program wrote: the cells of its first worksheet with their kinds,
// and its column widths. An .xlsx file is a zip of XML parts; `unzip -p` takes them out.
#pragma once

#include <QHash>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>

namespace dukkano::test {

using namespace Qt::Literals::StringLiterals;

struct XlsxCell {
    bool isText = false;  // a text cell; otherwise a number
    QString text;         // the text, or the number as the file writes it ("12.5")
    double number() const { return text.toDouble(); }
};

class XlsxFile {
public:
    explicit XlsxFile(const QString& path)
    {
        const QByteArray sheet = part(path, u"xl/worksheets/sheet1.xml"_s);
        if (sheet.isEmpty() || !m_error.isEmpty())
            return;
        // A workbook without texts has no shared strings part.
        const QStringList strings = sharedStrings(part(path, u"xl/sharedStrings.xml"_s));
        m_error.clear();
        readSheet(sheet, strings);
        m_ok = true;
    }

    bool ok() const { return m_ok; }
    const QString& error() const { return m_error; }
    // Cells by their name ("A1"); a missing cell reads as an empty text cell.
    XlsxCell cell(const QString& name) const { return m_cells.value(name, XlsxCell{true, QString()}); }
    bool has(const QString& name) const { return m_cells.contains(name); }
    int lastRow() const { return m_lastRow; }
    // Width of each column from 1, in characters; only the columns the file sizes.
    const QMap<int, double>& widths() const { return m_widths; }

private:
    QByteArray part(const QString& path, const QString& name)
    {
        QProcess unzip;
        unzip.start(u"unzip"_s, {u"-p"_s, path, name});
        if (!unzip.waitForFinished(10000) || unzip.exitStatus() != QProcess::NormalExit) {
            m_error = u"unzip could not run: "_s + unzip.errorString();
            return {};
        }
        if (unzip.exitCode() != 0)
            m_error = u"unzip -p %1 %2: %3"_s.arg(path, name, QString::fromLocal8Bit(unzip.readAllStandardError()));
        return unzip.readAllStandardOutput();
    }

    static QStringList sharedStrings(const QByteArray& xml)
    {
        QStringList strings;
        QXmlStreamReader reader(xml);
        QString current;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("si"))
                current.clear();
            else if (reader.isStartElement() && reader.name() == QLatin1String("t"))
                current += reader.readElementText();
            else if (reader.isEndElement() && reader.name() == QLatin1String("si"))
                strings << current;
        }
        return strings;
    }

    void readSheet(const QByteArray& xml, const QStringList& strings)
    {
        QXmlStreamReader reader(xml);
        QString name;
        QString type;
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement())
                continue;
            const auto attributes = reader.attributes();
            if (reader.name() == QLatin1String("col")) {
                const int min = attributes.value(QLatin1String("min")).toInt();
                const int max = attributes.value(QLatin1String("max")).toInt();
                for (int c = min; c <= max; ++c)
                    m_widths.insert(c, attributes.value(QLatin1String("width")).toDouble());
            } else if (reader.name() == QLatin1String("c")) {
                name = attributes.value(QLatin1String("r")).toString();
                type = attributes.value(QLatin1String("t")).toString();
                const int row = QString(name).remove(QRegularExpression(u"^[A-Z]+"_s)).toInt();
                m_lastRow = std::max(m_lastRow, row);
            } else if (reader.name() == QLatin1String("v")) {
                const QString value = reader.readElementText();
                m_cells.insert(name, type == QLatin1String("s") ? XlsxCell{true, strings.value(value.toInt())}
                                   : type == QLatin1String("str") ? XlsxCell{true, value}
                                                                  : XlsxCell{false, value});
            } else if (reader.name() == QLatin1String("is")) {
                QString text;
                while (!(reader.isEndElement() && reader.name() == QLatin1String("is")) && !reader.atEnd()) {
                    reader.readNext();
                    if (reader.isStartElement() && reader.name() == QLatin1String("t"))
                        text += reader.readElementText();
                }
                m_cells.insert(name, XlsxCell{true, text});
            }
        }
    }

    bool m_ok = false;
    QString m_error;
    QHash<QString, XlsxCell> m_cells;
    QMap<int, double> m_widths;
    int m_lastRow = 0;
};

} // namespace dukkano::test
