#include "storage/RecoveryCopy.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

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

TEST(RecoveryCopy, KeepsTheNotebookWithItsNameAndIsOfferedOnlyOnceItsProgramIsGone)
{
    QTemporaryDir root;
    const auto own = RecoveryCopy::Create(root.path());
    ASSERT_TRUE(own);
    ASSERT_TRUE(own->Write(Pages(3, 1), QStringLiteral("Żółw")));
    ASSERT_TRUE(own->Write(Pages(2, 5), QStringLiteral("Żółw")));
    const auto kept = own->Read();
    ASSERT_TRUE(kept);
    EXPECT_TRUE(Same(kept->Content, Pages(2, 5)));
    EXPECT_EQ(kept->Name, QStringLiteral("Żółw"));
    EXPECT_TRUE(RecoveryCopy::Orphans(root.path()).empty()) << "this program still runs";

    const pid_t child = InChild([&] { RecoveryCopy::Create(root.path()).release()->Write(Pages(4, 9), {}); });
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    auto orphans = RecoveryCopy::Orphans(root.path());
    ASSERT_EQ(orphans.size(), 1u);
    const auto left = orphans[0]->Read();
    ASSERT_TRUE(left);
    EXPECT_TRUE(Same(left->Content, Pages(4, 9)));
    EXPECT_TRUE(left->Name.isEmpty());
    orphans[0]->Remove();

    own->Clear();
    EXPECT_FALSE(own->Read());
    own->Remove();
    EXPECT_TRUE(QDir(root.path()).isEmpty());
}

TEST(RecoveryCopy, AProgramKilledAtAnyMomentOfAWriteLeavesAWholeNotebook)
{
    const NotebookContent small = Pages(3, 1), large = Pages(6, 7);
    std::mt19937 random(11);
    int whole = 0;
    for (int round = 0; round < 40; ++round) {
        QTemporaryDir root;
        const pid_t child = InChild([&] {
            auto copy = RecoveryCopy::Create(root.path());
            for (int i = 0;; ++i)
                copy->Write(i % 2 ? large : small, {});
        });
        usleep(std::uniform_int_distribution<useconds_t>(5000, 200000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        for (const auto& copy : RecoveryCopy::Orphans(root.path())) {
            const auto left = copy->Read();
            ASSERT_TRUE(left) << "round " << round;
            ASSERT_TRUE(Same(left->Content, small) || Same(left->Content, large)) << "round " << round;
            ++whole;
        }
    }
    EXPECT_GT(whole, 20) << "most kills came after a first write";
}

} // namespace
