#pragma once

namespace halvane {

// Tells Qt's accessibility how screen readers see the pane's own widgets: a focusable macro key
// view is a button that opens the editor and has a menu, a key view that takes no focus (a key's
// label, the Command/Alt marks) is decoration they skip, the keyboard picture is one named group,
// the editor's captions are radio buttons and a status line is an alert. Installed once; calling
// it again does nothing.
void installPaneAccessibility();

}  // namespace halvane
