#include "shell/StatusPanels.h"

#include "win/WindowTexts.h"

#include <QCoreApplication>
#include <QLabel>
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

StatusPanels::StatusPanels(QStatusBar& bar)
{
    savedShown_.setSingleShot(true);
    QObject::connect(&savedShown_, &QTimer::timeout, &savedShown_, [this] {
        panels_[0]->setText(NotebookText());
        panels_[0]->setToolTip({});
    });
    for (std::size_t i = 0; i < kStatusPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(kStatusPanels[i].startText), &bar);
        panel->setFixedWidth(kStatusPanels[i].width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar.addWidget(panel);
        panels_[i] = panel;
    }
    win::FollowLanguage(*bar.window(), [this] {
        if (!savedShown_.isActive())
            panels_[0]->setText(NotebookText());
        // The heading keeps its number and takes the language's letter.
        const QString heading = panels_[4]->text();
        panels_[4]->setText(QCoreApplication::translate("StatusTexts", "K = ")
                            + heading.mid(heading.indexOf(u'=') + 2));
    });
}

void StatusPanels::ShowTurtle(const StatusTexts& texts)
{
    panels_[1]->setText(texts.page);
    panels_[2]->setText(texts.x);
    panels_[3]->setText(texts.y);
    panels_[4]->setText(texts.heading);
}

void StatusPanels::ShowNotebook(const QString& name, bool modified)
{
    name_ = name;
    modified_ = modified;
    // A change made meanwhile is news the message must not hide.
    savedShown_.stop();
    panels_[0]->setText(NotebookText());
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

void StatusPanels::ShowForAWhile(const QString& text, int ms)
{
    // In the notebook's panel, so that the page, X, Y and K panels stay in view.
    panels_[0]->setText(text);
    panels_[0]->setToolTip(text);
    savedShown_.start(ms);
}

QString StatusPanels::Text(int panel) const
{
    return panels_.at(static_cast<std::size_t>(panel))->text();
}
