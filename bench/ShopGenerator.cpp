#include "ShopGenerator.h"

#include "Database.h"
#include "Money.h"
#include "Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// SplitMix64: the same seed gives the same shop with every compiler and library, which the
// standard distributions do not promise.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    double unit() { return double(next() >> 11) * 0x1.0p-53; }
    template <class T> const T& pick(const std::vector<T>& items) { return items[size_t(below(int(items.size())))]; }

private:
    quint64 m_state;
};

Money lira(const char* text) { return *Money::parse(QString::fromUtf8(text)); }

// Shelf prices end in whole 5 kuruş.
Money shelfPrice(double lira)
{
    const qint64 step = Money::unitsPerLira / 20;
    return Money::fromUnits(std::max<qint64>(1, qint64(std::llround(lira * 20))) * step);
}

Money wholeKurus(double lira) { return Money::fromUnits(std::llround(lira * 100) * 100); }

struct Product {
    qint64 no = 0;
    QString name;
    Money price;
};

struct SaleLine {
    const Product* product = nullptr;
    qint64 quantity = 1;
    Money unitPrice;
    Money amount() const { return unitPrice.times(quantity); }
};

struct ShopHeader {
    QString name, contact, title, address, city, postalCode, telephone, web, email, notes;
};

struct Customer {
    QString name, father, company, address, telephone;
};

// One prepared statement per kind of row, all reused for the whole run.
class ShopWriter {
public:
    explicit ShopWriter(Database& db)
        : m_db(db)
        , m_shop(db.handle(), u"INSERT INTO Ureticiler (UreticiAdi, KisiAdi, KisiUnvani, Adres, Sehir, PostaKodu, Ulke, "
              "TelefonNumarasi, FaksNumarasi, InternetAdresi, EpostaAdresi, Notlar) "
              "VALUES (?, ?, ?, ?, ?, ?, 'Türkiye', ?, '', ?, ?, ?)"_s)
        , m_group(db.handle(), u"INSERT INTO Kategoriler (KategoriAdi, KategoriKDVorani) VALUES (?, ?)"_s)
        , m_product(db.handle(), u"INSERT INTO Urunler (UrunAdi, UrunAciklamasi, KategoriNo, UreticiNo, SeriNumarasi, "
              "StoktakiBirimMiktari, BirimAlisFiyati, BarkodFiyat2, BirimSatisFiyati, GrupAdi) "
              "VALUES (?, '', ?, 0, ?, ?, ?, ?, ?, ?)"_s)
        , m_customer(db.handle(), u"INSERT INTO Musteriler (AdiSoyadi, BabaAdi, SirketAdi, FaturaAdresi, TelefonNumarasi, "
              "FaksNumarasi) VALUES (?, ?, ?, ?, ?, '')"_s)
        , m_debt(db.handle(), u"UPDATE Musteriler SET ToplamBorc = ? WHERE MusteriNo = ?"_s)
        , m_sale(db.handle(), u"INSERT INTO Satislar (MusteriNo, SatisTarihi, ToplamTutar, Kazanc) VALUES (?, ?, ?, ?)"_s)
        , m_line(db.handle(), u"INSERT INTO SatilanUrunler (SatisNo, UrunNo, UrunAdi, UrunSatisTutari, BirimAdedi, "
              "BirimSatisFiyati) VALUES (?, ?, ?, ?, ?, ?)"_s)
        , m_payment(db.handle(), u"INSERT INTO Odemeler (MusteriNo, OdemeMiktari, OdemeTarihi) VALUES (?, ?, ?)"_s)
        , m_expense(db.handle(), u"INSERT INTO MasrafGiderler (Tarih, Miktar, GiderAdi, GiderAciklamasi) VALUES (?, ?, ?, ?)"_s)
    {
    }

    void shop(const ShopHeader& h)
    {
        const QString values[] = {h.name, h.contact, h.title, h.address, h.city, h.postalCode,
                                  h.telephone, h.web, h.email, h.notes};
        for (int i = 0; i < 10; ++i)
            m_shop.bind(i + 1, values[i]);
        run(m_shop);
    }

    qint64 group(const QString& name, int vatPercent)
    {
        m_group.bind(1, name);
        m_group.bind(2, QVariant::fromValue(Money::fromLira(vatPercent)));
        return run(m_group);
    }

    qint64 product(const QString& name, qint64 groupNo, const QString& groupName, const QString& barcode,
                   qint64 stock, Money cost, Money price)
    {
        m_product.bind(1, name);
        m_product.bind(2, groupNo);
        m_product.bind(3, barcode);
        m_product.bind(4, stock);
        m_product.bind(5, QVariant::fromValue(cost));
        m_product.bind(6, QVariant::fromValue(price));
        m_product.bind(7, QVariant::fromValue(price));
        m_product.bind(8, groupName);
        ++m_counts.products;
        return run(m_product);
    }

