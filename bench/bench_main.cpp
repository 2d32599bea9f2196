// dukkano_bench [--only STEPS] [folder]: times the program's work on an empty shop, on the large
// generated shop and on one three times its size, and prints the figures beside their targets.
//
// Each shop is measured in a fresh child process (dukkano_bench --measure <file> <steps>), so
// its peak memory is that of the program's own work on that shop alone, not of the generator
// or of another shop. Generated shops are measured on copies: the sales written while
// measuring do not pile up in the kept files.
//
// What is measured is the table `steps` below: a step is a piece of work done in the child,
// with the figures it reports and the rows that print them.
#include "AylikOdemeler.h"
#include "Clock.h"
#include "DataGrid.h"
#include "Database.h"
#include "Dialogs.h"
#include "MasraflarGiderler.h"
#include "Mdiunit.h"
#include "MusteriHesabi.h"
#include "Receipt.h"
#include "SatisAyrintilari.h"
#include "Schema.h"
#include "SettingsKey.h"
#include "ShopGenerator.h"
#include "SpreadsheetFiles.h"
#include "Dialog.h"
#include "UrunBilgileriD.h"
#include "UrunSatis.h"
#include "UrunSatisIptali.h"
#include "Veritabani.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;

namespace {

// The benchmark's today: the generated shops' last day and the clock while measuring, so that
// a shop made on any day is the same shop and is measured the same way.
const QDateTime benchNow(QDate(2026, 12, 9), QTime(14, 30));

// Shops generated from the large shop's size: the large one and the one three times its size.
constexpr int generatedScales[] = {1, 3};

constexpr int startRuns = 7;
constexpr int processStartRuns = 5;
constexpr int scans = 300;
constexpr int scansPerBasket = 20;
constexpr int filterSwitches = 300;
constexpr int sales = 30;
constexpr int linesPerSale = 5;
constexpr int openingRuns = 5;
constexpr int exportRuns = 3;
constexpr int lineReturns = 30;
constexpr int customerChoices = 50;
constexpr int payments = 30;
// First letters of the product names, as a user starts a search; 'ı' finds "Ilgaz".
const QString searchLetters = u"akmtebsdygçfonıakmtebsdygçfonı"_s;

double milliseconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

// Processor time of this thread: a wall-clock figure far above it was spent waiting for the
// disk or for a processor busy with other work.
double threadMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

class Samples {
public:
    void add(double value) { m_values.push_back(value); }
    double median() const { return at(0.5); }
    double at(double fraction) const
    {
        if (m_values.empty())
            return 0;
        std::vector<double> sorted = m_values;
        std::sort(sorted.begin(), sorted.end());
        return sorted[size_t(fraction * double(sorted.size() - 1) + 0.5)];
    }
    double max() const { return m_values.empty() ? 0 : *std::max_element(m_values.begin(), m_values.end()); }
    int count() const { return int(m_values.size()); }

private:
    std::vector<double> m_values;
};

// A fixed sequence of picks, the same on every run.
class Picks {
public:
    qint64 below(qint64 n)
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return n <= 0 ? 0 : qint64((m_state >> 33) % quint64(n));
    }

private:
    quint64 m_state = 42;
};

// The program's boxes ("Bu Ürün Kayıtlı Değil." on an empty shop) are counted, never shown;
// a question is answered Yes.
class CountedDialogs : public Dialogs {
public:
    CountedDialogs() { setDialogs(this); }
    ~CountedDialogs() override { setDialogs(nullptr); }
    CountedDialogs(const CountedDialogs&) = delete;
    CountedDialogs& operator=(const CountedDialogs&) = delete;

    void message(const QString&, const QString&) override { ++shown; }
    bool question(const QString&, const QString&, QuestionButtons) override { ++shown; return true; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        ++shown;
        return std::nullopt;
    }
    int shown = 0;
};

// What the child processes share: a settings folder of their own, the fixed clock, counted boxes.
class ChildSetting {
public:
    ChildSetting()
    {
        SettingsKey::setFolder(m_settings.path());
        Clock::set(benchNow);
    }

    CountedDialogs dialogs;

private:
    QTemporaryDir m_settings;
};

void printFigure(const QString& key, double value)
{
    std::printf("figure %s %.6f\n", qPrintable(key), value);
    std::fflush(stdout);
}

// The first column of the first row, as a number or as text.
qint64 scalar(Database& db, const QString& sql)
{
    auto st = db.prepare(sql);
    st.step();
    const qint64 value = st.columnInt(0);
    st.reset();
    return value;
}

QString text(Database& db, const QString& sql)
{
    auto st = db.prepare(sql);
    st.step();
    const QString value = st.column(0).toString();
    st.reset();
    return value;
}

