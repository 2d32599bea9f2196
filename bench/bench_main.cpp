// dukkano_bench [folder]: times the counter's daily work on a large generated shop and on an
// empty one, and prints the figures beside their targets.
//
// Each shop is measured in a fresh child process (dukkano_bench --measure <file>), so the
// peak memory is that of the program's own work and not of the generator. The large shop is
// measured on a copy: the sales written while measuring do not pile up in the kept file.
#include "Database.h"
#include "Dialogs.h"
#include "Receipt.h"
#include "Screen.h"
#include "SettingsKey.h"
#include "ShopGenerator.h"
#include "SpreadsheetFiles.h"
#include "UnitDialog.h"
#include "UnitUrunBilgileriD.h"
#include "UnitUrunSatis.h"
#include "Veritabani.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
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
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace dukkano;

namespace {

constexpr int startRuns = 7;
constexpr int scans = 300;
constexpr int scansPerBasket = 20;
constexpr int filterSwitches = 300;
constexpr int sales = 30;
constexpr int linesPerSale = 5;
constexpr int stockListRuns = 5;
constexpr int exportRuns = 3;
// First letters of the product names, as a user starts a search; 'ı' finds "Ilgaz".
const QString searchLetters = QStringLiteral("akmtebsdygçfonıakmtebsdygçfonı");

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

// The counter's boxes ("Bu Ürün Kayıtlı Değil." on an empty shop) are counted, never shown;
// a question is answered Yes.
class CountedDialogs : public Dialogs {
public:
    void message(const QString&, const QString&) override { ++shown; }
    bool question(const QString&, const QString&, QuestionButtons) override { ++shown; return true; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        ++shown;
        return std::nullopt;
    }
    int shown = 0;
};

// ---- measuring one shop (child process)

class Measurement {
public:
    explicit Measurement(const QString& path) : m_path(path) {}

    void run()
    {
        startToSaleScreen();
        barcodeScans();
        soldLinesFilter();
        // The stock list goes before the sales, which give the empty shop the products they sell.
        stockList();
        completingSales();
        report(QStringLiteral("peak_mb"), peakResidentMegabytes());
    }

private:
    void report(const QString& key, double value)
    {
        std::printf("figure %s %.6f\n", qPrintable(key), value);
        std::fflush(stdout);
    }

    // Opening, creating and showing, as at start; the first run is the one a real start pays.
    void startToSaleScreen()
    {
        Samples open, create, ready;
        for (int run = 0; run < startRuns; ++run) {
            QMdiArea mdiArea;  // the main window's, made before the sale window at start
            QElapsedTimer timer;
            timer.start();
            auto db = std::make_unique<Veritabani>(m_path);
            const double opened = milliseconds(timer);
            auto* window = new TFormUrunSatis(*db, &mdiArea, nullptr);
            const double created = milliseconds(timer);
            window->show();
            QCoreApplication::processEvents();
            const double shown = milliseconds(timer);
            closeWindow(window);
            if (run == 0) {
                report(QStringLiteral("open_first"), opened);
                report(QStringLiteral("create_first"), created - opened);
                report(QStringLiteral("ready_first"), shown);
                continue;
            }
            open.add(opened);
            create.add(created - opened);
            ready.add(shown);
        }
        report(QStringLiteral("open_median"), open.median());
        report(QStringLiteral("create_median"), create.median());
        report(QStringLiteral("ready_median"), ready.median());
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
        auto count = db.baglanti.prepare(QStringLiteral("SELECT max(UrunNo) FROM Urunler"));
        count.step();
        const qint64 products = count.columnInt(0);
        count.reset();
        std::vector<QString> codes;
        if (products == 0) {
            codes.assign(scans, QStringLiteral("8690000000000"));  // the "not registered" path
            return codes;
        }
        auto code = db.baglanti.prepare(QStringLiteral("SELECT SeriNumarasi FROM Urunler WHERE UrunNo = ?"));
        Picks picks;
        while (int(codes.size()) < scans) {
            code.bind(1, 1 + picks.below(products));
            if (code.step())
                codes.push_back(code.column(0).toString());
            code.reset();
        }
        return codes;
    }

