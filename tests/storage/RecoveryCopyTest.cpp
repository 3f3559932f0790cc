#include "storage/RecoveryCopy.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookWriter.h"
#include "storage/RecoveryCopyFinder.h"
#include "storage/RecoveryCopyWorker.h"
#include "win/WholeFile.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <future>
#include <chrono>

namespace {

// `pages` pages, every byte of page i being the sheet colour `value + i`, each turtle at its page.
NotebookContent Pages(int pages, std::uint8_t value)
{
    NotebookContent content;
    content.Pages.resize(static_cast<std::size_t>(pages));
    for (int i = 0; i < pages; ++i) {
        PageContent& page = content.Pages[static_cast<std::size_t>(i)];
        std::fill(page.Image.begin(), page.Image.end(), static_cast<std::uint8_t>(value + i));
        page.Turtle.X = i;
    }
    content.CurrentPage = pages - 1;
    return content;
}

bool Same(const NotebookContent& a, const NotebookContent& b)
{
    if (a.Pages.size() != b.Pages.size() || a.CurrentPage != b.CurrentPage)
        return false;
    for (std::size_t i = 0; i < a.Pages.size(); ++i)
        if (a.Pages[i].Image != b.Pages[i].Image || a.Pages[i].Turtle.X != b.Pages[i].Turtle.X)
            return false;
    return true;
}

// Runs `body` in a child process that ends without a word, as a killed program does.
pid_t InChild(const std::function<void()>& body)
{
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    return child;
}

std::unique_ptr<RecoveryCopy> Create(const QString& root)
{
    std::error_code trouble;
    return RecoveryCopy::Create(root, trouble);
}

// The only copy under `root` that a gone program left, taken over.
std::unique_ptr<RecoveryCopy> LeftCopy(const QString& root)
{
    const LeftCopies left = RecoveryCopy::Left(root);
    return left.Newest ? RecoveryCopy::Adopt(*left.Newest) : nullptr;
}

// Leaves under `root` the copy a killed program wrote `content` into.
void LeaveCopy(const QString& root, const NotebookContent& content)
{
    const pid_t child = InChild([&] { Create(root).release()->Write(content, {}); });
    waitpid(child, nullptr, 0);
}

void Touch(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

TEST(RecoveryCopy, KeepsTheNotebookWithItsNameAndIsOfferedOnlyOnceItsProgramIsGone)
{
    QTemporaryDir root;
    const auto own = Create(root.path());
    ASSERT_TRUE(own);
    ASSERT_FALSE(own->Write(Pages(3, 1), QStringLiteral("Żółw")));
    ASSERT_FALSE(own->Write(Pages(2, 5), QStringLiteral("Żółw")));
    const auto kept = own->Read();
    ASSERT_TRUE(kept);
    EXPECT_TRUE(Same(kept->Content, Pages(2, 5)));
    EXPECT_EQ(kept->Name, QStringLiteral("Żółw"));
    EXPECT_FALSE(kept->Behind);
    EXPECT_FALSE(RecoveryCopy::Left(root.path()).Newest) << "this program still runs";

    LeaveCopy(root.path(), Pages(4, 9));
    const auto orphan = LeftCopy(root.path());
    ASSERT_TRUE(orphan);
    const auto left = orphan->Read();
    ASSERT_TRUE(left);
    EXPECT_TRUE(Same(left->Content, Pages(4, 9)));
    EXPECT_TRUE(left->Name.isEmpty());
    orphan->Remove();

    own->Clear();
    EXPECT_FALSE(own->Read());
    own->Remove();
    EXPECT_TRUE(QDir(root.path()).isEmpty());
}

TEST(RecoveryCopy, AProgramKilledAtAnyMomentOfAWriteLeavesAWholeNotebook)
{
    const NotebookContent small = Pages(3, 1), large = Pages(6, 7);
    NotebookContent largeRedrawn = large; // most pages linked from the write before
    largeRedrawn.Pages[2].Image[5] ^= 1;
    const std::array<const NotebookContent*, 3> contents{&small, &large, &largeRedrawn};
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        QTemporaryDir root;
        // The kill comes at a random moment after the first copy is whole, however busy the machine.
        int firstWritten[2];
        ASSERT_EQ(pipe(firstWritten), 0);
        const pid_t child = InChild([&] {
            auto copy = Create(root.path());
            for (int i = 0;; ++i) {
                copy->Write(*contents[static_cast<std::size_t>(i % 3)], {});
                if (i == 0)
                    (void)!write(firstWritten[1], "1", 1);
            }
        });
        char byte = 0;
        ASSERT_EQ(read(firstWritten[0], &byte, 1), 1) << "round " << round;
        close(firstWritten[0]);
        close(firstWritten[1]);
        usleep(std::uniform_int_distribution<useconds_t>(0, 100000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const auto copy = LeftCopy(root.path());
        ASSERT_TRUE(copy) << "round " << round;
        const auto left = copy->Read();
        ASSERT_TRUE(left) << "round " << round;
        ASSERT_TRUE(std::ranges::any_of(contents, [&](const NotebookContent* c) { return Same(left->Content, *c); }))
            << "round " << round;
    }
}

// A copy whose file writes are counted, and fail with `fault` when it is set.
class WatchedCopy : public RecoveryCopy {
public:
    static std::unique_ptr<WatchedCopy> Create(const QString& root)
    {
        QString folder;
        std::error_code trouble;
        const int lock = MakeFolder(root, folder, trouble);
        return lock < 0 ? nullptr : std::unique_ptr<WatchedCopy>(new WatchedCopy(folder, lock));
    }

    int writes = 0;
    std::optional<std::errc> fault;

protected:
    std::error_code WriteBytes(win::WholeFile& file, const QByteArray& bytes) override
    {
        ++writes;
        return fault ? std::make_error_code(*fault) : RecoveryCopy::WriteBytes(file, bytes);
    }

private:
    using RecoveryCopy::RecoveryCopy;
};

struct ChangeCase {
    const char* what;
    NotebookContent before;
    std::function<void(NotebookContent&)> change;
    int writes; // files written for the change: the pages that changed, the index, the name, the switch
};

TEST(RecoveryCopy, WritesOnlyThePagesThatChangedAndReadsBackTheWholeNotebook)
{
    const ChangeCase cases[] = {
        {"one page of three redrawn", Pages(3, 1), [](NotebookContent& c) { c.Pages[1].Image[0] = 15; }, 4},
        {"only a turtle moved", Pages(3, 1), [](NotebookContent& c) { c.Pages[2].Turtle.X = 99; }, 3},
        {"a page put in front", Pages(3, 1),
         [](NotebookContent& c) { c.Pages.insert(c.Pages.begin(), Pages(1, 12).Pages[0]); }, 7},
        {"the last page dropped", Pages(3, 1), [](NotebookContent& c) { c.Pages.pop_back(); c.CurrentPage = 1; }, 3},
    };
    for (const ChangeCase& test : cases) {
        QTemporaryDir root;
        const auto copy = WatchedCopy::Create(root.path());
        ASSERT_TRUE(copy);
        ASSERT_FALSE(copy->Write(test.before, {})) << test.what;
        NotebookContent after = test.before;
        test.change(after);
        copy->writes = 0;
        ASSERT_FALSE(copy->Write(after, {})) << test.what;
        EXPECT_EQ(copy->writes, test.writes) << test.what;
        const auto kept = copy->Read();
        ASSERT_TRUE(kept) << test.what;
        EXPECT_TRUE(Same(kept->Content, after)) << test.what;
        copy->Remove();
    }
}

TEST(RecoveryCopy, AFailedWriteSaysWhyAndKeepsTheLastNotebookMarkedAsBehind)
{
    const std::pair<std::errc, RecoveryTrouble> cases[] = {
        {std::errc::no_space_on_device, RecoveryTrouble::Full},
        {std::errc::read_only_file_system, RecoveryTrouble::ReadOnly},
        {std::errc::permission_denied, RecoveryTrouble::ReadOnly},
        {std::errc::io_error, RecoveryTrouble::Other},
    };
    for (const auto& [fault, trouble] : cases) {
        QTemporaryDir root;
        const auto copy = WatchedCopy::Create(root.path());
        ASSERT_TRUE(copy);
        ASSERT_FALSE(copy->Write(Pages(2, 1), {}));
        copy->fault = fault;
        EXPECT_EQ(RecoveryTroubleOf(copy->Write(Pages(2, 5), {})), trouble);
        auto kept = copy->Read();
        ASSERT_TRUE(kept);
        EXPECT_TRUE(Same(kept->Content, Pages(2, 1)));
        EXPECT_TRUE(kept->Behind);
        EXPECT_TRUE(kept->Written.isValid());

        copy->fault.reset();
        ASSERT_FALSE(copy->Write(Pages(2, 5), {}));
        kept = copy->Read();
        ASSERT_TRUE(kept);
        EXPECT_TRUE(Same(kept->Content, Pages(2, 5)));
        EXPECT_FALSE(kept->Behind);
        copy->Remove();
    }
}

TEST(RecoveryCopy, NoCopyIsMadeWhereTheRootCannotHoldOne)
{
    const std::pair<const char*, std::function<QString(const QString&)>> cases[] = {
        {"the root's parent is a file",
         [](const QString& base) {
             Touch(base + QStringLiteral("/plik"));
             return base + QStringLiteral("/plik/Odzysk");
         }},
        {"the root is a link",
         [](const QString& base) {
             QDir(base).mkdir(QStringLiteral("gdzie"));
             QFile::link(base + QStringLiteral("/gdzie"), base + QStringLiteral("/Odzysk"));
             return base + QStringLiteral("/Odzysk");
         }},
    };
    for (const auto& [what, make] : cases) {
        QTemporaryDir base;
        std::error_code trouble;
        EXPECT_FALSE(RecoveryCopy::Create(make(base.path()), trouble)) << what;
        EXPECT_NE(RecoveryTroubleOf(trouble), RecoveryTrouble::None) << what;
        if (QFileInfo(base.path() + QStringLiteral("/Odzysk")).isSymLink()) {
            EXPECT_EQ(RecoveryTroubleOf(trouble), RecoveryTrouble::Link) << what << ": said as such";
        }
        EXPECT_FALSE(QFileInfo::exists(base.path() + QStringLiteral("/gdzie/blokada"))) << what;
    }
}

// What a start finds under the root, and what it leaves there and in a folder outside.
struct LeftCase {
    const char* what;
    // Returns a copy that must stay this program's while the root is looked through.
    std::function<std::shared_ptr<RecoveryCopy>(const QString& root, const QString& outside)> plant;
    int newest;   // the first page's colour in the newest copy; -1: none
    int older;
    int empty;    // copies found empty, removed then
    int inRoot;   // entries left in the root
    int outside;  // entries left in the folder outside
};

QString OnlyFolderIn(const QString& root)
{
    return root + QLatin1Char('/') + QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
}

void StaleEmptyCopy(const QString& root, const QString& name)
{
    QDir(root).mkpath(name);
    Touch(root + QLatin1Char('/') + name + QStringLiteral("/blokada"));
}

void SetWritten(const QString& root, qint64 seconds)
{
    for (const QString& name : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString current = root + QLatin1Char('/') + name + QStringLiteral("/biezacy");
        QFile file(current);
        if (file.exists() && file.open(QIODevice::ReadWrite)
            && file.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch() > seconds)
            file.setFileTime(QDateTime::fromSecsSinceEpoch(seconds), QFileDevice::FileModificationTime);
    }
}

TEST(RecoveryCopy, AStartOffersTheNewestLeftCopyAndRemovesEmptyOnesWithoutFollowingLinks)
{
    const LeftCase cases[] = {
        {"empty copies of killed programs go",
         [](const QString& root, const QString&) {
             for (int i = 0; i < 50; ++i)
                 StaleEmptyCopy(root, QStringLiteral("%1-17").arg(i + 1));
             return nullptr;
         },
         -1, 0, 50, 0, 0},
        {"a running program's empty copy stays",
         [](const QString& root, const QString&) { return std::shared_ptr<RecoveryCopy>(Create(root)); }, -1, 0, 0, 1, 0},
        {"the newest of three is named, two older are counted",
         [](const QString& root, const QString&) {
             LeaveCopy(root, Pages(1, 3));
             SetWritten(root, 1'000'000);
             LeaveCopy(root, Pages(1, 9));
             SetWritten(root, 2'000'000);
             LeaveCopy(root, Pages(1, 6));
             StaleEmptyCopy(root, QStringLiteral("1-1"));
             return nullptr;
         },
         6, 2, 1, 3, 0},
        {"a link named as a copy is passed by, its folder untouched",
         [](const QString& root, const QString& outside) {
             Touch(outside + QStringLiteral("/rysunek.txt"));
             QFile::link(outside, root + QStringLiteral("/12-34"));
             return nullptr;
         },
         -1, 0, 0, 1, 1},
        {"a folder not named as a copy stays",
         [](const QString& root, const QString&) {
             QDir(root).mkdir(QStringLiteral("Moje"));
             return nullptr;
         },
         -1, 0, 0, 1, 0},
        {"a copy whose write is a link to a notebook elsewhere is not offered, nor read through",
         [](const QString& root, const QString& outside) {
             LeaveCopy(root, Pages(1, 4));
             const QString copy = OnlyFolderIn(root);
             QDir(copy + QStringLiteral("/1")).removeRecursively();
             NotebookWriter().Save(outside, QStringLiteral("zeszyt"), Pages(1, 7));
             QFile::link(outside, copy + QStringLiteral("/1"));
             return nullptr;
         },
         -1, 0, 0, 1, 2},
        {"a copy whose page is a link to a file elsewhere is not offered",
         [](const QString& root, const QString& outside) {
             LeaveCopy(root, Pages(1, 4));
             const QString copy = OnlyFolderIn(root);
             Touch(outside + QStringLiteral("/obraz.bmp"));
             QFile::remove(copy + QStringLiteral("/1/zeszyt1.bmp"));
             QFile::link(outside + QStringLiteral("/obraz.bmp"), copy + QStringLiteral("/1/zeszyt1.bmp"));
             return nullptr;
         },
         -1, 0, 0, 1, 1},
        {"a pointer past any count is refused where it is read",
         [](const QString& root, const QString&) {
             QDir(root).mkpath(QStringLiteral("7-7/2147483647"));
             Touch(root + QStringLiteral("/7-7/blokada"));
             QFile current(root + QStringLiteral("/7-7/biezacy"));
             current.open(QIODevice::WriteOnly);
             current.write("2147483647");
             return nullptr;
         },
         -1, 0, 1, 0, 0},
        {"an empty copy whose lock file is a link goes, the link's target stays",
         [](const QString& root, const QString& outside) {
             Touch(outside + QStringLiteral("/cel"));
             QDir(root).mkpath(QStringLiteral("8-8"));
             QFile::link(outside + QStringLiteral("/cel"), root + QStringLiteral("/8-8/blokada"));
             return nullptr;
         },
         -1, 0, 1, 0, 1},
        {"a root that is a link is not looked into",
         [](const QString& root, const QString& outside) {
             StaleEmptyCopy(outside, QStringLiteral("5-6"));
             QDir(root).removeRecursively();
             QFile::link(outside, root);
             return nullptr;
         },
         -1, 0, 0, 1, 1},
    };
    for (const LeftCase& test : cases) {
        QTemporaryDir base;
        const QString root = base.filePath(QStringLiteral("Odzysk")), outside = base.filePath(QStringLiteral("inny"));
        QDir().mkpath(root);
        QDir().mkpath(outside);
        const auto running = test.plant(root, outside);
        const LeftCopies left = RecoveryCopy::Left(root);
        if (test.newest < 0) {
            EXPECT_FALSE(left.Newest) << test.what;
        } else {
            ASSERT_TRUE(left.Newest) << test.what;
            const auto copy = RecoveryCopy::Adopt(*left.Newest);
            ASSERT_TRUE(copy) << test.what;
            const auto kept = copy->Read();
            ASSERT_TRUE(kept) << test.what;
            EXPECT_EQ(kept->Content.Pages[0].Image[0], test.newest) << test.what;
        }
        EXPECT_EQ(left.Older, test.older) << test.what;
        EXPECT_EQ(static_cast<int>(left.Empty.size()), test.empty) << test.what;
        for (const QString& folder : left.Empty)
            RecoveryCopy::RemoveIfEmpty(folder);
        EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), test.inRoot)
            << test.what;
        EXPECT_EQ(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), test.outside)
            << test.what;
    }
}

