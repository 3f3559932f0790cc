#include "shell/StatusPanels.h"

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

StatusPanels::StatusPanels(QStatusBar& bar) : bar_(bar)
{
    for (std::size_t i = 0; i < kStatusPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(kStatusPanels[i].startText), &bar);
        panel->setFixedWidth(kStatusPanels[i].width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar.addWidget(panel);
        panels_[i] = panel;
    }
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
    QString text = name.isEmpty() ? QString() : QStringLiteral("Zeszyt: %1").arg(name);
    if (modified)
        text = (text.isEmpty() ? QStringLiteral("Zeszyt bez nazwy") : text) + QStringLiteral(" *");
    panels_[0]->setText(text);
}

void StatusPanels::ShowSaved(const QString& name)
{
    bar_.showMessage(QStringLiteral("Zeszyt %1 został zapisany.").arg(name), kSavedMessageMs);
}

void StatusPanels::ShowNotice(const QString& text)
{
    bar_.showMessage(text, kNoticeMs);
}

QString StatusPanels::Text(int panel) const
{
    return panels_.at(static_cast<std::size_t>(panel))->text();
}
