// Settings keys: one INI file per key path under a folder the test chooses, text values that
// come back exactly as written.
#include "SettingsKey.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace dukkano;

namespace {
const QString programKey = QStringLiteral("Software\\NUREV\\Dukkano1_5");
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
        QCOMPARE(key.value(QStringLiteral("KullaniciAdi")), QString());
        key.setValue(QStringLiteral("FisYazicisi"), QStringLiteral("POS-80"));
        QCOMPARE(SettingsKey(programKey).value(QStringLiteral("KullaniciAdi")), QString());
    }

    void textComesBackAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Turkish letters") << QStringLiteral("ŞİŞLİ Çağlayan ığdır ÖÜ öü");
        QTest::newRow("picture path") << QStringLiteral("C:\\Resimler\\çiçek bahçesi.jpg");
        QTest::newRow("punctuation") << QStringLiteral("a,b; c=d \"e\" 'f' @g #h [i] %j");
        QTest::newRow("blanks around") << QStringLiteral("  iki  ");
        QTest::newRow("looks like a number") << QStringLiteral("0012,50");
        QTest::newRow("empty") << QString();
    }

    void textComesBackAsWritten()
    {
        QFETCH(QString, text);
        QVERIFY(SettingsKey(programKey).setValue(QStringLiteral("Sifre"), text));
        QCOMPARE(SettingsKey(programKey).value(QStringLiteral("Sifre")), text);
    }

    void fileIsPlainUtf8()
    {
        SettingsKey key(programKey);
        key.setValue(QStringLiteral("KullaniciAdi"), QStringLiteral("Gülşen"));
        QFile file(key.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).contains(QStringLiteral("KullaniciAdi=Gülşen")));
    }

    void keysKeepTheirOwnValues()
    {
        SettingsKey(programKey).setValue(QStringLiteral("ResimGoster"), QStringLiteral("Evet"));
        SettingsKey(QStringLiteral("Software\\System"))
            .setValue(QStringLiteral("ResimGoster"), QStringLiteral("Hayır"));
        QCOMPARE(SettingsKey(programKey).value(QStringLiteral("ResimGoster")), QStringLiteral("Evet"));
    }

    // A write that did not reach the file must not pass for a stored one.
    void failedWriteIsReported()
    {
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("Software/System.ini"))));
        SettingsKey key(QStringLiteral("Software\\System"));
        QVERIFY(!key.setValue(QStringLiteral("SystemStartOptions2"), QStringLiteral("12,5")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestSettings)

#include "test_settings.moc"
