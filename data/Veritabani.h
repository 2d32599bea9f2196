// The shop's database as the windows see it: the connection `baglanti` and the shared table
// objects, all open for the whole run. The main window owns one; tests make their own.
#pragma once

#include "Database.h"
#include "Dataset.h"

#include <QString>
#include <initializer_list>

namespace dukkano {

using namespace Qt::Literals::StringLiterals;

class Veritabani {
public:
    // The file the program works on, in the working directory.
    static QString defaultPath() { return u"veritabani.mdb"_s; }

    // Opens (creating when missing) the file and every shared object.
    // Throws DataError with a Turkish message naming the file and the reason.
    explicit Veritabani(const QString& path = defaultPath());

    Database baglanti;
    Dataset tableUrunler;
    Dataset tableSatislar;
    Dataset tableSatilanUrunler;
    Dataset tableUreticiler;
    Dataset tableKategoriler;
    Dataset tableMusteriler;
    Dataset tableMasraflarGiderler;

    // What most work windows do when they close: the six shared filters off.
    void filtreleriKapat();
    // A work window's closing steps once its grid stored its pending edit: the shared filters
    // off, and the shared objects it wrote around read afresh for receipts, reports and the
    // next window.
    void kapanisAdimlari(std::initializer_list<Dataset*> yenilenecekler = {});

    // The number the database will give the next Satislar row.
    qint64 sonrakiSatisNo();
};

} // namespace dukkano
