// Fills a new, empty shop database: a small demo shop to try the program on, and large
// deterministic shops for the timings.
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace dukkano {

class Database;

struct LargeShopSize {
    int products = 20000;
    int customers = 1000;
    int sales = 400000;
    int linesPerSale = 3;  // on average; a sale has 1 to 2 * linesPerSale - 1 lines
    int expenses = 5000;
    int years = 10;        // sales and expenses spread evenly over them

    // Scale 1 is the large shop above; scale 3 has three times its products, customers, sales
    // and expenses over the same years.
    static LargeShopSize scaled(int scale);
    QDate firstDay(QDate lastDay) const { return lastDay.addYears(-years).addDays(1); }
};

struct ShopCounts {
    qint64 products = 0;
    qint64 customers = 0;
    qint64 sales = 0;
    qint64 lines = 0;
    qint64 payments = 0;
    qint64 expenses = 0;
};

// Creates path as an empty shop database with the current schema. Throws DataError when the
// file already exists, so no shop is ever overwritten.
void createShopFile(const QString& path);
// Removes a shop file with its journal files; for a shop whose writing failed half way.
void removeShopFile(const QString& path);

// Both writers need a shop without products and write everything in one transaction;
// they throw DataError otherwise. Sales end on lastDay.
ShopCounts writeDemoShop(Database& db, QDate lastDay);
// The same size and last day always give the same rows.
ShopCounts writeLargeShop(Database& db, const LargeShopSize& size, QDate lastDay);
// Makes path as a new large shop. It is written under another name and renamed when complete,
// so a run cut short never leaves a half-made shop at path. Throws DataError as above.
ShopCounts makeLargeShopFile(const QString& path, const LargeShopSize& size, QDate lastDay);

} // namespace dukkano
