#include "notebook/DiskFile.h"

#include "win/MessageBox.h"
#include "support/CurrentFolder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <deque>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Slot = TDiskFile::Slot;
using win::IDCANCEL;
using win::IDNO;
using win::IDOK;
using win::IDYES;

fs::path Touch(const fs::path& file)
{
    std::ofstream(file) << "x";
    return file;
}

// Plays the owning document: answers questions and name dialogs from a script, checks the name
// on disk in its folder, keeps whether it holds unsaved changes, and logs which slots were called.
struct ScriptedOwner {
    fs::path folder;
    std::deque<int> answers;       // replies to QuerySave, QueryReplace and the name dialogs
    std::deque<std::string> names; // typed into a name dialog answered with IDOK
    int saveResult = IDOK;
    bool modified = false;
    std::vector<Slot> calls;

    int Next()
    {
        if (answers.empty())
            return -1; // an unscripted question: the test fails on the call log
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int AskName(QString& name)
    {
        const int answer = Next();
        if (answer == IDOK && !names.empty()) {
            name = QString::fromStdString(names.front());
            names.pop_front();
        }
        return answer;
    }

    void PlugInto(TDiskFile& file)
    {
        file.Modified = [this] { return modified; };
        const auto plug = [&](Slot slot, TDiskFileCallback body) {
            file.AssignFun(slot, [this, slot, body](QString& name) {
                calls.push_back(slot);
                return body(name);
            });
        };
        const auto settled = [this](int result) {
            if (result == IDOK)
                modified = false;
            return result;
        };
        plug(TDiskFile::QuerySave, [this](QString&) { return Next(); });
        plug(TDiskFile::QueryReplace, [this](QString&) { return Next(); });
        plug(TDiskFile::FileExists, [this](QString& name) { return TDiskFile::CheckExist(folder / name.toStdString()) ? 1 : 0; });
        plug(TDiskFile::GetOpenName, [this](QString& name) { return AskName(name); });
        plug(TDiskFile::GetSaveName, [this](QString& name) { return AskName(name); });
        plug(TDiskFile::DoNew, [=](QString&) { return settled(IDOK); });
        plug(TDiskFile::DoLoad, [=](QString&) { return settled(IDOK); });
        plug(TDiskFile::DoSave, [=, this](QString&) { return settled(saveResult); });
    }
};

class DiskFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        owner_.folder = fs::path(dir_.path().toStdString());
        Touch(owner_.folder / "zeszyt");
        owner_.PlugInto(file_);
    }

    QTemporaryDir dir_;
    ScriptedOwner owner_;
    TDiskFile file_;
};

// --- Closing the program -------------------------------------------------------------------------

struct CloseCase {
    const char* name;
    bool modified;
    bool untitled;
    std::vector<int> answers;
    std::vector<std::string> names;
    bool closes;
    std::vector<Slot> calls;
    bool modifiedAfter;
    bool untitledAfter;
};

constexpr auto QS = TDiskFile::QuerySave;
constexpr auto QR = TDiskFile::QueryReplace;
constexpr auto FE = TDiskFile::FileExists;
constexpr auto SN = TDiskFile::GetSaveName;
constexpr auto SV = TDiskFile::DoSave;

