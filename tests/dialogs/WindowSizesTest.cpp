#include "dialogs/AboutDlg.h"
#include "dialogs/DisplayDlg.h"
#include "dialogs/PenDlg.h"
#include "dialogs/PosDlg.h"
#include "dialogs/ScreenDlg.h"
#include "dialogs/ShapeDlg.h"
#include "engine/DXViewport.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/SaveDlg.h"
#include "shell/ProgressForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace {

struct WindowData {
    const char* name;
    std::unique_ptr<QWidget> (*make)();
    const char* caption;
    QSize clientSize;
};

template <class Window>
std::unique_ptr<QWidget> Make()
{
    return std::make_unique<Window>();
}

// The dialogs come first: the second suite below takes only those.
const WindowData kWindows[] = {
    {"AboutDlg", Make<TAboutDlg>, "O programie", {313, 206}},
    {"OpenDlg", Make<TOpenDlg>, "Otwórz zeszyt", {361, 340}},
    {"SaveDlg", Make<TSaveDlg>, "Nazwa zeszytu", {313, 208}},
    {"PenDlg", Make<TPenDlg>, "Ustawienia pisaka", {313, 212}},
    {"PosDlg", Make<TPosDlg>, "Ustawienia żółwia", {313, 406}},
    {"ScreenDlg", Make<TScreenDlg>, "Ustawienia ekranu", {313, 244}},
    {"DisplayDlg", Make<TDisplayDlg>, "Ustawienia wyświetlania", {313, 206}},
    {"ShapeDlg", Make<TShapeDlg>, "Postać", {369, 191}},
    {"ProgressForm", Make<TProgressForm>, "ProgressForm", {400, 18}},
};
const std::span<const WindowData> kDialogs(kWindows, 8);

std::string WindowName(const testing::TestParamInfo<WindowData>& info)
{
    return info.param.name;
}

class EveryWindow : public testing::TestWithParam<WindowData> {};

TEST_P(EveryWindow, HasItsCaptionAndClientSize)
{
    const auto window = GetParam().make();
    EXPECT_EQ(window->windowTitle().toStdString(), GetParam().caption);
    EXPECT_EQ(window->size(), GetParam().clientSize);
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, testing::ValuesIn(kWindows), WindowName);

class EveryDialog : public testing::TestWithParam<WindowData> {};

TEST_P(EveryDialog, IsFixedInSizeUsesTheWindowFontAndOpensCentred)
{
    const auto dialog = GetParam().make();
    EXPECT_EQ(dialog->minimumSize(), GetParam().clientSize);
    EXPECT_EQ(dialog->maximumSize(), GetParam().clientSize);
    EXPECT_EQ(dialog->font().family().toStdString(), "Liberation Sans");
    EXPECT_EQ(dialog->font().pixelSize(), 11);

    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    // Qt leaves room for a title bar it cannot see yet: up to 10 px across and 40 px up.
    const QPoint offCentre =
        dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offCentre.x()), 10);
    EXPECT_LE(std::abs(offCentre.y()), 40);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EveryDialog, testing::ValuesIn(kDialogs.begin(), kDialogs.end()),
                         WindowName);

TEST(ProgressForm, IsABorderlessBarOverAnUnusedViewport)
{
    TProgressForm form;
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);

    const auto* bar = form.findChild<QProgressBar*>("ProgressBar");
    const auto* viewport = form.findChild<TDXViewport*>("MagicDXViewport");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(viewport, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(bar->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(viewport->geometry(), QRect(160, 8, 50, 50));

    // Start-up gives the window the 3D view's width; the bar must follow and stay on top.
    form.resize(300, 18);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.size(), QSize(300, 18));
    EXPECT_EQ(bar->geometry(), form.rect());
    EXPECT_EQ(form.childAt(170, 12), bar);
}

TEST(ProgressForm, AdvancesInStepsAndStopsAtTheEnd)
{
    TProgressForm form;
    for (int step = 0; step < 6; ++step)
        form.AdvanceBy(10);
    EXPECT_EQ(form.Position(), 60);
    form.AdvanceBy(50);
    EXPECT_EQ(form.Position(), 100);
    form.AdvanceBy(-300);
    EXPECT_EQ(form.Position(), 0);
}

template <class Dialog>
class NameDialog : public testing::Test {
protected:
    Dialog dialog;
    QLineEdit* edit = dialog.template findChild<QLineEdit*>("FileName");

