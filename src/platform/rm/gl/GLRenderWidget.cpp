#include "rm/gl/GLRenderWidget.h"

#include "rm/gl/GLSceneRenderer.h"
#include "rm/WindowSurface.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>

#include <utility>

namespace rm::gl {

GLRenderWidget::GLRenderWidget(QWidget* window, int width, int height) : QOpenGLWidget(window)
{
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
    // A render without a clear draws over the frame before, as the screen still holds it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    // The window beneath keeps the mouse, and with it its cursor rules.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, width, height);
    show();
}

GLRenderWidget::~GLRenderWidget()
{
    ReleaseGL();
    // The base class ends the context after this part of the widget is gone.
    disconnect(contextEnding_);
}

HRESULT GLRenderWidget::Present()
{
    // Nothing recorded since the last Present: show that frame again.
    if (!building_.steps.empty()) {
        std::swap(building_, shown_);
        building_.Reset();
    }
    repaint();
    return failed_ ? D3DRMERR_BADDEVICE : D3DRM_OK;
}

void GLRenderWidget::initializeGL()
{
    // A widget moved to another window gets a new context: the old one takes its objects along.
    disconnect(contextEnding_);
    contextEnding_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &GLRenderWidget::ReleaseGL);
    renderer_ = std::make_unique<GLSceneRenderer>();
    failed_ = !renderer_->Initialize();
}

void GLRenderWidget::paintGL()
{
    if (failed_ || !renderer_)
        return;
    if (shown_.steps.empty()) {
        // Until the first frame, black rather than whatever a new framebuffer holds.
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT);
    }
    const qreal scale = devicePixelRatioF();
    renderer_->Draw(shown_, QSize(qRound(width() * scale), qRound(height() * scale)), scale, background_);
    renderer_->Sweep();
}

void GLRenderWidget::ReleaseGL()
{
    if (!renderer_)
        return;
    makeCurrent();
    renderer_.reset();
    doneCurrent();
}

} // namespace rm::gl

namespace rm {

void PrepareWindowForDevice(QWidget& window)
{
    // The window system chooses a window's kind of surface when it makes the window, from the
    // OpenGL widgets inside it at that time; a hidden one, kept with the window, is enough.
    auto* marker = new QOpenGLWidget(&window); // the window owns it
    marker->hide();
}

} // namespace rm
