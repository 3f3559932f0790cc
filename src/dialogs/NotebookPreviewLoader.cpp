#include "dialogs/NotebookPreviewLoader.h"

#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QMetaObject>

#include <algorithm>
#include <array>

namespace {

constexpr int kBlock = kSheetSize / NotebookPreviewLoader::kPictureSide;
constexpr std::uint8_t kFrameIndex = kColorCount;

// The colour most of the page shows.
std::uint8_t MostCommonColour(const std::vector<std::uint8_t>& image)
{
    std::array<int, 256> counts{};
    for (const std::uint8_t index : image)
        ++counts[index];
    return static_cast<std::uint8_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

} // namespace

QImage SmallPagePicture(const std::vector<std::uint8_t>& image)
{
    constexpr int side = NotebookPreviewLoader::kPictureSide;
    // Eight bits a pixel: thousands of notebooks' pictures stay small.
    QImage picture(side, side, QImage::Format_Indexed8);
    QList<QRgb> table(SheetPalette().begin(), SheetPalette().end());
    table.append(qRgb(128, 128, 128));
    picture.setColorTable(table);
    const std::uint8_t background = MostCommonColour(image);
    for (int y = 0; y < side; ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < side; ++x) {
            // A block takes the colour of a line drawn through it, so that thin lines stay.
            std::uint8_t shown = background;
            for (int row = y * kBlock; row < (y + 1) * kBlock && shown == background; ++row) {
                for (int column = x * kBlock; column < (x + 1) * kBlock; ++column) {
                    const std::uint8_t index = image[static_cast<std::size_t>(row * kSheetSize + column)];
                    if (index != background) {
                        shown = index;
                        break;
                    }
                }
            }
            const bool frame = x == 0 || y == 0 || x == side - 1 || y == side - 1;
            line[x] = frame ? kFrameIndex : std::min<std::uint8_t>(shown, kColorCount - 1);
        }
    }
    return picture;
}

NotebookPreviewLoader::NotebookPreviewLoader(QObject& receiver, std::vector<SavedNotebook> notebooks, Shown shown)
    : thread_([&receiver, notebooks = std::move(notebooks), shown = std::move(shown)](std::stop_token stop) {
          for (std::size_t row = 0; row < notebooks.size() && !stop.stop_requested(); ++row) {
              const NotebookPreview read = ReadNotebookPreview(notebooks[row]);
              NotebookPreviewPicture preview{read.Problem, read.FirstPage ? SmallPagePicture(*read.FirstPage) : QImage()};
              // The receiver outlives the loader, which waits for this thread, so that it is there
              // to post to; posted calls die with it.
              QMetaObject::invokeMethod(
                  &receiver, [shown, row = static_cast<int>(row), preview = std::move(preview)] { shown(row, preview); },
                  Qt::QueuedConnection);
          }
      })
{
}
