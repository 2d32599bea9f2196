// A shop with the sale window over it, and the cashier's moves the sale tests share.
#pragma once

#include "ProgramState.h"
#include "TestSupport.h"
#include "UrunSatis.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace dukkano::test {

// The window is gone before the shop.
struct SaleWindowFixture {
    TempShop shop;
    ScriptedDialogs dialogs;
    QPointer<TFormUrunSatis> form;

    SaleWindowFixture() = default;
    SaleWindowFixture(const SaleWindowFixture&) = delete;
    SaleWindowFixture& operator=(const SaleWindowFixture&) = delete;

    ~SaleWindowFixture()
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        acikFormVar = false;
    }

    Veritabani& db() { return shop.db(); }

    // The shared objects see what the test wrote, as after a start of the program.
    bool open(QMdiArea* mdiArea = nullptr)
    {
        db().tableUrunler.reopen();
        db().tableMusteriler.reopen();
        form = new TFormUrunSatis(db(), mdiArea);
        form->show();
        QApplication::setActiveWindow(form);
        return QTest::qWaitForWindowActive(form);
    }

    void scan(const QString& barcode)
    {
        form->seriNumarasi->setFocus();
        typeText(form->seriNumarasi, barcode);
        QTest::keyClick(form->seriNumarasi, Qt::Key_Return);
    }

    QLineEdit* typeIntoCell(int row, int column, const QString& text)
    {
        return test::typeIntoCell(form->sepetGrid, row, column, text);
    }

    QString total() const { return form->labelToplamTutar->text(); }
};

} // namespace dukkano::test
