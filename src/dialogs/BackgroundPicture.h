#pragma once

#include <QString>

#include <functional>

class QWidget;
class TurtleSheet;

// The place-background command of the main window: a BMP or PNG picture chosen by the user is
// centred on the sheet.

// Where the picture-open dialog starts: the user's pictures folder, or home when there is none.
QString BackgroundPicturesFolder();
// The picture-open dialog with a preview; an empty name when the user cancels.
QString ChooseBackgroundFile(QWidget* owner);
// Places the picture `chooseFile` names on the sheet. Nothing happens on an empty name; a file
// that cannot be read as a picture is reported in a message box and leaves the sheet as it was.
// True when the picture was placed.
bool PlaceBackground(QWidget* owner, TurtleSheet& sheet, const std::function<QString()>& chooseFile);
// PlaceBackground with the picture-open dialog.
void RunBackgroundChoice(QWidget* owner, TurtleSheet& sheet);
