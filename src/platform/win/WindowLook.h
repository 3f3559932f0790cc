#pragma once

class QWidget;

namespace win {

// The look every window of the program shares: the dialog font (a sans face, 11 pixels high),
// a size fixed at what the layout gives it, and the same look while its input is locked.
void UseWindowLook(QWidget& window);

} // namespace win