    void barcodeScans()
    {
        Veritabani db(m_path);
        const std::vector<QString> codes = barcodes(db);
        QMdiArea mdiArea;
        auto* window = new TFormUrunSatis(db, &mdiArea, nullptr);
        window->show();
        QCoreApplication::processEvents();
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
        report(QStringLiteral("scan_median"), handler.median());
        report(QStringLiteral("scan_p95"), handler.at(0.95));
        report(QStringLiteral("scan_max"), handler.max());
        report(QStringLiteral("scan_cpu_median"), processor.median());
        report(QStringLiteral("scan_cpu_p95"), processor.at(0.95));
        report(QStringLiteral("scan_painted_median"), shown.median());
        report(QStringLiteral("boxes"), m_dialogs.shown);
    }

    // What the review windows do for the current sale: the sale's lines on, read, off.
    void soldLinesFilter()
    {
        Veritabani db(m_path);
        auto last = db.baglanti.prepare(QStringLiteral("SELECT max(SatisNo) FROM Satislar"));
        last.step();
        const qint64 sales = last.columnInt(0);
        last.reset();
        Dataset& lines = db.tableSatilanUrunler;
        Picks picks;
        Samples samples;
        qint64 read = 0;
        for (int i = 0; i < filterSwitches; ++i) {
            const qint64 saleNo = sales > 0 ? 1 + picks.below(sales) : 1;
            QElapsedTimer timer;
            timer.start();
            lines.setFiltered(false);
            lines.setFilter(QStringLiteral("[SatisNo]=%1").arg(saleNo));
            lines.setFiltered(true);  // moves to the sale's first line
            for (; !lines.eof(); lines.next()) {
                lines.money(QStringLiteral("UrunSatisTutari"));
                lines.text(QStringLiteral("UrunAdi"));
                lines.real(QStringLiteral("BirimAdedi"));
                ++read;
            }
            lines.setFiltered(false);
            samples.add(milliseconds(timer));
        }
        report(QStringLiteral("filter_median"), samples.median());
        report(QStringLiteral("filter_max"), samples.max());
        report(QStringLiteral("filter_lines"), double(read) / filterSwitches);
    }

    // ---- completing sales

    static qint64 scalar(Veritabani& db, const QString& sql)
    {
        auto st = db.baglanti.prepare(sql);
        st.step();
        const qint64 value = st.columnInt(0);
        st.reset();
        return value;
    }

