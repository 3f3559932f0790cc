#pragma once

#include <functional>

class QMainWindow;
class QMenu;

// "Język" at the end of the options menu: Polski and English, each named in its own language,
// the one in use marked. A choice changes every window at once and is remembered for the next
// start. `retranslateWindow` puts the main window's own layout into the new language, before any
// other text of that window follows.
void AddLanguageChoice(QMainWindow& window, QMenu& options, std::function<void()> retranslateWindow);