const CloseCase kCloseCases[] = {
    {"Unchanged", false, true, {}, {}, true, {}, false, true},
    // The changes are dropped by closing itself; until then they are still unsaved.
    {"No", true, true, {IDNO}, {}, true, {QS}, true, true},
    {"Cancel", true, true, {IDCANCEL}, {}, false, {QS}, true, true},
    {"YesThenNameCancelled", true, true, {IDYES, IDCANCEL}, {}, false, {QS, SN}, true, true},
    {"YesFreeName", true, true, {IDYES, IDOK}, {"nowy"}, true, {QS, SN, FE, SV}, false, false},
    {"YesEmptyName", true, true, {IDYES, IDOK}, {""}, true, {QS, SN, FE, SV}, false, false},
    {"YesExistingReplaced", true, true, {IDYES, IDOK, IDYES}, {"zeszyt"}, true,
     {QS, SN, FE, QR, SV}, false, false},
    {"YesExistingRefusedThenReplaced", true, true, {IDYES, IDOK, IDNO, IDOK, IDYES},
     {"zeszyt", "zeszyt"}, true, {QS, SN, FE, QR, SN, FE, QR, SV}, false, false},
    {"YesExistingRefusedThenFreeName", true, true, {IDYES, IDOK, IDNO, IDOK}, {"zeszyt", "nowy"},
     true, {QS, SN, FE, QR, SN, FE, SV}, false, false},
    {"YesExistingRefusedThenCancelled", true, true, {IDYES, IDOK, IDNO, IDCANCEL}, {"zeszyt"},
     false, {QS, SN, FE, QR, SN}, true, true},
    // A named document is saved at once, without a name or replace question.
    {"YesWhileNamed", true, false, {IDYES}, {}, true, {QS, SV}, false, false},
};

class DiskFileCloseTest : public DiskFileTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DiskFileCloseTest, AsksWhatTheUserMeets)
{
    const CloseCase& c = GetParam();
    owner_.modified = c.modified;
    file_.Untitled = c.untitled;
    file_.Name = c.untitled ? QString() : QStringLiteral("zeszyt");
    owner_.answers.assign(c.answers.begin(), c.answers.end());
    owner_.names.assign(c.names.begin(), c.names.end());

    EXPECT_EQ(file_.CanClose(), c.closes);
    EXPECT_EQ(owner_.calls, c.calls);
    EXPECT_TRUE(owner_.answers.empty());
    EXPECT_EQ(owner_.modified, c.modifiedAfter);
    EXPECT_EQ(file_.Untitled, c.untitledAfter);
}

