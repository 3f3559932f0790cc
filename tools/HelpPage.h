#pragma once

#include <string>

// One help page as UTF-8 HTML in the look every help file shares: big, friendly letters and a
// coloured heading. `language` is the page's language code ("pl", "en").
std::string HelpPage(const std::string& language, const std::string& title, const std::string& body);
