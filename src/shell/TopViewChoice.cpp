#include "shell/TopViewChoice.h"

#include "turtle/CameraControl.h"
#include "win/WindowTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

QAction* AddTopViewChoice(CameraControl& camera, QMenu& options, QToolBar& toolBar, std::function<void()> show)
{
    auto* view = new QAction(QIcon(QStringLiteral(":/top-view.svg")), QString(), &options);
    view->setObjectName(QStringLiteral("TopViewMenu"));
    view->setCheckable(true);
    view->setShortcut(Qt::Key_V);
    win::FollowLanguage(options, [view] {
        view->setText(QCoreApplication::translate("TopViewChoice", "Widok z &góry"));
        view->setToolTip(QCoreApplication::translate("TopViewChoice", "Widok z góry (V)"));
        view->setStatusTip(
            QCoreApplication::translate("TopViewChoice", "Kamera patrzy z góry na całą kartkę; drugi raz wraca za żółwia"));
    });
    QObject::connect(view, &QAction::toggled, &options, [&camera, show = std::move(show)](bool on) {
        camera.SetTopView(on);
        show();
    });
    options.addAction(view);
    toolBar.addAction(view);
    return view;
}