    qint64 customer(const Customer& c)
    {
        m_customer.bind(1, c.name);
        m_customer.bind(2, c.father);
        m_customer.bind(3, c.company);
        m_customer.bind(4, c.address);
        m_customer.bind(5, c.telephone);
        ++m_counts.customers;
        return run(m_customer);
    }

    void debt(qint64 customerNo, Money debt)
    {
        m_debt.bind(1, QVariant::fromValue(debt));
        m_debt.bind(2, customerNo);
        run(m_debt);
    }

    // Stores a sale as the counter does; returns the basket total before the discount, which
    // is what an on-account sale adds to the customer's debt.
    Money sale(QDate day, qint64 customerNo, const std::vector<SaleLine>& lines, Money discount)
    {
        Money total;
        for (const SaleLine& l : lines)
            total += l.amount();
        m_sale.bind(1, customerNo);
        m_sale.bind(2, day);
        m_sale.bind(3, QVariant::fromValue(total - discount));
        m_sale.bind(4, QVariant::fromValue(discount));
        const qint64 saleNo = run(m_sale);
        for (const SaleLine& l : lines) {
            m_line.bind(1, saleNo);
            m_line.bind(2, l.product->no);
            m_line.bind(3, l.product->name);
            m_line.bind(4, QVariant::fromValue(l.amount()));
            m_line.bind(5, double(l.quantity));
            m_line.bind(6, QVariant::fromValue(l.unitPrice));
            run(m_line);
        }
        ++m_counts.sales;
        m_counts.lines += qint64(lines.size());
        return total;
    }

    void payment(qint64 customerNo, Money amount, QDate day)
    {
        m_payment.bind(1, customerNo);
        m_payment.bind(2, QVariant::fromValue(amount));
        m_payment.bind(3, day);
        ++m_counts.payments;
        run(m_payment);
    }

    void expense(QDate day, Money amount, const QString& name, const QString& note)
    {
        m_expense.bind(1, day);
        m_expense.bind(2, QVariant::fromValue(amount));
        m_expense.bind(3, name);
        m_expense.bind(4, note);
        ++m_counts.expenses;
        run(m_expense);
    }

    const ShopCounts& counts() const { return m_counts; }

private:
    qint64 run(Statement& st)
    {
        st.step();
        return m_db.lastInsertId();
    }

    Database& m_db;
    Statement m_shop;
    Statement m_group;
    Statement m_product;
    Statement m_customer;
    Statement m_debt;
    Statement m_sale;
    Statement m_line;
    Statement m_payment;
    Statement m_expense;
    ShopCounts m_counts;
};

// Generation writes without waiting for the disk, the whole shop in the page cache until the
// commit: a shop cut short is simply made again. Full durability comes back afterwards, as the
// program expects it.
class FastWrites {
public:
    explicit FastWrites(Database& db) : m_db(db)
    {
        m_db.exec(u"PRAGMA synchronous = OFF"_s);
        m_db.exec(u"PRAGMA cache_size = -1048576"_s);
    }
    ~FastWrites()
    {
        try {
            m_db.exec(u"PRAGMA cache_size = -2000"_s);
            m_db.exec(u"PRAGMA synchronous = FULL"_s);
            m_db.exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
        } catch (...) {
            // An error thrown while writing is the one to report.
        }
    }
    FastWrites(const FastWrites&) = delete;
    FastWrites& operator=(const FastWrites&) = delete;

private:
    Database& m_db;
};

// Indexes are built once from the finished tables, which is quicker than growing them row by row.
class IndexesAfterwards {
public:
    explicit IndexesAfterwards(Database& db) : m_db(db)
    {
        auto st = db.prepare(u"SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"_s);
        std::vector<std::pair<QString, QString>> indexes;
        while (st.step())
            indexes.emplace_back(st.column(0).toString(), st.column(1).toString());
        st.reset();
        for (const auto& [name, sql] : indexes) {
            db.exec(u"DROP INDEX \"%1\""_s.arg(name));
            m_create << sql;
        }
    }
    void build()
    {
        for (const QString& sql : m_create)
            m_db.exec(sql);
    }

private:
    Database& m_db;
    QStringList m_create;
};

template <class Fill>
ShopCounts writeShop(Database& db, Fill fill)
{
    auto st = db.prepare(u"SELECT count(*) FROM Urunler"_s);
    st.step();
    const bool empty = st.columnInt(0) == 0;
    st.reset();
    if (!empty)
        throw DataError(u"Veritabanında zaten ürünler var; örnek dükkân yalnızca boş bir veritabanına yazılır."_s);

    FastWrites fast(db);
    Transaction transaction(db);
    IndexesAfterwards indexes(db);
    ShopWriter writer(db);
    fill(writer);
    indexes.build();
    transaction.commit();
    return writer.counts();
}

