#include "notebook/NotebookDocument.h"

#include "notebook/TurtleWalker.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "teach/OwnCommandList.h"
#include "turtle/TurtleSheet.h"
#include "win/MessageBox.h"

#include <QFile>

#include <limits>

namespace {

// A history position no history ever reaches.
constexpr std::uint64_t kNowhere = std::numeric_limits<std::uint64_t>::max();

} // namespace

NotebookDocument::NotebookDocument(TurtleSheet& sheet, TurtleWalker& walker, NotebookPrompts& prompts)
    : sheet_(sheet), walker_(walker), prompts_(prompts), notebook_(sheet), history_(notebook_, sheet)
{
    connect(&walker_, &TurtleWalker::EntryRan, this, [this](const RecordEntry& entry) {
        if (runningFromStart_)
            ran_.Append(entry);
        if (!doing_)
            return;
        doing_ = false;
        history_.EndStep(entry);
        emit Did(entry, before_);
        emit Changed();
    });
    diskFile_.Modified = [this] { return Modified(); };
    AssignDiskFileCallbacks();
    connect(&folderWatch_, &QFileSystemWatcher::directoryChanged, this, [this] {
        const bool was = writtenElsewhere_;
        NoticeOtherCopy();
        if (writtenElsewhere_ != was)
            emit Changed();
    });
}

void NotebookDocument::AssignDiskFileCallbacks()
{
    diskFile_.AssignFun(TDiskFile::QuerySave, [this](QString&) { return prompts_.AskToSave(); });
    diskFile_.AssignFun(TDiskFile::QueryReplace, [this](QString& name) {
        return prompts_.AskToReplace(name, onDisk_.OpenElsewhere(NotebooksFolder(), name));
    });
    diskFile_.AssignFun(TDiskFile::FileExists, [this](QString& name) {
        const QString index = IndexPath(NotebooksFolder(), name);
        const bool exists = TDiskFile::CheckExist(QFile::encodeName(index).toStdString());
        // A copy saving under the same name after this question is noticed by its counter.
        askedCounter_ = exists ? NotebookOnDisk::CounterOf(NotebooksFolder(), name) : 0;
        return exists ? 1 : 0;
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
        ForgetDisk();
        return win::IDOK;
    });
    diskFile_.AssignFun(TDiskFile::DoLoad, [this](QString& name) { return OpenNamed(name); });
    diskFile_.AssignFun(TDiskFile::DoSave, [this](QString& name) { return SaveUnder(name); });
}

