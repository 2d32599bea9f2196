// The grid model and the data-aware grid: formatted text, edits written through the object,
// a row stored when the grid leaves it, the current row followed both ways, insert and delete.
#include "DataGrid.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

QVector<GridColumn> groupColumns()
{
    GridColumn number(u"KategoriNo"_s, u"Grup No"_s, Qt::AlignCenter);
    number.readOnly = true;
    GridColumn name(u"KategoriAdi"_s, u"Grup Adı"_s);
    GridColumn rate(u"KategoriKDVorani"_s, u"KDV"_s, Qt::AlignRight | Qt::AlignVCenter);
    rate.entry = GridEntry::Number;
    return {number, name, rate};
}

void addGroups(Dataset& groups, const QStringList& names)
{
    for (const QString& name : names) {
        groups.append();
        groups.setValue(u"KategoriAdi"_s, name);
        groups.setValue(u"KategoriKDVorani"_s, u"18"_s);
        groups.post();
    }
}

QStringList storedNames(TempShop& shop)
{
    return shop.firstColumn(u"SELECT KategoriAdi FROM Kategoriler ORDER BY KategoriNo"_s);
}

// A window with the grid over the shop's groups, and a field to leave the grid for.
struct GroupWindow {
    explicit GroupWindow(Dataset& groups)
        : model(new DatasetModel(groups, groupColumns(), &window))
        , grid(new DataGrid(&window))
        , elsewhere(new QLineEdit(&window))
    {
        grid->setDatasetModel(model);
        elsewhere->move(0, 300);
        window.resize(500, 400);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QLineEdit* typeInto(int row, int column, const QString& text)
    {
        grid->setFocus();
        const QModelIndex cell = model->index(row, column);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (editor) {
            editor->selectAll();
            typeText(editor, text);
        }
        return editor;
    }

    QWidget window;
    DatasetModel* model;
    DataGrid* grid;
    QLineEdit* elsewhere;
};

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private slots:
    void init() { setCurrencyText(u"TL "_s); }

    void cellText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("moneyDisplay");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("edit");

