#include "storage/NotebookReader.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/PagePicture.h"
#include "win/RegularFile.h"

#include <QFileInfo>

namespace {

// An index holds a few lines per page and how each page was drawn; anything much larger is not
// one.
constexpr qint64 kMaxIndexBytes = 4 * 1024 * 1024;

NotebookFault PageFault(PageReadFault fault)
{
    return fault == PageReadFault::Missing ? NotebookFault::MissingPage : NotebookFault::BadPage;
}

} // namespace

NotebookReading ReadNotebook(const QString& folder, const QString& name)
{
    NotebookReading reading;
    const QString indexPath = IndexPath(folder, name);
    if (!QFileInfo(indexPath).isFile()) {
        reading.Fault = NotebookFault::NoNotebook;
        return reading;
    }
    const std::optional<QByteArray> text = win::ReadRegularFile(indexPath, kMaxIndexBytes);
    const std::optional<NotebookIndex> index = text ? DecodeIndex(*text) : std::nullopt;
    if (!index) {
        reading.Fault = NotebookFault::BadIndex;
        return reading;
    }

    NotebookContent& content = reading.Content;
    content.CurrentPage = index->CurrentPage;
    content.Pages.resize(index->Turtles.size());
    for (std::size_t page = 0; page < content.Pages.size(); ++page) {
        content.Pages[page].Turtle = index->Turtles[page];
        content.Pages[page].Record = index->Records[page];
        const QString path = PagePath(folder, name, static_cast<int>(page) + 1);
        const PageReadFault fault = ReadPagePicture(path, content.Pages[page].Image.data());
        if (fault != PageReadFault::None) {
            reading.Fault = PageFault(fault);
            reading.File = QFileInfo(path).fileName();
            reading.Content = {};
            return reading;
        }
    }
    return reading;
}
