#pragma once

#include "ddraw/DirectDraw.h"

#include <QImage>
#include <QOpenGLWidget>
#include <QWidget>

// A clipper that hands a device the window it was given, as the program's own does.
class WindowClipper final : public ddraw::Clipper {
public:
    explicit WindowClipper(QWidget* window) : window_(window) {}
    win::HRESULT SetHWnd(std::uint32_t, win::HWND window) override
    {
        window_ = window;
        return ddraw::DD_OK;
    }
    win::HWND GetHWnd() const override { return window_; }

private:
    win::HWND window_;
};

// What a device drew in `window`, read from its own framebuffer: other windows on the display
// cannot cover it.
inline QImage DrawnPicture(QWidget& window)
{
    auto* view = window.findChild<QOpenGLWidget*>();
    return view ? view->grabFramebuffer() : QImage();
}