bool NotebookDocument::Modified() const
{
    if (writtenElsewhere_)
        return true;
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

bool NotebookDocument::RunFromStart(std::vector<RecordEntry> entries)
{
    const DrawingRecord& record = notebook_.RecordOf(notebook_.CurrentPage());
    if (walker_.Busy() || record.Empty() || record.HeadAt(0).Op != RecordOp::Start)
        return false;
    entries.insert(entries.begin(), record.At(0));
    history_.BeginStep();
    before_ = sheet_.Turtle();
    const TTurtleState fresh;
    sheet_.SetPenDown(fresh.PenDown);
    sheet_.SetPenColor(fresh.PenColor);
    sheet_.SetPenWidth(fresh.PenWidth);
    sheet_.Turtle().PenMode = fresh.PenMode;
    ran_ = {};
    runningFromStart_ = true;
    const auto end = [this] {
        runningFromStart_ = false;
        history_.EndStep({}, &ran_);
        ran_ = {};
        emit Changed();
    };
    if (!walker_.Run(std::move(entries))) {
        runningFromStart_ = false;
        history_.EndStep();
        return false;
    }
    if (!walker_.Busy())
        end();
    else
        connect(&walker_, &TurtleWalker::BusyChanged, this, end, Qt::SingleShotConnection);
    return true;
}

bool NotebookDocument::Do(const RecordEntry& entry)
{
    if (walker_.Busy())
        return false;
    history_.BeginStep();
    doing_ = true;
    before_ = sheet_.Turtle();
    if (walker_.Run({entry}))
        return true;
    doing_ = false;
    history_.EndStep();
    return false;
}

void NotebookDocument::Edit(const std::function<void()>& change, RecordOp op)
{
    history_.BeginStep();
    change();
    sheet_.RestFloor();
    history_.EndStep(EntryOf(op));
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
    // The page's record goes with the step, so that taking the deletion back brings both.
    history_.BeginStep(notebook_.RecordOf(notebook_.CurrentPage()));
    const PageResult result = notebook_.DeletePage();
    history_.EndStep();
    emit Changed();
    return result;
}

PageResult NotebookDocument::TurnPage(bool forward)
{
    return Announced(forward ? notebook_.NextPage() : notebook_.PrevPage());
}

void NotebookDocument::Release()
{
    notebook_.ReleaseNotebook();
}

HistoryMove NotebookDocument::Undo()
{
    // A walk is one step only once it has ended.
    if (walker_.Busy())
        return HistoryMove::Nothing;
    return Announced(history_.Undo());
}

HistoryMove NotebookDocument::Redo()
{
    if (walker_.Busy())
        return HistoryMove::Nothing;
    return Announced(history_.Redo());
}

int NotebookDocument::New()
{
    NoticeOtherCopy();
    return Announced(diskFile_.NewFile());
}

int NotebookDocument::Open()
{
    NoticeOtherCopy();
    const int result = Announced(diskFile_.LoadFile());
    // Both copies may draw in it; whichever saves second is asked first.
    if (result == win::IDOK && onDisk_.OpenElsewhere(onDisk_.Folder(), Name()))
        emit Notice(tr("Zeszyt %1 jest otwarty także w innej kopii programu.").arg(Name()));
    return result;
}

int NotebookDocument::Save()
{
    return Announced(diskFile_.SaveFile(true));
}

int NotebookDocument::SaveAs()
{
    return Announced(diskFile_.SaveAsFile());
}

bool NotebookDocument::CanClose()
{
    NoticeOtherCopy();
    return Announced(diskFile_.CanClose());
}

void NotebookDocument::Restore(const NotebookContent& content, const QString& name)
{
    notebook_.Replace(content);
    history_.Clear();
    diskFile_.Name = name;
    diskFile_.Untitled = name.isEmpty();
    ForgetDisk();
    MarkUnsaved();
    emit Changed();
}

int NotebookDocument::AskName(NameQuestion question, QString& name)
{
    QString typed = name;
    for (;;) {
        if (!prompts_.AskName(question, typed))
            return win::IDCANCEL;
        // Spaces around a name would only hide in the file name, and a name typed in another
        // Unicode form must find the same notebook.
        const QString candidate = NotebookNameForm(typed);
        if (candidate.toUcs4().size() > kMaxNameLength) {
            prompts_.ShowRefusal(tr("Nazwa zeszytu może mieć najwyżej %1 znaki. Wpisz krótszą nazwę.")
                                     .arg(kMaxNameLength));
        } else if (!IsNotebookName(candidate)) {
            prompts_.ShowRefusal(tr("Zeszyt nie może mieć takiej nazwy. Nazwa nie może być pusta, "
                                    "zaczynać się od kropki ani zawierać znaków / i \\."));
        } else {
            name = candidate;
            return win::IDOK;
        }
    }
}

int NotebookDocument::SaveUnder(const QString& name)
{
    const QString folder = NotebooksFolder();
    NotebookContent content = notebook_.Contents();
    if (commands_)
        content.OwnCommands = commands_->Commands();
    // The notebook is saved only over what this program last saw on disk under that name: as it
    // opened or saved it, or as it was when the name was chosen.
    const bool own = name == Name() && folder == onDisk_.Folder();
    const std::optional<std::uint64_t> expected = own ? onDisk_.Counter() : askedCounter_;
    askedCounter_.reset();
    SaveResult result = NotebookWriter().Save(folder, name, content, expected);
    if (result.Fault == NotebookFault::SavedElsewhere) {
        const int answer = prompts_.AskToSaveOverOtherCopy(name);
        if (answer == win::IDNO)
            return win::IDNO; // the disk file asks for another name
        if (answer == win::IDYES)
            result = NotebookWriter().Save(folder, name, content, result.SaveCounter);
    }
    if (result.Fault == NotebookFault::SavedElsewhere) {
        prompts_.ShowRefusal(tr("Rysunki nie zostały jeszcze zapisane. Zapisz je pod inną nazwą (Zapisz jako…)."));
        return win::IDCANCEL;
    }
    if (result.Fault == NotebookFault::CannotWrite) {
        prompts_.ShowRefusal(CannotWriteText(name, folder, result.Error, result.HadNotebook));
        return win::IDCANCEL;
    }
    if (result.Fault != NotebookFault::None) {
        prompts_.ShowRefusal(NotebookFaultText(result.Fault, name, folder));
        return win::IDCANCEL;
    }
    KnowDisk(folder, name, result.SaveCounter);
    MarkSaved();
    if (result.SwitchVoid)
        prompts_.ShowRefusal(SwitchVoidText(name, folder));
    if (!result.KeptFiles.isEmpty())
        prompts_.ShowRefusal(KeptPagesText(name, result.KeptFiles));
    return win::IDOK;
}

int NotebookDocument::OpenNamed(const QString& name)
{
    const QString folder = NotebooksFolder();
    const NotebookReading reading = ReadNotebook(folder, name);
    if (reading.Fault != NotebookFault::None) {
        prompts_.ShowRefusal(NotebookFaultText(reading.Fault, name, folder));
        return win::IDCANCEL;
    }
    notebook_.Replace(reading.Content);
    // Steps of the notebook that was open cannot be taken back in this one.
    history_.Clear();
    KnowDisk(folder, name, reading.SaveCounter);
    MarkSaved();
    TakeCommands(reading.Content);
    if (reading.SwitchVoid)
        prompts_.ShowRefusal(SwitchVoidText(name, folder));
    if (reading.SaveUnfinished)
        prompts_.ShowRefusal(SaveUnfinishedText(name, folder));
    if (!reading.LostPages.empty()) {
        prompts_.ShowRefusal(LostPagesText(name, reading.LostPages, reading.LostFilesThere));
        // Blank pages stand in for the lost ones: a save puts the notebook right again.
        MarkUnsaved();
    }
    return win::IDOK;
}

void NotebookDocument::TakeCommands(const NotebookContent& content)
{
    const QStringList left = commands_ ? commands_->Merge(content.OwnCommands) : QStringList();
    if (!content.DroppedCommands.isEmpty())
        prompts_.ShowRefusal(tr("Tych poleceń żółwia nie da się odczytać i zostały pominięte: %1. "
                                "Strony zeszytu otwierają się bez nich.")
                                 .arg(content.DroppedCommands.join(QStringLiteral(", "))));
    if (!left.isEmpty())
        prompts_.ShowRefusal(tr("W wierszu „Moje polecenia” nie ma już miejsca na: %1. Zapomnij któreś polecenie, "
                                "a potem otwórz zeszyt jeszcze raz.")
                                 .arg(left.join(QStringLiteral(", "))));
}

void NotebookDocument::MarkSaved()
{
    savedPosition_ = history_.Position();
    saved_ = notebook_.Contents();
    writtenElsewhere_ = false;
}

void NotebookDocument::MarkUnsaved()
{
    savedPosition_ = kNowhere;
    saved_ = {};
}

void NotebookDocument::NoticeOtherCopy()
{
    writtenElsewhere_ = writtenElsewhere_ || onDisk_.WrittenElsewhere();
}

void NotebookDocument::KnowDisk(const QString& folder, const QString& name, std::uint64_t counter)
{
    if (!folderWatch_.directories().isEmpty())
        folderWatch_.removePaths(folderWatch_.directories());
    onDisk_.Know(folder, name, counter);
    folderWatch_.addPath(folder);
}

void NotebookDocument::ForgetDisk()
{
    if (!folderWatch_.directories().isEmpty())
        folderWatch_.removePaths(folderWatch_.directories());
    onDisk_.Forget();
    writtenElsewhere_ = false;
}
