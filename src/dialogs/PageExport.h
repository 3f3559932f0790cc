#pragma once

#include "storage/PagePicture.h"

#include <QImage>
#include <QString>

#include <cstdint>

class QWidget;

// A page as it is shared: its drawing (the 256 rows of 256 sheet palette indices) and the names
// it goes by.
struct SharedPage {
    const std::uint8_t* image;
    // The notebook's name; empty while it has none.
    QString notebook;
    // The page's number as the status bar shows it, from 1.
    int number;
};

// Where a page shared as a file goes by default: "NAME, strona N.<suffix>" (or "Rysunek, strona
// N.<suffix>" while the notebook has no name) in the user's pictures folder, made when it is
// missing, or the home folder when it cannot be.
QString SharedPagePath(const SharedPage& page, const QString& suffix);

// Asks in a save dialog where a page shared as a file goes, `suggested` chosen at first; empty
// when the child cancels. `filter` may offer kinds of file one after another, separated by ";;";
// `chosen`, when given, gets the one chosen.
QString AskSharedPath(QWidget* parent, const QString& title, const QString& filter, const QString& suggested,
                      QString* chosen = nullptr);

// A page as a picture to share: enlarged four times with smooth edges or sharp pixels, written as
// a PNG file or put on the clipboard. The save dialog offers the page itself, 256 × 256, too.
class PageExport {
public:
    static constexpr int kEnlargement = 4;

    PageExport(const SharedPage& page, PageEdges edges);

    // The page's shared path, as a PNG picture.
    QString SuggestedPath() const;
    // Writes the picture as a PNG file, telling the child in a box when it cannot; a file of that
    // name is then left as it was. True when written.
    bool SaveTo(const QString& path) const;
    // Asks where to write the picture, and whether enlarged or the page itself, then writes it
    // there; the file written, or empty.
    QString SaveAs(QWidget* parent) const;
    void CopyToClipboard() const;

private:
    // 0, or why the file could not be written (an errno value).
    int WriteTo(const QString& path) const;

    QImage page_;
    PageEdges edges_;
    QImage picture_;
    QString suggestedPath_;
};
