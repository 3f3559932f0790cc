#pragma once

class CameraControl;
class QAction;
class QMenu;
class QToolBar;

// "Widok z góry": the camera straight above the whole sheet and back behind the turtle, by the
// key V, an item of the options menu and a tool bar button, all one checkable action.
QAction* AddTopViewChoice(CameraControl& camera, QMenu& options, QToolBar& toolBar);
