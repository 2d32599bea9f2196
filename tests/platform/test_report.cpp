// The band report engine: expressions and formats, band layout and paging, the receipt
// template, barcodes, printing through the printer seam, PDF output and the preview window.
#include "Barcode.h"
#include "Clock.h"
#include "DataError.h"
#include "Expression.h"
#include "Printers.h"
#include "Receipt.h"
#include "ReportEngine.h"
#include "ReportPainter.h"
#include "ReportPreview.h"
#include "TestPrinters.h"
#include "TestSupport.h"
#include "TextFit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLocale>
#include <QPrinterInfo>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::report;
using namespace dukkano::test;

namespace {

struct Line {
    const char* name;
    qint64 quantity;
    const char* price;
};

// Basket lines as the sale window writes them: the amount is price times quantity.
void addBasketLines(Dataset& basket, const std::vector<Line>& lines, qint64 satisNo = 42)
{
    for (const Line& l : lines) {
        basket.append();
        basket.setValue(u"SatisNo"_s, satisNo);
        basket.setValue(u"UrunAdi"_s, QString::fromUtf8(l.name));
        basket.setValue(u"BirimAdedi"_s, l.quantity);
        basket.setValue(u"BirimSatisFiyati"_s, lira(l.price));
        basket.setValue(u"UrunSatisTutari"_s, lira(l.price).times(l.quantity));
        basket.post();
    }
}

void addShopHeader(Dataset& header, const QString& shopName = u"Gül Bakkal"_s)
{
    header.append();
    header.setValue(u"UreticiAdi"_s, shopName);
    header.setValue(u"KisiAdi"_s, u"Ayşe Yılmaz"_s);
    header.setValue(u"TelefonNumarasi"_s, u"0212 555 12 34"_s);
    header.setValue(u"Adres"_s, u"Çiçek Sok. No 5 Üsküdar"_s);
    header.setValue(u"Notlar"_s, u"Bizi tercih ettiğiniz için teşekkürler"_s);
    header.post();
}

QStringList textsOf(const PreparedPage& page, const QString& objectName)
{
    QStringList result;
    for (const PreparedText* t : page.textsOf(objectName))
        result << t->text;
    return result;
}

// The one text of an object printed once; a failure (and an empty text) otherwise.
const PreparedText& only(const PreparedPage& page, const QString& objectName)
{
    static const PreparedText none;
    const auto texts = page.textsOf(objectName);
    if (texts.size() == 1)
        return *texts.front();
    QTest::qFail(qPrintable(u"%1 printed %2 times"_s.arg(objectName).arg(texts.size())), __FILE__, __LINE__);
    return none;
}

// A small template around one memo placed in the master band or in the footer.
ReportTemplate oneMemo(const QString& text, const QString& format, BandKind where)
{
    ReportTemplate t;
    t.name = u"Deneme"_s;
    t.page.endlessHeight = true;
    Band master{BandKind::MasterData, u"MasterData1"_s, 6, u"ds"_s, {}};
    Band footer{BandKind::Footer, u"Footer1"_s, 6, QString(), {}};
    TextObject memo;
    memo.name = u"Memo"_s;
    memo.rect = QRectF(0, 0, 60, 5);
    memo.text = text;
    memo.format = format;
    (where == BandKind::MasterData ? master : footer).objects.push_back(memo);
    t.bands = {master, footer};
    return t;
}

// A fixed-height page of 100 mm: printable 80 mm, of which title 20, header 10, footer 10,
// page footer 10; rows of 10 mm.
ReportTemplate pagedList()
{
    return ReportTemplate::fromJson(R"({
      "name": "Liste",
      "page": {"name": "P", "width": 100, "height": 100, "margins": {"left": 10, "top": 10, "right": 10, "bottom": 10}},
      "bands": [
        {"kind": "ReportTitle", "name": "ReportTitle1", "height": 20, "objects": [
          {"name": "Baslik", "left": 0, "top": 0, "width": 80, "height": 8, "text": "Stok Listesi"}]},
        {"kind": "PageHeader", "name": "PageHeader1", "height": 10, "objects": [
          {"name": "Sutun", "left": 0, "top": 0, "width": 80, "height": 8, "text": "Stok Adı"},
          {"type": "line", "name": "Cizgi", "left": 0, "top": 9, "width": 80, "height": 0}]},
        {"kind": "MasterData", "name": "MasterData1", "height": 10, "dataset": "frxDBDatasetURUNLER", "objects": [
          {"name": "Ad", "left": 0, "top": 0, "width": 50, "height": 8, "text": "[frxDBDatasetURUNLER.UrunAdi]"}]},
        {"kind": "Footer", "name": "Footer1", "height": 10, "objects": [
          {"name": "Toplam", "left": 0, "top": 0, "width": 80, "height": 8, "format": "%2.2n",
           "text": "[SUM(<frxDBDatasetURUNLER.StoktakiBirimMiktari>*<frxDBDatasetURUNLER.BirimSatisFiyati>,MasterData1)]"}]},
        {"kind": "PageFooter", "name": "PageFooter1", "height": 10, "objects": [
          {"name": "Sayfa", "left": 0, "top": 0, "width": 80, "height": 8, "text": "Sayfa [Page#] / [TotalPages#]"}]}
      ]})", u"Liste"_s);
}

