// Small things the customer windows share about their controls.
#pragma once

class QColor;
class QLabel;
class QMdiArea;
class QWidget;

namespace dukkano {

// Whether the field is where the window's typing goes, also while a message box is up: the
// name a list copies into its search field must not search.
bool isFocusField(QWidget* field);

// A label on a coloured ground ("lBorc" in red, "borc2" in sky blue).
void paintLabel(QLabel* label, const QColor& background, const QColor& text);

// The selected customer's debt as the windows show it: large, bold, centred, white on red.
void showAsDebtFigure(QLabel* label);

// The main window's area the window is shown in; nullptr for a window on its own.
QMdiArea* mdiAreaOf(QWidget* window);

} // namespace dukkano
