#include "shell/TopViewChoice.h"

#include "turtle/CameraControl.h"
#include "win/WindowTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TopViewChoice)
};

} // namespace

QAction* AddTopViewChoice(CameraControl& camera, QMenu& options, QToolBar& toolBar, std::function<void()> show)
{
    auto* view = new QAction(QIcon(QStringLiteral(":/top-view.svg")), QString(), &options);
    view->setObjectName(QStringLiteral("TopViewMenu"));
    view->setCheckable(true);
    view->setShortcut(Qt::Key_V);
    win::FollowLanguage(options, [view] {
        view->setText(Texts::tr("Widok z &góry"));
        view->setToolTip(Texts::tr("Widok z góry (V)"));
        view->setStatusTip(
            Texts::tr("Kamera patrzy z góry na całą stronę. Kliknij jeszcze raz, aby wrócić za żółwia."));
    });
    QObject::connect(view, &QAction::toggled, &options, [&camera, show = std::move(show)](bool on) {
        camera.SetTopView(on);
        show();
    });
    options.addAction(view);
    toolBar.addAction(view);
    return view;
}
