#include "storage/NotebookReader.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/PagePicture.h"
#include "turtle/SheetColors.h"

#include <QFileInfo>

#include <algorithm>

NotebookReading ReadNotebook(const QString& folder, const QString& name)
{
    NotebookReading reading;
    const QString indexPath = IndexPath(folder, name);
    if (!QFileInfo(indexPath).isFile()) {
        reading.Fault = NotebookFault::NoNotebook;
        return reading;
    }
    const std::optional<NotebookIndex> index = ReadIndexFile(indexPath);
    if (!index) {
        reading.Fault = NotebookFault::BadIndex;
        return reading;
    }

    reading.SaveCounter = index->SaveCounter;
    NotebookContent& content = reading.Content;
    content.CurrentPage = index->CurrentPage;
    content.Pages.resize(index->Turtles.size());
    for (std::size_t page = 0; page < content.Pages.size(); ++page) {
        PageContent& pageContent = content.Pages[page];
        pageContent.Turtle = index->Turtles[page];
        pageContent.Record = index->Records[page];
        const QString path = PagePath(folder, name, static_cast<int>(page) + 1);
        if (ReadPagePicture(path, pageContent.Image.data()) != PageReadFault::None) {
            // A sheet cleared in the turtle's background colour, as the clear command leaves it.
            const std::uint8_t background = NearestSheetIndex(CellRgb(ColorToCell(pageContent.Turtle.BGColor)));
            std::fill(pageContent.Image.begin(), pageContent.Image.end(), background);
            // How the lost drawing was made no longer leads to this page.
            pageContent.Record = {};
            reading.LostPages.append(QFileInfo(path).fileName());
        } else if (PageChecksum(pageContent.Image.data()) != index->RecordEnds[page]) {
            // The page was changed behind the record's back, by another program perhaps.
            pageContent.Record = {};
        }
    }
    return reading;
}
