#include "shell/SpeedChoice.h"

#include "shell/ExceptionBox.h"
#include "shell/ProgramSettings.h"
#include "win/WindowTexts.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SpeedChoice)
};

const QString kPaceKey = QStringLiteral("turtle/speed");

struct PaceChoice {
    TurtlePace pace;
    // How the settings name it; stays the same whatever the menu says.
    const char* stored;
    const char* text;
    const char* tip;
    const char* icon;
};

const std::array<PaceChoice, 4> kChoices = {{
    {TurtlePace::Slow, "slow", QT_TRANSLATE_NOOP("SpeedChoice", "&Wolno"),
     QT_TRANSLATE_NOOP("SpeedChoice", "Żółw chodzi dwa razy wolniej"), ":/speed-slow.svg"},
    {TurtlePace::Normal, "normal", QT_TRANSLATE_NOOP("SpeedChoice", "&Normalnie"),
     QT_TRANSLATE_NOOP("SpeedChoice", "Żółw chodzi zwykłym krokiem"), ":/speed-normal.svg"},
    {TurtlePace::Fast, "fast", QT_TRANSLATE_NOOP("SpeedChoice", "&Szybko"),
     QT_TRANSLATE_NOOP("SpeedChoice", "Żółw chodzi cztery razy szybciej"), ":/speed-fast.svg"},
    {TurtlePace::Instant, "instant", QT_TRANSLATE_NOOP("SpeedChoice", "&Błyskawicznie"),
     QT_TRANSLATE_NOOP("SpeedChoice", "Żółw od razu kończy polecenie"), ":/speed-instant.svg"},
}};

const PaceChoice& ChoiceOf(TurtlePace pace)
{
    for (const PaceChoice& choice : kChoices) {
        if (choice.pace == pace)
            return choice;
    }
    return kChoices[1];
}

// The remembered pace; Normal when there is none, or one this program does not know.
TurtlePace StoredPace(const QSettings& settings)
{
    const QString stored = settings.value(kPaceKey).toString();
    for (const PaceChoice& choice : kChoices) {
        if (stored == QLatin1String(choice.stored))
            return choice.pace;
    }
    return TurtlePace::Normal;
}

} // namespace

void AddSpeedChoice(TurtleSpeed& speed, QMenu& options, QAction* before, QToolBar& toolBar)
{
    speed.SetPace(StoredPace(ProgramSettings()));

    auto* menu = new QMenu(&options);
    // The tool bar's button opens the menu without taking its action, which would turn the button
    // grey while a command runs, when the locked window disables its menus. It is made as the tool
    // bar makes its own.
    auto* button = new QToolButton(&toolBar);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setIconSize(toolBar.iconSize());
    // The menu and the button show the dial of the chosen speed.
    const auto showPace = [menu, button](TurtlePace pace) {
        const QIcon dial(QString::fromLatin1(ChoiceOf(pace).icon));
        menu->setIcon(dial);
        button->setIcon(dial);
    };
    auto* group = new QActionGroup(menu);
    for (const PaceChoice& choice : kChoices) {
        // The items go without pictures, so the mark of the chosen one stands out.
        QAction* action = menu->addAction(QString());
        win::FollowLanguage(*menu, [action, &choice] {
            action->setText(Texts::tr(choice.text));
            action->setStatusTip(Texts::tr(choice.tip));
        });
        action->setCheckable(true);
        action->setChecked(choice.pace == speed.Pace());
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, menu, Guarded([&speed, showPace, pace = choice.pace] {
            speed.SetPace(pace);
            showPace(pace);
            ProgramSettings().setValue(kPaceKey, QLatin1String(ChoiceOf(pace).stored));
        }));
    }
    showPace(speed.Pace());
    win::FollowLanguage(options, [menu, button] {
        const QString choice = Texts::tr("Szybkość żółwia");
        menu->setTitle(Texts::tr("&Szybkość żółwia"));
        menu->setStatusTip(choice);
        button->setToolTip(choice);
        button->setAccessibleName(choice);
        button->setAccessibleDescription(
            Texts::tr("Otwiera listę szybkości: wolno, normalnie, szybko, błyskawicznie."));
    });
    options.insertMenu(before, menu);

    toolBar.addSeparator();
    toolBar.addWidget(button);
}