        QTest::newRow("money marked for money display") << "ToplamTutar" << true << "1.234,50 TL" << "1234,5";
        QTest::newRow("money shown as a plain number") << "ToplamTutar" << false << "1234,5" << "1234,5";
        QTest::newRow("day") << "SatisTarihi" << false << "09.12.2026" << "09.12.2026";
        QTest::newRow("integer") << "MusteriNo" << false << "42" << "42";
        QTest::newRow("never written") << "SatisSaati" << false << "" << "";
    }

    void cellText()
    {
        QFETCH(QString, field);
        QFETCH(bool, moneyDisplay);
        TempShop shop;
        Dataset& sales = shop.db().tableSatislar;
        sales.append();
        sales.setValue(u"ToplamTutar"_s, u"1.234,5"_s);
        sales.setValue(u"SatisTarihi"_s, QDate(2026, 12, 9));
        sales.setValue(u"MusteriNo"_s, 42);
        sales.post();
        GridColumn column(field, field, Qt::AlignRight);
        column.moneyDisplay = moneyDisplay;
        DatasetModel model(sales, {column});

        const QModelIndex cell = model.index(0, 0);
        QTEST(model.data(cell, Qt::DisplayRole).toString(), "display");
        QTEST(model.data(cell, Qt::EditRole).toString(), "edit");
        QCOMPARE(model.data(cell, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), field);
    }

    void editableFlags()
    {
        TempShop shop;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"Gıda"_s});
        DatasetModel model(groups, groupColumns());
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
        model.setReadOnly(true);
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
        model.setReadOnly(false);
        groups.setReadOnly(true);
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    }

    // The model follows the object: appends, edits, deletes and re-filtering.
    void modelFollowsTheObject()
    {
        TempShop shop;
        Dataset& groups = shop.db().tableKategoriler;
        DatasetModel model(groups, groupColumns());
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        addGroups(groups, {u"Gıda"_s, u"Temizlik"_s});
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(1, 1)).toString(), u"Temizlik"_s);
        QVERIFY(changed.count() > 0);

        groups.remove();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.rowCount(), 1);

        groups.setFilter(u"[KategoriAdi]='Yok'"_s);
        groups.setFiltered(true);
        QVERIFY(reset.count() > 0);
        QCOMPARE(model.rowCount(), 0);
    }

    // An edit stays in the object's buffer while the grid is on the row, and is stored when
    // the grid moves to another row or loses the focus.
    void rowStoredWhenTheGridLeavesIt_data()
    {
        QTest::addColumn<bool>("byFocus");
        QTest::newRow("another row") << false;
        QTest::newRow("another control") << true;
    }

    void rowStoredWhenTheGridLeavesIt()
    {
        QFETCH(bool, byFocus);
        TempShop shop;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"Gıda"_s, u"Temizlik"_s});
        GroupWindow w(groups);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy exited(w.grid, &DataGrid::exited);

        QVERIFY(w.typeInto(0, 1, u"Şarküteri"_s));
        w.grid->setFocus();  // the editor commits; the grid keeps the row
        QCOMPARE(groups.state(), Dataset::State::Edit);
        QCOMPARE(storedNames(shop).value(0), u"Gıda"_s);
        QCOMPARE(w.model->data(w.model->index(0, 1)).toString(), u"Şarküteri"_s);

        if (byFocus)
            w.elsewhere->setFocus();
        else
            w.grid->setCurrentIndex(w.model->index(1, 1));

        QCOMPARE(groups.state(), Dataset::State::Browse);
        QCOMPARE(storedNames(shop), QStringList({"Şarküteri", "Temizlik"}));
        QCOMPARE(exited.count(), byFocus ? 1 : 0);
    }

    // A number cell's editor takes a paste by the rule it takes typed keys by; a text cell takes
    // any paste. The paste goes over the cell's selected text "18".
    void cellEditorPaste_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::newRow("number: a rate") << 2 << "18,5" << "18,5";
        QTest::newRow("number: letters refused whole") << 2 << "%18 KDV" << "18";
        QTest::newRow("number: two commas refused whole") << 2 << "1,8,5" << "18";
        QTest::newRow("text: anything") << 1 << "%18 KDV" << "%18 KDV";
    }

    void cellEditorPaste()
    {
        QFETCH(int, column);
        QFETCH(QString, pasted);
        TempShop shop;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"18"_s});
        GroupWindow w(groups);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QLineEdit* editor = w.typeInto(0, column, QString());
        QVERIFY(editor);
        QCOMPARE(editor->selectedText(), u"18"_s);

        pasteText(editor, pasted);
        QTEST(editor->text(), "text");
    }

    void refusedTextChangesNothing()
    {
        TempShop shop;
        ScriptedDialogs dialogs;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"Gıda"_s});
        DatasetModel model(groups, groupColumns());

        QVERIFY(!model.setData(model.index(0, 2), u"on sekiz"_s));
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(dialogs.last().contains(u"on sekiz"_s));
        QCOMPARE(groups.state(), Dataset::State::Browse);
        QCOMPARE(model.data(model.index(0, 2)).toString(), u"18"_s);
    }

    void columnCheckRefusesFirst()
    {
        TempShop shop;
        ScriptedDialogs dialogs;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"Gıda"_s});
        QVector<GridColumn> columns = groupColumns();
        columns[1].check = [](const QString& text) {
            return text.isEmpty() ? u"Grup adı boş olamaz."_s : QString();
        };
        DatasetModel model(groups, columns);
        QSignalSpy edited(&model, &DatasetModel::fieldEdited);

        QVERIFY(!model.setData(model.index(0, 1), QString()));
        QCOMPARE(dialogs.shown, QStringList{"Grup adı boş olamaz."});
        QVERIFY(model.setData(model.index(0, 1), u"Manav"_s));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(groups.text(u"KategoriAdi"_s), u"Manav"_s);
    }

    void currentRowFollowedBothWays()
    {
        TempShop shop;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"A"_s, u"B"_s, u"C"_s});
        GroupWindow w(groups);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QCOMPARE(w.grid->currentIndex().row(), 2);  // the object stands on the row appended last

        groups.first();
        QCOMPARE(w.grid->currentIndex().row(), 0);
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key_Down);
        QCOMPARE(groups.recNo(), 2);
        QCOMPARE(groups.text(u"KategoriAdi"_s), u"B"_s);
        groups.remove();
        QCOMPARE(w.grid->currentIndex().row(), 1);
        QCOMPARE(w.model->data(w.grid->currentIndex().siblingAtColumn(1)).toString(), u"C"_s);
    }

    void insertKeys_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");

        const QStringList two{"A", "B"};
        QTest::newRow("Insert, typed, stored") << true << Qt::Key_Insert << "Yeni" << QStringList{"A", "B", "Yeni"};
        QTest::newRow("Down past the end, typed, stored") << true << Qt::Key_Down << "Yeni"
                                                          << QStringList{"A", "B", "Yeni"};
        QTest::newRow("a new row left untouched is dropped") << true << Qt::Key_Insert << "" << two;
        QTest::newRow("not allowed: Insert adds nothing") << false << Qt::Key_Insert << "" << two;
        QTest::newRow("not allowed: Down adds nothing") << false << Qt::Key_Down << "" << two;
    }

    void insertKeys()
    {
        QFETCH(bool, allowed);
        QFETCH(Qt::Key, key);
        QFETCH(QString, typed);
        TempShop shop;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"A"_s, u"B"_s});
        GroupWindow w(groups);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.grid->setInsertAllowed(allowed);
        w.grid->setFocus();

        QTest::keyClick(w.grid, key);
        if (!typed.isEmpty())
            QVERIFY(w.typeInto(w.model->rowCount() - 1, 1, typed));
        w.elsewhere->setFocus();

        QTEST(storedNames(shop), "stored");
        QCOMPARE(w.model->rowCount(), storedNames(shop).size());
        QCOMPARE(groups.state(), Dataset::State::Browse);
    }

    void deleteKeyAsksTheWindow_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes deletes") << true;
        QTest::newRow("No keeps") << false;
    }

    void deleteKeyAsksTheWindow()
    {
        QFETCH(bool, yes);
        TempShop shop;
        ScriptedDialogs dialogs;
        Dataset& groups = shop.db().tableKategoriler;
        addGroups(groups, {u"A"_s, u"B"_s});
        GroupWindow w(groups);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QObject::connect(w.grid, &DataGrid::deleteRequested, w.grid,
                         [&] { w.grid->removeCurrentRow(u"Silinsin mi?"_s, u"Dukkano"_s); });
        w.grid->setFocus();
        w.grid->setCurrentIndex(w.model->index(0, 1));

        dialogs.answerQuestion(yes);
        QTest::keyClick(w.grid, Qt::Key_Delete);  // a plain Delete does nothing
        QTest::keyClick(w.grid, Qt::Key_Delete, Qt::ControlModifier);

        QCOMPARE(dialogs.shown, QStringList{"Silinsin mi?"});
        QCOMPARE(storedNames(shop), yes ? QStringList{"B"} : QStringList({"A", "B"}));
        QCOMPARE(w.model->rowCount(), yes ? 1 : 2);
    }

    // A window may destroy its object before its grid.
    void objectGoneBeforeTheGrid()
    {
        TempShop shop;
        auto* groups = new Dataset(shop.db().baglanti, u"Kategoriler"_s);
        groups->open();
        addGroups(*groups, {u"A"_s});
        GroupWindow w(*groups);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QVERIFY(w.typeInto(0, 1, u"B"_s));
        delete groups;
        w.elsewhere->setFocus();
        QCOMPARE(w.model->rowCount(), 0);
        QVERIFY(!w.model->setData(w.model->index(0, 1), u"C"_s));
    }
};

DUKKANO_TEST_MAIN(TestDataGrid)

#include "test_datagrid.moc"
