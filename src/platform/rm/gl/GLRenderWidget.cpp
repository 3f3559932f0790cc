#include "rm/gl/GLRenderWidget.h"

#include "rm/gl/GLSceneRenderer.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

namespace rm::gl {

GLRenderWidget::GLRenderWidget(QWidget* window, int width, int height) : QOpenGLWidget(window)
{
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
    // The frame presented stays in the shown framebuffer: repaints show it again.
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

HRESULT GLRenderWidget::Record(DrawStep step)
{
    const bool sameViewport = heldClear_.clearFlags && heldClear_.viewport == step.viewport;
    if (heldClear_.clearFlags && !sameViewport) {
        const HRESULT hr = Draw(heldClear_);
        heldClear_ = {};
        if (hr != D3DRM_OK)
            return hr;
    }
    if (sameViewport)
        step.clearFlags |= heldClear_.clearFlags;
    if (!step.scene) {
        heldClear_ = std::move(step);
        return failed_ ? D3DRMERR_BADDEVICE : D3DRM_OK;
    }
    heldClear_ = {};
    return Draw(step);
}

HRESULT GLRenderWidget::Present()
{
    HRESULT hr = D3DRM_OK;
    if (heldClear_.clearFlags) {
        hr = Draw(heldClear_);
        heldClear_ = {};
    }
    presentDue_ = true;
    repaint();
    return failed_ ? D3DRMERR_BADDEVICE : hr;
}

HRESULT GLRenderWidget::Draw(const DrawStep& step)
{
    if (failed_)
        return D3DRMERR_BADDEVICE;
    if (!renderer_)
        return D3DRM_OK;
    if (step.scene)
        background_ = step.scene->SceneBackground();
    makeCurrent();
    const qreal scale = devicePixelRatioF();
    const QSize size(qRound(width() * scale), qRound(height() * scale));
    if (!back_ || back_->size() != size)
        back_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::Depth);
    back_->bind();
    renderer_->Draw(step, background_, size, scale);
    return D3DRM_OK;
}

void GLRenderWidget::initializeGL()
{
    // A widget moved to another window gets a new context: the old one takes its objects along.
    disconnect(contextEnding_);
    contextEnding_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &GLRenderWidget::ReleaseGL);
    renderer_ = std::make_unique<GLSceneRenderer>();
    failed_ = !renderer_->Initialize();
    shown_ = false;
}

void GLRenderWidget::resizeGL(int, int)
{
    shown_ = false; // a new framebuffer
}

void GLRenderWidget::paintGL()
{
    if (failed_ || !renderer_)
        return;
    QOpenGLExtraFunctions* gl = context()->extraFunctions();
    if (presentDue_ && back_) {
        const QSize size = back_->size();
        gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, back_->handle());
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
        gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(),
                              GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
        shown_ = true;
    } else if (!shown_) {
        // Until the first frame, black rather than whatever the new framebuffer held.
        gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        shown_ = true;
    }
    if (presentDue_) {
        renderer_->Sweep();
        presentDue_ = false;
    }
}

void GLRenderWidget::ReleaseGL()
{
    if (!renderer_)
        return;
    makeCurrent();
    back_.reset();
    renderer_.reset();
    doneCurrent();
}

} // namespace rm::gl
