#include "dialogs/AboutDlg.h"
#include "dialogs/HelpCommands.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "win/HelpViewer.h"
#include "support/CurrentFolder.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class RecordingHelpViewer final : public win::HelpViewer {
public:
    RecordingHelpViewer() { win::SetHelpViewer(this); }
    ~RecordingHelpViewer() override { win::SetHelpViewer(nullptr); }

    bool Show(const win::HelpRequest& request) override
    {
        requests.push_back(request);
        return true;
    }

    std::vector<win::HelpRequest> requests;
};

TEST(HelpCommands, EachHandlerAsksForItsFilesContents)
{
    struct Case {
        const char* handler;
        std::function<void(QWidget*)> click;
        const char* file;
    };
    // The help button shares ContHelpMenuClick with "&Wprowadzenie", the tutor button
    // TutorBtnClick with "&Nauczyciel".
    const Case cases[] = {
        {"ContHelpMenuClick", ContHelpMenuClick, "Qel.hlp"},
        {"TutorBtnClick", TutorBtnClick, "QelLess.hlp"},
    };
    QWidget mainWindow;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        RecordingHelpViewer viewer;
        c.click(&mainWindow);
        ASSERT_EQ(viewer.requests.size(), 1u);
        const win::HelpRequest& request = viewer.requests.front();
        EXPECT_EQ(request.owner, &mainWindow);
        EXPECT_EQ(request.file.toStdString(), c.file);
        EXPECT_EQ(request.command, win::HELP_CONTENTS);
        EXPECT_EQ(request.command, 3u);
        EXPECT_EQ(request.data, 0u);
    }
}

// The real viewer, run in a folder of the test's own so that relative names resolve there.
class RealHelpViewer : public testing::Test {
protected:
    QTemporaryDir folder;
    CurrentFolderGuard keep;
    QWidget mainWindow;
    ScriptedMessageBoxes boxes;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
    }

    void Write(const QString& name, const QByteArray& text)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTextBrowser* Browser() const { return mainWindow.findChild<QTextBrowser*>("HelpText"); }
};

TEST_F(RealHelpViewer, MissingFileIsReportedAndFails)
{
    for (const char* name : {"Qel.hlp", "", "nie/ma/takiego.hlp"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(win::WinHelpA(&mainWindow, name, win::HELP_CONTENTS, 0));
    }
    EXPECT_FALSE(win::WinHelpA(&mainWindow, nullptr, win::HELP_CONTENTS, 0));

    ASSERT_EQ(boxes.Shown().size(), 4u);
    const win::MessageBoxRequest& first = boxes.Shown().front();
    EXPECT_TRUE(first.text.contains(QStringLiteral("„Qel.hlp”")));
    EXPECT_EQ(first.owner, &mainWindow);
    EXPECT_EQ(first.style, win::MB_OK | win::MB_ICONEXCLAMATION);
    EXPECT_EQ(Browser(), nullptr);
}

TEST_F(RealHelpViewer, ShowsTheFileInOneWindowThatFollowsTheRequests)
{
    Write("a.hlp", "<html><head><title>Pierwsza</title></head><body><p>Żółw idzie.</p></body></html>");
    Write("b.hlp", "zwykły tekst bez tytułu");

    ASSERT_TRUE(win::WinHelpA(&mainWindow, "a.hlp", win::HELP_CONTENTS, 0));
    QTextBrowser* browser = Browser();
    ASSERT_NE(browser, nullptr);
    QWidget* window = browser->window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pierwsza"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Żółw idzie.")));

    ASSERT_TRUE(win::WinHelpA(&mainWindow, "b.hlp", win::HELP_CONTENTS, 0));
    EXPECT_EQ(Browser(), browser);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pomoc – b.hlp"));
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("zwykły tekst bez tytułu"));

    // Only the contents are offered; closing is the one other command understood.
    EXPECT_FALSE(win::WinHelpA(&mainWindow, "a.hlp", win::HELP_CONTEXT, 7));
    EXPECT_TRUE(win::WinHelpA(&mainWindow, "a.hlp", win::HELP_QUIT, 0));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RealHelpViewer, EscClosesTheHelpWindow)
{
    Write("a.hlp", "<p>Żółw idzie.</p>");
    ASSERT_TRUE(win::WinHelpA(&mainWindow, "a.hlp", win::HELP_CONTENTS, 0));
    QTextBrowser* browser = Browser();
    ASSERT_NE(browser, nullptr);
    QTest::keyClick(browser, Qt::Key_Down);
    EXPECT_TRUE(browser->window()->isVisible());
    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(browser->window()->isVisible());
}

