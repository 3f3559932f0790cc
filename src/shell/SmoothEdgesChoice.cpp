#include "shell/SmoothEdgesChoice.h"

#include "shell/ProgramSettings.h"
#include "shell/SmoothFloor.h"
#include "win/WindowTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SmoothEdgesChoice)
};

const QString kSmoothKey = QStringLiteral("view/smoothEdges");

} // namespace

void AddSmoothEdgesChoice(SmoothFloor& floor, QMenu& options)
{
    floor.SetEnabled(ProgramSettings().value(kSmoothKey, true).toBool());
    auto* smooth = new QAction(&options);
    smooth->setObjectName(QStringLiteral("SmoothEdgesMenu"));
    smooth->setCheckable(true);
    smooth->setChecked(floor.Enabled());
    win::FollowLanguage(options, [smooth] {
        smooth->setText(Texts::tr("Gładkie &krawędzie"));
        smooth->setStatusTip(
            Texts::tr("Duży widok i zapisane obrazy pokazują kreski gładkie, bez schodków"));
    });
    QObject::connect(smooth, &QAction::toggled, &options, [&floor](bool on) {
        floor.SetEnabled(on);
        ProgramSettings().setValue(kSmoothKey, on);
    });
    options.addAction(smooth);
}
