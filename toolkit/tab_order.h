// Keyboard focus order: the tab stops of a window in the order they were created, which is the
// order an operator reads them, whatever the stacking of the native windows.
#pragma once

namespace tk {

class Control;

// Edits, combo boxes, tab strips and buttons that take the focus, when shown and enabled.
bool IsTabStop(const Control& control);

// The tab stop after (or before) `current` among those under `root`, wrapping around; the first
// (or last) one when `current` is not among them. Null when there is none.
Control* NextTabStop(Control& root, const Control* current, bool backwards);

}  // namespace tk
