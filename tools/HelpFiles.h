#pragma once

#include <string>

// The two help files the program opens, as UTF-8 HTML pages in Polish.

// "Qel.hlp": what the program is, how to steer the turtle, what the buttons do.
std::string IntroHelpText();
// "QelLess.hlp": the tutor's example lessons.
std::string TutorHelpText();