TEST(RecoveryCopyWorker, WritesTheLastNotebookHandedOverAndRemovesTheCopyAtTheEnd)
{
    QTemporaryDir root;
    const pid_t child = InChild([&] {
        // Ends without the worker's end, as a killed program does.
        auto* worker = new RecoveryCopyWorker(Create(root.path()), [](std::error_code error) {
            if (error)
                _exit(1);
        });
        for (int i = 0; i < 20; ++i)
            worker->Keep(Pages(1 + i % 8, static_cast<std::uint8_t>(i % 8)), QStringLiteral("Dom")); // the last: 4 pages from 3
        worker->Finish();
    });
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0) << "a write failed";
    const auto copy = LeftCopy(root.path());
    ASSERT_TRUE(copy);
    const auto kept = copy->Read();
    ASSERT_TRUE(kept);
    EXPECT_TRUE(Same(kept->Content, Pages(4, 3)));
    EXPECT_EQ(kept->Name, QStringLiteral("Dom"));
    copy->Remove();

    {
        RecoveryCopyWorker worker(Create(root.path()), [](std::error_code) {});
        worker.Keep(Pages(2, 1), {});
        worker.Forget();
        worker.Keep(Pages(3, 1), {});

        // The sweep takes only what is empty and no running program's.
        LeaveCopy(root.path(), Pages(1, 2));
        const auto running = Create(root.path());
        std::vector<QString> sweep;
        for (int i = 0; i < 30; ++i) {
            StaleEmptyCopy(root.path(), QStringLiteral("%1-3").arg(i + 1));
            sweep.push_back(root.filePath(QStringLiteral("%1-3").arg(i + 1)));
        }
        for (const QString& name : QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            sweep.push_back(root.filePath(name));
        worker.Sweep(sweep);
        for (int wait = 0; wait < 1000 && QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 3; ++wait)
            usleep(10'000);
        EXPECT_EQ(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3)
            << "this worker's copy, the one that holds a notebook and the running one stay";
        running->Remove();
        LeftCopy(root.path())->Remove();
    }
    EXPECT_TRUE(QDir(root.path()).isEmpty()) << "a normal end leaves nothing";
}

// The look a start makes in the background: the newest copy that reads is handed over, one that
// does not is removed on the way, and the empty ones go to be swept.
TEST(RecoveryCopyFinder, HandsOverTheNewestReadableCopyAndTheEmptyOnes)
{
    QTemporaryDir root;
    for (int i = 0; i < 3; ++i)
        StaleEmptyCopy(root.path(), QStringLiteral("%1-9").arg(i + 1));
    LeaveCopy(root.path(), Pages(1, 5));
    SetWritten(root.path(), 1'000'000);
    LeaveCopy(root.path(), Pages(2, 8));
    // The newer copy's index is spoilt: it cannot be offered.
    for (const QString& name : QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString index = root.filePath(name + QStringLiteral("/1/zeszyt.qel3d"));
        if (QFile::exists(index) && QFileInfo(root.filePath(name + QStringLiteral("/biezacy"))).lastModified().toSecsSinceEpoch() > 1'000'000) {
            QFile spoilt(index);
            spoilt.open(QIODevice::WriteOnly | QIODevice::Truncate);
            spoilt.write("{");
        }
    }
    std::promise<std::optional<RecoveryCopyFinder::Found>> found;
    std::vector<QString> empty;
    {
        RecoveryCopyFinder finder(
            root.path(), [&](std::optional<RecoveryCopyFinder::Found> copy) { found.set_value(std::move(copy)); },
            [&](std::vector<QString> folders) { empty = std::move(folders); });
        auto result = found.get_future();
        ASSERT_EQ(result.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        const std::optional<RecoveryCopyFinder::Found> copy = result.get();
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->Notebook.Content.Pages.size(), 1u);
        EXPECT_EQ(copy->Notebook.Content.Pages[0].Image[0], 5);
        EXPECT_EQ(copy->Older, 0);
        copy->Copy->Remove();
    }
    EXPECT_EQ(empty.size(), 3u);
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3) << "the spoilt copy went";
}

} // namespace
