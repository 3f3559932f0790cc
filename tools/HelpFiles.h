#pragma once

#include <string>

// The two help files the program opens, as UTF-8 HTML pages, in Polish and in English.

// "Qel.hlp": what the program is, how to steer the turtle, what the buttons do.
std::string IntroHelpText();
// "QelLess.hlp": the tutor's example lessons.
std::string TutorHelpText();

// "Qel_en.hlp" and "QelLess_en.hlp": the same for those who read English.
std::string EnglishIntroHelpText();
std::string EnglishTutorHelpText();