// The shelf label's layout: one product per page, its barcode and its price.
ReportTemplate labelTemplate()
{
    return ReportTemplate::fromJson(R"({
      "name": "Etiket",
      "page": {"name": "barkod", "width": 78, "height": 38, "margins": {"left": 3.3, "top": 3.3, "right": 3.3, "bottom": 3.3}},
      "bands": [
        {"kind": "MasterData", "name": "MasterData1", "height": 40, "dataset": "frxDBDatasetURUNLER", "objects": [
          {"name": "Ad", "left": 2, "top": 0, "width": 68, "height": 12, "text": "[frxDBDatasetURUNLER.UrunAdi]",
           "font": {"family": "Arial", "size": 10, "bold": true}},
          {"type": "barcode", "name": "BarCode1", "left": 1, "top": 12, "width": 30, "height": 14.9,
           "data": "[frxDBDatasetURUNLER.SeriNumarasi]", "font": {"family": "Arial", "size": 9}},
          {"name": "Fiyat", "left": 32, "top": 10, "width": 41, "height": 14, "text": "[frxDBDatasetURUNLER.BirimSatisFiyati]",
           "format": "%2.2n", "font": {"family": "Arial", "size": 27, "bold": true}, "align": "center"}]}
      ]})", u"Etiket"_s);
}

