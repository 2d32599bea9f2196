// Where exported workbooks go and how they reach the user: a new file in a folder the user can
// reach, opened with the desktop's spreadsheet program. Tests set the folder and replace the
// opening, recording the paths instead.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace dukkano::spreadsheet {

// The system's temporary folder unless a test set another; the workbook is a working copy
// that the user saves where they like.
QString exportFolder();
void setExportFolder(const QString& folder);  // empty: back to the default

// "<folder>/<baseName>-2026-12-09.xlsx", or "...-2.xlsx", "...-3.xlsx" when taken, so that an
// export never overwrites a workbook the user may have saved in place. Creates the folder.
QString newWorkbookPath(const QString& baseName, QDate day);

// Opens the file with the desktop's program for it; false when none could be started.
bool openWithDesktop(const QString& path);
using DesktopOpener = std::function<bool(const QString& path)>;
void setDesktopOpener(DesktopOpener opener);  // nullptr: the real desktop

} // namespace dukkano::spreadsheet
