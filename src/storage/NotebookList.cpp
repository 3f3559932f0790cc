#include "storage/NotebookList.h"

#include "storage/NotebookFault.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/PagePicture.h"
#include "turtle/TurtleState.h"

#include <QCollator>
#include <QDir>

#include <algorithm>

std::vector<SavedNotebook> ListSavedNotebooks(const QString& folder)
{
    const QString suffix = QStringLiteral(".qel3d");
    QStringList names;
    for (const QString& file : QDir(folder).entryList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Unsorted)) {
        // Shown composed: a name stored decomposed opens under the same form the dialogs give.
        const QString name = file.chopped(suffix.size()).normalized(QString::NormalizationForm_C);
        // Only names the name dialogs would give can be opened.
        if (IsNotebookName(name) && name == NotebookNameForm(name))
            names.append(name);
    }
    names.removeDuplicates();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);

    std::vector<SavedNotebook> found;
    found.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        found.push_back({folder, name});
    return found;
}

NotebookPreview ReadNotebookPreview(const SavedNotebook& notebook)
{
    NotebookPreview preview;
    if (!ReadIndexFile(IndexPath(notebook.Folder, notebook.Name))) {
        preview.Problem = NotebookFaultText(NotebookFault::BadIndex, notebook.Name, notebook.Folder);
        return preview;
    }
    std::vector<std::uint8_t> image(kSheetBytes);
    if (ReadPagePicture(PagePath(notebook.Folder, notebook.Name, 1), image.data()) == PageReadFault::None)
        preview.FirstPage = std::move(image);
    return preview;
}