INSTANTIATE_TEST_SUITE_P(Close, DiskFileCloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(DiskFileTest, CancelledCloseAsksAgainNextTime)
{
    owner_.modified = true;
    owner_.answers = {IDCANCEL, IDNO};
    EXPECT_FALSE(file_.CanClose());
    EXPECT_TRUE(file_.CanClose());
    EXPECT_EQ(owner_.calls, (std::vector<Slot>{QS, QS}));
}

TEST_F(DiskFileTest, FailedSaveKeepsTheWindowOpen)
{
    owner_.modified = true;
    file_.Untitled = false;
    owner_.answers = {IDYES};
    owner_.saveResult = win::IDABORT;
    EXPECT_FALSE(file_.CanClose());
    EXPECT_TRUE(owner_.modified);
}

// --- Flags after each operation ------------------------------------------------------------------

struct OperationCase {
    const char* name;
    int (*run)(TDiskFile&);
    bool modified;
    bool untitled;
    std::vector<int> answers;
    std::vector<std::string> names;
    int result;
    bool modifiedAfter;
    bool untitledAfter;
    const char* nameAfter;
};

int RunNew(TDiskFile& f) { return f.NewFile(); }
int RunLoad(TDiskFile& f) { return f.LoadFile(); }
int RunSaveChecked(TDiskFile& f) { return f.SaveFile(false); }
int RunSaveUnchecked(TDiskFile& f) { return f.SaveFile(true); }
int RunSaveAs(TDiskFile& f) { return f.SaveAsFile(); }

const OperationCase kOperationCases[] = {
    {"NewNamesNothing", RunNew, false, false, {}, {}, IDOK, false, true, ""},
    {"NewDroppingChanges", RunNew, true, false, {IDNO}, {}, IDOK, false, true, ""},
    {"NewCancelled", RunNew, true, false, {IDCANCEL}, {}, IDCANCEL, true, false, "zeszyt"},
    {"LoadNamesTheDocument", RunLoad, false, true, {IDOK}, {"inny"}, IDOK, false, false, "inny"},
    {"LoadNameCancelled", RunLoad, false, true, {IDCANCEL}, {}, IDCANCEL, false, true, ""},
    {"LoadSaveQuestionCancelled", RunLoad, true, true, {IDCANCEL}, {}, IDCANCEL, true, true, ""},
    // Dropping the changes for an open that is then cancelled keeps them, still unsaved.
    {"LoadDroppingChangesCancelled", RunLoad, true, false, {IDNO, IDCANCEL}, {}, IDCANCEL, true, false, "zeszyt"},
    {"SaveNamed", RunSaveUnchecked, true, false, {}, {}, IDOK, false, false, "zeszyt"},
    {"SaveNamedRefusedReplace", RunSaveChecked, true, false, {IDNO}, {}, IDNO, true, false, "zeszyt"},
    {"SaveUntitledGoesThroughSaveAs", RunSaveUnchecked, true, true, {IDOK}, {"nowy"}, IDOK, false, false, "nowy"},
    {"SaveAsClearsBoth", RunSaveAs, true, false, {IDOK}, {"nowy"}, IDOK, false, false, "nowy"},
    // A name typed for a replace that is then refused never becomes the document's.
    {"SaveAsReplaceCancelled", RunSaveAs, true, true, {IDOK, IDCANCEL}, {"zeszyt"}, IDCANCEL, true, true, ""},
    {"SaveAsCancelled", RunSaveAs, true, true, {IDCANCEL}, {}, IDCANCEL, true, true, ""},
};

class DiskFileOperationTest : public DiskFileTest,
                              public ::testing::WithParamInterface<OperationCase> {};

TEST_P(DiskFileOperationTest, SetsTheFlags)
{
    const OperationCase& c = GetParam();
    owner_.modified = c.modified;
    file_.Untitled = c.untitled;
    // The present name of a named document exists on disk.
    file_.Name = c.untitled ? QString() : QStringLiteral("zeszyt");
    owner_.answers.assign(c.answers.begin(), c.answers.end());
    owner_.names.assign(c.names.begin(), c.names.end());

    EXPECT_EQ(c.run(file_), c.result);
    EXPECT_TRUE(owner_.answers.empty());
    EXPECT_EQ(owner_.modified, c.modifiedAfter);
    EXPECT_EQ(file_.Untitled, c.untitledAfter);
    EXPECT_EQ(file_.Name, QString::fromUtf8(c.nameAfter));
}

INSTANTIATE_TEST_SUITE_P(Operations, DiskFileOperationTest, ::testing::ValuesIn(kOperationCases),
                         [](const auto& test) { return std::string(test.param.name); });

// --- Empty slots ---------------------------------------------------------------------------------

TEST(DiskFileEmptySlots, EveryOperationSucceeds)
{
    TDiskFile file;
    EXPECT_TRUE(file.Untitled);
    EXPECT_FALSE(file.Modified());
    file.Untitled = false;
    EXPECT_EQ(file.NewFile(), IDOK);
    EXPECT_TRUE(file.Untitled);
    EXPECT_EQ(file.LoadFile(), IDOK);
    EXPECT_FALSE(file.Untitled);

    file.Modified = [] { return true; }; // no save question counts as No
    EXPECT_TRUE(file.CanClose());

    file.Untitled = true;
    EXPECT_EQ(file.SaveAsFile(), IDOK);
    EXPECT_FALSE(file.Untitled);
}

TEST(DiskFileEmptySlots, ExistingNameWithoutReplaceQuestionIsSaved)
{
    TDiskFile file;
    int saves = 0;
    file.AssignFun(TDiskFile::FileExists, [](QString&) { return 1; });
    file.AssignFun(TDiskFile::DoSave, [&](QString&) { return ++saves, IDOK; });
    QString name = QStringLiteral("zeszyt");
    EXPECT_EQ(file.CheckReplaceAndSave(false, name), IDOK);
    EXPECT_EQ(saves, 1);
}

TEST(DiskFileEmptySlots, RefusedReplaceWithoutNameDialogEndsAsCancel)
{
    TDiskFile file;
    int questions = 0;
    file.AssignFun(TDiskFile::FileExists, [](QString&) { return 1; });
    // A second question would mean the same name is offered again; end the test there.
    file.AssignFun(TDiskFile::QueryReplace, [&](QString&) { return ++questions == 1 ? IDNO : IDCANCEL; });
    EXPECT_EQ(file.SaveAsFile(), IDCANCEL);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(file.Untitled);
}

TEST(DiskFileEmptySlots, IndicesOutsideTheSlotsChangeNothing)
{
    TDiskFile file;
    int calls = 0;
    const TDiskFileCallback count = [&](QString&) { return ++calls, IDCANCEL; };
    file.AssignFun(-1, count);
    file.AssignFun(TDiskFile::SlotCount, count);
    file.AssignFun(TDiskFile::QuerySave, count);
    file.AssignFun(TDiskFile::QuerySave, nullptr); // emptied again

    file.Modified = [] { return true; };
    EXPECT_EQ(file.LoadFile(), IDOK);
    EXPECT_EQ(file.SaveFile(false), IDOK);
    EXPECT_EQ(file.NewFile(), IDOK);
    EXPECT_TRUE(file.CanClose());
    EXPECT_EQ(calls, 0);
}

// --- Existence check -----------------------------------------------------------------------------

TEST_F(DiskFileTest, CheckExistFindsOnlyReadableFiles)
{
    const fs::path folder = owner_.folder;
    EXPECT_TRUE(TDiskFile::CheckExist(folder / "zeszyt"));
    EXPECT_FALSE(TDiskFile::CheckExist(folder / "brak"));
    EXPECT_FALSE(TDiskFile::CheckExist(""));
    fs::create_directory(folder / "KARTKI");
    EXPECT_FALSE(TDiskFile::CheckExist(folder / "KARTKI"));
    // A pipe is no file, and opening it would block until someone writes.
    ASSERT_EQ(mkfifo((folder / "rura").c_str(), 0600), 0);
    EXPECT_FALSE(TDiskFile::CheckExist(folder / "rura"));
}

TEST_F(DiskFileTest, CheckExistTakesRelativeNamesFromTheCurrentDirectory)
{
    CurrentFolderGuard keep;
    fs::current_path(owner_.folder);
    EXPECT_TRUE(TDiskFile::CheckExist("zeszyt"));
    EXPECT_FALSE(TDiskFile::CheckExist("zeszyt.txt"));
}

// What CheckExist says of each file to a user without root's right to read anything: run in a
// child process that gives that right up when the tests run as root. -1: it could not.
std::vector<int> CheckedWithoutRoot(const std::vector<fs::path>& files)
{
    const auto check = [&] {
        std::vector<int> found;
        for (const fs::path& file : files)
            found.push_back(TDiskFile::CheckExist(file) ? 1 : 0);
        return found;
    };
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(255);
        int bits = 0;
        for (const int found : check())
            bits = bits << 1 | found;
        _exit(bits);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return std::vector<int>(files.size(), -1);
    std::vector<int> found(files.size());
    for (std::size_t i = files.size(); i-- > 0;)
        found[i] = (WEXITSTATUS(status) >> (files.size() - 1 - i)) & 1;
    return found;
}

TEST_F(DiskFileTest, CheckExistTreatsUnreadableFilesAsAbsent)
{
    const fs::path readable = Touch(owner_.folder / "otwarty");
    const fs::path locked = Touch(owner_.folder / "zamkniety");
    fs::permissions(readable, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(locked, fs::perms::none);
    // Any user may look into the folder; only the locked file keeps them out.
    fs::permissions(owner_.folder, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    EXPECT_EQ(CheckedWithoutRoot({readable, locked}), (std::vector<int>{1, 0}));
    fs::permissions(locked, fs::perms::owner_all);
}

} // namespace
