#pragma once

class QEvent;
class QLabel;
class QObject;

// The dialogs' pictures live in this library's resources, which a static link would drop unless
// they are named once.
void InitDialogResources();

// The three character pictures and the selection frame over them, as the character and turtle
// dialogs show them. The frame lets clicks through to the picture beneath it; the dialog watches
// the pictures for clicks (see ClickedPicture).
void ShowCharacterPictures(QObject& dialog, QLabel& lizard, QLabel& snail, QLabel& turtle, QLabel& selection);

// The picture a click landed on: a left press and release inside an enabled picture (filters see
// clicks on disabled pictures too; those are no choice). nullptr for any other event.
QLabel* ClickedPicture(QObject* watched, QEvent* event);
