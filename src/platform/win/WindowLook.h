#pragma once

class QWidget;

namespace win {

// The look every window of the program shares: the dialog font (a sans face, 11 pixels high)
// and a size fixed at what the layout gives it.
void UseWindowLook(QWidget& window);

} // namespace win
