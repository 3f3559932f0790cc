#include "storage/NotebookList.h"

#include "storage/NotebookFolder.h"
#include "storage/PagePicture.h"
#include "turtle/TurtleState.h"

#include <QDir>

#include <vector>

std::vector<SavedNotebook> ListSavedNotebooks(const QString& folder)
{
    std::vector<SavedNotebook> found;
    std::vector<std::uint8_t> image(kSheetBytes);
    const QFileInfoList indexes =
        QDir(folder).entryInfoList({QStringLiteral("*.qel3d")}, QDir::Files | QDir::Readable, QDir::Time);
    for (const QFileInfo& index : indexes) {
        const QString name = index.completeBaseName();
        // Only names the name dialogs would take can be opened.
        if (!IsNotebookName(name) || name != name.trimmed())
            continue;
        SavedNotebook notebook{name, index.lastModified(), {}};
        if (ReadPagePicture(PagePath(folder, name, 1), image.data()) == PageReadFault::None)
            notebook.FirstPage = PagePicture(image.data());
        found.push_back(std::move(notebook));
    }
    return found;
}