// This process's peak resident memory since it started or since resetPeakMemory().
double peakResidentMegabytes()
{
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// Brings the peak down to the memory in use now, so that each step's own peak can be read.
bool resetPeakMemory()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// The program's main window on the whole screen and active, as after a start.
void showMainWindow(TMdiForm& main)
{
    showMaximizedOnScreen(&main);
    QApplication::setActiveWindow(&main);
    if (!QTest::qWaitForWindowActive(&main))
        std::fprintf(stderr, "the main window did not become active; keystrokes may go nowhere\n");
}

// ---- measuring one shop (child process)

class Measurement {
public:
    explicit Measurement(const QString& path) : m_path(path) {}

    // From a new connection to the sale screen painted, as at start, in this process; the
    // first run is the one a real start pays. Then whole starts of the program in new processes.
    void startToSaleScreen()
    {
        Samples open, main, sale, ready;
        for (int run = 0; run < startRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            auto db = std::make_unique<Veritabani>(m_path);
            const double opened = milliseconds(timer);
            auto mainWindow = std::make_unique<TMdiForm>(*db);
            showMaximizedOnScreen(mainWindow.get());
            const double mainShown = milliseconds(timer);
            mainWindow->openUrunSatis();
            QCoreApplication::processEvents();
            const double shown = milliseconds(timer);
            mainWindow.reset();  // with the sale window it owns
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (run == 0) {
                printFigure(u"open_first"_s, opened);
                printFigure(u"main_first"_s, mainShown - opened);
                printFigure(u"sale_window_first"_s, shown - mainShown);
                printFigure(u"ready_first"_s, shown);
                continue;
            }
            open.add(opened);
            main.add(mainShown - opened);
            sale.add(shown - mainShown);
            ready.add(shown);
        }
        printFigure(u"open_median"_s, open.median());
        printFigure(u"main_median"_s, main.median());
        printFigure(u"sale_window_median"_s, sale.median());
        printFigure(u"ready_median"_s, ready.median());
        processStarts();
    }

    void barcodeScans()
    {
        Veritabani db(m_path);
        const std::vector<QString> codes = barcodes(db);
        QMdiArea mdiArea;
        auto* window = openSaleWindow(db, mdiArea);
        QLineEdit* field = window->seriNumarasi;
        Samples handler, processor, shown;
        for (int i = 0; i < scans; ++i) {
            if (i > 0 && i % scansPerBasket == 0) {
                window->ButtonSil->click();
                QCoreApplication::processEvents();
            }
            field->setText(codes[size_t(i)]);
            QElapsedTimer timer;
            const double cpuStart = threadMilliseconds();
            timer.start();
            QTest::keyClick(field, Qt::Key_Return);
            handler.add(milliseconds(timer));
            processor.add(threadMilliseconds() - cpuStart);
            QCoreApplication::processEvents();
            shown.add(milliseconds(timer));
        }
        closeWindow(window);
        printFigure(u"scan_median"_s, handler.median());
        printFigure(u"scan_p95"_s, handler.at(0.95));
        printFigure(u"scan_max"_s, handler.max());
        printFigure(u"scan_cpu_median"_s, processor.median());
        printFigure(u"scan_cpu_p95"_s, processor.at(0.95));
        printFigure(u"scan_painted_median"_s, shown.median());
        printFigure(u"boxes"_s, m_setting.dialogs.shown);
    }

    // What the review windows do for the current sale: the sale's lines on, read, off.
    void soldLinesFilter()
    {
        Veritabani db(m_path);
        const qint64 sales = scalar(db.baglanti, u"SELECT max(SatisNo) FROM Satislar"_s);
        Dataset& lines = db.tableSatilanUrunler;
        Picks picks;
        Samples samples;
        qint64 read = 0;
        for (int i = 0; i < filterSwitches; ++i) {
            const qint64 saleNo = sales > 0 ? 1 + picks.below(sales) : 1;
            QElapsedTimer timer;
            timer.start();
            lines.setFiltered(false);
            lines.setFilter(u"[SatisNo]=%1"_s.arg(saleNo));
            lines.setFiltered(true);  // moves to the sale's first line
            for (; !lines.eof(); lines.next()) {
                lines.money(u"UrunSatisTutari"_s);
                lines.text(u"UrunAdi"_s);
                lines.real(u"BirimAdedi"_s);
                ++read;
            }
            lines.setFiltered(false);
            samples.add(milliseconds(timer));
        }
        printFigure(u"filter_median"_s, samples.median());
        printFigure(u"filter_max"_s, samples.max());
        printFigure(u"filter_lines"_s, double(read) / filterSwitches);
    }

    // The stock list opened from the menu, a name search typed into it, then its export.
    void stockList()
    {
        Veritabani db(m_path);
        TMdiForm main(db);
        showMainWindow(main);
        auto* window = qobject_cast<TformUrunBilgileriD*>(
            timeOpening(main, main.menuUrunBilgileriD, u"stock_open"_s));
        if (!window)
            return;
        nameSearch(window);
        spreadsheetExport(window);
        closeWorkWindow(window);
    }

    // A day's sale at the counter: five scans, the receipt prepared as "EVET" would, "TAMAMLA",
    // then the writing step of "HAYIR", which commits the sale to the disk.
    void completingSales()
    {
        Veritabani db(m_path);
        const std::vector<QStringList> baskets = saleBaskets(db);
        QMdiArea mdiArea;
        auto* window = openSaleWindow(db, mdiArea);
        const qint64 lastBefore = scalar(db.baglanti, u"SELECT max(SatisNo) FROM Satislar"_s);
        const int boxesBefore = m_setting.dialogs.shown;
        Samples receipt, question, sale, saleProcessor;
        double firstReceipt = 0;
        int refused = 0;
        for (const QStringList& basket : baskets) {
            for (const QString& barcode : basket) {
                window->seriNumarasi->setText(barcode);
                QTest::keyClick(window->seriNumarasi, Qt::Key_Return);
                QCoreApplication::processEvents();
            }
            QElapsedTimer timer;
            timer.start();
            const report::PreparedReport prepared = report::prepareReceipt(window->tableGeciciSatilanUrunler,
                                                                             db.tableUreticiler);
            const double prepareTime = milliseconds(timer);
            receipt.add(prepareTime);
            if (&basket == &baskets.front())
                firstReceipt = prepareTime;

            timer.restart();
            window->satisiGerceklestirClick();
            question.add(milliseconds(timer));
            QCoreApplication::processEvents();  // the receipt question is up

            const double cpuStart = threadMilliseconds();
            timer.restart();
            if (!window->SatisTamamClick())
                ++refused;
            sale.add(milliseconds(timer));
            saleProcessor.add(threadMilliseconds() - cpuStart);
            if (window->FormDialog)
                window->FormDialog->kapatClick();
            QCoreApplication::processEvents();
        }
        const qint64 lastAfter = scalar(db.baglanti, u"SELECT max(SatisNo) FROM Satislar"_s);
        const qint64 lastLines = scalar(db.baglanti, u"SELECT count(*) FROM SatilanUrunler WHERE SatisNo = %1"_s
                                                .arg(lastAfter));
        closeWindow(window);
        printFigure(u"sale_median"_s, sale.median());
        printFigure(u"sale_p95"_s, sale.at(0.95));
        printFigure(u"sale_max"_s, sale.max());
        printFigure(u"sale_cpu_median"_s, saleProcessor.median());
        printFigure(u"question_median"_s, question.median());
        printFigure(u"receipt_first"_s, firstReceipt);
        printFigure(u"receipt_median"_s, receipt.median());
        printFigure(u"receipt_p95"_s, receipt.at(0.95));
        printFigure(u"sales_written"_s, double(lastAfter - lastBefore));
        printFigure(u"sale_lines"_s, double(lastLines));
        printFigure(u"sale_refusals"_s, refused + (m_setting.dialogs.shown - boxesBefore));
    }

    // "Stok Satış İptali" opened from the menu on the cash sales, the newest selected; then lines
    // of the newest sales taken back one after the other, each committed to the disk.
    void saleCancellation()
    {
        Veritabani db(m_path);
        TMdiForm main(db);
        showMainWindow(main);
        auto* window = qobject_cast<TformUrunSatisIptali*>(
            timeOpening(main, main.MenuUrunSatisIptali, u"cancel_open"_s));
        if (!window)
            return;
        printFigure(u"cancel_sales"_s, window->tableSatislar.recordCount());
        const qint64 linesBefore = scalar(db.baglanti, u"SELECT count(*) FROM SatilanUrunler"_s);
        Samples handler, processor;
        while (handler.count() < lineReturns && !window->tableSatislar.isEmpty()) {
            // A discounted sale whose lines have all come back stays listed without lines.
            if (window->tableSatilanUrunler.isEmpty()) {
                const qint64 sale = window->tableSatislar.currentKey();
                window->tableSatislar.prior();
                if (window->tableSatislar.currentKey() == sale)
                    break;
                continue;
            }
            QElapsedTimer timer;
            const double cpuStart = threadMilliseconds();
            timer.start();
            window->stokIadeButton->click();
            handler.add(milliseconds(timer));
            processor.add(threadMilliseconds() - cpuStart);
            QCoreApplication::processEvents();
        }
        const qint64 linesAfter = scalar(db.baglanti, u"SELECT count(*) FROM SatilanUrunler"_s);
        closeWorkWindow(window);
        printFigure(u"return_median"_s, handler.median());
        printFigure(u"return_p95"_s, handler.at(0.95));
        printFigure(u"return_max"_s, handler.max());
        printFigure(u"return_cpu_median"_s, processor.median());
        printFigure(u"returned_lines"_s, double(linesBefore - linesAfter));
    }

    // "Masraflar && Giderler" opened from the menu, with its totals of today and of 31 days.
    void expenseBook()
    {
        Veritabani db(m_path);
        TMdiForm main(db);
        showMainWindow(main);
        if (QWidget* window = timeOpening(main, main.Masraflar1, u"expenses_open"_s))
            closeWorkWindow(window);
        printFigure(u"expenses_listed"_s,
                    double(scalar(db.baglanti, u"SELECT count(*) FROM MasrafGiderler"_s)));
    }

    // The customer windows opened from the main window (the debts from its hot spot), customers
    // chosen in the sale details, and payments taken in the account window.
    void customerAccounts()
    {
        Veritabani db(m_path);
        TMdiForm main(db);
        showMainWindow(main);
        const auto close = [](QWidget* window) {
            if (window)
                closeWorkWindow(window);
        };
        close(timeOpening(main, main.MenuYeniMusteri, u"customer_entry_open"_s));
        close(timeOpening(main, main.menuMusteriBilgileriD, u"customer_list_open"_s));
        close(timeOpening(main, [&main] { QTest::mouseClick(main.borclarNoktasi, Qt::LeftButton); }, u"debts_open"_s,
                          u"the hot spot"_s));
        QWidget* details = timeOpening(main, main.MenuSatisAyrintilari, u"details_open"_s);
        if (auto* window = qobject_cast<TformSatisAyrintilari*>(details))
            chooseCustomers(window);
        close(details);
        QWidget* account = timeOpening(main, main.MenuAylikOdemeler, u"account_open"_s);
        if (auto* window = qobject_cast<TformAylikOdemeler*>(account))
            takePayments(db, window);
        close(account);
    }

private:
    // The whole start a user waits for: process, libraries, the toolkit, the shop, the windows.
    void processStarts()
    {
        Samples starts;
        for (int run = 0; run < processStartRuns; ++run) {
            QProcess program;
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer timer;
            timer.start();
            program.start(QCoreApplication::applicationFilePath(), {u"--start"_s, m_path});
            QByteArray said;
            while (!said.contains("ready") && program.waitForReadyRead(60000))
                said += program.readAllStandardOutput();
            const double elapsed = milliseconds(timer);
            program.waitForFinished(-1);
            if (!said.contains("ready")) {
                std::fprintf(stderr, "the program did not reach the sale screen\n");
                return;
            }
            starts.add(elapsed);
        }
        printFigure(u"process_start_median"_s, starts.median());
        printFigure(u"process_start_max"_s, starts.max());
    }

    // Opens a work window from its menu item as the user does, until it is painted, closing it
    // between runs; reports key_first (the one a fresh start pays) and key_median. Returns the
    // window of the last run, still open.
    static QWidget* timeOpening(TMdiForm& main, QAction* item, const QString& key)
    {
        return timeOpening(main, [item] { item->trigger(); }, key, item->text());
    }

    static QWidget* timeOpening(TMdiForm& main, const std::function<void()>& open, const QString& key,
                                const QString& what)
    {
        QMdiArea* area = main.findChild<QMdiArea*>();
        Samples later;
        QWidget* window = nullptr;
        for (int run = 0; run < openingRuns; ++run) {
            if (window)
                closeWorkWindow(window);
            QElapsedTimer timer;
            timer.start();
            open();
            QCoreApplication::processEvents();
            const double elapsed = milliseconds(timer);
            const QList<QMdiSubWindow*> frames = area->subWindowList();
            window = frames.isEmpty() ? nullptr : frames.last()->widget();
            if (!window) {
                std::fprintf(stderr, "%s opened no window\n", qPrintable(what));
                return nullptr;
            }
            if (run == 0)
                printFigure(key + u"_first"_s, elapsed);
            else
                later.add(elapsed);
        }
        printFigure(key + u"_median"_s, later.median());
        return window;
    }

    static void closeWorkWindow(QWidget* window)
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static TFormUrunSatis* openSaleWindow(Veritabani& db, QMdiArea& mdiArea)
    {
        auto* window = new TFormUrunSatis(db, &mdiArea, nullptr);
        showMaximizedOnScreen(window);
        QCoreApplication::processEvents();
        return window;
    }

    static void closeWindow(TFormUrunSatis* window)
    {
        QPointer<TFormUrunSatis> guard(window);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete guard.data();
    }

    // Barcodes picked among all products, the quick-sale ones included, as a day's scans would be.
    std::vector<QString> barcodes(Veritabani& db)
    {
        const qint64 products = scalar(db.baglanti, u"SELECT max(UrunNo) FROM Urunler"_s);
        std::vector<QString> codes;
        if (products == 0) {
            codes.assign(scans, u"8690000000000"_s);  // the "not registered" path
            return codes;
        }
        auto code = db.baglanti.prepare(u"SELECT SeriNumarasi FROM Urunler WHERE UrunNo = ?"_s);
        Picks picks;
        while (int(codes.size()) < scans) {
            code.bind(1, 1 + picks.below(products));
            if (code.step())
                codes.push_back(code.column(0).toString());
            code.reset();
        }
        return codes;
    }

    // Baskets of distinct products with a barcode; an empty shop first gets the few it sells.
    std::vector<QStringList> saleBaskets(Veritabani& db)
    {
        if (scalar(db.baglanti, u"SELECT count(*) FROM Urunler"_s) == 0) {
            auto add = db.baglanti.prepare(u"INSERT INTO Urunler (UrunAdi, UrunAciklamasi, KategoriNo, UreticiNo, SeriNumarasi, "
                "StoktakiBirimMiktari, BirimAlisFiyati, BarkodFiyat2, BirimSatisFiyati, GrupAdi) "
                "VALUES (?, '', 1, 0, ?, 100, 100000, 125000, 125000, '')"_s);
            for (int i = 1; i <= linesPerSale; ++i) {
                add.bind(1, u"Ürün %1"_s.arg(i));
                add.bind(2, u"869000000010%1"_s.arg(i));
                add.step();
                add.reset();
            }
            db.tableUrunler.reopen();
        }
        const qint64 products = scalar(db.baglanti, u"SELECT max(UrunNo) FROM Urunler"_s);
        auto code = db.baglanti.prepare(u"SELECT SeriNumarasi FROM Urunler WHERE UrunNo = ?"_s);
        Picks picks;
        std::vector<QStringList> baskets(sales);
        for (QStringList& basket : baskets) {
            while (basket.size() < linesPerSale) {
                code.bind(1, 1 + picks.below(products));
                if (code.step()) {
                    const QString barcode = code.column(0).toString();
                    if (!barcode.isEmpty() && !basket.contains(barcode))
                        basket << barcode;
                }
                code.reset();
            }
        }
        return baskets;
    }

    // The user clicks into the name field, which shows the current product, and types a first
    // letter over it.
    void nameSearch(TformUrunBilgileriD* window)
    {
        Samples handler, shown;
        qint64 rows = 0;
        for (const QChar letter : searchLetters) {
            window->urunAdi->setFocus();
            window->urunAdi->selectAll();
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            QTest::sendKeyEvent(QTest::Click, window->urunAdi, Qt::Key_unknown, QString(letter), Qt::NoModifier);
            handler.add(milliseconds(timer));
            QCoreApplication::processEvents();
            shown.add(milliseconds(timer));
            rows += window->dSetUrunler.recordCount();
        }
        if (!window->urunAdi->hasFocus() || window->urunAdi->text() != searchLetters.right(1))
            std::fprintf(stderr, "the name field did not take the typing\n");
        printFigure(u"search_median"_s, handler.median());
        printFigure(u"search_p95"_s, handler.at(0.95));
        printFigure(u"search_painted_median"_s, shown.median());
        printFigure(u"search_painted_p95"_s, shown.at(0.95));
        printFigure(u"search_rows"_s, double(rows) / searchLetters.size());
    }

    // "Excel " with the desktop's spreadsheet program replaced: the workbook is written, and
    // opening it is only recorded.
    void spreadsheetExport(TformUrunBilgileriD* window)
    {
        QTemporaryDir folder;
        spreadsheet::setExportFolder(folder.path());
        QStringList opened;
        spreadsheet::setDesktopOpener([&opened](const QString& path) {
            opened << path;
            return true;
        });
        const int boxesBefore = m_setting.dialogs.shown;
        Samples samples;
        for (int run = 0; run < exportRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            window->BitBtnExcel->click();
            const double exportTime = milliseconds(timer);
            samples.add(exportTime);
            if (run == 0)
                printFigure(u"export_first"_s, exportTime);
            QCoreApplication::processEvents();
        }
        spreadsheet::setDesktopOpener(nullptr);
        spreadsheet::setExportFolder(QString());
        printFigure(u"export_median"_s, samples.median());
        printFigure(u"export_boxes"_s, m_setting.dialogs.shown - boxesBefore);
        printFigure(u"export_kb"_s, opened.isEmpty() ? 0 : double(QFileInfo(opened.last()).size()) / 1024);
    }

    // A customer clicked in the sale details, until the sales, the first sale's lines and the
    // total spending are painted.
    void chooseCustomers(TformSatisAyrintilari* window)
    {
        DataGrid* grid = window->musteriGrid;
        const int customers = grid->model()->rowCount();
        if (customers < 2)
            return;
        Picks picks;
        Samples handler, shown;
        qint64 sales = 0;
        for (int i = 0; i < customerChoices; ++i) {
            int row = int(picks.below(customers));
            if (row == grid->currentIndex().row())
                row = (row + 1) % customers;
            QElapsedTimer timer;
            timer.start();
            grid->setCurrentIndex(grid->model()->index(row, TformSatisAyrintilari::AdiSoyadi));
            handler.add(milliseconds(timer));
            QCoreApplication::processEvents();
            shown.add(milliseconds(timer));
            sales += window->dsSatislar->rowCount();
        }
        printFigure(u"details_choose_median"_s, handler.median());
        printFigure(u"details_choose_painted_median"_s, shown.median());
        printFigure(u"details_choose_painted_p95"_s, shown.at(0.95));
        printFigure(u"details_choose_painted_max"_s, shown.max());
        printFigure(u"details_sales"_s, double(sales) / customerChoices);
    }

    // "Ödemeyi Gerçekleştir" for 1 lira on customers who owe at least that, spread over the
    // list: the checks, the question (answered at once), the commit waiting for the disk and
    // the list read again. Then the writing step alone.
    void takePayments(Veritabani& db, TformAylikOdemeler* window)
    {
        const DatasetModel* model = window->dsMusteriler;
        std::vector<int> owing;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QVariant debt = model->index(row, TformAylikOdemeler::ToplamBorc).data(DatasetModel::RawValueRole);
            if (!debt.isNull() && debt.value<Money>() >= Money::fromLira(2))
                owing.push_back(row);
        }
        if (owing.empty())
            return;
        const qint64 before = scalar(db.baglanti, u"SELECT count(*) FROM Odemeler"_s);
        const int boxesBefore = m_setting.dialogs.shown;
        Samples handler, processor, written;
        std::vector<qint64> paid;
        for (int i = 0; i < payments; ++i) {
            const int row = owing[size_t(i) * owing.size() / payments];
            window->musteriGrid->setCurrentIndex(model->index(row, TformAylikOdemeler::AdiSoyadi));
            window->yapilanOdeme->setText(u"1"_s);
            QCoreApplication::processEvents();
            paid.push_back(window->dSetMusteriler.number(u"MusteriNo"_s));
            const double cpuStart = threadMilliseconds();
            QElapsedTimer timer;
            timer.start();
            window->satisiGerceklestir->click();
            handler.add(milliseconds(timer));
            processor.add(threadMilliseconds() - cpuStart);
            QCoreApplication::processEvents();
        }
        for (const qint64 customer : paid) {
            QElapsedTimer timer;
            timer.start();
            borcOdemesiYap(db.baglanti, customer, Money::fromLira(1));
            written.add(milliseconds(timer));
        }
        const qint64 after = scalar(db.baglanti, u"SELECT count(*) FROM Odemeler"_s);
        printFigure(u"pay_median"_s, handler.median());
        printFigure(u"pay_p95"_s, handler.at(0.95));
        printFigure(u"pay_max"_s, handler.max());
        printFigure(u"pay_cpu_median"_s, processor.median());
        printFigure(u"pay_write_median"_s, written.median());
        printFigure(u"pay_written"_s, double(after - before));
        printFigure(u"pay_boxes"_s, m_setting.dialogs.shown - boxesBefore);
    }

    QString m_path;
    ChildSetting m_setting;
};

