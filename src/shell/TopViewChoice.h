#pragma once

#include <functional>

class CameraControl;
class QAction;
class QMenu;
class QToolBar;

// "Widok z góry": the camera straight above the whole sheet and back behind the turtle, by the
// key V, an item of the options menu and a tool bar button, all one checkable action. `show`
// puts the camera where it now stands into the scene: a window at rest draws its next frame only
// when the turtle or the camera behind it moves.
QAction* AddTopViewChoice(CameraControl& camera, QMenu& options, QToolBar& toolBar, std::function<void()> show);