// Every line of a fitted text is no wider than its box leaves room for.
bool linesFit(const PreparedText& t)
{
    const QFontMetricsF metrics(textFont(t.font));
    for (const QString& line : t.lines)
        if (metrics.horizontalAdvance(line) / textDotsPerMm > t.rect.width() - 2 * textGapX + 1e-9)
            return false;
    return true;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Reports print in Turkish whatever the system says.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::set(QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9)));
    }
    void cleanupTestCase() { Clock::set(QDateTime()); }

    void expressions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("inFooter");
        QTest::addColumn<QStringList>("expected");  // one text per band printed

        const auto band = [](const char* name, const char* text, const char* format, QStringList expected) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(format) << false << expected;
        };
        const auto footer = [](const char* name, const char* text, const char* format, const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(format) << true
                                << QStringList{QString::fromUtf8(expected)};
        };
        band("money %2.2n: 7,5 and 1234,5", R"([ds."UrunSatisTutari"])", "%2.2n", {"7,50", "1.234,50", "0,25"});
        band("money as stored", R"([ds."BirimSatisFiyati"])", "", {"2,5", "1234,5", "0,125"});
        band("quantity as stored", R"([ds."BirimAdedi"])", "", {"3", "1", "2"});
        band("quantity %2.2n", R"([ds."BirimAdedi"])", "%2.2n", {"3,00", "1,00", "2,00"});
        band("product of two fields", R"([<ds."BirimAdedi">*<ds."BirimSatisFiyati">])", "%2.2n",
             {"7,50", "1.234,50", "0,25"});
        band("text around brackets kept", R"(Adet: [ds."BirimAdedi"] x [ds."UrunAdi"])", "",
             {"Adet: 3 x Çay", "Adet: 1 x Şeker", "Adet: 2 x Ekmek"});
        band("empty field", R"(<[ds."MusteriAdi"]>)", "%2.2n", {"<>", "<>", "<>"});
        band("running sum inside the band", R"([SUM(<ds."UrunSatisTutari">,MasterData1)])", "%2.2n",
             {"7,50", "1.242,00", "1.242,25"});
        band("line numbers", "[Line#].", "", {"1.", "2.", "3."});
        footer("sum over three lines", R"(Toplam : [SUM(<ds."UrunSatisTutari">,MasterData1)])", "%2.2n",
               "Toplam : 1.242,25");
        footer("sum of products", R"([SUM(<ds."BirimAdedi">*<ds."BirimSatisFiyati">,MasterData1)])", "%2.2n",
               "1.242,25");
        footer("page numbers", "Sayfa [Page#] / [TotalPages#] ([Page])", "", "Sayfa 1 / 1 (1)");
        footer("date and time from the clock", "[Date] [Time]", "", "09.12.2026 14:05:09");
        footer("fields after the band read its last row", R"([ds."UrunAdi"])", "", "Ekmek");
        footer("arithmetic", "[(2 + 3) * 4 - 1]", "", "19");
        footer("half a cent rounds away from zero", R"([<ds."UrunSatisTutari"> / 2])", "%2.2n", "0,13");
        footer("negative amount", R"([0 - SUM(<ds."UrunSatisTutari">,MasterData1)])", "%2.2n", "-1.242,25");
        footer("plain text", "Toplam :", "", "Toplam :");
    }

    void expressions()
    {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(bool, inFooter);
        QFETCH(QStringList, expected);
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        addBasketLines(basket, {{"Çay", 3, "2,50"}, {"Şeker", 1, "1234,5"}, {"Ekmek", 2, "0,125"}});

        const PreparedReport r = prepareReport(
            oneMemo(text, format, inFooter ? BandKind::Footer : BandKind::MasterData), {{u"ds"_s, &basket}});
        QCOMPARE(r.pages.size(), size_t(1));
        QCOMPARE(textsOf(r.pages[0], u"Memo"_s), expected);
    }

    void moneySumsExactly()
    {
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        std::vector<Line> lines(1000, Line{"Sakız", 1, "0,1"});
        addBasketLines(basket, lines);
        const PreparedReport r = prepareReport(
            oneMemo(uR"([SUM(<ds."UrunSatisTutari">,MasterData1)])"_s, u"%2.2n"_s, BandKind::Footer),
            {{u"ds"_s, &basket}});
        QCOMPARE(textsOf(r.pages[0], u"Memo"_s), QStringList{u"100,00"_s});
    }

    void badTemplatesAreRefused_data()
    {
        QTest::addColumn<QString>("memoText");
        QTest::addColumn<QString>("extraKey");
        QTest::newRow("unknown name") << u"[Tarih]"_s << QString();
        QTest::newRow("sum without band") << uR"([SUM(<ds."A">)])"_s << QString();
        QTest::newRow("operator without operand") << u"[1 +]"_s << QString();
        QTest::newRow("dataset without field") << u"[ds.]"_s << QString();
        QTest::newRow("misspelt key") << u"x"_s << uR"("alignn": "right",)"_s;
        QTest::newRow("unknown format") << u"x"_s << uR"("format": "%2.3n",)"_s;
    }

    void badTemplatesAreRefused()
    {
        QFETCH(QString, memoText);
        QFETCH(QString, extraKey);
        const QString json = uR"({"name": "Bozuk", "page": {"width": 80, "height": 100},
            "objects": [{"name": "Memo1", %1 "left": 0, "top": 0, "width": 10, "height": 5, "text": %2}]})"_s
                                 .arg(extraKey, QString::fromUtf8(QJsonDocument(QJsonArray{memoText}).toJson(QJsonDocument::Compact)).mid(1).chopped(1));
        try {
            ReportTemplate::fromJson(json.toUtf8(), u"Bozuk"_s);
            QFAIL("the template was accepted");
        } catch (const DataError& e) {
            QVERIFY2(e.message().contains(u"Bozuk"_s), qPrintable(e.message()));
        }
    }

    void missingDatasetOrFieldIsAnError_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("dataset not given") << uR"([yok."UrunAdi"])"_s;
        QTest::newRow("field not in dataset") << uR"([ds."Yok"])"_s;
        QTest::newRow("sum over another band") << uR"([SUM(<ds."UrunSatisTutari">,MasterData2)])"_s;
    }

    void missingDatasetOrFieldIsAnError()
    {
        QFETCH(QString, text);
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        QVERIFY_THROWS_EXCEPTION(DataError, prepareReport(oneMemo(text, QString(), BandKind::Footer),
                                                          {{u"ds"_s, &basket}}));
    }

    void receiptOfOneLine()
    {
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        addBasketLines(basket, {{"Çay", 3, "2,50"}});
        Dataset& header = shop.db().tableUreticiler;
        addShopHeader(header);

        const PreparedReport r = prepareReceipt(basket, header);
        QCOMPARE(r.pages.size(), size_t(1));
        const PreparedPage& page = r.pages[0];
        // 80 mm roll, 5 mm margins, as long as title 25 + header 7 + one line 6 + footer 9 + page footer 20.
        QCOMPARE(page.size.width(), 80.0);
        QCOMPARE(page.size.height(), 5 + 25 + 7 + 6 + 9 + 20 + 5.0);

        const PreparedText& adet = only(page, u"frxDBDatasetGeciciSatilanUrunlerBirimAdedi"_s);
        const PreparedText& amount = only(page, u"frxDBDatasetGeciciSatilanUrunlerUrunSatisTutari"_s);
        QCOMPARE(only(page, u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s).text, u"Çay"_s);
        QCOMPARE(adet.text, u"3"_s);
        QCOMPARE(amount.text, u"7,50"_s);
        QCOMPARE(only(page, u"MemoToplamTutar"_s).text, u"7,50"_s);
        QVERIFY(page.findText(u"Toplam :"_s));

        // The amount stands in the column titled "Fiyat", the quantity under "Adet".
        const PreparedText* fiyat = page.findText(u"Fiyat"_s);
        const PreparedText* adetTitle = page.findText(u"Adet"_s);
        QVERIFY(fiyat && adetTitle);
        QVERIFY(amount.rect.intersects(QRectF(fiyat->rect.left(), amount.rect.top(), fiyat->rect.width(), 1)));
        QVERIFY(adet.rect.intersects(QRectF(adetTitle->rect.left(), adet.rect.top(), adetTitle->rect.width(), 1)));
        QCOMPARE(amount.rect.right(), 5 + 69.0);
        QCOMPARE(amount.rect.top(), 5 + 25 + 7 + 0.5);

        QCOMPARE(only(page, u"MemoTarih"_s).text, u"09.12.2026"_s);
        QCOMPARE(only(page, u"MemoSaat"_s).text, u"14:05:09"_s);
        QCOMPARE(only(page, u"frxDBDatasetGeciciSatilanUrunlerSatisNo"_s).text, u"42"_s);
        QCOMPARE(only(page, u"frxDBDatasetureticilerUreticiAdi"_s).text, u"Gül Bakkal"_s);
        QCOMPARE(only(page, u"frxDBDatasetureticilerKisiAdi"_s).text, u"Ayşe Yılmaz"_s);
        QCOMPARE(only(page, u"frxDBDatasetureticilerTelefonNumarasi"_s).text, u"0212 555 12 34"_s);
        QCOMPARE(only(page, u"frxDBDatasetureticilerAdres"_s).text, u"Çiçek Sok. No 5 Üsküdar"_s);
        QCOMPARE(only(page, u"frxDBDatasetureticilerNotlar"_s).text, u"Bizi tercih ettiğiniz için teşekkürler"_s);
        QCOMPARE(only(page, u"MemoProgramAdi"_s).text, u"D u k k a n o"_s);

        // Top to bottom: shop name, date, column titles, the line, the total, the footer texts.
        const QStringList order{u"frxDBDatasetureticilerUreticiAdi"_s, u"MemoSaat"_s, u"MemoUrunAdi"_s,
                                u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s, u"MemoToplam"_s,
                                u"frxDBDatasetureticilerNotlar"_s, u"MemoProgramAdi"_s, u"MemoWebAdresi"_s};
        for (int i = 1; i < order.size(); ++i)
            QVERIFY2(only(page, order[i - 1]).rect.top() < only(page, order[i]).rect.top(), qPrintable(order[i]));
        QCOMPARE(page.lines.size(), size_t(2));
    }

    void longBasketGrowsTheRoll()
    {
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        std::vector<std::string> names;
        for (int i = 1; i <= 60; ++i)
            names.push_back("Ürün " + std::to_string(i));
        std::vector<Line> lines;
        for (const auto& n : names)
            lines.push_back({n.c_str(), 2, "1,25"});
        addBasketLines(basket, lines);
        Dataset& header = shop.db().tableUreticiler;
        addShopHeader(header);

        const PreparedReport r = prepareReceipt(basket, header);
        QCOMPARE(r.pages.size(), size_t(1));
        const PreparedPage& page = r.pages[0];
        QCOMPARE(page.size.height(), 5 + 25 + 7 + 60 * 6 + 9 + 20 + 5.0);
        const QStringList printed = textsOf(page, u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s);
        QCOMPARE(printed.size(), 60);
        QCOMPARE(printed.front(), u"Ürün 1"_s);
        QCOMPARE(printed.back(), u"Ürün 60"_s);
        QCOMPARE(only(page, u"MemoToplamTutar"_s).text, u"150,00"_s);
        // Nothing is printed below the page's bottom margin.
        for (const PreparedText& t : page.texts)
            QVERIFY2(t.rect.bottom() <= page.size.height() - 5 + 1e-9, qPrintable(t.objectName));
    }

    // Names too long for their boxes keep every word on more lines; whatever stands below moves
    // down as far as the box grew, and so does the end of the roll.
    void longNamesWrapAndPushTheReceiptDown()
    {
        const QString shopName = u"Hacı Osman Adlı Mahalle Bakkalı ve Şarküteri"_s;
        const char* productName = "Organik Tam Buğday Unu Taş Değirmen Öğütme 5 kg";
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        addBasketLines(basket, {{"Çay", 3, "2,50"}, {productName, 12, "1234,5"}, {"Şeker", 1, "30"}});
        Dataset& header = shop.db().tableUreticiler;
        addShopHeader(header, shopName);

        const PreparedReport r = prepareReceipt(basket, header);
        const PreparedPage& page = r.pages.at(0);
        const PreparedText& name = only(page, u"frxDBDatasetureticilerUreticiAdi"_s);
        QVERIFY(name.lines.size() >= 2);
        QCOMPARE(name.lines.join(u' '), shopName);
        QVERIFY(linesFit(name));
        const double nameGrowth = name.rect.height() - 9.5;
        QVERIFY(nameGrowth > 5);
        for (const QString& below : {u"MemoTarih"_s, u"MemoSaat"_s, u"MemoFisNo"_s}) {
            QVERIFY2(only(page, below).rect.top() >= name.rect.bottom(), qPrintable(below));
        }
        QCOMPARE(only(page, u"MemoTarih"_s).rect.top(), 5 + 15 + nameGrowth);
        QCOMPARE(only(page, u"MemoUrunAdi"_s).rect.top(), 5 + 25 + nameGrowth + 1);

        const auto products = page.textsOf(u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s);
        const auto quantities = page.textsOf(u"frxDBDatasetGeciciSatilanUrunlerBirimAdedi"_s);
        QCOMPARE(products.size(), size_t(3));
        const PreparedText& product = *products[1];
        QVERIFY(product.lines.size() >= 2);
        QCOMPARE(product.lines.join(u' '), QString::fromUtf8(productName));
        QVERIFY(linesFit(product));
        QVERIFY(product.rect.right() <= page.findText(u"Adet"_s)->rect.left());
        const double productGrowth = product.rect.height() - 4.5;
        QVERIFY(productGrowth > 2);
        // The quantity stays on the name's first line; the next product comes after its last.
        QCOMPARE(quantities[1]->text, u"12"_s);
        QCOMPARE(quantities[1]->rect.top(), product.rect.top());
        QCOMPARE(products[2]->rect.top(), product.rect.top() + 6 + productGrowth);
        QVERIFY(only(page, u"MemoToplam"_s).rect.top() > products[2]->rect.bottom());
        QCOMPARE(page.size.height(), 5 + 25 + 7 + 3 * 6 + 9 + 20 + 5 + nameGrowth + productGrowth);

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = shop.folder() + u"/fis.pdf"_s;
        QVERIFY(exportPdf(r, pdf).ok);
        const QStringList printed = pdfText(pdf).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
        for (const QString& word : (shopName + u' ' + QString::fromUtf8(productName)).split(u' '))
            QVERIFY2(printed.contains(word), qPrintable(word + u" not in: "_s + printed.join(u' ')));
    }

    void fittedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("boxWidth");
        QTest::addColumn<QStringList>("expected");  // empty: more than one line that join back to the text
        QTest::addColumn<QString>("joint");
        QTest::newRow("fits") << u"Çay"_s << 20.0 << QStringList{u"Çay"_s} << QString();
        QTest::newRow("between words") << u"Bir iki üç dört beş altı yedi sekiz dokuz on"_s << 20.0 << QStringList()
                                       << u" "_s;
        QTest::newRow("a word longer than the box") << u"Çokuzunbirkelimeolanürünadı"_s << 12.0 << QStringList()
                                                     << QString();
        QTest::newRow("its own line breaks") << u"Birinci satır\nİkinci"_s << 60.0
                                             << QStringList{u"Birinci satır"_s, u"İkinci"_s} << QString();
    }

    void fittedLines()
    {
        QFETCH(QString, text);
        QFETCH(double, boxWidth);
        QFETCH(QStringList, expected);
        QFETCH(QString, joint);
        const FontSpec font{u"Arial"_s, 8.25, false};
        const FittedText fitted = fitText(text, font, boxWidth);
        if (expected.isEmpty()) {
            QVERIFY(fitted.lines.size() > 1);
            QCOMPARE(fitted.lines.join(joint), text);
        } else {
            QCOMPARE(fitted.lines, expected);
        }
        PreparedText placed;
        placed.lines = fitted.lines;
        placed.font = font;
        placed.rect = QRectF(0, 0, boxWidth, fitted.height);
        QVERIFY(linesFit(placed));
        QVERIFY(fitted.height > fitted.lines.size() * font.size * 25.4 / 72);
    }

    void emptyHeaderAndBasketPrintEmptyTexts()
    {
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        const PreparedReport r = prepareReceipt(basket, shop.db().tableUreticiler);
        const PreparedPage& page = r.pages[0];
        QCOMPARE(only(page, u"frxDBDatasetureticilerUreticiAdi"_s).text, QString());
        QCOMPARE(only(page, u"frxDBDatasetureticilerNotlar"_s).text, QString());
        QCOMPARE(only(page, u"frxDBDatasetGeciciSatilanUrunlerSatisNo"_s).text, QString());
        QVERIFY(page.textsOf(u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s).empty());
        QCOMPARE(only(page, u"MemoToplamTutar"_s).text, u"0,00"_s);
    }

    // The basket window and the shared header object keep their rows and see no scrolling.
    void currentRowsStayAndFilterHolds()
    {
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        addBasketLines(basket, {{"Eski satış", 1, "9"}}, 41);
        addBasketLines(basket, {{"Çay", 3, "2,50"}, {"Şeker", 1, "30"}, {"Ekmek", 2, "7,5"}}, 42);
        basket.setFilter(u"[SatisNo]='42'"_s);
        basket.setFiltered(true);
        basket.setRecNo(2);
        Dataset& header = shop.db().tableUreticiler;
        addShopHeader(header);
        header.append();
        header.setValue(u"UreticiAdi"_s, u"İkinci Dükkan"_s);
        header.post();
        header.first();
        QSignalSpy basketScrolls(&basket, &Dataset::afterScroll);
        QSignalSpy headerScrolls(&header, &Dataset::afterScroll);

        const PreparedReport r = prepareReceipt(basket, header);
        QCOMPARE(textsOf(r.pages[0], u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s),
                 (QStringList{u"Çay"_s, u"Şeker"_s, u"Ekmek"_s}));
        QCOMPARE(only(r.pages[0], u"MemoToplamTutar"_s).text, u"52,50"_s);
        QCOMPARE(only(r.pages[0], u"frxDBDatasetureticilerUreticiAdi"_s).text, u"Gül Bakkal"_s);
        QCOMPARE(basket.recNo(), 2);
        QCOMPARE(basket.text(u"UrunAdi"_s), u"Şeker"_s);
        QCOMPARE(header.recNo(), 1);
        QCOMPARE(basketScrolls.count(), 0);
        QCOMPARE(headerScrolls.count(), 0);
    }

    void fixedPagesBreakAndNumber()
    {
        TempShop shop;
        for (int i = 1; i <= 7; ++i)
            shop.addProduct(u"Ürün %1"_s.arg(i), u"%1"_s.arg(100 + i), lira("1,5"), Money(), i);
        Dataset& products = shop.db().tableUrunler;
        products.reopen();

        const PreparedReport r = prepareReport(pagedList(), {{u"frxDBDatasetURUNLER"_s, &products}});
        // Page 1: title 20 + header 10 leave 40 mm above the page footer: 4 rows. Page 2: header
        // 10, then 3 rows and the footer fill 50 of its 70 mm.
        QCOMPARE(r.pages.size(), size_t(2));
        const PreparedPage& first = r.pages[0];
        const PreparedPage& second = r.pages[1];
        QCOMPARE(textsOf(first, u"Ad"_s).size(), 4);
        QCOMPARE(textsOf(second, u"Ad"_s).front(), u"Ürün 5"_s);
        QCOMPARE(textsOf(first, u"Baslik"_s).size(), 1);
        QCOMPARE(textsOf(second, u"Baslik"_s).size(), 0);
        QCOMPARE(textsOf(second, u"Sutun"_s).size(), 1);
        QCOMPARE(second.lines.size(), size_t(1));
        QCOMPARE(textsOf(first, u"Toplam"_s).size(), 0);
        QCOMPARE(textsOf(second, u"Toplam"_s), QStringList{u"42,00"_s});  // (1 + ... + 7) x 1,50
        QCOMPARE(textsOf(first, u"Sayfa"_s), QStringList{u"Sayfa 1 / 2"_s});
        QCOMPARE(textsOf(second, u"Sayfa"_s), QStringList{u"Sayfa 2 / 2"_s});
        // The page footer stands at the foot of every page.
        QCOMPARE(only(first, u"Sayfa"_s).rect.top(), 80.0);
        QCOMPARE(only(second, u"Sayfa"_s).rect.top(), 80.0);
        QCOMPARE(second.textsOf(u"Ad"_s).front()->rect.top(), 20.0);
        QCOMPARE(first.size, QSizeF(100, 100));
    }

    // A row that grows past the room left above the page footer starts the next page.
    void grownRowGoesToTheNextPage()
    {
        TempShop shop;
        for (int i = 1; i <= 3; ++i)
            shop.addProduct(u"Ürün %1"_s.arg(i), u"%1"_s.arg(100 + i), lira("1"));
        shop.addProduct(u"Kutusuna sığmayacak kadar uzun adlı dördüncü ürün"_s, u"104"_s, lira("1"));
        Dataset& products = shop.db().tableUrunler;
        products.reopen();

        const PreparedReport r = prepareReport(pagedList(), {{u"frxDBDatasetURUNLER"_s, &products}});
        QCOMPARE(r.pages.size(), size_t(2));
        QCOMPARE(textsOf(r.pages[0], u"Ad"_s).size(), 3);
        const PreparedText& grown = *r.pages[1].textsOf(u"Ad"_s).front();
        QVERIFY(grown.lines.size() >= 2);
        QCOMPARE(grown.rect.top(), 20.0);
        QCOMPARE(only(r.pages[1], u"Toplam"_s).rect.top(), 20 + 10 + grown.rect.height() - 8);
        QCOMPARE(only(r.pages[0], u"Sayfa"_s).rect.top(), 80.0);
    }

    void filterDecidesTheRows()
    {
        TempShop shop;
        shop.addProduct(u"Az"_s, u"1"_s, lira("1"), Money(), 5);
        shop.addProduct(u"Çok"_s, u"2"_s, lira("1"), Money(), 50);
        Dataset& products = shop.db().tableUrunler;
        products.setFilter(u"[StoktakiBirimMiktari]<=10"_s);
        products.setFiltered(true);
        const PreparedReport r = prepareReport(pagedList(), {{u"frxDBDatasetURUNLER"_s, &products}});
        QCOMPARE(textsOf(r.pages[0], u"Ad"_s), QStringList{u"Az"_s});
        QCOMPARE(textsOf(r.pages[0], u"Toplam"_s), QStringList{u"5,00"_s});
    }

    void labelsTakeAPageEach()
    {
        TempShop shop;
        shop.addProduct(u"Çikolata"_s, u"101"_s, lira("1234,5"));
        shop.addProduct(u"Gofret"_s, u"ABC-12345"_s, lira("7,25"));
        Dataset& products = shop.db().tableUrunler;
        products.reopen();
        const PreparedReport r = prepareReport(labelTemplate(), {{u"frxDBDatasetURUNLER"_s, &products}});
        QCOMPARE(r.pages.size(), size_t(2));
        QCOMPARE(r.pages[0].size, QSizeF(78, 38));
        QCOMPARE(textsOf(r.pages[0], u"Fiyat"_s), QStringList{u"1.234,50"_s});
        QCOMPARE(textsOf(r.pages[1], u"Fiyat"_s), QStringList{u"7,25"_s});
        QCOMPARE(textsOf(r.pages[1], u"BarCode1"_s), QStringList{u"ABC-12345"_s});  // the text under the bars
        QCOMPARE(r.pages[1].barcodes.front().data, u"ABC-12345"_s);
    }

    void barcodeOf101()
    {
        const Code128 code = encodeCode128(u"101"_s);
        QVERIFY(code.ok());
        // Start, three symbols ("1" "0" "1" in set B), check symbol, stop, two quiet zones.
        QCOMPARE(code.modules, 11 + 3 * 11 + 11 + 13 + 20);
        QCOMPARE(code.bars.front().x(), 10.0);
        QCOMPARE(code.bars.back().right(), code.modules - 10.0);

        TempShop shop;
        shop.addProduct(u"Deneme"_s, u"101"_s, lira("2,5"));
        Dataset& products = shop.db().tableUrunler;
        products.reopen();
        const PreparedReport r = prepareReport(labelTemplate(), {{u"frxDBDatasetURUNLER"_s, &products}});
        const PreparedBarcode& barcode = r.pages[0].barcodes.at(0);
        QVERIFY(barcode.error.isEmpty());
        QCOMPARE(barcode.bars.size(), code.bars.size());
        for (const QRectF& bar : barcode.bars)
            QVERIFY(barcode.rect.contains(bar));
        const PreparedText& caption = only(r.pages[0], u"BarCode1"_s);
        QCOMPARE(caption.text, u"101"_s);
        QVERIFY(caption.rect.top() >= barcode.bars.front().bottom() - 1e-9);

        const QString zbarimg = QStandardPaths::findExecutable(u"zbarimg"_s);
        if (zbarimg.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        QTemporaryDir dir;
        const QString png = dir.filePath(u"etiket.png"_s);
        QVERIFY(renderPage(r.pages[0], 300).save(png));
        QProcess p;
        p.start(zbarimg, {u"--quiet"_s, png});
        QVERIFY(p.waitForFinished());
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), u"CODE-128:101"_s);
    }

    void textsCode128CannotHoldPrintWithoutBars_data()
    {
        QTest::addColumn<QString>("data");
        QTest::newRow("Turkish letters outside Latin-1") << u"ĞŞİ"_s;
        QTest::newRow("empty") << QString();
    }

    void textsCode128CannotHoldPrintWithoutBars()
    {
        QFETCH(QString, data);
        TempShop shop;
        shop.addProduct(u"Deneme"_s, data, lira("2,5"));
        Dataset& products = shop.db().tableUrunler;
        products.reopen();
        const PreparedReport r = prepareReport(labelTemplate(), {{u"frxDBDatasetURUNLER"_s, &products}});
        QVERIFY(r.pages[0].barcodes.at(0).bars.empty());
        QVERIFY(!r.pages[0].barcodes.at(0).error.isEmpty());
        QCOMPARE(only(r.pages[0], u"BarCode1"_s).text, data);
    }

    void missingPrinterIsAFailure()
    {
        const PreparedReport r{u"Boş"_s, {PreparedPage()}};
        const PrintResult result = printReport(r, u"Böyle Bir Yazıcı Yok"_s);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, u"Yazdırılamadı: \"Böyle Bir Yazıcı Yok\" adlı yazıcı bulunamadı."_s);
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        const PrintResult noDefault = printReport(r, QString());
        QVERIFY(!noDefault.ok);
        QCOMPARE(noDefault.message, u"Yazdırılamadı: bilgisayarda kurulu bir yazıcı yok."_s);
    }

    // A queue that rejects jobs, or is stopped and would keep the receipt unprinted, refuses
    // the print like a printer that is not there.
    void stoppedOrRejectingQueueRefuses_data()
    {
        QTest::addColumn<QString>("accepting");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");  // empty: the queue takes the job
        QTest::newRow("idle") << u"true"_s << u"3"_s << QString();
        QTest::newRow("printing") << u"true"_s << u"4"_s << QString();
        QTest::newRow("not reported") << QString() << QString() << QString();
        QTest::newRow("rejecting") << u"false"_s << u"3"_s
                                   << u"Yazdırılamadı: \"Fiş Yazıcısı\" yazıcısı iş kabul etmiyor."_s;
        QTest::newRow("stopped") << u"true"_s << u"5"_s
                                 << u"Yazdırılamadı: \"Fiş Yazıcısı\" yazıcısı durdurulmuş."_s;
        QTest::newRow("both") << u"false"_s << u"5"_s
                              << u"Yazdırılamadı: \"Fiş Yazıcısı\" yazıcısı iş kabul etmiyor ve durdurulmuş."_s;
    }

    void stoppedOrRejectingQueueRefuses()
    {
        QFETCH(QString, accepting);
        QFETCH(QString, state);
        QFETCH(QString, message);
        QMap<QString, QString> options{{u"printer-info"_s, u"Fiş Yazıcısı"_s}, {u"printer-type"_s, u"4"_s}};
        if (!accepting.isEmpty())
            options.insert(u"printer-is-accepting-jobs"_s, accepting);
        if (!state.isEmpty())
            options.insert(u"printer-state"_s, state);
        const PrintResult result = checkQueue(u"Fiş Yazıcısı"_s, options);
        QCOMPARE(result.ok, message.isEmpty());
        QCOMPARE(result.message, message);
    }

    void printingGoesThroughTheSeam()
    {
        QTemporaryDir dir;
        TestPrinters printers({u"Fiş Yazıcısı"_s, u"Lazer"_s}, dir.path());
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        addBasketLines(basket, {{"Çay", 3, "2,50"}});
        const PreparedReport receipt = prepareReceipt(basket, shop.db().tableUreticiler);

        QVERIFY(printReport(receipt, u"Lazer"_s).ok);
        QVERIFY(QFile::exists(printers.jobs.back().pdf));
        QVERIFY(!printReport(receipt, u"Başka"_s).ok);
        printers.failure = u"Kağıt bitti."_s;
        const PrintResult failed = printReport(receipt, u"Fiş Yazıcısı"_s);
        QVERIFY(!failed.ok);
        QCOMPARE(failed.message, u"Kağıt bitti."_s);
        QCOMPARE(printers.jobs.size(), size_t(3));
    }

    void receiptPdfReadsBack()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TempShop shop;
        Dataset basket(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        addBasketLines(basket, {{"Çay", 3, "2,50"}, {"Şeker", 1, "1234,5"}});
        addShopHeader(shop.db().tableUreticiler);
        const PreparedReport receipt = prepareReceipt(basket, shop.db().tableUreticiler);

        const QString pdf = shop.folder() + u"/fis.pdf"_s;
        const PrintResult result = exportPdf(receipt, pdf);
        QVERIFY2(result.ok, qPrintable(result.message));
        const QString text = pdfText(pdf);
        for (const QString& expected : {u"Gül Bakkal"_s, u"Fiş No :"_s, u"42"_s, u"09.12.2026"_s,
                                        u"14:05:09"_s, u"Ürün Adı"_s, u"Adet"_s, u"Fiyat"_s, u"Çay"_s,
                                        u"7,50"_s, u"1.234,50"_s, u"Toplam :"_s, u"1.242,00"_s,
                                        u"Çiçek Sok. No 5 Üsküdar"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" not in:\n"_s + text));
        // The quantity and the amount share the line of their product.
        QVERIFY2(text.contains(QRegularExpression(u"Çay\\s+3\\s+7,50"_s)), qPrintable(text));

        const QString pdfinfo = QStandardPaths::findExecutable(u"pdfinfo"_s);
        if (pdfinfo.isEmpty())
            return;
        QProcess info;
        info.start(pdfinfo, {pdf});
        info.waitForFinished();
        const auto size = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+) pts"_s)
                              .match(QString::fromUtf8(info.readAllStandardOutput()));
        QVERIFY(size.hasMatch());
        // 80 mm wide and as long as the receipt, in points.
        QVERIFY(qAbs(size.captured(1).toDouble() - 80 / 25.4 * 72) < 0.5);
        QVERIFY(qAbs(size.captured(2).toDouble() - receipt.pages[0].size.height() / 25.4 * 72) < 0.5);
    }

    void pdfToAFolderThatIsNotThereFails()
    {
        const PreparedReport r{u"Boş"_s, {PreparedPage{1, QSizeF(80, 50), false, {}, {}, {}}}};
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        const PrintResult result = exportPdf(r, u"/yok/olan/klasor/rapor.pdf"_s);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, u"PDF dosyası yazılamadı: /yok/olan/klasor/rapor.pdf"_s);
    }

    void paperFollowsThePage_data()
    {
        QTest::addColumn<QSizeF>("pageSize");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        // A receipt of one line is shorter than the roll is wide: it must not turn sideways.
        QTest::newRow("short roll receipt") << QSizeF(80, 71) << false << QPageLayout::Portrait;
        QTest::newRow("long roll receipt") << QSizeF(80, 431) << false << QPageLayout::Portrait;
        // Seven lines: a millimetre short of an envelope size each way.
        QTest::newRow("receipt of seven lines") << QSizeF(80, 113) << false << QPageLayout::Portrait;
        QTest::newRow("A4 landscape") << QSizeF(297, 210) << true << QPageLayout::Landscape;
    }

    void paperFollowsThePage()
    {
        QFETCH(QSizeF, pageSize);
        QFETCH(bool, landscape);
        QFETCH(QPageLayout::Orientation, orientation);
        const QPageLayout layout = pageLayout(PreparedPage{1, pageSize, landscape, {}, {}, {}});
        QCOMPARE(layout.orientation(), orientation);
        QCOMPARE(layout.fullRect(QPageLayout::Millimeter).size(), pageSize);
        QCOMPARE(layout.margins(), QMarginsF());
    }

    void previewPagesZoomsPrintsAndExports()
    {
        QTemporaryDir dir;
        TestPrinters printers({u"Fiş Yazıcısı"_s, u"Lazer"_s}, dir.path());
        ScriptedDialogs dialogs;
        TempShop shop;
        for (int i = 1; i <= 12; ++i)
            shop.addProduct(u"Ürün %1"_s.arg(i), u"%1"_s.arg(i), lira("1"));
        shop.db().tableUrunler.reopen();
        PreparedReport report = prepareReport(pagedList(), {{u"frxDBDatasetURUNLER"_s, &shop.db().tableUrunler}});
        const size_t pageCount = report.pages.size();
        QVERIFY(pageCount >= 3);

        ReportPreview* preview = showPreview(std::move(report));
        QPointer<ReportPreview> guard(preview);
        QCOMPARE(preview->printerList()->count(), 2);
        QCOMPARE(preview->printerList()->currentText(), u"Fiş Yazıcısı"_s);
        auto* next = preview->findChild<QPushButton*>(u"nextButton"_s);
        auto* previous = preview->findChild<QPushButton*>(u"previousButton"_s);
        QVERIFY(!previous->isEnabled());
        next->click();
        next->click();
        QCOMPARE(preview->pageIndex(), 2);
        QTest::keyClick(preview, Qt::Key_End);
        QCOMPARE(preview->pageIndex(), int(pageCount) - 1);
        QVERIFY(!next->isEnabled());

        const double zoom = preview->zoom();
        preview->findChild<QPushButton*>(u"zoomInButton"_s)->click();
        QVERIFY(preview->zoom() > zoom);
        const QSize zoomedIn = preview->findChild<QLabel*>(u"pageView"_s)->pixmap().size();
        preview->findChild<QPushButton*>(u"zoomOutButton"_s)->click();
        QVERIFY(preview->findChild<QLabel*>(u"pageView"_s)->pixmap().width() < zoomedIn.width());

        preview->printerList()->setCurrentIndex(1);
        preview->findChild<QPushButton*>(u"printButton"_s)->click();
        QCOMPARE(printers.jobs.size(), size_t(1));
        QCOMPARE(printers.jobs[0].printer, u"Lazer"_s);
        QCOMPARE(printers.jobs[0].report.pages.size(), pageCount);
        QVERIFY(dialogs.shown.isEmpty());

        printers.failure = u"Kağıt bitti."_s;
        preview->findChild<QPushButton*>(u"printButton"_s)->click();
        QCOMPARE(dialogs.shown, QStringList{u"Kağıt bitti."_s});

        const QString pdf = dir.filePath(u"liste.pdf"_s);
        QString suggested;
        preview->setPdfPathChooser([&](QWidget*, const QString& name) { suggested = name; return pdf; });
        preview->findChild<QPushButton*>(u"pdfButton"_s)->click();
        QCOMPARE(suggested, u"Liste.pdf"_s);
        QVERIFY(QFileInfo(pdf).size() > 0);

        QTest::keyClick(preview, Qt::Key_Escape);
        QTRY_VERIFY(guard.isNull());  // closing deletes the window
    }

    void builtInTemplatesLoad()
    {
        const QStringList names = ReportTemplate::builtInNames();
        QVERIFY(names.contains(u"frxReportFisim"_s));
        for (const QString& name : names)
            QCOMPARE(ReportTemplate::builtIn(name).name, name);
        const ReportTemplate receipt = ReportTemplate::builtIn(u"frxReportFisim"_s);
        QCOMPARE(receipt.page.name, u"Fisim"_s);
        QVERIFY(receipt.page.endlessHeight);
        QCOMPARE(receipt.page.printableWidth(), 70.0);
        QVERIFY_THROWS_EXCEPTION(DataError, ReportTemplate::builtIn(u"frxYok"_s));
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