// EAN-13 with the Turkish prefix 869 and a correct check digit.
QString ean13(qint64 serial)
{
    QString digits = u"869"_s + QString::number(serial).rightJustified(9, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += digits[i].digitValue() * (i % 2 ? 3 : 1);
    return digits + QString::number((10 - sum % 10) % 10);
}

QString quickSaleBarcode(int index) { return QString::number(101 + index); }
constexpr int quickSaleButtons = 36;

// ---- the demo shop

struct Group {
    const char* name;
    int vat;
};
const Group demoGroups[] = {
    {"Gıda", 1},     {"Süt Ürünleri", 1}, {"Unlu Mamuller", 1},  {"İçecek", 10},
    {"Atıştırmalık", 10}, {"Temizlik", 20},  {"Kişisel Bakım", 20}, {"Kırtasiye", 20},
};

struct DemoProduct {
    const char* name;
    int group;  // in demoGroups
    const char* price;
    const char* cost;
    int stock;
};
// The first 36 sit on the quick-sale buttons (barcodes 101 to 136).
const DemoProduct demoProducts[] = {
    {"Ekmek", 2, "10", "8", 40},
    {"Simit", 2, "15", "10", 30},
    {"Su 0,5 L", 3, "7,50", "4,50", 120},
    {"Su 1,5 L", 3, "12,50", "8", 60},
    {"Ayran 300 ml", 1, "15", "10,50", 48},
    {"Süt 1 L", 1, "32,50", "26", 36},
    {"Yumurta 10'lu", 0, "55", "44", 20},
    {"Beyaz Peynir 500 g", 1, "145", "112", 15},
    {"Kaşar Peyniri 400 g", 1, "165", "128", 12},
    {"Siyah Zeytin 500 g", 0, "120", "92", 18},
    {"Çay 1 kg", 0, "210", "168", 25},
    {"Toz Şeker 1 kg", 0, "42,50", "35", 40},
    {"Makarna 500 g", 0, "19,75", "14,50", 60},
    {"Pirinç 1 kg", 0, "69,90", "55", 30},
    {"Un 2 kg", 0, "59", "47", 20},
    {"Ayçiçek Yağı 1 L", 0, "89,50", "74", 24},
    {"Tuz 750 g", 0, "14,50", "9,50", 35},
    {"Domates Salçası 830 g", 0, "74", "58", 16},
    {"Kola 1 L", 3, "39,90", "29", 36},
    {"Meyve Suyu 1 L", 3, "44,50", "33", 24},
    {"Maden Suyu 200 ml", 3, "9", "5,50", 96},
    {"Gazoz 250 ml", 3, "17,50", "12", 48},
    {"Sütlü Çikolata 80 g", 4, "27,50", "20", 50},
    {"Kakaolu Bisküvi", 4, "15", "10,75", 60},
    {"Patates Cipsi 110 g", 4, "32", "24", 40},
    {"Sakız", 4, "5", "3,25", 100},
    {"Çamaşır Deterjanı 4 kg", 5, "259", "205", 8},
    {"Bulaşık Deterjanı 750 ml", 5, "54,90", "41", 14},
    {"Sıvı Sabun 1,5 L", 6, "69,50", "52", 15},
    {"Şampuan 500 ml", 6, "99,90", "76", 9},
    {"Diş Macunu 75 ml", 6, "64,50", "48", 12},
    {"Tuvalet Kağıdı 12'li", 5, "149", "118", 6},
    {"Kağıt Peçete 100'lü", 5, "24,50", "17,50", 30},
    {"Tükenmez Kalem", 7, "12,50", "7", 50},
    {"Kareli Defter 80 Yaprak", 7, "45", "31", 25},
    {"Kurşun Kalem", 7, "7,50", "4", 3},
    {"Türk Kahvesi 100 g", 0, "64,90", "50", 20},
    {"Çiçek Balı 450 g", 0, "189", "150", 18},
    {"Vişne Reçeli 380 g", 0, "74,50", "57", 14},
    {"Tahin 300 g", 0, "89", "69", 11},
    {"Üzüm Pekmezi 400 g", 0, "79", "61", 7},
    {"Kırmızı Mercimek 1 kg", 0, "72,50", "57", 25},
    {"Nohut 1 kg", 0, "79,90", "62", 20},
    {"Pilavlık Bulgur 1 kg", 0, "39,50", "30", 30},
    {"Kuru Fasulye 1 kg", 0, "94,90", "75", 18},
    {"Kangal Sucuk 250 g", 0, "139", "108", 12},
    {"Tereyağı 250 g", 1, "129,50", "101", 14},
    {"Yoğurt 1 kg", 1, "54,90", "42", 20},
    {"Üzüm Sirkesi 1 L", 0, "29,90", "21", 16},
    {"Karabiber 50 g", 0, "34,50", "24", 20},
    {"Pul Biber 100 g", 0, "39", "27,50", 22},
    {"Zeytinyağı 1 L", 0, "329", "265", 11},
    {"Yeşil Zeytin 500 g", 0, "109", "84", 16},
    {"Çamaşır Suyu 2 L", 5, "44,90", "33", 18},
    {"Yumuşatıcı 1,4 L", 5, "84,50", "64", 12},
    {"Bulaşık Süngeri 3'lü", 5, "22,50", "15", 40},
    {"Çöp Torbası 10'lu", 5, "27,90", "19", 35},
    {"Islak Mendil 100'lü", 6, "39,90", "28", 30},
    {"Silgi", 7, "6", "3,25", 45},
    {"Kalem Pil 4'lü", 7, "89", "66", 15},
};

const Customer demoCustomers[] = {
    {"Ahmet Yılmaz", "Mehmet", "", "Cumhuriyet Mah. Lale Sok. No: 5, Çankaya / Ankara", "0532 411 22 33"},
    {"Ahmet Yılmaz", "Ramazan", "", "Bahçelievler Mah. 7. Cad. No: 18, Çankaya / Ankara", "0533 208 45 61"},
    {"Ayşe Demir", "Hasan", "", "Kavaklıdere Mah. Güniz Sok. No: 12/4, Çankaya / Ankara", "0542 317 09 88"},
    {"Mehmet Kaya", "Ali", "Kaya İnşaat", "Ostim OSB 1234. Cad. No: 9, Yenimahalle / Ankara", "0312 354 76 10"},
    {"Fatma Çelik", "İbrahim", "", "Emek Mah. 42. Sok. No: 3, Çankaya / Ankara", "0505 622 13 47"},
    {"Zeynep Aydın", "Hüseyin", "", "Ayrancı Mah. Hoşdere Cad. No: 71, Çankaya / Ankara", "0535 780 52 19"},
    {"Mustafa Şahin", "Osman", "", "Dikmen Mah. Çiğdem Sok. No: 27, Çankaya / Ankara", "0544 931 60 05"},
};

struct DemoSale {
    int daysBefore;  // before the last day
    int customer;    // in demoCustomers, -1 for cash
    std::vector<std::pair<int, int>> lines;  // product (in demoProducts), quantity
    const char* discount;
};

void fillDemoShop(ShopWriter& w, QDate lastDay)
{
    w.shop({u"Güneş Market"_s, u"Hasan Güneş"_s, u"Mağaza Sahibi"_s,
            u"Atatürk Bulvarı No: 142, Kızılay"_s, u"Ankara"_s, u"06420"_s,
            u"0312 425 18 36"_s, QString(), u"gunesmarket@example.com"_s,
            u"Bizi tercih ettiğiniz için teşekkür ederiz. İyi günler dileriz."_s});

    std::vector<qint64> groupNos;
    for (const Group& g : demoGroups)
        groupNos.push_back(w.group(QString::fromUtf8(g.name), g.vat));

    std::vector<Product> products;
    int index = 0;
    for (const DemoProduct& p : demoProducts) {
        const QString name = QString::fromUtf8(p.name);
        const QString barcode = index < quickSaleButtons ? quickSaleBarcode(index) : ean13(100000 + index * 37);
        const qint64 no = w.product(name, groupNos[size_t(p.group)], QString::fromUtf8(demoGroups[p.group].name),
                                    barcode, p.stock, lira(p.cost), lira(p.price));
        products.push_back({no, name, lira(p.price)});
        ++index;
    }

    std::vector<qint64> customerNos;
    for (const Customer& c : demoCustomers)
        customerNos.push_back(w.customer(c));

    const std::vector<DemoSale> sales = {
        {2, -1, {{0, 2}, {5, 1}, {10, 1}}, "0"},
        {2, 0, {{7, 1}, {9, 1}, {11, 2}, {15, 1}}, "0"},
        {1, -1, {{2, 3}, {22, 2}, {24, 1}}, "0"},
        {1, 2, {{26, 1}, {27, 1}, {31, 1}}, "10"},
        {1, -1, {{33, 2}, {34, 3}}, "0"},
        {0, -1, {{0, 3}, {4, 2}, {6, 1}}, "0"},
        {0, 3, {{18, 2}, {23, 4}, {25, 5}}, "0"},
        {0, -1, {{10, 1}, {12, 3}, {13, 1}, {17, 1}}, "5"},
    };
    std::vector<Money> debts(customerNos.size());
    for (const DemoSale& s : sales) {
        std::vector<SaleLine> lines;
        for (auto [product, quantity] : s.lines)
            lines.push_back({&products[size_t(product)], quantity, products[size_t(product)].price});
        const qint64 customerNo = s.customer < 0 ? 0 : customerNos[size_t(s.customer)];
        const Money total = w.sale(lastDay.addDays(-s.daysBefore), customerNo, lines, lira(s.discount));
        if (s.customer >= 0)
            debts[size_t(s.customer)] += total;
    }
    const Money paid = lira("200");
    w.payment(customerNos[2], paid, lastDay);
    debts[2] -= paid;

    // The newest customer keeps an unwritten debt, as the customer window leaves it.
    for (size_t i = 0; i + 1 < customerNos.size(); ++i)
        w.debt(customerNos[i], debts[i]);
}

// ---- the large shop

struct Size {
    const char* text;
    double factor;
};
constexpr int sizesPerKind = 4;  // every list below has four sizes
const std::vector<Size> byWeight = {{"500 g", 0.55}, {"1 kg", 1.0}, {"2 kg", 1.9}, {"5 kg", 4.5}};
const std::vector<Size> bySmallWeight = {{"100 g", 1.0}, {"250 g", 2.3}, {"500 g", 4.4}, {"1 kg", 8.5}};
const std::vector<Size> byVolume = {{"250 ml", 0.3}, {"500 ml", 0.55}, {"1 L", 1.0}, {"2,5 L", 2.2}};
const std::vector<Size> byPack = {{"", 1.0}, {"3'lü", 2.8}, {"6'lı", 5.4}, {"12'li", 10.0}};

struct Kind {
    const char* name;
    int group;      // in largeGroups
    double price;   // lira, for the factor 1 size
    const std::vector<Size>* sizes;
};

const Group largeGroups[] = {
    {"Temel Gıda", 1},  {"Süt Ürünleri", 1}, {"Şarküteri", 1},    {"Unlu Mamuller", 1},
    {"Meyve Sebze", 1}, {"İçecek", 10},      {"Atıştırmalık", 10}, {"Temizlik", 20},
    {"Kişisel Bakım", 20}, {"Kırtasiye", 20}, {"Ev Gereçleri", 20},
};

const std::vector<Kind> kinds = {
    {"Çay", 0, 210, &byWeight},           {"Toz Şeker", 0, 42.5, &byWeight},
    {"Küp Şeker", 0, 55, &byWeight},      {"Makarna", 0, 36, &byWeight},
    {"Pirinç", 0, 69.9, &byWeight},       {"Un", 0, 30, &byWeight},
    {"Kırmızı Mercimek", 0, 72.5, &byWeight}, {"Nohut", 0, 79.9, &byWeight},
    {"Bulgur", 0, 39.5, &byWeight},       {"Kuru Fasulye", 0, 94.9, &byWeight},
    {"Tuz", 0, 18, &byWeight},            {"Domates Salçası", 0, 88, &byWeight},
    {"Türk Kahvesi", 0, 64.9, &bySmallWeight}, {"Karabiber", 0, 69, &bySmallWeight},
    {"Pul Biber", 0, 39, &bySmallWeight}, {"Kimyon", 0, 42, &bySmallWeight},
    {"Çiçek Balı", 0, 42, &bySmallWeight}, {"Vişne Reçeli", 0, 19.5, &bySmallWeight},
    {"Tahin", 0, 29.5, &bySmallWeight},   {"Ayçiçek Yağı", 0, 89.5, &byVolume},
    {"Zeytinyağı", 0, 329, &byVolume},    {"Üzüm Sirkesi", 0, 29.9, &byVolume},
    {"Süt", 1, 32.5, &byVolume},          {"Ayran", 1, 38, &byVolume},
    {"Yoğurt", 1, 54.9, &byWeight},       {"Beyaz Peynir", 1, 290, &byWeight},
    {"Kaşar Peyniri", 1, 410, &byWeight}, {"Tereyağı", 1, 480, &byWeight},
    {"Kefir", 1, 45, &byVolume},          {"Sucuk", 2, 520, &byWeight},
    {"Pastırma", 2, 190, &bySmallWeight}, {"Salam", 2, 38, &bySmallWeight},
    {"Siyah Zeytin", 2, 220, &byWeight},  {"Yeşil Zeytin", 2, 200, &byWeight},
    {"Ekmek", 3, 10, &byPack},            {"Simit", 3, 15, &byPack},
    {"Kraker", 3, 12, &byPack},           {"Galeta", 3, 14, &byPack},
    {"Domates", 4, 35, &byWeight},        {"Salatalık", 4, 30, &byWeight},
    {"Patates", 4, 22, &byWeight},        {"Soğan", 4, 18, &byWeight},
    {"Elma", 4, 40, &byWeight},           {"Portakal", 4, 38, &byWeight},
    {"Su", 5, 12.5, &byVolume},           {"Maden Suyu", 5, 9, &byPack},
    {"Kola", 5, 39.9, &byVolume},         {"Gazoz", 5, 17.5, &byVolume},
    {"Meyve Suyu", 5, 44.5, &byVolume},   {"Şalgam Suyu", 5, 35, &byVolume},
    {"Soğuk Çay", 5, 30, &byVolume},      {"Sütlü Çikolata", 6, 27.5, &byPack},
    {"Bitter Çikolata", 6, 32, &byPack},  {"Kakaolu Bisküvi", 6, 15, &byPack},
    {"Patates Cipsi", 6, 32, &byPack},    {"Kavrulmuş Fındık", 6, 95, &bySmallWeight},
    {"Leblebi", 6, 24, &bySmallWeight},   {"Lokum", 6, 45, &bySmallWeight},
    {"Sakız", 6, 5, &byPack},             {"Çamaşır Deterjanı", 7, 75, &byWeight},
    {"Bulaşık Deterjanı", 7, 70, &byVolume}, {"Çamaşır Suyu", 7, 22, &byVolume},
    {"Yumuşatıcı", 7, 60, &byVolume},     {"Yüzey Temizleyici", 7, 55, &byVolume},
    {"Tuvalet Kağıdı", 7, 13, &byPack},   {"Kağıt Havlu", 7, 20, &byPack},
    {"Sıvı Sabun", 8, 46, &byVolume},     {"Şampuan", 8, 180, &byVolume},
    {"Diş Macunu", 8, 64.5, &byPack},     {"Islak Mendil", 8, 39.9, &byPack},
    {"Kolonya", 8, 95, &byVolume},        {"Tıraş Bıçağı", 8, 48, &byPack},
    {"Tükenmez Kalem", 9, 12.5, &byPack}, {"Kurşun Kalem", 9, 7.5, &byPack},
    {"Kareli Defter", 9, 45, &byPack},    {"Silgi", 9, 6, &byPack},
    {"Kalem Pil", 10, 24, &byPack},       {"Ampul", 10, 45, &byPack},
    {"Çöp Torbası", 10, 27.9, &byPack},   {"Bulaşık Süngeri", 10, 8, &byPack},
};

const char* const brands[] = {
    "Anadolu", "Ege", "Toros", "Marmara", "Kapadokya", "Ilgaz", "Fırat", "Dicle", "Yayla", "Bereket",
    "Bahar", "Güneş", "Yıldız", "Sultan", "Efe", "Çınar", "Kardelen", "Meltem", "Defne", "Başak",
    "Akdeniz", "Karadeniz", "Ova", "Gökçe", "Tuna", "Aras", "Köroğlu", "Sedef", "Nazar", "Çağlar",
};
const char* const variants[] = {"", "Klasik ", "Ekstra "};
const double variantFactors[] = {1.0, 1.0, 1.15};

const char* const firstNames[] = {
    "Ahmet", "Mehmet", "Mustafa", "Ali", "Hüseyin", "Hasan", "İbrahim", "İsmail", "Osman", "Yusuf",
    "Murat", "Ömer", "Ramazan", "Halil", "Süleyman", "Ayşe", "Fatma", "Emine", "Hatice", "Zeynep",
    "Elif", "Meryem", "Şerife", "Sultan", "Zehra", "Hanife", "Merve", "Özlem", "Gülşen", "Çiğdem",
};
const char* const fatherNames[] = {
    "Ahmet", "Mehmet", "Mustafa", "Ali", "Hüseyin", "Hasan", "İbrahim", "İsmail", "Osman", "Yusuf",
    "Murat", "Ömer", "Ramazan", "Halil", "Süleyman", "Abdullah", "Kemal", "Recep", "Salih", "Şükrü",
};
const char* const surnames[] = {
    "Yılmaz", "Kaya", "Demir", "Çelik", "Şahin", "Yıldız", "Yıldırım", "Öztürk", "Aydın", "Özdemir",
    "Arslan", "Doğan", "Kılıç", "Aslan", "Çetin", "Kara", "Koç", "Kurt", "Özkan", "Şimşek",
    "Polat", "Özcan", "Korkmaz", "Çakır", "Erdoğan", "Yavuz", "Can", "Acar", "Şen", "Aktaş",
};
const char* const neighbourhoods[] = {
    "Cumhuriyet", "Atatürk", "Yenimahalle", "Fatih", "Bahçelievler", "Kocatepe", "Esentepe", "Gülbahar",
};
const char* const streets[] = {"Lale", "Gül", "Menekşe", "Papatya", "Çınar", "Akasya", "Zambak", "Karanfil"};
const char* const companyKinds[] = {"Ticaret", "İnşaat", "Gıda", "Nakliyat", "Tekstil"};

struct ExpenseKind {
    const char* name;
    int low, high;  // lira, at today's prices
    bool monthly;   // noted with the month it pays for
};
const std::vector<ExpenseKind> expenseKinds = {
    {"Kira", 18000, 25000, true},       {"Elektrik", 900, 4000, true},      {"Su", 200, 900, true},
    {"Doğalgaz", 300, 3500, true},      {"İnternet", 350, 600, true},       {"Telefon", 150, 500, true},
    {"Personel Maaşı", 17000, 25000, true}, {"SGK Primi", 4000, 8000, true}, {"Vergi", 1000, 6000, false},
    {"Temizlik Malzemesi", 100, 600, false}, {"Nakliye", 200, 2000, false}, {"Bakım Onarım", 300, 5000, false},
    {"Poşet", 150, 800, false},         {"Muhasebe", 1500, 3000, true},     {"Çay Ocağı", 50, 400, false},
};

// Every product of the large shop is one combination of kind, size, brand and variant.
struct Combination {
    const Kind* kind;
    const Size* size;
    int brand;
    int variant;

    static int count() { return int(kinds.size()) * sizesPerKind * int(std::size(brands)) * int(std::size(variants)); }
    static Combination at(int index)
    {
        const int brandCount = int(std::size(brands));
        const int variantCount = int(std::size(variants));
        const int perKind = sizesPerKind * brandCount * variantCount;
        const Kind& kind = kinds[size_t(index / perKind)];
        const int rest = index % perKind;
        return {&kind, &(*kind.sizes)[size_t(rest / (brandCount * variantCount))], rest % brandCount,
                rest / brandCount % variantCount};
    }

    QString name(int repeat) const
    {
        QString text = QString::fromUtf8(brands[brand]) + QLatin1Char(' ') + QString::fromUtf8(variants[variant])
            + QString::fromUtf8(kind->name) + QLatin1Char(' ') + QString::fromUtf8(size->text);
        if (repeat > 0)
            text += u" Seri %1"_s.arg(repeat + 1);
        return text.trimmed().left(50);
    }

    double price(Random& random) const
    {
        const double brandFactor = 0.8 + 0.5 * brand / double(std::size(brands) - 1);
        return kind->price * size->factor * brandFactor * variantFactors[variant] * (0.9 + 0.2 * random.unit());
    }
};

std::vector<Product> writeLargeProducts(ShopWriter& w, int count, Random& random)
{
    std::vector<qint64> groupNos;
    for (const Group& g : largeGroups)
        groupNos.push_back(w.group(QString::fromUtf8(g.name), g.vat));

    const int combinations = Combination::count();
    std::vector<int> order(static_cast<size_t>(combinations));
    std::iota(order.begin(), order.end(), 0);
    for (int i = combinations - 1; i > 0; --i)
        std::swap(order[size_t(i)], order[size_t(random.below(i + 1))]);

    std::vector<Product> products;
    products.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const Combination c = Combination::at(order[size_t(i % combinations)]);
        const QString name = c.name(i / combinations);
        const Money price = shelfPrice(c.price(random));
        const Money cost = wholeKurus(price.toDouble() * (0.62 + 0.23 * random.unit()));
        const qint64 stock = random.chance(3) ? random.between(0, 10) : random.between(11, 400);
        const int group = c.kind->group;
        const QString barcode = i < quickSaleButtons ? quickSaleBarcode(i) : ean13(i);
        const qint64 no = w.product(name, groupNos[size_t(group)], QString::fromUtf8(largeGroups[group].name),
                                    barcode, stock, cost, price);
        products.push_back({no, name, price});
    }
    return products;
}