    // Baskets of distinct products with a barcode; an empty shop first gets the few it sells.
    std::vector<QStringList> saleBaskets(Veritabani& db)
    {
        if (scalar(db, QStringLiteral("SELECT count(*) FROM Urunler")) == 0) {
            auto add = db.baglanti.prepare(QStringLiteral(
                "INSERT INTO Urunler (UrunAdi, UrunAciklamasi, KategoriNo, UreticiNo, SeriNumarasi, "
                "StoktakiBirimMiktari, BirimAlisFiyati, BarkodFiyat2, BirimSatisFiyati, GrupAdi) "
                "VALUES (?, '', 1, 0, ?, 100, 100000, 125000, 125000, '')"));
            for (int i = 1; i <= linesPerSale; ++i) {
                add.bind(1, QStringLiteral("Ürün %1").arg(i));
                add.bind(2, QStringLiteral("869000000010%1").arg(i));
                add.step();
                add.reset();
            }
            db.tableUrunler.reopen();
        }
        const qint64 products = scalar(db, QStringLiteral("SELECT max(UrunNo) FROM Urunler"));
        auto code = db.baglanti.prepare(QStringLiteral("SELECT SeriNumarasi FROM Urunler WHERE UrunNo = ?"));
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

    // A day's sale at the counter: five scans, the receipt prepared as "EVET" would, "TAMAMLA",
    // then the writing step of "HAYIR", which commits the sale to the disk.
    void completingSales()
    {
        Veritabani db(m_path);
        const std::vector<QStringList> baskets = saleBaskets(db);
        QMdiArea mdiArea;
        auto* window = new TFormUrunSatis(db, &mdiArea, nullptr);
        window->show();
        QCoreApplication::processEvents();
        const qint64 lastBefore = scalar(db, QStringLiteral("SELECT max(SatisNo) FROM Satislar"));
        const int boxesBefore = m_dialogs.shown;
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
                window->FormDialog->BitBtn2Click();
            QCoreApplication::processEvents();
        }
        const qint64 lastAfter = scalar(db, QStringLiteral("SELECT max(SatisNo) FROM Satislar"));
        const qint64 lastLines = scalar(db, QStringLiteral("SELECT count(*) FROM SatilanUrunler WHERE SatisNo = %1")
                                                .arg(lastAfter));
        closeWindow(window);
        report(QStringLiteral("sale_median"), sale.median());
        report(QStringLiteral("sale_p95"), sale.at(0.95));
        report(QStringLiteral("sale_max"), sale.max());
        report(QStringLiteral("sale_cpu_median"), saleProcessor.median());
        report(QStringLiteral("question_median"), question.median());
        report(QStringLiteral("receipt_first"), firstReceipt);
        report(QStringLiteral("receipt_median"), receipt.median());
        report(QStringLiteral("receipt_p95"), receipt.at(0.95));
        report(QStringLiteral("sales_written"), double(lastAfter - lastBefore));
        report(QStringLiteral("sale_lines"), double(lastLines));
        report(QStringLiteral("sale_refusals"), refused + (m_dialogs.shown - boxesBefore));
    }

    // ---- the stock list

    // As the main window opens a work window: maximized in its MDI area, the focus given to it.
    static TformUrunBilgileriD* openStockList(Veritabani& db, QMdiArea& mdiArea)
    {
        auto* window = new TformUrunBilgileriD(db);
        QMdiSubWindow* frame = mdiArea.addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->showMaximized();
        window->setFocus();
        QCoreApplication::processEvents();
        return window;
    }

    static void closeStockList(TformUrunBilgileriD* window)
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void stockList()
    {
        Veritabani db(m_path);
        QMdiArea mdiArea;
        mdiArea.resize(1900, 980);
        mdiArea.show();
        QApplication::setActiveWindow(&mdiArea);
        if (!QTest::qWaitForWindowActive(&mdiArea))
            std::fprintf(stderr, "the main window did not become active; keystrokes may go nowhere\n");

        Samples open;
        TformUrunBilgileriD* window = nullptr;
        for (int run = 0; run < stockListRuns; ++run) {
            if (window)
                closeStockList(window);
            QElapsedTimer timer;
            timer.start();
            window = openStockList(db, mdiArea);
            if (run == 0)
                report(QStringLiteral("stock_open_first"), milliseconds(timer));
            else
                open.add(milliseconds(timer));
        }
        report(QStringLiteral("stock_open_median"), open.median());

        nameSearch(window);
        spreadsheetExport(window);
        closeStockList(window);
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
        report(QStringLiteral("search_median"), handler.median());
        report(QStringLiteral("search_p95"), handler.at(0.95));
        report(QStringLiteral("search_painted_median"), shown.median());
        report(QStringLiteral("search_painted_p95"), shown.at(0.95));
        report(QStringLiteral("search_rows"), double(rows) / searchLetters.size());
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
        const int boxesBefore = m_dialogs.shown;
        Samples samples;
        for (int run = 0; run < exportRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            window->BitBtnExcel->click();
            const double exportTime = milliseconds(timer);
            samples.add(exportTime);
            if (run == 0)
                report(QStringLiteral("export_first"), exportTime);
            QCoreApplication::processEvents();
        }
        spreadsheet::setDesktopOpener(nullptr);
        spreadsheet::setExportFolder(QString());
        report(QStringLiteral("export_median"), samples.median());
        report(QStringLiteral("export_boxes"), m_dialogs.shown - boxesBefore);
        report(QStringLiteral("export_kb"), opened.isEmpty() ? 0 : double(QFileInfo(opened.last()).size()) / 1024);
    }

