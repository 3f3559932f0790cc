#include "shell/CameraReturn.h"
#include "turtle/CameraControl.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(CameraReturn, ADoubleClickInTheViewBringsTheCameraBackAsItsHintSays)
{
    QWidget window;
    window.resize(640, 420);
    QWidget view(&window);
    view.setGeometry(220, 48, 400, 300);
    // The render window lies over the view, as a sibling, and takes the clicks.
    QWidget render(&window);
    render.setGeometry(view.geometry());
    CameraControl camera;
    camera.Reset(0, 3000, -2000);
    const CameraReturn cameraReturn(view, camera);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const struct {
        QWidget* target;
        Qt::MouseButton button;
        QPoint at;
        bool back;
    } clicks[] = {
        {&render, Qt::LeftButton, {399, 299}, true},
        {&render, Qt::RightButton, {200, 150}, false},
        {&window, Qt::LeftButton, {100, 100}, false},
    };
    for (const auto& click : clicks) {
        camera.CameraPos = {500, 800, 700, 1};
        QTest::mouseDClick(click.target, click.button, {}, click.at);
        EXPECT_EQ(camera.CameraPos == (CameraControl::Vector{0, 3000, -2000, 1}), click.back) << click.at.x();
    }

    // Not while a walk has the window locked: the hint would only cover the panel.
    for (const bool enabled : {false, true}) {
        QToolTip::hideText();
        window.setEnabled(enabled);
        QHelpEvent help(QEvent::ToolTip, {200, 150}, render.mapToGlobal(QPoint(200, 150)));
        QApplication::sendEvent(&render, &help);
        EXPECT_EQ(QToolTip::isVisible() && QToolTip::text() == CameraReturn::Hint(), enabled);
    }
    QToolTip::hideText();
}

} // namespace
