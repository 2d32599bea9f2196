// What the tests share: a temporary shop database and settings folder, scripted dialogs that
// record every box and give queued answers, and typing of Turkish text into widgets.
#pragma once

#include "Application.h"
#include "Dialogs.h"
#include "Money.h"
#include "Veritabani.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <deque>
#include <memory>

class QLineEdit;
class QWidget;

namespace dukkano {

using namespace Qt::Literals::StringLiterals;
class DataGrid;
}

namespace dukkano::test {

// Installs itself as the program's dialogs for its lifetime. An unexpected question or input
// box (none queued) fails the running test and answers No / cancel.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void message(const QString& text, const QString& caption) override;
    bool question(const QString& text, const QString& caption, QuestionButtons buttons) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override;

    void answerQuestion(bool yes) { m_answers.push_back(yes); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }

    QStringList shown;     // the text of every box, in order
    QStringList captions;  // the caption of every box, in order
    QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
    void clear() { shown.clear(); captions.clear(); }

private:
    std::deque<bool> m_answers;
    std::deque<std::optional<QString>> m_inputs;
};

// A fresh shop in a temporary folder, with the settings folder pointed there too.
class TempShop {
public:
    TempShop();
    ~TempShop();
    QString folder() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(u"veritabani.mdb"_s); }
    Veritabani& db() { return *m_db; }

    // Adds a product through its own statement; returns its UrunNo.
    qint64 addProduct(const QString& name, const QString& barcode, Money salePrice,
                      Money purchasePrice = Money(), qint64 stock = 20,
                      const QString& description = QString());
    qint64 addCustomer(const QString& name, const QString& fatherName);

    // Reads straight from the file, past the shared objects; `values` go to the ? marks in order.
    // scalar: the first column of the first row, null when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    qint64 count(const QString& table);
    QStringList firstColumn(const QString& sql);  // the first column of every row, as text

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Veritabani> m_db;
};

// Adds a product group through its own statement; returns its KategoriNo.
qint64 addGroup(Veritabani& db, const QString& name, Money kdvRate = Money::fromLira(18));

// The SQL of every statement of the connection still stepped, which would hold a read open.
QStringList busyStatements(Database& db);

// Types text one character at a time (QTest::keyClicks aborts on most Turkish letters).
void typeText(QWidget* widget, const QString& text);

// Plays keys into a widget: ⌫ Backspace, ⌦ Delete, ⇤ Home, ← Left, Ⓐ Ctrl+A; anything else
// is typed.
void play(QWidget* widget, const QString& keys);

// Puts text on the clipboard and presses Ctrl+V in the widget.
void pasteText(QWidget* widget, const QString& text);

// Opens the editor of a grid cell and types over its text; the editor stays open.
// nullptr when the cell cannot be edited.
QLineEdit* typeIntoCell(DataGrid* grid, int row, int column, const QString& text);

inline Money lira(const char* text) { return *Money::parse(QString::fromUtf8(text)); }

} // namespace dukkano::test

// The main of a test that needs the program's application object (fonts, style, key filters).
#define DUKKANO_TEST_MAIN(TestClass)               \
    int main(int argc, char** argv)                \
    {                                              \
        dukkano::Application app(argc, argv);      \
        TestClass test;                            \
        QTEST_SET_MAIN_SOURCE_PATH                 \
        return QTest::qExec(&test, argc, argv);    \
    }
