// The workbook writer and the export files: cells and their kinds as a spreadsheet program reads
// them, column widths, failures that leave no file, new file names and the opening seam.
#include "SpreadsheetFiles.h"
#include "Workbook.h"
#include "XlsxFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::spreadsheet;
using namespace dukkano::test;

class TestSpreadsheet : public QObject {
    Q_OBJECT

private slots:
    void cellsReadBack_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("isText");
        QTest::addColumn<QString>("content");

        QTest::newRow("Turkish letters in UTF-8") << "A1" << true << "Çığ İşçi Ğüşöç ıiIİ";
        QTest::newRow("barcode keeps its leading zeros") << "B1" << true << "0012345678905";
        QTest::newRow("quote and ampersand") << "C1" << true << "Ali'nin \"Çay\" & <Şeker>";
        QTest::newRow("whole number") << "A2" << false << "42";
        QTest::newRow("negative number") << "B2" << false << "-3";
        QTest::newRow("amount") << "C2" << false << "1234.5";
        QTest::newRow("long barcode as a number stays exact") << "D2" << false << "8690000000001";
        QTest::newRow("empty text writes no cell") << "D1" << true << "";
    }

    void cellsReadBack()
    {
        QFETCH(QString, cell);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"kitap.xlsx"_s);
        Workbook book(path);
        book.writeText(0, 0, u"Çığ İşçi Ğüşöç ıiIİ"_s);
        book.writeText(0, 1, u"0012345678905"_s);
        book.writeText(0, 2, u"Ali'nin \"Çay\" & <Şeker>"_s);
        book.writeText(0, 3, QString());
        book.writeNumber(1, 0, 42);
        book.writeNumber(1, 1, -3);
        book.writeNumber(1, 2, 1234.5, NumberStyle::TwoDecimals);
        book.writeNumber(1, 3, 8690000000001.0);
        QVERIFY2(book.save(), qPrintable(book.error()));

        const XlsxFile file(path);
        QVERIFY2(file.ok(), qPrintable(file.error()));
        QCOMPARE(file.has(cell), !QByteArray(QTest::currentDataTag()).startsWith("empty"));
        QTEST(file.cell(cell).isText, "isText");
        QTEST(file.cell(cell).text, "content");
    }

    void columnsSizedToTheirLongestContent()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"kitap.xlsx"_s);
        Workbook book(path);
        book.writeText(0, 0, u"Ad"_s);
        book.writeText(1, 0, QString(30, QChar(u'Ş')));
        book.writeText(0, 1, u"x"_s);
        book.writeNumber(0, 2, 1234567.891, NumberStyle::TwoDecimals);  // shown "1.234.567,89"
        book.writeText(0, 3, QString(500, QChar(u'a')));
        QVERIFY(book.save());

        const XlsxFile file(path);
        QVERIFY2(file.ok(), qPrintable(file.error()));
        const auto& widths = file.widths();
        QVERIFY2(widths.value(1) >= 32 && widths.value(1) < 34, qPrintable(QString::number(widths.value(1))));
        // A short column keeps the default width.
        QVERIFY(widths.value(2, 8.43) >= 8 && widths.value(2, 8.43) < 10);
        QVERIFY(widths.value(3) >= 14 && widths.value(3) < 15);
        QVERIFY(widths.value(4) <= 81);  // one long text does not push the rest off the screen
    }

    void failedSaveLeavesNoFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("textLength");

        QTest::newRow("folder missing") << "yok/olmayan" << 10;
        QTest::newRow("text longer than a cell holds") << "" << 40000;
    }

    void failedSaveLeavesNoFile()
    {
        QFETCH(QString, folder);
        QFETCH(int, textLength);
        QTemporaryDir dir;
        const QString path = dir.filePath(folder.isEmpty() ? u"kitap.xlsx"_s : folder + u"/kitap.xlsx"_s);
        Workbook book(path);
        book.writeText(0, 0, QString(textLength, QChar(u'a')));
        book.writeNumber(1, 0, 5);
        QVERIFY(!book.save());
        QVERIFY(book.error().startsWith(u"Excel dosyası yazılamadı: "_s + path));
        QVERIFY(!QFile::exists(path));
    }

    void newFilesNeverOverwrite()
    {
        QTemporaryDir dir;
        setExportFolder(dir.filePath(u"disa/aktarim"_s));
        const QDate day(2026, 12, 9);
        const QString first = newWorkbookPath(u"Dukkano-Stok"_s, day);
        QCOMPARE(first, dir.filePath(u"disa/aktarim/Dukkano-Stok-2026-12-09.xlsx"_s));
        QFile(first).open(QIODevice::WriteOnly);
        const QString second = newWorkbookPath(u"Dukkano-Stok"_s, day);
        QCOMPARE(second, dir.filePath(u"disa/aktarim/Dukkano-Stok-2026-12-09-2.xlsx"_s));
        QFile(second).open(QIODevice::WriteOnly);
        QCOMPARE(newWorkbookPath(u"Dukkano-Stok"_s, day),
                 dir.filePath(u"disa/aktarim/Dukkano-Stok-2026-12-09-3.xlsx"_s));
        setExportFolder(QString());
        QVERIFY(!exportFolder().isEmpty());
    }

    void openingGoesThroughTheSeam_data()
    {
        QTest::addColumn<bool>("programFound");
        QTest::newRow("spreadsheet program") << true;
        QTest::newRow("no spreadsheet program") << false;
    }

    void openingGoesThroughTheSeam()
    {
        QFETCH(bool, programFound);
        QStringList opened;
        setDesktopOpener([&](const QString& path) {
            opened << path;
            return programFound;
        });
        QCOMPARE(openWithDesktop(u"/tmp/a b.xlsx"_s), programFound);
        setDesktopOpener(nullptr);
        QCOMPARE(opened, QStringList{u"/tmp/a b.xlsx"_s});
    }
};

QTEST_MAIN(TestSpreadsheet)
#include "test_spreadsheet.moc"
