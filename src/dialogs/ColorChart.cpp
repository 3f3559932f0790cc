#include "dialogs/ColorChart.h"

#include "turtle/SheetColors.h"

#include <QPainter>

namespace {

constexpr int kChartColumns = 8;
constexpr int kChartRows = kColorCount / kChartColumns;

} // namespace

QPixmap ColorChart(const QSize& size, const QFont& font)
{
    QPixmap chart(size);
    chart.fill(Qt::black);
    QPainter painter(&chart);
    painter.setFont(font);
    for (int cell = 0; cell < kColorCount; ++cell) {
        const int column = cell % kChartColumns;
        const int row = cell / kChartColumns;
        const QRect box(QPoint(column * size.width() / kChartColumns, row * size.height() / kChartRows),
                        QPoint((column + 1) * size.width() / kChartColumns - 1,
                               (row + 1) * size.height() / kChartRows - 1));
        const QColor colour = QColor::fromRgb(CellRgb(cell));
        painter.fillRect(box.adjusted(1, 1, 0, 0), colour);
        painter.setPen(colour.lightness() > 110 ? Qt::black : Qt::white);
        painter.drawText(box, Qt::AlignCenter, QString::number(cell));
    }
    return chart;
}
