#pragma once

#include <QString>

// The languages the program speaks. Polish is the language its texts are written in; every
// other system language gets English.
enum class Language { Polish, English };

// The language of the user's system: Polish for Polish, English for any other.
Language SystemLanguage();
// The language chosen in the menu last time, or the system's when none was chosen.
Language StartLanguage();
// Keeps the choice for the next start.
void RememberLanguage(Language language);

// Puts the program's texts, and Qt's own (standard buttons, file dialogs), into the language;
// every window made so far changes its texts before this returns.
void UseLanguage(Language language);
// The language the texts are in now.
Language LanguageInUse();
