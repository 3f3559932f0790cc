#include "shell/ToolIndicators.h"

#include "shell/ToolPictures.h"
#include "turtle/SheetColors.h"

#include <QLabel>
#include <QPixmap>

namespace {

// Where an indicator takes its cell of a strip: inside its one-pixel frame.
const QRect kColorIndicatorTarget(1, 1, 16, 12);
const QRect kWidthIndicatorTarget(1, 1, 16, 24);

} // namespace

ToolIndicators::ToolIndicators(Labels labels)
    : labels_(labels), colorStrip_(ToolPictures::ColorStrip()), widthStrip_(ToolPictures::WidthStrip()),
      penColor_(ToolPictures::ColorIndicator()), bgColor_(ToolPictures::ColorIndicator()),
      penWidth_(ToolPictures::WidthIndicator())
{
    labels_.colorStrip.setPixmap(QPixmap::fromImage(colorStrip_));
    labels_.widthStrip.setPixmap(QPixmap::fromImage(widthStrip_));
}

void ToolIndicators::ShowPenColor(int n)
{
    ShowColor(n, penColor_, labels_.penColor, labels_.penColorText);
}

void ToolIndicators::ShowBGColor(int n)
{
    ShowColor(n, bgColor_, labels_.bgColor, labels_.bgColorText);
}

void ToolIndicators::ShowPenWidth(int w)
{
    ToolPictures::Copy(widthStrip_, ToolPictures::WidthCell(w), penWidth_, kWidthIndicatorTarget);
    labels_.penWidth.setPixmap(QPixmap::fromImage(penWidth_));
    labels_.penWidthText.setText(QString::number(w));
}

void ToolIndicators::ShowColor(int n, QImage& indicator, QLabel& picture, QLabel& text)
{
    const int cell = ColorToCell(n);
    ToolPictures::Copy(colorStrip_, ToolPictures::ColorCell(cell), indicator, kColorIndicatorTarget);
    picture.setPixmap(QPixmap::fromImage(indicator));
    text.setText(QString::number(cell));
}
