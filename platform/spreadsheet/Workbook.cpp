// The workbook writer. libxlsxwriter builds the whole file in workbook_close(), so every write
// before it only records the first failure, and save() reports it together with close's own.
#include "Workbook.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <xlsxwriter.h>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::spreadsheet {
namespace {

// Column widths are in characters of the default font; a little air on either side, and
// never so wide that one long text pushes the rest off the screen.
constexpr double minimumWidth = 8.43;
constexpr double maximumWidth = 80;
constexpr double padding = 2;

QString shownNumber(double value, NumberStyle style)
{
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return style == NumberStyle::TwoDecimals ? turkish.toString(value, 'f', 2)
                                             : turkish.toString(value, 'g', 15);
}

} // namespace

Workbook::Workbook(const QString& path, const QString& sheetName) : m_path(path)
{
    m_book = workbook_new(QFile::encodeName(path).constData());
    if (!m_book) {
        m_failure = LXW_ERROR_MEMORY_MALLOC_FAILED;
        return;
    }
    m_sheet = workbook_add_worksheet(m_book, sheetName.toUtf8().constData());
    m_twoDecimals = workbook_add_format(m_book);
    if (!m_sheet || !m_twoDecimals) {
        m_failure = LXW_ERROR_MEMORY_MALLOC_FAILED;
        return;
    }
    format_set_num_format(m_twoDecimals, "#,##0.00");
}

Workbook::~Workbook()
{
    if (m_book && !m_saved)
        lxw_workbook_free(m_book);
}

void Workbook::noteFailure(int code)
{
    if (code != LXW_NO_ERROR && m_failure == 0)
        m_failure = code;
}

void Workbook::noteWidth(int column, qsizetype characters)
{
    qsizetype& widest = m_widths[column];
    widest = std::max(widest, characters);
}

void Workbook::writeText(int row, int column, const QString& text)
{
    if (!m_sheet)
        return;
    noteFailure(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(), nullptr));
    noteWidth(column, text.size());
}

void Workbook::writeNumber(int row, int column, double value, NumberStyle style)
{
    if (!m_sheet)
        return;
    lxw_format* format = style == NumberStyle::TwoDecimals ? m_twoDecimals : nullptr;
    noteFailure(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, format));
    noteWidth(column, shownNumber(value, style).size());
}

bool Workbook::save()
{
    if (m_saved)
        return m_error.isEmpty();
    if (m_sheet) {
        for (auto it = m_widths.cbegin(); it != m_widths.cend(); ++it) {
            const double width = std::clamp(double(it.value()) + padding, minimumWidth, maximumWidth);
            noteFailure(worksheet_set_column(m_sheet, lxw_col_t(it.key()), lxw_col_t(it.key()), width, nullptr));
        }
    }
    if (m_failure != 0) {
        if (m_book)
            lxw_workbook_free(m_book);
    } else {
        // workbook_close frees the workbook whatever it returns.
        noteFailure(workbook_close(m_book));
    }
    m_book = nullptr;
    m_saved = true;
    if (m_failure == 0)
        return true;
    QFile::remove(m_path);
    m_error = u"Excel dosyası yazılamadı: %1\n(%2)"_s
                  .arg(m_path, QString::fromUtf8(lxw_strerror(lxw_error(m_failure))));
    return false;
}

} // namespace dukkano::spreadsheet
