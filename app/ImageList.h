// The main window's icon list `simgeler`: 52 x 52 pictures for the menu and the tool bar,
// drawn at start so the program ships no image files.
#pragma once

#include <QIcon>
#include <QList>

namespace dukkano {

inline constexpr int imageList1Size = 52;

// Index i is the picture the menu and tool-bar tables call icon i; unused indexes are null icons.
QList<QIcon> makeSimgeler();

} // namespace dukkano
