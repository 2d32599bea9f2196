// Settings keys: one INI file per key path under a folder the test chooses, text values that
// come back exactly as written.
#include "SettingsKey.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;

namespace {
const QString programKey = u"Software\\NUREV\\Dukkano1_5"_s;
}

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SettingsKey::setFolder(m_dir->path());
    }

    void cleanup()
    {
        SettingsKey::setFolder(QString());
        m_dir.reset();
    }

    void keyFileCreatedUnderTheFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("file");
        QTest::newRow("program key") << programKey << "Software/NUREV/Dukkano1_5.ini";
        QTest::newRow("system key") << "Software\\System" << "Software/System.ini";
        QTest::newRow("never climbs out") << "..\\..\\etc\\.\\passwd" << "etc/passwd.ini";
    }

    void keyFileCreatedUnderTheFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, file);
        const QString expected = m_dir->filePath(file);
        QVERIFY(!QFile::exists(expected));
        SettingsKey key(path);
        QCOMPARE(key.fileName(), expected);
        QVERIFY(QFile::exists(expected));
    }

    void missingValueReadsEmpty()
    {
        SettingsKey key(programKey);
        QCOMPARE(key.value(u"KullaniciAdi"_s), QString());
        key.setValue(u"FisYazicisi"_s, u"POS-80"_s);
        QCOMPARE(SettingsKey(programKey).value(u"KullaniciAdi"_s), QString());
    }

    void textComesBackAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Turkish letters") << u"ŞİŞLİ Çağlayan ığdır ÖÜ öü"_s;
        QTest::newRow("picture path") << u"C:\\Resimler\\çiçek bahçesi.jpg"_s;
        QTest::newRow("punctuation") << u"a,b; c=d \"e\" 'f' @g #h [i] %j"_s;
        QTest::newRow("blanks around") << u"  iki  "_s;
        QTest::newRow("looks like a number") << u"0012,50"_s;
        QTest::newRow("empty") << QString();
    }

    void textComesBackAsWritten()
    {
        QFETCH(QString, text);
        QVERIFY(SettingsKey(programKey).setValue(u"Sifre"_s, text));
        QCOMPARE(SettingsKey(programKey).value(u"Sifre"_s), text);
    }

    void fileIsPlainUtf8()
    {
        SettingsKey key(programKey);
        key.setValue(u"KullaniciAdi"_s, u"Gülşen"_s);
        QFile file(key.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).contains(u"KullaniciAdi=Gülşen"_s));
    }

    void keysKeepTheirOwnValues()
    {
        SettingsKey(programKey).setValue(u"ResimGoster"_s, u"Evet"_s);
        SettingsKey(u"Software\\System"_s)
            .setValue(u"ResimGoster"_s, u"Hayır"_s);
        QCOMPARE(SettingsKey(programKey).value(u"ResimGoster"_s), u"Evet"_s);
    }

    // A write that did not reach the file must not pass for a stored one.
    void failedWriteIsReported()
    {
        QVERIFY(QDir().mkpath(m_dir->filePath(u"Software/System.ini"_s)));
        SettingsKey key(u"Software\\System"_s);
        QVERIFY(!key.setValue(u"SystemStartOptions2"_s, u"12,5"_s));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestSettings)

#include "test_settings.moc"
