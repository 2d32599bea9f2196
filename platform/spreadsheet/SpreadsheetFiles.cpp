#include "SpreadsheetFiles.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::spreadsheet {
namespace {

QString& folderSetting()
{
    static QString folder;
    return folder;
}

DesktopOpener& openerSetting()
{
    static DesktopOpener opener;
    return opener;
}

} // namespace

QString exportFolder()
{
    const QString& folder = folderSetting();
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::TempLocation) : folder;
}

void setExportFolder(const QString& folder) { folderSetting() = folder; }

QString newWorkbookPath(const QString& baseName, QDate day)
{
    const QDir folder(exportFolder());
    folder.mkpath(u"."_s);
    const QString stem = baseName + QLatin1Char('-') + day.toString(Qt::ISODate);
    QString path = folder.filePath(stem + u".xlsx"_s);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(u"%1-%2.xlsx"_s.arg(stem).arg(n));
    return path;
}

bool openWithDesktop(const QString& path)
{
    if (const DesktopOpener& opener = openerSetting())
        return opener(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setDesktopOpener(DesktopOpener opener) { openerSetting() = std::move(opener); }

} // namespace dukkano::spreadsheet