QString telephone(Random& random)
{
    return u"05%1 %2 %3 %4"_s
        .arg(random.between(30, 59))
        .arg(random.between(100, 999))
        .arg(random.between(10, 99), 2, 10, QLatin1Char('0'))
        .arg(random.between(0, 99), 2, 10, QLatin1Char('0'));
}

template <class T, size_t N> QString any(const T (&items)[N], Random& random)
{
    return QString::fromUtf8(items[random.below(int(N))]);
}

std::vector<qint64> writeLargeCustomers(ShopWriter& w, int count, Random& random)
{
    std::vector<qint64> nos;
    for (int i = 0; i < count; ++i) {
        Customer c;
        const QString surname = any(surnames, random);
        c.name = any(firstNames, random) + QLatin1Char(' ') + surname;
        c.father = any(fatherNames, random);
        if (random.chance(10))
            c.company = surname + QLatin1Char(' ') + any(companyKinds, random);
        c.address = u"%1 Mah. %2 Sok. No: %3, Merkez"_s
                        .arg(any(neighbourhoods, random), any(streets, random))
                        .arg(random.between(1, 120));
        c.telephone = telephone(random);
        nos.push_back(w.customer(c));
    }
    return nos;
}

// Prices climb over the years the shop has been open: a sale long ago was charged less.
double priceLevel(int dayIndex, int days) { return 0.45 + 0.55 * dayIndex / std::max(1, days - 1); }

