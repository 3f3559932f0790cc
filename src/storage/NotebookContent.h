#pragma once

#include "storage/DrawingRecord.h"
#include "storage/OwnCommand.h"
#include "turtle/TurtleState.h"

#include <QStringList>

#include <cstdint>
#include <vector>

// A notebook holds one to eight pages.
inline constexpr int kMaxNotebookPages = 8;

// One page as it is kept on disk: its turtle, its drawing (256 rows of 256 sheet palette
// indices, the floor image's layout) and the record of how it was drawn (empty when none is
// known: the page then stands for its own start).
struct PageContent {
    TTurtleState Turtle;
    std::vector<std::uint8_t> Image = std::vector<std::uint8_t>(kSheetBytes);
    DrawingRecord Record;
};

// A whole notebook apart from the live window: what is saved, opened and printed.
struct NotebookContent {
    std::vector<PageContent> Pages;
    int CurrentPage = 0; // 0-based
    // The child's own commands, kept with the notebook.
    DrawingRecord::CommandList OwnCommands;
    // Kept commands that could not be read, by the names they still tell.
    QStringList DroppedCommands;
};
