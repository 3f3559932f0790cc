#include "win/WindowTexts.h"

#include <QEvent>
#include <QWidget>

#include <vector>

namespace win {
namespace {

// One per window, a child of it, so that it goes with the window; it alone watches the window
// for a change of language and runs the window's steps in their order.
class LanguageSteps : public QObject {
    Q_OBJECT
public:
    explicit LanguageSteps(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    void Add(std::function<void()> step) { steps_.push_back(std::move(step)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            for (const auto& step : steps_)
                step();
        return false;
    }

private:
    std::vector<std::function<void()>> steps_;
};

} // namespace

void FollowLanguage(QWidget& window, std::function<void()> setTexts)
{
    auto* steps = window.findChild<LanguageSteps*>(QString(), Qt::FindDirectChildrenOnly);
    if (!steps)
        steps = new LanguageSteps(window);
    setTexts();
    steps->Add(std::move(setTexts));
}

} // namespace win

#include "WindowTexts.moc"