// ---- what is measured

using Figures = QMap<QString, double>;

struct Shop {
    QString title;  // the column heading
    int scale = 0;  // of the large shop; 0 for the empty shop
    QString path;   // the file kept (or the temporary empty one)
    Figures figures;
};

// A figure in the table: milliseconds unless the unit says otherwise; target 0 means none.
struct Row {
    QString key;
    QString caption;
    double target = 0;
    QString unit = u"ms"_s;
};

struct Step {
    const char* name;  // for --only
    std::function<void(Measurement&)> measure;
    std::vector<Row> rows;
    // What the figures were taken on, in a sentence or two under the table.
    std::function<QString(const std::vector<Shop>&)> note;
};

QString number(double value, int decimals = 0)
{
    return QLocale(QLocale::English).toString(value, 'f', decimals);
}

// "1,333 (large), 4,000 (3×)": a figure of each generated shop.
QString perGeneratedShop(const std::vector<Shop>& shops, const QString& key, int decimals = 0)
{
    QStringList parts;
    for (const Shop& shop : shops)
        if (shop.scale > 0)
            parts << u"%1 (%2)"_s.arg(number(shop.figures.value(key), decimals), shop.title);
    return parts.join(u", "_s);
}

double emptyShops(const std::vector<Shop>& shops, const QString& key)
{
    return shops.empty() ? 0 : shops.front().figures.value(key);
}

