#include "storage/NotebookReader.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/NotebookLock.h"
#include "storage/NotebookSwitch.h"
#include "storage/PagePicture.h"
#include "turtle/SheetColors.h"

#include <QFileInfo>

#include <utility>

NotebookReading ReadNotebook(const QString& folder, const QString& name)
{
    NotebookReading reading;
    // Read while no copy writes, and after a save cut short is finished.
    NotebookLock lock(folder, name);
    bool writing = false;
    if (QFileInfo::exists(SwitchPath(folder, name)) || QFileInfo(SwitchPath(folder, name)).isSymLink()) {
        const NotebookLock::Take take = lock.TakeForWriting();
        if (take == NotebookLock::Take::Busy) {
            reading.Fault = NotebookFault::BeingSaved;
            return reading;
        }
        writing = take == NotebookLock::Take::Taken;
        switch (NotebookSwitch::FinishPending(folder, name)) {
        case NotebookSwitch::Finish::Done: break;
        // Nothing of it was done: the notebook opens as it stands.
        case NotebookSwitch::Finish::Void: reading.SwitchVoid = true; break;
        // A folder that cannot be written (a stick, a share): the notebook as it stands is the
        // old one, whole, since no move was made.
        case NotebookSwitch::Finish::Failed: reading.SaveUnfinished = true; break;
        }
    }
    // What saves killed before their switch left goes.
    NotebookSwitch::RemoveLeftovers(folder, writing ? LockPath(folder, name) : QString());
    if (lock.TakeForReading() == NotebookLock::Take::Busy) {
        reading.Fault = NotebookFault::BeingSaved;
        return reading;
    }
    const QString indexPath = IndexPath(folder, name);
    std::optional<NotebookIndex> index = ReadIndexFile(indexPath);
    if (!index) {
        reading.Fault = QFileInfo(indexPath).isFile() ? NotebookFault::BadIndex : NotebookFault::NoNotebook;
        return reading;
    }

    reading.SaveCounter = index->SaveCounter;
    NotebookContent& content = reading.Content;
    content.OwnCommands = index->OwnCommands;
    content.DroppedCommands = index->DroppedCommands;
    content.CurrentPage = index->CurrentPage;
    content.Pages.reserve(index->Turtles.size());
    for (std::size_t page = 0; page < index->Turtles.size(); ++page) {
        // The picture is read into a page of its own rather than over a cleared one.
        PageContent& pageContent = content.Pages.emplace_back(
            PageContent{.Turtle = index->Turtles[page], .Image = {}, .Record = std::move(index->Records[page])});
        const int number = static_cast<int>(page) + 1;
        const PageReadFault fault = ReadPagePicture(PagePath(folder, name, number), pageContent.Image);
        if (fault != PageReadFault::None) {
            // A sheet cleared in the turtle's background colour, as the clear command leaves it.
            const std::uint8_t background = ColorSheetIndex(pageContent.Turtle.BGColor);
            pageContent.Image.assign(kSheetBytes, background);
            // How the lost drawing was made no longer leads to this page.
            pageContent.Record = {};
            reading.LostPages.push_back(number);
            reading.LostFilesThere = reading.LostFilesThere || fault != PageReadFault::Missing;
        } else if (!pageContent.Record.Empty()
                   && (!EndsOnPage(index->RecordEnds[page], pageContent.Image.data())
                       || !EndsWithTurtle(pageContent.Record, pageContent.Turtle))) {
            // The page was changed behind the record's back, by another program perhaps, or the
            // record is another page's: replayed, it would not lead to this page.
            pageContent.Record = {};
        }
    }
    return reading;
}
