#include "shell/StatusPanels.h"

#include "shell/SpokenNotice.h"
#include "win/WindowTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QStatusBar>

namespace {

// Widths and the texts the panels show until the first refresh. The heading's panel is wide
// enough for "K = -9999.9", many turns either way.
struct StatusPanel {
    int width;
    const char* startText;
};
constexpr std::array<StatusPanel, 5> kStatusPanels = {{
    {320, ""}, {50, "? / ?"}, {70, "X = ??"}, {70, "Y = ??"}, {66, "K = ??"},
}};

// How long the status bar says that the notebook was saved.
constexpr int kSavedMessageMs = 3000;
// A notice is longer to read.
constexpr int kNoticeMs = 15000;

} // namespace

StatusPanels::StatusPanels(QStatusBar& bar) : spoken_(new SpokenNotice(&bar))
{
    spoken_->setObjectName(QStringLiteral("FailureNotice"));
    savedShown_.setSingleShot(true);
    QObject::connect(&savedShown_, &QTimer::timeout, &savedShown_, [this] { ShowFirst(NotebookText()); });
    failureHeld_.setSingleShot(true);
    failureHeld_.setInterval(kFailureMs);
    for (std::size_t i = 0; i < kStatusPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(kStatusPanels[i].startText), &bar);
        panel->setFixedWidth(kStatusPanels[i].width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar.addWidget(panel);
        panels_[i] = panel;
    }
    win::FollowLanguage(*bar.window(), [this] {
        if (!savedShown_.isActive() && !failureShown_)
            ShowFirst(NotebookText());
        // The heading keeps its number and takes the language's letter and decimal separator.
        const QString heading = panels_[4]->text();
        QString number = heading.mid(heading.indexOf(u'=') + 2);
        number.replace(QRegularExpression(QStringLiteral("[.,]")), QLocale().decimalPoint());
        panels_[4]->setText(QCoreApplication::translate("StatusTexts", "K = ") + number);
    });
}

void StatusPanels::ShowTurtle(const StatusTexts& texts)
{
    // Every refresh brings the texts; a screen reader hears only a change.
    const std::array<const QString*, 4> shown = {&texts.page, &texts.x, &texts.y, &texts.heading};
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (panels_[i + 1]->text() != *shown[i])
            panels_[i + 1]->setText(*shown[i]);
}

void StatusPanels::ShowNotebook(const QString& name, bool modified)
{
    name_ = name;
    modified_ = modified;
    // A change made meanwhile is news the message must not hide; a failure is worse news.
    if (failureHeld_.isActive())
        return;
    failureShown_ = false;
    savedShown_.stop();
    ShowFirst(NotebookText());
}

QString StatusPanels::NotebookText() const
{
    QString text = name_.isEmpty() ? QString() : QCoreApplication::translate("StatusPanels", "Zeszyt: %1").arg(name_);
    if (modified_)
        text = (text.isEmpty() ? QCoreApplication::translate("StatusPanels", "Zeszyt bez nazwy") : text)
               + QStringLiteral(" *");
    return text;
}

void StatusPanels::ShowSaved(const QString& name)
{
    ShowForAWhile(QCoreApplication::translate("StatusPanels", "Zeszyt %1 został zapisany.").arg(name), kSavedMessageMs);
}

void StatusPanels::ShowNotice(const QString& text)
{
    ShowForAWhile(text, kNoticeMs);
}

void StatusPanels::ShowFailure(const QString& text)
{
    savedShown_.stop();
    failureShown_ = true;
    failureHeld_.start();
    ShowFirst(text);
    spoken_->Say(text);
}

void StatusPanels::ShowForAWhile(const QString& text, int ms)
{
    // In the notebook's panel, so that the page, X, Y and K panels stay in view.
    failureHeld_.stop();
    failureShown_ = false;
    ShowFirst(text);
    savedShown_.start(ms);
}

void StatusPanels::ShowFirst(const QString& text)
{
    first_ = text;
    QLabel& panel = *panels_[0];
    const QString shown = panel.fontMetrics().elidedText(text, Qt::ElideRight, panel.contentsRect().width());
    panel.setText(shown);
    panel.setToolTip(shown == text ? QString() : text);
    if (panel.accessibleName() != text)
        panel.setAccessibleName(text);
}

QString StatusPanels::Text(int panel) const
{
    return panel == 0 ? first_ : panels_.at(static_cast<std::size_t>(panel))->text();
}
