#pragma once

#include <QSet>
#include <QStringList>

class QWidget;

namespace halvane::test {

// Every text of the window's visible labels, buttons, check boxes, radio buttons, group box
// titles, tabs, combo box items, table headers and field placeholders that does not fit the room
// its widget gives it (the text's size from the widget's font metrics against the widget's
// contents rectangle as its style lays it out), one line each. Widgets in `userContent` show
// what the user typed or chose (profile names, macros), which no translation lengthens.
QStringList clippedTexts(QWidget* window, const QSet<const QWidget*>& userContent = {});

// Pairs of the window's visible controls that overlap, one line each. The children of
// `background` (views laid over a picture on purpose) are left out.
QStringList overlappingControls(QWidget* window, const QWidget* background = nullptr);

}  // namespace halvane::test
