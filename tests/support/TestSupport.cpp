#include "TestSupport.h"

#include "DataGrid.h"
#include "SettingsKey.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QWidget>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::test {

ScriptedDialogs::ScriptedDialogs() { setDialogs(this); }
ScriptedDialogs::~ScriptedDialogs() { setDialogs(nullptr); }

void ScriptedDialogs::message(const QString& text, const QString& caption)
{
    shown << text;
    captions << caption;
}

bool ScriptedDialogs::question(const QString& text, const QString& caption, QuestionButtons)
{
    shown << text;
    captions << caption;
    if (m_answers.empty()) {
        QTest::qFail(qPrintable(u"unexpected question: "_s + text), __FILE__, __LINE__);
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::optional<QString> ScriptedDialogs::input(const QString& caption, const QString& prompt,
                                              const QString&)
{
    shown << prompt;
    captions << caption;
    if (m_inputs.empty()) {
        QTest::qFail(qPrintable(u"unexpected input box: "_s + prompt), __FILE__, __LINE__);
        return std::nullopt;
    }
    const bool confirmed = m_inputs.front().has_value();
    const QString text = m_inputs.front().value_or(QString());
    m_inputs.pop_front();
    return confirmed ? std::optional<QString>(text) : std::nullopt;
}

TempShop::TempShop()
{
    SettingsKey::setFolder(m_dir.filePath(u"settings"_s));
    m_db = std::make_unique<Veritabani>(databasePath());
}

TempShop::~TempShop()
{
    m_db.reset();
    SettingsKey::setFolder(QString());
}

qint64 TempShop::addProduct(const QString& name, const QString& barcode, Money salePrice,
                            Money purchasePrice, qint64 stock, const QString& description)
{
    auto st = m_db->baglanti.prepare(u"INSERT INTO Urunler (UrunAdi, UrunAciklamasi, KategoriNo, UreticiNo, SeriNumarasi, "
        "StoktakiBirimMiktari, BirimAlisFiyati, BarkodFiyat2, BirimSatisFiyati, GrupAdi) "
        "VALUES (?, ?, 1, 0, ?, ?, ?, ?, ?, '')"_s);
    st.bind(1, name);
    st.bind(2, description);
    st.bind(3, barcode);
    st.bind(4, stock);
    st.bind(5, purchasePrice.units());
    st.bind(6, salePrice.units());
    st.bind(7, salePrice.units());
    st.step();
    return m_db->baglanti.lastInsertId();
}

qint64 TempShop::addCustomer(const QString& name, const QString& fatherName)
{
    auto st = m_db->baglanti.prepare(
        u"INSERT INTO Musteriler (AdiSoyadi, BabaAdi) VALUES (?, ?)"_s);
    st.bind(1, name);
    st.bind(2, fatherName);
    st.step();
    return m_db->baglanti.lastInsertId();
}

QVariant TempShop::scalar(const QString& sql, const QVariantList& values)
{
    auto st = m_db->baglanti.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        st.bind(i + 1, values[i]);
    const QVariant value = st.step() ? st.column(0) : QVariant();
    st.reset();
    return value;
}

qint64 TempShop::count(const QString& table)
{
    return scalar(u"SELECT count(*) FROM %1"_s.arg(table)).toLongLong();
}

QStringList TempShop::firstColumn(const QString& sql)
{
    auto st = m_db->baglanti.prepare(sql);
    QStringList texts;
    while (st.step())
        texts << st.column(0).toString();
    return texts;
}

QStringList busyStatements(Database& db)
{
    QStringList busy;
    for (sqlite3_stmt* st = sqlite3_next_stmt(db.handle(), nullptr); st; st = sqlite3_next_stmt(db.handle(), st))
        if (sqlite3_stmt_busy(st))
            busy << QString::fromUtf8(sqlite3_sql(st));
    return busy;
}

qint64 addGroup(Veritabani& db, const QString& name, Money kdvRate)
{
    auto st = db.baglanti.prepare(u"INSERT INTO Kategoriler (KategoriAdi, KategoriKDVorani) VALUES (?, ?)"_s);
    st.bind(1, name);
    st.bind(2, kdvRate.units());
    st.step();
    return db.baglanti.lastInsertId();
}

void typeText(QWidget* widget, const QString& text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void play(QWidget* widget, const QString& keys)
{
    for (QChar ch : keys) {
        switch (ch.unicode()) {
        case u'⌫': QTest::keyClick(widget, Qt::Key_Backspace); break;
        case u'⌦': QTest::keyClick(widget, Qt::Key_Delete); break;
        case u'⇤': QTest::keyClick(widget, Qt::Key_Home); break;
        case u'←': QTest::keyClick(widget, Qt::Key_Left); break;
        case u'Ⓐ': QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier); break;
        default: typeText(widget, QString(ch));
        }
    }
}

void pasteText(QWidget* widget, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

QLineEdit* typeIntoCell(DataGrid* grid, int row, int column, const QString& text)
{
    grid->setFocus();
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor)
        return nullptr;
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    typeText(editor, text);
    return editor;
}

} // namespace dukkano::test