// In the order they run: the stock list goes before the sales, which give the empty shop the
// products they sell.
const std::vector<Step>& steps()
{
    static const std::vector<Step> table = {
        {"start",
         [](Measurement& m) { m.startToSaleScreen(); },
         {
             {"open_first", "open connection and shared objects, first"},
             {"open_median", "open connection and shared objects, median"},
             {"main_first", "main window created and shown, first"},
             {"main_median", "main window created and shown, median"},
             {"sale_window_first", "sale window opened and painted, first"},
             {"sale_window_median", "sale window opened and painted, median"},
             {"ready_first", "start to sale screen in one process, first"},
             {"ready_median", "start to sale screen in one process, median"},
             {"process_start_median", "start to sale screen, whole program, median", 500},
             {"process_start_max", "start to sale screen, whole program, slowest", 500},
         },
         [](const std::vector<Shop>&) {
             return u"Start: in one process %1 times (\"first\" is the first, \"median\" the median of "
                                   "the others); the whole program %2 times, from starting its process to the sale "
                                   "screen painted."_s
                 .arg(startRuns)
                 .arg(processStartRuns);
         }},
        {"scan",
         [](Measurement& m) { m.barcodeScans(); },
         {
             {"scan_median", "barcode scan, Enter handler, median", 5},
             {"scan_p95", "barcode scan, Enter handler, 95th percentile", 5},
             {"scan_max", "barcode scan, Enter handler, slowest"},
             {"scan_cpu_median", "barcode scan, processor time, median"},
             {"scan_cpu_p95", "barcode scan, processor time, 95th percentile"},
             {"scan_painted_median", "barcode scan with repaint, median"},
         },
         [](const std::vector<Shop>& shops) {
             return u"Scans: %1 barcodes, basket cleared every %2 lines (empty shop: the \"not "
                                   "registered\" path, %3 boxes)."_s
                 .arg(scans)
                 .arg(scansPerBasket)
                 .arg(emptyShops(shops, u"boxes"_s));
         }},
        {"filter",
         [](Measurement& m) { m.soldLinesFilter(); },
         {
             {"filter_median", "[SatisNo]=n filter on, lines read, off, median"},
             {"filter_max", "[SatisNo]=n filter on, lines read, off, slowest"},
         },
         [](const std::vector<Shop>& shops) {
             return u"Filter: %1 random sales, lines each on average: %2."_s
                 .arg(filterSwitches)
                 .arg(perGeneratedShop(shops, u"filter_lines"_s, 2));
         }},
        {"stock",
         [](Measurement& m) { m.stockList(); },
         {
             {"stock_open_first", "open stock list from the menu (painted), first", 300},
             {"stock_open_median", "open stock list from the menu (painted), median", 300},
             {"search_median", "stock list name search, keystroke handler, median"},
             {"search_p95", "stock list name search, keystroke handler, 95th"},
             {"search_painted_median", "stock list name search, with repaint, median"},
             {"search_painted_p95", "stock list name search, with repaint, 95th", 30},
             {"export_first", "export all products (\"Excel \"), first", 3000},
             {"export_median", "export all products (\"Excel \"), median", 3000},
         },
         [](const std::vector<Shop>& shops) {
             return u"Stock list: opened %1 times in the main window; %2 first letters typed, products "
                                   "listed each on average: %3; %4 exports, workbook KB: %5 (empty shop: refused "
                                   "with a box, %6)."_s
                 .arg(openingRuns)
                 .arg(searchLetters.size())
                 .arg(perGeneratedShop(shops, u"search_rows"_s))
                 .arg(exportRuns)
                 .arg(perGeneratedShop(shops, u"export_kb"_s))
                 .arg(emptyShops(shops, u"export_boxes"_s));
         }},
        {"sale",
         [](Measurement& m) { m.completingSales(); },
         {
             {"sale_median", "sale of 5 lines written (SatisTamamClick), median", 20},
             {"sale_p95", "sale of 5 lines written, 95th percentile", 20},
             {"sale_max", "sale of 5 lines written, slowest"},
             {"sale_cpu_median", "sale of 5 lines written, processor time, median"},
             {"question_median", "\"TAMAMLA\": checks, receipt question up, median"},
             {"receipt_first", "receipt prepared for 5 lines, first"},
             {"receipt_median", "receipt prepared for 5 lines, median", 20},
             {"receipt_p95", "receipt prepared for 5 lines, 95th percentile", 20},
         },
         [](const std::vector<Shop>& shops) {
             double refusals = 0;
             QStringList written;
             for (const Shop& shop : shops) {
                 refusals += shop.figures.value(u"sale_refusals"_s);
                 written << u"%1 (%2, last with %3 lines)"_s
                                .arg(shop.figures.value(u"sales_written"_s))
                                .arg(shop.title)
                                .arg(shop.figures.value(u"sale_lines"_s));
             }
             return u"Sales: %1 baskets of %2 scanned products (the empty shop's on %2 products added "
                                   "for them); written %3; %4 refusals; each commit waits for the disk. Receipt: "
                                   "prepared, not printed."_s
                 .arg(sales)
                 .arg(linesPerSale)
                 .arg(written.join(u", "_s))
                 .arg(refusals);
         }},
        {"cancel",
         [](Measurement& m) { m.saleCancellation(); },
         {
             {"cancel_open_first", "open \"Stok Satış İptali\" on the cash sales, first", 500},
             {"cancel_open_median", "open \"Stok Satış İptali\" on the cash sales, median", 500},
             {"return_median", "line return, committed to the disk, median", 20},
             {"return_p95", "line return, committed to the disk, 95th percentile", 20},
             {"return_max", "line return, committed to the disk, slowest"},
             {"return_cpu_median", "line return, processor time, median"},
         },
         [](const std::vector<Shop>& shops) {
             return u"Cancellation: opened %1 times in the main window, cash sales listed: %2; up to %3 "
                                   "lines of the newest cash sales taken back (\"Stok İade Al\", answered Yes), "
                                   "lines returned: %4."_s
                 .arg(openingRuns)
                 .arg(perGeneratedShop(shops, u"cancel_sales"_s))
                 .arg(lineReturns)
                 .arg(perGeneratedShop(shops, u"returned_lines"_s));
         }},
        {"expenses",
         [](Measurement& m) { m.expenseBook(); },
         {
             {"expenses_open_first", "open the expense book with its totals, first", 200},
             {"expenses_open_median", "open the expense book with its totals, median", 200},
         },
         [](const std::vector<Shop>& shops) {
             return u"Expenses: opened %1 times in the main window; expenses listed: %2."_s
                 .arg(openingRuns)
                 .arg(perGeneratedShop(shops, u"expenses_listed"_s));
         }},
        {"accounts",
         [](Measurement& m) { m.customerAccounts(); },
         {
             {"customer_entry_open_first", "open customer entry (\"Müşteri\"), first", 300},
             {"customer_entry_open_median", "open customer entry (\"Müşteri\"), median", 300},
             {"customer_list_open_first", "open customer list (\"Cari Listesi\"), first", 300},
             {"customer_list_open_median", "open customer list (\"Cari Listesi\"), median", 300},
             {"debts_open_first", "open debts from the hot spot, first", 300},
             {"debts_open_median", "open debts from the hot spot, median", 300},
             {"details_open_first", "open customer sale details, first", 300},
             {"details_open_median", "open customer sale details, median", 300},
             {"account_open_first", "open account list (\"Cari Liste ve Borç\"), first", 300},
             {"account_open_median", "open account list (\"Cari Liste ve Borç\"), median", 300},
             {"details_choose_median", "sale details, customer chosen, handler, median"},
             {"details_choose_painted_median", "sale details, customer chosen, painted, median", 50},
             {"details_choose_painted_p95", "sale details, customer chosen, painted, 95th", 50},
             {"details_choose_painted_max", "sale details, customer chosen, painted, slowest"},
             {"pay_median", "payment taken (committed to disk), median", 20},
             {"pay_p95", "payment taken (committed to disk), 95th percentile", 20},
             {"pay_max", "payment taken (committed to disk), slowest"},
             {"pay_cpu_median", "payment taken, processor time, median"},
             {"pay_write_median", "payment writing step alone, median"},
         },
         [](const std::vector<Shop>& shops) {
             return u"Customers: each window opened %1 times in the main window; %2 customers chosen in "
                                   "the sale details, sales listed each on average: %3; %4 payments of 1 lira through "
                                   "the account window, each commit waiting for the disk (written: %5; boxes: %6), "
                                   "then %4 by the writing step alone."_s
                 .arg(openingRuns)
                 .arg(customerChoices)
                 .arg(perGeneratedShop(shops, u"details_sales"_s))
                 .arg(payments)
                 .arg(perGeneratedShop(shops, u"pay_written"_s))
                 .arg(perGeneratedShop(shops, u"pay_boxes"_s));
         }},
    };
    return table;
}