    // Shows the dialog as the notebook does, types into the name edit and ends with one key.
    int Answer(const QString& typed, Qt::Key key)
    {
        dialog.open();
        // Typing goes to the edit once the dialog has the focus, as it does for the child.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, key);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    }
};

using NameDialogs = testing::Types<TOpenDlg, TSaveDlg>;
TYPED_TEST_SUITE(NameDialog, NameDialogs);

TYPED_TEST(NameDialog, EnterAcceptsEscRejectsAndTheNameStays)
{
    ASSERT_NE(this->edit, nullptr);
    EXPECT_EQ(this->dialog.FileName(), "");

    EXPECT_EQ(this->Answer("Kot 1", Qt::Key_Return), QDialog::Accepted);
    EXPECT_EQ(this->dialog.FileName(), "Kot 1");

    // The edit keeps the last name, selected, so typing replaces it; a cancelled showing keeps
    // what was typed too.
    EXPECT_EQ(this->Answer("", Qt::Key_Escape), QDialog::Rejected);
    EXPECT_EQ(this->dialog.FileName(), "Kot 1");
    EXPECT_EQ(this->Answer("Pies", Qt::Key_Escape), QDialog::Rejected);
    EXPECT_EQ(this->dialog.FileName(), "Pies");

    this->dialog.SetFileName("");
    EXPECT_EQ(this->Answer("", Qt::Key_Enter), QDialog::Accepted);
    EXPECT_EQ(this->dialog.FileName(), "");
}

// The focus may leave the edit and come back before the child types: the name is still whole
// under the first key. Once the child has typed, a focus move leaves the edit as it is.
TYPED_TEST(NameDialog, TheNameStaysSelectedUntilTheChildTypes)
{
    auto* ok = this->dialog.template findChild<QPushButton*>("OkBtn");
    ASSERT_NE(ok, nullptr);
    this->dialog.SetFileName("Kot");
    this->dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&this->dialog));
    ok->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(this->edit->selectedText(), "") << "the edit drops it as the focus leaves";
    this->edit->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(this->edit->selectedText(), "Kot");

    QTest::keyClick(this->edit, Qt::Key_End);
    ok->setFocus(Qt::OtherFocusReason);
    this->edit->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(this->edit->selectedText(), "");
    this->dialog.reject();
}

TYPED_TEST(NameDialog, ButtonsAndCloseBoxGiveTheirResults)
{
    auto* ok = this->dialog.template findChild<QPushButton*>("OkBtn");
    auto* cancel = this->dialog.template findChild<QPushButton*>("CancelBtn");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(cancel->isDefault());

    const struct {
        std::function<void()> end;
        int result;
    } cases[] = {
        {[&] { QTest::mouseClick(ok, Qt::LeftButton); }, QDialog::Accepted},
        {[&] { QTest::mouseClick(cancel, Qt::LeftButton); }, QDialog::Rejected},
        {[&] { this->dialog.close(); }, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        this->dialog.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&this->dialog));
        c.end();
        EXPECT_FALSE(this->dialog.isVisible());
        EXPECT_EQ(this->dialog.result(), c.result);
    }
}

TEST(SaveDlg, ShowsTheNamingAdviceInFull)
{
    TSaveDlg dialog;
    const auto* advice = dialog.findChild<QLabel*>("Label1");
    const auto* caption = dialog.findChild<QLabel*>("Label2");
    ASSERT_NE(advice, nullptr);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(advice->text().toStdString(),
              "Podaj nazwę zeszytu. Nazwa może mieć do 64 znaków, także polskie litery i spacje. Nie "
              "może zaczynać się od kropki ani mieć znaków / i \\. Strony zeszytu będą w folderze "
              "dokumentów, w folderze Qel 3D/KARTKI.");
    EXPECT_EQ(caption->text().toStdString(), "Nazwa zeszytu");
    // Long names with spaces are welcome: the field takes the dialog's width.
    const auto* field = dialog.findChild<QLineEdit*>("FileName");
    ASSERT_NE(field, nullptr);
    EXPECT_GE(field->width(), advice->width());

    // Whatever sans font stands in for the window font, neither text may be cut off.
    EXPECT_LE(advice->heightForWidth(advice->width()), advice->height());
    EXPECT_LE(caption->sizeHint().width(), caption->width());
    EXPECT_LE(caption->sizeHint().height(), caption->height());
}

} // namespace
