#include "win/WindowTexts.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <vector>

namespace win {
namespace {

constexpr char kStepsProperty[] = "qelLanguageSteps";

// One per window; it alone watches the window for a change of language and runs the window's
// steps in their order. It is no child of the window, whose children are its controls, and goes
// with it all the same.
class LanguageSteps : public QObject {
    Q_OBJECT
public:
    explicit LanguageSteps(QWidget& window) : window_(window)
    {
        window.installEventFilter(this);
        window.setProperty(kStepsProperty, QVariant::fromValue<QObject*>(this));
        QObject::connect(&window, &QObject::destroyed, [this] { delete this; });
    }

    void Add(std::function<void()> step) { steps_.push_back(std::move(step)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::LanguageChange)
            for (const auto& step : steps_)
                step();
        return false;
    }

private:
    QWidget& window_;
    std::vector<std::function<void()>> steps_;
};

} // namespace

void FollowLanguage(QWidget& window, std::function<void()> setTexts)
{
    auto* steps = qobject_cast<LanguageSteps*>(window.property(kStepsProperty).value<QObject*>());
    if (!steps)
        steps = new LanguageSteps(window);
    setTexts();
    steps->Add(std::move(setTexts));
}

} // namespace win

#include "WindowTexts.moc"