const Row peakMemoryRow{"peak_mb", "peak resident memory", 150, "MB"};

QString stepPeakKey(const Step& step) { return u"peak_mb_%1"_s.arg(QLatin1String(step.name)); }

// ---- child processes

// The offscreen platform's notes about window hints and raising the receipt question say
// nothing about the figures.
QtMessageHandler standardMessages = nullptr;
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR"))
            || message.contains(QLatin1String("does not support raise()"))))
        return;
    standardMessages(type, context, message);
}

// dukkano_bench --measure <file> <step,step,...>
int measureChild(int argc, char** argv)
{
    standardMessages = qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    const QStringList wanted = QString::fromLocal8Bit(argv[3]).split(QLatin1Char(','));
    try {
        Measurement measurement(QString::fromLocal8Bit(argv[2]));
        double peak = 0;
        for (const Step& step : steps()) {
            if (!wanted.contains(QLatin1String(step.name)))
                continue;
            peak = std::max(peak, peakResidentMegabytes());
            const bool reset = resetPeakMemory();
            step.measure(measurement);
            const double stepPeak = peakResidentMegabytes();
            if (reset)
                printFigure(stepPeakKey(step), stepPeak);
            peak = std::max(peak, stepPeak);
        }
        printFigure(peakMemoryRow.key, peak);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

// dukkano_bench --start <file>: the program's start up to the sale screen painted, then "ready".
int startChild(int argc, char** argv)
{
    standardMessages = qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    ChildSetting setting;
    try {
        Veritabani db(QString::fromLocal8Bit(argv[2]));
        TMdiForm main(db);
        showMaximizedOnScreen(&main);
        main.openUrunSatis();
        QCoreApplication::processEvents();
        std::printf("ready\n");
        std::fflush(stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

// ---- the table (parent process)

// A counter's screen for the children: the offscreen platform's own is 800 x 600.
bool writeScreenFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(R"({"screens": [{"name": "counter", "x": 0, "y": 0, "width": 1920, "height": 1080,
                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
        > 0;
}

Figures measureInChild(const QString& path, const QStringList& stepNames, const QString& screenFile)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen:configfile="_s + screenFile);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--measure"_s, path, stepNames.join(QLatin1Char(','))});
    child.waitForFinished(-1);
    Figures figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3 && parts[0] == "figure")
            figures.insert(QString::fromLatin1(parts[1]), parts[2].toDouble());
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        std::fprintf(stderr, "measuring %s failed (exit code %d)\n", qPrintable(path), child.exitCode());
    return figures;
}

// Other work on the machine shows in the slowest figures; the table says how busy it was.
QString loadAverage()
{
    QFile file(u"/proc/loadavg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return u"unknown"_s;
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

// A copy that is on the disk before the measuring starts, so that writing it back does not
// compete with the commits being timed.
bool copyToDisk(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    const int fd = ::open(QFile::encodeName(to).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Makes the shop when its file is missing, brings a kept one to the current schema, and says
// what it holds; a kept file that is not what the generator makes today is pointed out.
QString prepareGeneratedShop(const Shop& shop, QTextStream& out)
{
    const LargeShopSize size = LargeShopSize::scaled(shop.scale);
    QString made = u"kept file reused"_s;
    if (!QFileInfo::exists(shop.path)) {
        out << "Generating the " << shop.title << " shop in " << shop.path << " ..." << Qt::endl;
        QDir().mkpath(QFileInfo(shop.path).path());
        QElapsedTimer timer;
        timer.start();
        const double processorStart = double(std::clock()) / CLOCKS_PER_SEC;
        makeLargeShopFile(shop.path, size, benchNow.date());
        made = u"generated in %1 s (%2 s of processor time)"_s
                   .arg(milliseconds(timer) / 1000, 0, 'f', 1)
                   .arg(double(std::clock()) / CLOCKS_PER_SEC - processorStart, 0, 'f', 1);
    }
    Database db(shop.path);
    prepareSchema(db);
    const auto count = [&db](const char* table) {
        return scalar(db, u"SELECT count(*) FROM %1"_s.arg(QLatin1String(table)));
    };
    const qint64 products = count("Urunler"), customers = count("Musteriler"), sales = count("Satislar"),
                 lines = count("SatilanUrunler"), expenses = count("MasrafGiderler");
    const QDate first = QDate::fromString(text(db, u"SELECT min(SatisTarihi) FROM Satislar"_s), Qt::ISODate);
    const QDate last = QDate::fromString(text(db, u"SELECT max(SatisTarihi) FROM Satislar"_s), Qt::ISODate);
    QString description = u"%1 products, %2 customers, %3 sales, %4 sold lines, %5 payments, %6 expenses; "
                                         "sales from %7 to %8; %9 MB, %10"_s
                              .arg(number(products), number(customers), number(sales), number(lines),
                                   number(count("Odemeler")), number(expenses), first.toString(Qt::ISODate),
                                   last.toString(Qt::ISODate))
                              .arg(number(double(QFileInfo(shop.path).size()) / (1024 * 1024), 1), made);
    const bool asGenerated = products == size.products && customers == size.customers && sales == size.sales
        && lines == qint64(size.sales) * size.linesPerSale && expenses == size.expenses
        && first == size.firstDay(benchNow.date()) && last == benchNow.date();
    if (!asGenerated)
        description += u"\n    NOTE: not the shop the generator makes today (an older generator's, or "
                                      "another); remove the file to have it made afresh"_s;
    return description;
}

class Table {
public:
    Table(QTextStream& out, const std::vector<Shop>& shops) : m_out(out), m_shops(shops) {}

    void header()
    {
        QStringList titles;
        for (const Shop& shop : m_shops)
            titles << shop.title;
        line(u"figure"_s, titles, u"target"_s, QString());
        m_out << QString(captionWidth + columnWidth * int(m_shops.size()) + 24, QLatin1Char('-')) << '\n';
    }

    // A row no shop has a figure for (its step not run) is left out.
    void row(const Row& r)
    {
        const QString& key = r.key;
        const QString& unit = r.unit;
        QStringList values;
        bool any = false, met = true;
        for (const Shop& shop : m_shops) {
            if (!shop.figures.contains(key)) {
                values << u"n/a"_s;
                continue;
            }
            const double value = shop.figures[key];
            any = true;
            met = met && value < r.target;
            values << u"%1 %2"_s.arg(value, 0, 'f', unit == QLatin1String("ms") ? 2 : 1).arg(unit);
        }
        if (!any)
            return;
        const bool hasTarget = r.target > 0;
        line(r.caption, values, hasTarget ? u"< %1 %2"_s.arg(r.target).arg(unit) : QString(),
             hasTarget ? (met ? u"met"_s : u"MISSED"_s) : QString());
    }

private:
    static constexpr int captionWidth = 52;
    static constexpr int columnWidth = 13;

    void line(const QString& caption, const QStringList& values, const QString& target, const QString& verdict)
    {
        m_out << caption.leftJustified(captionWidth);
        for (const QString& value : values)
            m_out << value.rightJustified(columnWidth);
        m_out << "   " << target.leftJustified(12) << verdict << '\n';
    }

    QTextStream& m_out;
    const std::vector<Shop>& m_shops;
};

QString shopTitle(int scale) { return scale == 1 ? u"large"_s : u"%1×"_s.arg(scale); }

// The large shop where the program would open it; the others in a folder of their own each.
QString keptPath(const QString& folder, int scale)
{
    const QDir dir(folder);
    return scale == 1 ? dir.absoluteFilePath(Veritabani::defaultPath())
                      : dir.absoluteFilePath(u"%1x/%2"_s.arg(scale).arg(Veritabani::defaultPath()));
}

int runBenchmark(const QString& folderGiven, const QStringList& stepNames)
{
    QTextStream out(stdout);
    QTemporaryDir temporary;
    const QString folder = folderGiven.isEmpty() ? temporary.path() : folderGiven;
    const QString screenFile = temporary.filePath(u"screen.json"_s);
    if (!QDir().mkpath(folder) || !writeScreenFile(screenFile)) {
        std::fprintf(stderr, "could not write in %s or %s\n", qPrintable(folder), qPrintable(temporary.path()));
        return 1;
    }

    std::vector<Shop> shops{{u"empty"_s, 0, temporary.filePath(u"empty.mdb"_s), {}}};
    for (const int scale : generatedScales)
        shops.push_back({shopTitle(scale), scale, keptPath(folder, scale), {}});

    QStringList contents;
    try {
        createShopFile(shops.front().path);
        for (const Shop& shop : shops)
            if (shop.scale > 0)
                contents << u"%1 shop (%2): %3"_s.arg(shop.title, shop.path, prepareGeneratedShop(shop, out));
    } catch (const DataError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }

    for (Shop& shop : shops) {
        out << "Measuring the " << shop.title << " shop ..." << Qt::endl;
        if (shop.scale == 0) {
            shop.figures = measureInChild(shop.path, stepNames, screenFile);
            continue;
        }
        const QString workingCopy = temporary.filePath(u"measured.mdb"_s);
        if (!copyToDisk(shop.path, workingCopy)) {
            std::fprintf(stderr, "could not copy %s to %s\n", qPrintable(shop.path), qPrintable(workingCopy));
            return 1;
        }
        shop.figures = measureInChild(workingCopy, stepNames, screenFile);
        removeShopFile(workingCopy);
    }

    out << "\nDukkano timings (" << DUKKANO_BUILD_TYPE << " build, offscreen 1920 x 1080 screen, warm file cache, "
        << "load average " << loadAverage() << ")\n";
    for (const QString& line : contents)
        out << line << '\n';
    out << "Measured on " << benchNow.date().toString(Qt::ISODate) << " (the benchmark's today); each shop in a "
        << "process of its own.\n\n";
    Table table(out, shops);
    table.header();
    for (const Step& step : steps())
        if (stepNames.contains(QLatin1String(step.name)))
            for (const Row& row : step.rows)
                table.row(row);
    table.row(peakMemoryRow);
    for (const Step& step : steps()) {
        table.row({stepPeakKey(step), u"peak resident memory while step %1 ran"_s.arg(QLatin1String(step.name)), 0,
                   u"MB"_s});
    }
    out << '\n';
    for (const Step& step : steps())
        if (stepNames.contains(QLatin1String(step.name)))
            out << step.note(shops) << '\n';
    return 0;
}

int usage()
{
    QStringList names;
    for (const Step& step : steps())
        names << QLatin1String(step.name);
    std::fprintf(stderr,
                 "usage: dukkano_bench [--only STEP,...] [folder]\n"
                 "  Measures an empty shop, the large shop (<folder>/veritabani.mdb) and the one three times\n"
                 "  its size (<folder>/3x/veritabani.mdb). A missing shop is generated and kept there; without\n"
                 "  a folder both are generated in a temporary one. Steps: %s (all by default).\n",
                 qPrintable(names.join(QLatin1Char(','))));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--measure") == 0)
        return measureChild(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--start") == 0)
        return startChild(argc, argv);

    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QStringList stepNames;
    for (const Step& step : steps())
        stepNames << QLatin1String(step.name);
    if (args.size() >= 2 && args[0] == QLatin1String("--only")) {
        const QStringList only = args[1].split(QLatin1Char(','));
        for (const QString& name : only)
            if (!stepNames.contains(name))
                return usage();
        stepNames = only;
        args = args.mid(2);
    }
    if (args.size() > 1 || (args.size() == 1 && args[0].startsWith(QLatin1Char('-'))))
        return usage();
    return runBenchmark(args.value(0), stepNames);
}
