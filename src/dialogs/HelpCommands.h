#pragma once

#include <QtGlobal>

class QWidget;
class TAboutDlg;

// The help menu's and the tool bar's help commands of the main window.

// The help files as written, each translated into the name of the file in the program's language.
// The introduction to the program.
inline constexpr const char* kIntroHelpFile = QT_TRANSLATE_NOOP("HelpCommands", "Qel.hlp");
// The tutor: the example lessons.
inline constexpr const char* kTutorHelpFile = QT_TRANSLATE_NOOP("HelpCommands", "QelLess.hlp");

// The help button and "&Wprowadzenie": the introduction's contents.
void ContHelpMenuClick(QWidget* mainWindow);
// The tutor button and "&Nauczyciel": the tutor's contents.
void TutorBtnClick(QWidget* mainWindow);
// "&O programie": the about box, modally; how it was closed does not matter.
void AboutMenuClick(TAboutDlg& aboutDlg);
