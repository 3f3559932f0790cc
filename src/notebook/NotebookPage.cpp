#include "notebook/NotebookPage.h"

#include <cstring>

TNotebookPage::TNotebookPage() : Image(std::make_unique_for_overwrite<std::uint8_t[]>(kSheetBytes)) {}

void TNotebookPage::Store(const TTurtleState& turtle, const std::uint8_t* floorImage)
{
    Turtle = turtle;
    std::memcpy(Image.get(), floorImage, kSheetBytes);
}

void TNotebookPage::Restore(TTurtleState& turtle, std::uint8_t* floorImage) const
{
    turtle = Turtle;
    std::memcpy(floorImage, Image.get(), kSheetBytes);
}
