#include "shell/TopViewChoice.h"

#include "turtle/CameraControl.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

QAction* AddTopViewChoice(CameraControl& camera, QMenu& options, QToolBar& toolBar, std::function<void()> show)
{
    auto* view = new QAction(QIcon(QStringLiteral(":/top-view.svg")), QStringLiteral("Widok z &góry"), &options);
    view->setObjectName(QStringLiteral("TopViewMenu"));
    view->setCheckable(true);
    view->setShortcut(Qt::Key_V);
    view->setToolTip(QStringLiteral("Widok z góry (V)"));
    view->setStatusTip(QStringLiteral("Kamera patrzy z góry na całą kartkę; drugi raz wraca za żółwia"));
    QObject::connect(view, &QAction::toggled, &options, [&camera, show = std::move(show)](bool on) {
        camera.SetTopView(on);
        show();
    });
    options.addAction(view);
    toolBar.addAction(view);
    return view;
}