TEST_F(RealHelpViewer, GeneratedHelpFilesOpenAsPolishPages)
{
    struct Case {
        const char* file;
        const char* title;
        std::vector<const char*> mentions;
    };
    const Case cases[] = {
        {kIntroHelpFile, "Qel 3D – wprowadzenie", {"Naprzód", "Do tyłu", "W prawo", "W lewo", "Okrąg", "Kwadrat", "Wypełnij", "Wróć"}},
        {kTutorHelpFile, "Qel 3D – Nauczyciel", {"Domek", "Kwiatek", "Kwadrat", "Okrąg"}},
    };
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(QEL_DATA_DIR)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        QFile file(QDir(QStringLiteral(QEL_DATA_DIR)).filePath(QString::fromUtf8(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(bytes);
        EXPECT_FALSE(utf8.hasError());

        ASSERT_TRUE(win::WinHelpA(&mainWindow, c.file, win::HELP_CONTENTS, 0));
        ASSERT_NE(Browser(), nullptr);
        EXPECT_EQ(Browser()->window()->windowTitle(), QString::fromUtf8(c.title));
        const QString shown = Browser()->toPlainText();
        for (const char* word : c.mentions)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(word))) << word;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

class AboutBox : public testing::Test {
protected:
    TAboutDlg dialog;

    template <class Widget>
    Widget* Find(const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Runs the about command and does `close` once the box is up; returns how it ended.
    int OpenAndClose(const std::function<void()>& close)
    {
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            close();
        });
        AboutMenuClick(dialog);
        return dialog.result();
    }
};

TEST_F(AboutBox, ShowsTheNameTheColouredPictureTheVersionAndTheLicence)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("O programie"));
    EXPECT_EQ(dialog.size(), QSize(313, 206));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));

    struct Expected {
        const char* name;
        QRect place;
    };
    const Expected expected[] = {
        {"Bevel1", {8, 8, 297, 154}},
        {"Image1", {16, 16, 100, 100}},
        {"Label1", {136, 24, 0, 0}},
        {"VersionLabel", {136, 44, 160, 16}},
        {"PurposeLabel", {136, 64, 160, 56}},
        {"LicenceLabel", {16, 124, 280, 32}},
        {"BitBtn1", {119, 172, 75, 28}},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        QWidget* widget = Find<QWidget>(e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), e.place.topLeft());
        if (!e.place.isEmpty()) {
            EXPECT_EQ(widget->size(), e.place.size());
        }
    }

    QLabel* title = Find<QLabel>("Label1");
    EXPECT_EQ(title->text(), QStringLiteral("QEL 3D"));
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pixelSize(), 13);
    EXPECT_EQ(title->font().family(), QStringLiteral("MS Sans Serif"));

    QPushButton* ok = Find<QPushButton>("BitBtn1");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());

    // The picture must come out of the resources, and in colour, unlike the greyed one in the
    // character dialog.
    const QImage picture = Find<QLabel>("Image1")->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(100, 100));
    int coloured = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            coloured += pixel.alpha() > 0 && pixel.hsvSaturation() > 100;
        }
    }
    EXPECT_GT(coloured, 1000);
    EXPECT_EQ(Find<QLabel>("VersionLabel")->text(), QStringLiteral("Wersja ") + QStringLiteral(QEL_TEST_VERSION));
    EXPECT_TRUE(Find<QLabel>("LicenceLabel")->text().contains(QStringLiteral("GPL-3.0-or-later")));
}

TEST_F(AboutBox, ClosesWithOkEnterOrItsCloseBox)
{
    struct Case {
        const char* how;
        std::function<void()> close;
        int result;
    };
    const Case cases[] = {
        {"OK button", [&] { QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton); }, QDialog::Accepted},
        {"Enter", [&] { QTest::keyClick(&dialog, Qt::Key_Return); }, QDialog::Accepted},
        {"close box", [&] { dialog.close(); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        EXPECT_EQ(OpenAndClose(c.close), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
