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
    setText(QStringLiteral("%1   %2   %3   %4").arg(texts.page, texts.x, texts.y, texts.heading));
    setAccessibleName(text());
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
