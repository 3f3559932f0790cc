#pragma once

class QWidget;

namespace rm {

// Called before a window is first shown when a device will later draw on it. The window system
// then makes the window once, able to take OpenGL drawing, instead of destroying it and making it
// anew when the device's surface arrives (a new native window, placed again by the window
// manager, without the keyboard focus).
void PrepareWindowForDevice(QWidget& window);

} // namespace rm