    static double peakResidentMegabytes()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return double(usage.ru_maxrss) / 1024;
    }

    QString m_path;
    CountedDialogs m_dialogs;
    struct Installed {
        explicit Installed(Dialogs* d) { setDialogs(d); }
        ~Installed() { setDialogs(nullptr); }
    } m_installed{&m_dialogs};
};

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

int measureChild(int argc, char** argv)
{
    standardMessages = qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    QTemporaryDir settings;
    SettingsKey::setFolder(settings.path());
    Screen::setWidth(1920);
    try {
        Measurement(QString::fromLocal8Bit(argv[2])).run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

// ---- the table (parent process)

using Figures = QMap<QString, double>;

Figures measureInChild(const QString& path)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure"), path});
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

qint64 rowCount(Database& db, const char* table)
{
    auto st = db.prepare(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
    st.step();
    const qint64 n = st.columnInt(0);
    st.reset();
    return n;
}

// Other work on the machine shows in the slowest figures; the table says how busy it was.
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
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

QString thousands(qint64 n) { return QLocale(QLocale::English).toString(n); }

class Table {
public:
    explicit Table(QTextStream& out) : m_out(out) {}

    void header()
    {
        line(QStringLiteral("figure"), QStringLiteral("empty shop"), QStringLiteral("large shop"),
             QStringLiteral("target"), QString());
        m_out << QString(104, QLatin1Char('-')) << '\n';
    }

    // A figure in milliseconds, or in megabytes when unit says so; limit 0 means no target.
    void row(const QString& name, const Figures& empty, const Figures& large, const QString& key,
             double limit = 0, const QString& unit = QStringLiteral("ms"))
    {
        const auto text = [&](const Figures& f) {
            return f.contains(key) ? QStringLiteral("%1 %2").arg(f[key], 0, 'f', unit == QLatin1String("ms") ? 2 : 1).arg(unit)
                                   : QStringLiteral("n/a");
        };
        QString verdict;
        if (limit > 0) {
            const bool met = empty.value(key, limit) < limit && large.value(key, limit) < limit;
            verdict = met ? QStringLiteral("met") : QStringLiteral("MISSED");
        }
        const QString target = limit > 0 ? QStringLiteral("< %1 %2").arg(limit).arg(unit) : QString();
        line(name, text(empty), text(large), target, verdict);
    }

private:
    void line(const QString& a, const QString& b, const QString& c, const QString& d, const QString& e)
    {
        m_out << a.leftJustified(52) << b.rightJustified(12) << c.rightJustified(12) << "   "
              << d.leftJustified(12) << e << '\n';
    }
    QTextStream& m_out;
};

int runBenchmark(const QStringList& args)
{
    QTextStream out(stdout);
    QTemporaryDir temporary;
    const QString folder = args.size() > 1 ? args[1] : temporary.path();
    QDir().mkpath(folder);
    const QString largePath = QDir(folder).absoluteFilePath(Veritabani::defaultPath());
    const QString emptyPath = temporary.filePath(QStringLiteral("empty.mdb"));

    QString generation = QStringLiteral("existing file reused");
    bool generating = false;
    try {
        if (!QFileInfo::exists(largePath)) {
            out << "Generating the large shop in " << largePath << " ..." << Qt::endl;
            QElapsedTimer timer;
            timer.start();
            createShopFile(largePath);
            generating = true;
            {
                Database db(largePath);
                writeLargeShop(db, LargeShopSize(), QDate::currentDate());
            }
            generating = false;
            generation = QStringLiteral("%1 s").arg(milliseconds(timer) / 1000, 0, 'f', 1);
        }
        createShopFile(emptyPath);
    } catch (const DataError& e) {
        if (generating)
            removeShopFile(largePath);  // a later run would otherwise time a half-made shop
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }

    QString contents;
    {
        Database db(largePath);
        contents = QStringLiteral("%1 products, %2 customers, %3 sales, %4 sold lines, %5 payments, %6 expenses")
                       .arg(thousands(rowCount(db, "Urunler")), thousands(rowCount(db, "Musteriler")),
                            thousands(rowCount(db, "Satislar")), thousands(rowCount(db, "SatilanUrunler")),
                            thousands(rowCount(db, "Odemeler")), thousands(rowCount(db, "MasrafGiderler")));
    }
    const double megabytes = double(QFileInfo(largePath).size()) / (1024 * 1024);

    const QString workingCopy = temporary.filePath(QStringLiteral("large.mdb"));
    if (!copyToDisk(largePath, workingCopy)) {
        std::fprintf(stderr, "could not copy %s to %s\n", qPrintable(largePath), qPrintable(workingCopy));
        return 1;
    }
    out << "Measuring the empty shop ..." << Qt::endl;
    const Figures empty = measureInChild(emptyPath);
    out << "Measuring the large shop ..." << Qt::endl;
    const Figures large = measureInChild(workingCopy);

    out << "\nDukkano timings (" << DUKKANO_BUILD_TYPE << " build, offscreen, warm file cache, load average "
        << loadAverage() << ")\n"
        << "Large shop: " << contents << '\n'
        << "Generation: " << generation << "; file size " << QString::number(megabytes, 'f', 1) << " MB\n"
        << "\"first\" is the first run in a fresh process, as a real start; \"median\" the median of the "
        << startRuns - 1 << " runs after it.\n\n";
    Table table(out);
    table.header();
    table.row(QStringLiteral("open connection and shared objects, first"), empty, large, QStringLiteral("open_first"));
    table.row(QStringLiteral("open connection and shared objects, median"), empty, large, QStringLiteral("open_median"));
    table.row(QStringLiteral("create sale window (captions, lists), first"), empty, large, QStringLiteral("create_first"));
    table.row(QStringLiteral("create sale window (captions, lists), median"), empty, large, QStringLiteral("create_median"));
    table.row(QStringLiteral("start to sale screen ready, first"), empty, large, QStringLiteral("ready_first"), 500);
    table.row(QStringLiteral("start to sale screen ready, median"), empty, large, QStringLiteral("ready_median"), 500);
    table.row(QStringLiteral("barcode scan, Enter handler, median"), empty, large, QStringLiteral("scan_median"), 5);
    table.row(QStringLiteral("barcode scan, Enter handler, 95th percentile"), empty, large, QStringLiteral("scan_p95"), 5);
    table.row(QStringLiteral("barcode scan, Enter handler, slowest"), empty, large, QStringLiteral("scan_max"));
    table.row(QStringLiteral("barcode scan, processor time, median"), empty, large, QStringLiteral("scan_cpu_median"));
    table.row(QStringLiteral("barcode scan, processor time, 95th percentile"), empty, large, QStringLiteral("scan_cpu_p95"));
    table.row(QStringLiteral("barcode scan with repaint, median"), empty, large, QStringLiteral("scan_painted_median"));
    table.row(QStringLiteral("[SatisNo]=n filter on, lines read, off, median"), empty, large, QStringLiteral("filter_median"));
    table.row(QStringLiteral("[SatisNo]=n filter on, lines read, off, slowest"), empty, large, QStringLiteral("filter_max"));
    table.row(QStringLiteral("sale of 5 lines written (SatisTamamClick), median"), empty, large, QStringLiteral("sale_median"), 20);
    table.row(QStringLiteral("sale of 5 lines written, 95th percentile"), empty, large, QStringLiteral("sale_p95"), 20);
    table.row(QStringLiteral("sale of 5 lines written, slowest"), empty, large, QStringLiteral("sale_max"));
    table.row(QStringLiteral("sale of 5 lines written, processor time, median"), empty, large, QStringLiteral("sale_cpu_median"));
    table.row(QStringLiteral("\"TAMAMLA\": checks, receipt question up, median"), empty, large, QStringLiteral("question_median"));
    table.row(QStringLiteral("receipt prepared for 5 lines, first"), empty, large, QStringLiteral("receipt_first"));
    table.row(QStringLiteral("receipt prepared for 5 lines, median"), empty, large, QStringLiteral("receipt_median"), 20);
    table.row(QStringLiteral("receipt prepared for 5 lines, 95th percentile"), empty, large, QStringLiteral("receipt_p95"), 20);
    table.row(QStringLiteral("open stock list window (shown, painted), first"), empty, large, QStringLiteral("stock_open_first"), 300);
    table.row(QStringLiteral("open stock list window (shown, painted), median"), empty, large, QStringLiteral("stock_open_median"), 300);
    table.row(QStringLiteral("stock list name search, keystroke handler, median"), empty, large, QStringLiteral("search_median"), 30);
    table.row(QStringLiteral("stock list name search, keystroke handler, 95th"), empty, large, QStringLiteral("search_p95"), 30);
    table.row(QStringLiteral("stock list name search, with repaint, median"), empty, large, QStringLiteral("search_painted_median"), 30);
    table.row(QStringLiteral("stock list name search, with repaint, 95th"), empty, large, QStringLiteral("search_painted_p95"), 30);
    table.row(QStringLiteral("export all products (\"Excel \"), first"), empty, large, QStringLiteral("export_first"), 3000);
    table.row(QStringLiteral("export all products (\"Excel \"), median"), empty, large, QStringLiteral("export_median"), 3000);
    table.row(QStringLiteral("peak resident memory"), empty, large, QStringLiteral("peak_mb"), 150, QStringLiteral("MB"));
    out << "\nScans: " << scans << " barcodes, basket cleared every " << scansPerBasket
        << " lines (empty shop: the \"not registered\" path, " << empty.value(QStringLiteral("boxes"))
        << " boxes). Filter: " << filterSwitches << " random sales, "
        << QString::number(large.value(QStringLiteral("filter_lines")), 'f', 2) << " lines each on average.\n"
        << "Sales: " << sales << " baskets of " << linesPerSale << " scanned products; written "
        << large.value(QStringLiteral("sales_written")) << " (large) and " << empty.value(QStringLiteral("sales_written"))
        << " (empty, on " << linesPerSale << " products added for them), " << large.value(QStringLiteral("sale_lines"))
        << " lines in the last, " << large.value(QStringLiteral("sale_refusals")) + empty.value(QStringLiteral("sale_refusals"))
        << " refusals; each commit waits for the disk. Receipt: prepared, not printed.\n"
        << "Stock list: opened " << stockListRuns << " times in a 1900 x 980 MDI area; " << searchLetters.size()
        << " first letters typed, " << QString::number(large.value(QStringLiteral("search_rows")), 'f', 0)
        << " products listed each on average; " << exportRuns << " exports, "
        << QString::number(large.value(QStringLiteral("export_kb")), 'f', 0)
        << " KB workbook (empty shop: refused with a box, " << empty.value(QStringLiteral("export_boxes")) << ").\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--measure") == 0)
        return measureChild(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "usage: dukkano_bench [folder]\n"
                             "  Generates a large shop in <folder>/veritabani.mdb (a temporary folder when\n"
                             "  none is given; an existing file there is reused) and prints the timings.\n");
        return 2;
    }
    return runBenchmark(args);
}
