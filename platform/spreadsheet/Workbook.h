// A small .xlsx writer over libxlsxwriter: text and number cells on one worksheet, columns
// sized to their longest content, and a save that says whether the file was really written.
#pragma once

#include <QHash>
#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace dukkano::spreadsheet {

using namespace Qt::Literals::StringLiterals;

enum class NumberStyle {
    General,      // as the spreadsheet program shows any number
    TwoDecimals,  // amounts: thousands grouped, two decimals
};

class Workbook {
public:
    // Nothing reaches path before save().
    explicit Workbook(const QString& path, const QString& sheetName = u"Sayfa1"_s);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    const QString& path() const { return m_path; }

    // Rows and columns count from 0: cell A1 is (0, 0). Texts are written as they are,
    // digits included, so a barcode keeps its leading zeros.
    void writeText(int row, int column, const QString& text);
    void writeNumber(int row, int column, double value, NumberStyle style = NumberStyle::General);

    // Sizes the columns and writes the file. False when anything could not be written; then
    // no partial file is left behind and error() says why in Turkish.
    bool save();
    const QString& error() const { return m_error; }

private:
    void noteWidth(int column, qsizetype characters);
    void noteFailure(int code);

    QString m_path;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_twoDecimals = nullptr;
    QHash<int, qsizetype> m_widths;  // longest content of each column, in characters
    int m_failure = 0;               // the first libxlsxwriter error, 0 for none
    bool m_saved = false;
    QString m_error;
};

} // namespace dukkano::spreadsheet
