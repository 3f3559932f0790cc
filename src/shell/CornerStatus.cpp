#include "shell/CornerStatus.h"

#include <algorithm>

namespace {

constexpr int kLetterPixels = 24;
constexpr int kReferenceLines = 1080;

} // namespace

int CornerLetterPixels(int screenHeight)
{
    const long long scaled = (static_cast<long long>(kLetterPixels) * std::max(screenHeight, 0) + kReferenceLines - 1)
                             / kReferenceLines;
    return static_cast<int>(std::clamp<long long>(scaled, kLetterPixels, 10 * kLetterPixels));
}

CornerStatus::CornerStatus(QWidget& client) : QLabel(&client)
{
    setObjectName(QStringLiteral("CornerStatus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 255, 215));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setContentsMargins(10, 4, 10, 4);
    hide();
}

void CornerStatus::Show(const StatusTexts& texts)
{
    shown_ = QStringLiteral("%1   %2   %3   %4").arg(texts.page, texts.x, texts.y, texts.heading);
    // Hidden, it says nothing to a screen reader; it takes the texts when it shows.
    if (isVisible())
        Apply();
}

void CornerStatus::showEvent(QShowEvent* event)
{
    Apply();
    QLabel::showEvent(event);
}

void CornerStatus::Apply()
{
    if (text() == shown_)
        return;
    setText(shown_);
    setAccessibleName(shown_);
    adjustSize();
}

void CornerStatus::FitScreen(int screenHeight)
{
    QFont letters = font();
    letters.setPixelSize(CornerLetterPixels(screenHeight));
    letters.setBold(true);
    setFont(letters);
    adjustSize();
}
