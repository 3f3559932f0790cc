#include "notebook/NotebookDocument.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "turtle/TurtleSheet.h"
#include "win/MessageBox.h"

#include <QFile>

#include <limits>

namespace {

// A history position no history ever reaches.
constexpr std::uint64_t kNowhere = std::numeric_limits<std::uint64_t>::max();

} // namespace

NotebookDocument::NotebookDocument(TurtleSheet& sheet, NotebookPrompts& prompts)
    : sheet_(sheet), prompts_(prompts), notebook_(sheet), history_(notebook_, sheet)
{
    diskFile_.Modified = [this] { return Modified(); };
    AssignDiskFileCallbacks();
}

void NotebookDocument::AssignDiskFileCallbacks()
{
    diskFile_.AssignFun(TDiskFile::QuerySave, [this](QString&) { return prompts_.AskToSave(); });
    diskFile_.AssignFun(TDiskFile::QueryReplace, [this](QString& name) { return prompts_.AskToReplace(name); });
    diskFile_.AssignFun(TDiskFile::FileExists, [](QString& name) {
        const QString index = IndexPath(NotebooksFolder(), name);
        return TDiskFile::CheckExist(QFile::encodeName(index).toStdString()) ? 1 : 0;
    });
    diskFile_.AssignFun(TDiskFile::GetOpenName, [this](QString& name) { return AskName(NameQuestion::Open, name); });
    diskFile_.AssignFun(TDiskFile::GetSaveName, [this](QString& name) { return AskName(NameQuestion::Save, name); });
    diskFile_.AssignFun(TDiskFile::DoNew, [this](QString&) {
        notebook_.ReleaseNotebook();
        notebook_.StartNotebook();
        sheet_.ResetTurtle();
        notebook_.RestartRecord(0);
        history_.Clear();
        MarkSaved();
        return win::IDOK;
    });
    diskFile_.AssignFun(TDiskFile::DoLoad, [this](QString& name) { return OpenNamed(name); });
    diskFile_.AssignFun(TDiskFile::DoSave, [this](QString& name) { return SaveUnder(name); });
}

bool NotebookDocument::Modified() const
{
    if (history_.Position() == savedPosition_ && !history_.OpenStepChanged())
        return false;
    // Steps that undo each other by hand (forward, then back) leave nothing to save.
    return !notebook_.SameDrawings(saved_);
}

void NotebookDocument::Start()
{
    notebook_.EmptySlots();
    notebook_.StartNotebook();
    history_.Clear();
    MarkSaved();
}

void NotebookDocument::Edit(const std::function<void()>& change, StepKind kind)
{
    history_.BeginStep(kind);
    change();
    EndStep();
}

void NotebookDocument::BeginStep(StepKind kind)
{
    history_.BeginStep(kind);
}

void NotebookDocument::EndStep()
{
    history_.EndStep();
    emit Changed();
}

PageResult NotebookDocument::NewPage(bool inFront)
{
    PageResult result = PageResult::Done;
    Edit([&] { result = notebook_.NewPage(inFront); });
    return result;
}

PageResult NotebookDocument::DeletePage()
{
    PageResult result = PageResult::Done;
    Edit([&] { result = notebook_.DeletePage(); });
    return result;
}

HistoryMove NotebookDocument::Undo()
{
    const HistoryMove move = history_.Undo();
    emit Changed();
    return move;
}

HistoryMove NotebookDocument::Redo()
{
    const HistoryMove move = history_.Redo();
    emit Changed();
    return move;
}

int NotebookDocument::New()
{
    const int result = diskFile_.NewFile();
    emit Changed();
    return result;
}

int NotebookDocument::Open()
{
    const int result = diskFile_.LoadFile();
    emit Changed();
    return result;
}

int NotebookDocument::Save()
{
    const int result = diskFile_.SaveFile(true);
    emit Changed();
    return result;
}

int NotebookDocument::SaveAs()
{
    const int result = diskFile_.SaveAsFile();
    emit Changed();
    return result;
}

bool NotebookDocument::CanClose()
{
    const bool canClose = diskFile_.CanClose();
    emit Changed();
    return canClose;
}

void NotebookDocument::Restore(const NotebookContent& content, const QString& name)
{
    notebook_.Replace(content);
    history_.Clear();
    diskFile_.Name = name;
    diskFile_.Untitled = name.isEmpty();
    MarkUnsaved();
    emit Changed();
}

int NotebookDocument::AskName(NameQuestion question, QString& name)
{
    QString typed = name;
    for (;;) {
        if (!prompts_.AskName(question, typed))
            return win::IDCANCEL;
        // Spaces around a name would only hide in the file name.
        const QString candidate = typed.trimmed();
        if (candidate.toUcs4().size() > kMaxNameLength) {
            prompts_.ShowRefusal(QStringLiteral("Nazwa zeszytu może mieć najwyżej %1 znaki. Wpisz krótszą nazwę.")
                                     .arg(kMaxNameLength));
        } else if (!IsNotebookName(candidate)) {
            prompts_.ShowRefusal(QStringLiteral("Zeszyt nie może mieć takiej nazwy. Nazwa nie może być pusta "
                                                "ani zawierać znaków / i \\."));
        } else {
            name = candidate;
            return win::IDOK;
        }
    }
}

int NotebookDocument::SaveUnder(const QString& name)
{
    const QString folder = NotebooksFolder();
    const NotebookFault fault = NotebookWriter().Save(folder, name, notebook_.Contents());
    if (fault != NotebookFault::None) {
        prompts_.ShowRefusal(NotebookFaultText(fault, name, folder));
        return win::IDCANCEL;
    }
    MarkSaved();
    return win::IDOK;
}

int NotebookDocument::OpenNamed(const QString& name)
{
    const QString folder = NotebooksFolder();
    const NotebookReading reading = ReadNotebook(folder, name);
    if (reading.Fault != NotebookFault::None) {
        prompts_.ShowRefusal(NotebookFaultText(reading.Fault, name, folder, reading.File));
        return win::IDCANCEL;
    }
    notebook_.Replace(reading.Content);
    // Steps of the notebook that was open cannot be taken back in this one.
    history_.Clear();
    MarkSaved();
    return win::IDOK;
}

void NotebookDocument::MarkSaved()
{
    savedPosition_ = history_.Position();
    saved_ = notebook_.Contents();
}

void NotebookDocument::MarkUnsaved()
{
    savedPosition_ = kNowhere;
    saved_ = {};
}