// Line counts come in pairs that add up to twice the average, so the total is exact.
std::vector<int> lineCounts(int sales, int average, Random& random)
{
    std::vector<int> counts(size_t(sales), average);
    for (int i = 0; i + 1 < sales; i += 2) {
        const int spread = random.between(-(average - 1), average - 1);
        counts[size_t(i)] = average + spread;
        counts[size_t(i) + 1] = average - spread;
    }
    return counts;
}

// The days the sales and expenses are spread over, the last one included.
struct Period {
    QDate first;
    int days;
};

void writeLargeSales(ShopWriter& w, const LargeShopSize& size, Period period, const std::vector<Product>& products,
                     const std::vector<qint64>& customers, Random& random)
{
    const std::vector<int> counts = lineCounts(size.sales, size.linesPerSale, random);
    std::vector<Money> debts(customers.size());
    std::vector<bool> active(customers.size());
    std::vector<SaleLine> lines;
    for (int i = 0; i < size.sales; ++i) {
        const int dayIndex = int(qint64(i) * period.days / size.sales);
        const QDate day = period.first.addDays(dayIndex);
        const double level = priceLevel(dayIndex, period.days);
        lines.clear();
        for (int l = 0; l < counts[size_t(i)]; ++l) {
            // Cheap everyday goods (the first products) sell far more often than the rest.
            const double u = random.unit();
            const Product& p = products[size_t(double(products.size()) * u * u)];
            const int roll = random.below(100);
            const qint64 quantity = roll < 80 ? 1 : roll < 94 ? 2 : random.between(3, 6);
            lines.push_back({&p, quantity, shelfPrice(p.price.toDouble() * level)});
        }
        Money total;
        for (const SaleLine& l : lines)
            total += l.amount();
        Money discount;
        if (total >= Money::fromLira(200) && random.chance(10))
            discount = Money::fromLira(std::max<qint64>(1, total.units() / Money::unitsPerLira / 20));

        int customer = -1;
        if (!customers.empty() && random.chance(10)) {
            const double u = random.unit();
            customer = int(double(customers.size()) * 0.6 * u * u);
        }
        w.sale(day, customer < 0 ? 0 : customers[size_t(customer)], lines, discount);
        if (customer < 0)
            continue;
        Money& debt = debts[size_t(customer)];
        active[size_t(customer)] = true;
        debt += total;
        if (random.chance(35) && debt >= Money::fromLira(10)) {
            const qint64 tens = debt.units() / Money::unitsPerLira / 10 * random.between(30, 100) / 100;
            if (tens > 0) {
                const Money paid = Money::fromLira(tens * 10);
                w.payment(customers[size_t(customer)], paid, day);
                debt -= paid;
            }
        }
    }
    for (size_t c = 0; c < customers.size(); ++c)
        if (active[c])
            w.debt(customers[c], debts[c]);
}

