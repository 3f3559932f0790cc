#pragma once

#include "storage/NotebookList.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <thread>
#include <vector>

// What the open list shows of a notebook once its files have been read.
struct NotebookPreviewPicture {
    QString Problem; // why it cannot be opened; empty when it can
    QImage Picture;  // its first page, small and framed; null when the page cannot be read
};

// Reads the notebooks' previews on a thread of its own, in list order, and hands each to `shown`
// in the event loop of `receiver`'s thread, so that the list appears at once and its pictures
// fill in as they come. Destroying the loader stops the reading and waits for the page being read.
class NotebookPreviewLoader {
public:
    using Shown = std::function<void(int row, const NotebookPreviewPicture& preview)>;

    NotebookPreviewLoader(QObject& receiver, std::vector<SavedNotebook> notebooks, Shown shown);

    // The side of the small pictures, in pixels.
    static constexpr int kPictureSide = 64;

private:
    std::jthread thread_;
};

// The small picture of a drawing (kSheetBytes sheet palette indices): every line of the drawing
// still shows, in a thin grey frame so that a white page shows on the white list.
QImage SmallPagePicture(const std::vector<std::uint8_t>& image);
