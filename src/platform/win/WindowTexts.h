#pragma once

#include <functional>

class QWidget;

namespace win {

// Sets a window's texts now and again whenever the program's language changes, so that a window
// already made speaks the new language at once. The texts of one window are set in the order
// they were given: a later step may build on an earlier one (a hint that names its key after the
// hint the layout gives).
void FollowLanguage(QWidget& window, std::function<void()> setTexts);

} // namespace win