void writeLargeExpenses(ShopWriter& w, const LargeShopSize& size, Period period, Random& random)
{
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    for (int i = 0; i < size.expenses; ++i) {
        const int dayIndex = int(qint64(i) * period.days / std::max(1, size.expenses));
        const QDate day = period.first.addDays(dayIndex);
        const ExpenseKind& kind = random.pick(expenseKinds);
        const Money amount = wholeKurus(random.between(kind.low, kind.high) * priceLevel(dayIndex, period.days));
        const QString note = kind.monthly
            ? u"%1 %2 dönemi"_s.arg(turkish.standaloneMonthName(day.month())).arg(day.year())
            : QString();
        w.expense(day, amount, QString::fromUtf8(kind.name), note);
    }
}

} // namespace

void createShopFile(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DataError(u"%1 zaten var; var olan bir dükkânın üzerine yazılmaz."_s.arg(path));
    Database db(path);
    prepareSchema(db);
}

void removeShopFile(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

ShopCounts writeDemoShop(Database& db, QDate lastDay)
{
    return writeShop(db, [&](ShopWriter& w) { fillDemoShop(w, lastDay); });
}

LargeShopSize LargeShopSize::scaled(int scale)
{
    LargeShopSize size;
    size.products *= scale;
    size.customers *= scale;
    size.sales *= scale;
    size.expenses *= scale;
    return size;
}

ShopCounts writeLargeShop(Database& db, const LargeShopSize& size, QDate lastDay)
{
    return writeShop(db, [&](ShopWriter& w) {
        Random random(20261209);
        w.shop({u"Bereket Süpermarket"_s, u"Kemal Aydın"_s, u"Müdür"_s,
                u"İstasyon Caddesi No: 58"_s, u"Eskişehir"_s, u"26010"_s,
                u"0222 231 45 67"_s, QString(), u"bereket@example.com"_s,
                u"Fişinizi saklayınız. Teşekkür ederiz."_s});
        const std::vector<Product> products = writeLargeProducts(w, size.products, random);
        const std::vector<qint64> customers = writeLargeCustomers(w, size.customers, random);
        const QDate firstDay = size.firstDay(lastDay);
        const Period period{firstDay, int(firstDay.daysTo(lastDay)) + 1};
        if (!products.empty())
            writeLargeSales(w, size, period, products, customers, random);
        writeLargeExpenses(w, size, period, random);
    });
}

ShopCounts makeLargeShopFile(const QString& path, const LargeShopSize& size, QDate lastDay)
{
    if (QFileInfo::exists(path))
        throw DataError(u"%1 zaten var; var olan bir dükkânın üzerine yazılmaz."_s.arg(path));
    const QString part = path + u".part"_s;
    removeShopFile(part);  // left by a run cut short
    ShopCounts counts;
    try {
        createShopFile(part);
        Database db(part);
        // No journal: the file is thrown away on any error, so there is nothing to roll back to.
        db.exec(u"PRAGMA journal_mode = OFF"_s);
        counts = writeLargeShop(db, size, lastDay);
        db.exec(u"PRAGMA journal_mode = WAL"_s);
    } catch (const DataError&) {
        removeShopFile(part);
        throw;
    }
    if (!QFile::rename(part, path)) {
        removeShopFile(part);
        throw DataError(u"%1 adı verilemedi."_s.arg(path));
    }
    return counts;
}

} // namespace dukkano
