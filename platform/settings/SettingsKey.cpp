// Settings keys as INI files: "Software\NUREV\Dukkano1_5" is <folder>/Software/NUREV/Dukkano1_5.ini.
#include "SettingsKey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

QString chosenFolder;  // empty: the user's configuration folder

// Only plain names become folders: a key path never climbs out of the settings folder.
QString relativeFileOf(const QString& path)
{
    QStringList parts;
    for (const QString& part : QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                   .split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            parts << part;
    }
    return parts.join(QLatin1Char('/')) + u".ini"_s;
}

void createIfMissing(const QString& fileName)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    if (!file.exists())
        file.open(QIODevice::WriteOnly);
}

} // namespace

SettingsKey::SettingsKey(const QString& path)
{
    const QString fileName = QDir(folder()).filePath(relativeFileOf(path));
    createIfMissing(fileName);
    m_settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
}

SettingsKey::~SettingsKey() = default;

QString SettingsKey::value(const QString& name) const
{
    return m_settings->value(name).toString();
}

bool SettingsKey::setValue(const QString& name, const QString& text)
{
    m_settings->setValue(name, text);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString SettingsKey::fileName() const
{
    return m_settings->fileName();
}

QString SettingsKey::folder()
{
    if (!chosenFolder.isEmpty())
        return chosenFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/Dukkano"_s;
}

void SettingsKey::setFolder(const QString& folder)
{
    chosenFolder = folder;
}

} // namespace dukkano
