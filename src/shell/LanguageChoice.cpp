#include "shell/LanguageChoice.h"

#include "shell/ExceptionBox.h"
#include "shell/Language.h"
#include "win/WindowTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>

#include <array>
#include <utility>

namespace {

struct LanguageItem {
    Language language;
    // Each language is offered in its own words, so that a child lost in the other finds it.
    const char* name;
};

constexpr std::array<LanguageItem, 2> kLanguages = {{
    {Language::Polish, "&Polski"},
    {Language::English, "&English"},
}};

} // namespace

void AddLanguageChoice(QMainWindow& window, QMenu& options, std::function<void()> retranslateWindow)
{
    win::FollowLanguage(window, std::move(retranslateWindow));
    auto* menu = new QMenu(&options);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    for (const LanguageItem& item : kLanguages) {
        QAction* action = menu->addAction(QString::fromUtf8(item.name));
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setData(static_cast<int>(item.language));
        QObject::connect(action, &QAction::triggered, menu, Guarded([language = item.language] {
            RememberLanguage(language);
            UseLanguage(language);
        }));
    }
    options.addSeparator();
    options.addMenu(menu);
    win::FollowLanguage(window, [menu, group] {
        menu->setTitle(QCoreApplication::translate("LanguageChoice", "&Język"));
        menu->setStatusTip(QCoreApplication::translate("LanguageChoice", "Język, w którym program mówi do ciebie"));
        for (QAction* action : group->actions())
            action->setChecked(action->data().toInt() == static_cast<int>(LanguageInUse()));
    });
}
