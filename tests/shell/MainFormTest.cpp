#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/RunProgram.h"
#include "shell/MainForm.h"
#include "shell/SpeedChoice.h"
#include "turtle/SheetColors.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"
#include "win/TickClock.h"
#include "support/CurrentFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kWhite = 15;

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest()
    {
        clock.StepEveryReading(5);
        form.StartTimer.stop(); // the tests start it by hand
        form.show();
    }

    // Closing the window asks the application to quit: let the application's own loop take
    // that request, as it does when the start timer's handler returns, so the next test starts
    // with nothing pending.
    ~MainFormTest() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        // The pump still holds that request for its next caller: the next test's main loop.
        win::PumpMessages();
    }

    Ui::TMainForm& ui() { return form.Controls(); }
    int SheetAt(int column, int row) const { return form.Sheet.Sheet().At(column, row); }

    // Triggers a menu item that asks where to save a file, answers with `path` as its Zapisz
    // button does, and gives back the name the dialog suggested.
    // `kind`: the kind of file chosen in the dialog, by its place in the list.
    static QString SaveThrough(QAction& item, const QString& path, int kind = 0)
    {
        QString suggested;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                dialog->selectNameFilter(dialog->nameFilters().value(kind));
                // Typed, as a child would: selectFile leaves the name alone once its edit has
                // the focus, which comes at a different moment on a busy machine.
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        answer.start(10);
        item.trigger();
        return suggested;
    }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

TEST_F(MainFormTest, WindowIsLaidOutAsAChildExpectsIt)
{
    EXPECT_EQ(form.windowTitle(), "Qel 3D");
    EXPECT_EQ(form.ClientArea()->size(), QSize(625, 472));
    EXPECT_EQ(ui().DXViewport->geometry(), QRect(220, 48, 400, 300));
    EXPECT_FALSE(ui().HideImage->isVisible());
    EXPECT_EQ(ui().MainToolBar->geometry(), QRect(0, 0, 625, 40));
    EXPECT_EQ(form.Teach.Row().geometry(), QRect(0, 407, 620, 46));
    EXPECT_EQ(ui().MainStatusBar->geometry(), QRect(0, 453, 625, 19));

    struct Row {
        QToolButton* button;
        QSlider* track;
        QLabel* label;
        const char* hint;
        int maximum;
        int position;
    };
    const Row rows[] = {
        {ui().ForwardBtn, ui().ForwardTrack, ui().ForwardLabel, "Naprzód", 100, 100},
        {ui().BackwardBtn, ui().BackwardTrack, ui().BackwardLabel, "Do tyłu", 100, 100},
        {ui().RightBtn, ui().RightTrack, ui().RightLabel, "W prawo", 90, 90},
        {ui().LeftBtn, ui().LeftTrack, ui().LeftLabel, "W lewo", 90, 90},
        {ui().CircleBtn, ui().CircleTrack, ui().CircleLabel, "Okrąg", 100, 50},
        {ui().SquareBtn, ui().SquareTrack, ui().SquareLabel, "Kwadrat", 100, 50},
    };
    for (int k = 0; k < 6; ++k) {
        const Row& row = rows[k];
        EXPECT_EQ(row.button->geometry(), QRect(8, 48 + 36 * k, 25, 25)) << k;
        // The hint, then the command's key.
        EXPECT_TRUE(row.button->toolTip().startsWith(QString::fromUtf8(row.hint) + " (klawisz: ")) << k;
        EXPECT_FALSE(row.button->icon().isNull()) << k;
        EXPECT_EQ(row.track->geometry(), QRect(36, 48 + 36 * k, 157, 41)) << k;
        EXPECT_EQ(row.track->maximum(), row.maximum) << k;
        EXPECT_EQ(row.track->value(), row.position) << k;
        EXPECT_EQ(row.label->text(), QString::number(row.position)) << k;
        EXPECT_EQ(row.label->y(), 56 + 36 * k) << k;
    }

    ui().RightTrack->setValue(45);
    EXPECT_EQ(ui().RightLabel->text(), "45");

    EXPECT_FALSE(ui().UndoMenu->isEnabled());
    EXPECT_FALSE(ui().DisplayMenu->isEnabled());
    EXPECT_EQ(ui().ExitMenu->text(), "&Koniec");
    EXPECT_EQ(ui().PosMenu->text(), QString::fromUtf8("Żół&w"));
    EXPECT_EQ(ui().ToolButton7->toolTip(), "Koniec");
    EXPECT_EQ(ui().Label1->text(), QString::fromUtf8("Lewy przycisk myszy w polu żółwia obraca kamerę."));

    const char* startTexts[] = {"", "? / ?", "X = ??", "Y = ??", "K = ??"};
    for (int panel = 0; panel < 5; ++panel)
        EXPECT_EQ(form.StatusText(panel), startTexts[panel]);
}

TEST_F(MainFormTest, ForwardButtonDrawsTheLineWhileTheWindowIgnoresClicks)
{
    bool clicked = false;
    bool sawDisabled = false;
    bool lineDrawn = false;
    boxes.Then(win::IDNO); // the drawing is not kept
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        if (!clicked) {
            EXPECT_EQ(form.StatusText(1), "1 / 1") << "filled at start-up, before any question";
            QTest::mouseClick(ui().ForwardBtn, Qt::LeftButton);
            clicked = true;
            return false;
        }
        if (form.Walker.Busy()) {
            if (!sawDisabled) {
                sawDisabled = true;
                EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("PanelVeil"))->isVisible());
                EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
                EXPECT_TRUE(form.DXAnimation.Play);
                const double yBefore = form.Turtle.Y;
                QTest::mouseClick(ui().BackwardBtn, Qt::LeftButton);
                EXPECT_TRUE(form.Walker.Busy());
                EXPECT_GE(form.Turtle.Y, yBefore) << "the backward click was ignored";
            }
            return false;
        }
        if (!lineDrawn) {
            EXPECT_TRUE(form.isEnabled());
            EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
            EXPECT_FALSE(form.DXAnimation.Play);
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            lineDrawn = true;
            for (int row = 28; row <= 127; ++row)
                lineDrawn = lineDrawn && SheetAt(127, row) == kBlue;
            EXPECT_EQ(SheetAt(127, 20), kWhite);
            EXPECT_EQ(std::memcmp(form.Sheet.FloorBits(), form.Sheet.Sheet().Bits(), kSheetBytes), 0);
            EXPECT_TRUE(form.Document.Modified());
            return !lineDrawn;
        }
        // The pass after the command: the character stands at the end of the line; the status
        // bar follows within 700 ms of passes.
        EXPECT_NEAR(form.DXAnimation.CharacterFrame->WorldTransform().Translation().z, 1000.0f, 1e-2);
        if (form.StatusText(3) != QStringLiteral("Y = %1").arg(static_cast<long long>(form.Turtle.Y)))
            return false;
        EXPECT_EQ(form.StatusText(1), "1 / 1");
        EXPECT_EQ(form.StatusText(2), "X = 0");
        return true;
    });
    EXPECT_TRUE(sawDisabled);
    EXPECT_TRUE(lineDrawn);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, QString::fromUtf8("Rysunki w zeszycie zostały zmienione. Czy chcesz je zachować?"))
        << "a drawing alone is a change worth asking about";
    EXPECT_FALSE(form.LoopRunning());
    EXPECT_EQ(SheetAt(127, 50), kWhite) << "shutdown releases the notebook and clears the sheet";
}

TEST_F(MainFormTest, ChosenFromTheToolBarInstantSpeedDrawsTheWholeSquareAtOnce)
{
    QAction* speed = ui().OptionsMenu->actions().at(2);
    ASSERT_TRUE(speed->menu() && speed->text() == QString::fromUtf8("&Szybkość żółwia"));
    const QWidget* last = ui().MainToolBar->widgetForAction(ui().MainToolBar->actions().last());
    const auto* button = qobject_cast<const QToolButton*>(last);
    ASSERT_TRUE(button && button->menu() == speed->menu() && button->popupMode() == QToolButton::InstantPopup);
    speed->menu()->actions().at(3)->trigger();
    QMenu options; // of a window in the next run
    QToolBar toolBar;
    TurtleSpeed remembered;
    AddSpeedChoice(remembered, options, nullptr, toolBar);
    EXPECT_EQ(remembered.Pace(), TurtlePace::Instant);

    // The clock stands still: a pass's budget is never spent, and at Normal nothing would walk.
    clock.StepEveryReading(0);
    bool clicked = false;
    int looks = 0;
    boxes.Then(win::IDNO);
    RunProgram(form, [&] {
        if (form.LoopRunning() && !clicked) {
            clicked = true;
            QTest::mouseClick(ui().SquareBtn, Qt::LeftButton);
            return false;
        }
        looks += clicked ? 1 : 0;
        return clicked && !form.Walker.Busy() && SheetAt(177, 100) == kBlue;
    });
    speed->menu()->actions().at(1)->trigger(); // the next test walks at Normal
    EXPECT_LE(looks, 2) << "the whole square within the pass after the click";
}

TEST_F(MainFormTest, ThePageGoesToTheClipboardAndIntoAFileFourTimesLarger)
{
    EXPECT_EQ(ui().SavePictureMenu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* smooth = form.findChild<QAction*>(QStringLiteral("SmoothEdgesMenu"));
    ASSERT_TRUE(smooth && smooth->isChecked()) << "smooth edges unless turned off";
    form.Sheet.FloorBits()[kSheetSize * 2 + 3] = kBlue;
    form.Sheet.FloorBits()[kSheetSize * 3 + 4] = kBlue;
    for (const bool on : {false, true}) {
        smooth->setChecked(on);
        ui().CopyPictureMenu->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        ASSERT_EQ(copied.size(), QSize(1024, 1024));
        // Sheet pixel (3, 2) is the square from (12, 8) to (15, 11), its free corner rounded off
        // with smooth edges, and the step beside it, towards (4, 3), filled in.
        EXPECT_TRUE(copied.pixel(13, 9) == SheetPalette()[kBlue] && copied.pixel(15, 11) == SheetPalette()[kBlue]);
        EXPECT_TRUE(copied.pixel(11, 8) != SheetPalette()[kBlue]);
        EXPECT_EQ(copied.pixel(12, 8) == SheetPalette()[kBlue], !on);
        EXPECT_EQ(copied.pixel(16, 10) == SheetPalette()[kBlue], on);
    }
    const QImage copied = QGuiApplication::clipboard()->image();
    const QTemporaryDir folder;
    EXPECT_EQ(SaveThrough(*ui().SavePictureMenu, folder.filePath(QStringLiteral("dom"))), "Rysunek, strona 1.png");
    const QImage saved(folder.filePath(QStringLiteral("dom.png")));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainFormTest, TheExactPageIsTheSaveDialogsSecondKindOfFile)
{
    form.Sheet.FloorBits()[kSheetSize * 2 + 3] = kBlue;
    const QTemporaryDir folder;
    SaveThrough(*ui().SavePictureMenu, folder.filePath(QStringLiteral("strona")), 1);
    const QImage exact(folder.filePath(QStringLiteral("strona.png")));
    ASSERT_EQ(exact.size(), QSize(kSheetSize, kSheetSize));
    EXPECT_EQ(exact.pixel(3, 2), SheetPalette()[kBlue]);
    EXPECT_NE(exact.pixel(4, 2), SheetPalette()[kBlue]);
}

// A house drawn, then Ctrl+Shift+E: an animated picture of how it was drawn, whose last frame is
// the page twice as large and whose file name follows the notebook's.
TEST_F(MainFormTest, TheDrawingGoesIntoAnAnimationThatEndsOnThePage)
{
    EXPECT_EQ(ui().SaveAnimationMenu->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    // The page as start-up leaves it.
    form.Sheet.ResetTurtle();
    form.Sheet.FillFloorImage(SheetBitmap::kWhite);
    form.Sheet.UpdateSheetFromFloor();
    form.Document.Start();
    form.Walker.SetDriven(true);
    for (const auto& [op, amount] : {std::pair{RecordOp::Square, 60}, {RecordOp::Forward, 60}, {RecordOp::Right, 30},
                                     {RecordOp::Forward, 60}, {RecordOp::Right, 120}, {RecordOp::Forward, 60}}) {
        ASSERT_TRUE(form.Document.Do(EntryOf(op, amount)));
        while (form.Walker.Busy())
            form.Walker.Walk(1e9);
    }
    form.Sheet.UpdateFloor();
    const QTemporaryDir folder;
    EXPECT_EQ(SaveThrough(*ui().SaveAnimationMenu, folder.filePath(QStringLiteral("dom"))), "Rysunek, strona 1.gif");
    EXPECT_TRUE(form.StatusText(0).contains(QStringLiteral("dom.gif"))) << "the status line says where it went";

    QImageReader gif(folder.filePath(QStringLiteral("dom.gif")));
    ASSERT_GT(gif.imageCount(), 10);
    QImage last;
    while (gif.canRead())
        last = gif.read();
    ASSERT_EQ(last.size(), QSize(512, 512));
    for (int row = 0; row < 512; ++row)
        for (int column = 0; column < 512; ++column)
            ASSERT_EQ(last.pixel(column, row), SheetPalette()[SheetAt(column / 2, row / 2)]) << column << ", " << row;
}

TEST_F(MainFormTest, HiddenCharacterIsLiftedOutOfViewButFollowsTheTurtle)
{
    int passesSeen = 0;
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        if (++passesSeen == 1) {
            form.Turtle.Hidden = true;
            form.Turtle.X = 12.5;
            form.Turtle.Heading = TurtleMotion::kPi / 2;
            return false;
        }
        const rm::Matrix4 character = form.DXAnimation.CharacterFrame->WorldTransform();
        EXPECT_FLOAT_EQ(character.Translation().y, 10000.0f);
        EXPECT_FLOAT_EQ(character.Translation().x, 125.0f);
        EXPECT_NEAR(character.Axis(2).x, 1.0f, 1e-6);
        // The camera stays behind the turtle: turned right, it stands to the turtle's left.
        const rm::D3DVECTOR camera = form.DXCamera.CameraFrame->WorldTransform().Translation();
        EXPECT_NEAR(camera.x, 125.0f - 2000.0f, 1e-2);
        EXPECT_NEAR(camera.z, 0.0f, 1e-2);
        return true;
    });
}

// Where a scene point shows in the 3D view: the camera frame's place and axes, a view 0.5 high
// at distance 1.
QPoint ShownAt(const rm::Frame3& camera, const QSize& view, rm::D3DVECTOR point)
{
    const rm::Matrix4 eye = camera.WorldTransform();
    const rm::D3DVECTOR d{point.x - eye.At(0, 3), point.y - eye.At(1, 3), point.z - eye.At(2, 3)};
    const float x = rm::Dot(d, eye.Axis(0)), y = rm::Dot(d, eye.Axis(1)), z = rm::Dot(d, eye.Axis(2));
    const auto width = static_cast<float>(view.width()), height = static_cast<float>(view.height());
    const float across = 0.5f * width / height;
    return {static_cast<int>((x / z / across + 1.0f) / 2.0f * width),
            static_cast<int>((1.0f - y / z / 0.5f) / 2.0f * height)};
}

// The floor point under the middle of a sheet pixel.
rm::D3DVECTOR FloorPoint(QPoint pixel)
{
    return {10.0f * (static_cast<float>(pixel.x() - 127) + 0.5f), 0.0f, 10.0f * (static_cast<float>(127 - pixel.y()) - 0.5f)};
}

TEST_F(MainFormTest, TheFloorShowsEachSheetPixelInItsOwnColourUnderItsTurtlePoint)
{
    struct Mark {
        int column, row;
        std::uint8_t colour;
    };
    const Mark marks[] = {{127, 127, 9}, {100, 100, 10}, {150, 110, 11}, {127, 160, 13}, {90, 140, 4}, {170, 150, 6}};
    int passes = 0;
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        if (passes++ == 0) {
            SheetCanvas& canvas = form.Sheet.Canvas();
            for (const Mark& mark : marks) {
                canvas.SetBrushColor(mark.colour);
                canvas.FillRect(QRect(mark.column - 3, mark.row - 3, 7, 7));
            }
            form.Turtle.Hidden = true; // the character would stand on the middle mark
            form.Sheet.UpdateFloor();
            return false;
        }
        if (passes < 5)
            return false;
        // What the 3D view drew itself, whatever covers the window on the display.
        auto* view = form.DXCore.RenderForm->findChild<QOpenGLWidget*>();
        if (!view) {
            ADD_FAILURE() << "no 3D view";
            return true;
        }
        const QImage shown = view->grabFramebuffer();
        for (const Mark& mark : marks) {
            const QPoint at = ShownAt(*form.DXCamera.CameraFrame, view->size(), FloorPoint({mark.column, mark.row}));
            EXPECT_EQ(QColor(shown.pixel(at)), QColor(SheetPalette()[mark.colour]))
                << "sheet pixel " << mark.column << ", " << mark.row;
        }
        return true;
    });
}

TEST_F(MainFormTest, AQuitRequestEndsTheLoopLikeAClose)
{
    bool posted = false;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (form.LoopRunning() && !posted) {
            win::PostQuitMessage(0);
            posted = true;
        }
    });
    tick.start(1);
    form.StartTimerTimer();
    EXPECT_TRUE(posted);
    EXPECT_FALSE(form.LoopRunning());
    EXPECT_FALSE(form.DXCore.Ready) << "shutdown ran";
}

struct WindowSize {
    const char* name;
    QSize client; // the client area under the menu bar
};

class ViewSize : public MainFormTest, public ::testing::WithParamInterface<WindowSize> {
protected:
    void GrowTo(QSize client)
    {
        form.resize(form.size() + client - form.ClientArea()->size());
        QTRY_COMPARE(form.ClientArea()->size(), client);
    }
};

// The view takes every pixel the window gains, drawn at its size; the panel stays, the status
// bar and the hints stay under the view. A thin line across the far half of the sheet, seen from
// the start camera, shows whole: no stretch of it falls between the texels the pixels hit.
TEST_P(ViewSize, TheViewTakesTheRoomTheWindowGainsAndAThinLineOnItHasNoGap)
{
    const QSize client = GetParam().client;
    const QRect forward = ui().ForwardBtn->geometry();
    GrowTo(client);
    const QSize gained = client - QSize(625, 472);
    EXPECT_EQ(ui().DXViewport->geometry(), QRect(220, 48, 400 + gained.width(), 300 + gained.height()));
    EXPECT_EQ(ui().ForwardBtn->geometry(), forward);
    EXPECT_EQ(ui().MainStatusBar->geometry(), QRect(0, client.height() - 19, client.width(), 19));
    EXPECT_EQ(ui().Label2->geometry().bottom() + 1, form.Teach.Row().y() - 18);
    EXPECT_EQ(form.Teach.Row().geometry().bottom() + 1, ui().MainStatusBar->y());
    EXPECT_EQ(ui().MainToolBar->width(), client.width());

    const struct {
        QPoint from, to;
    } lines[] = {{{20, 30}, {235, 38}}, {{30, 90}, {225, 84}}, {{60, 10}, {200, 20}}};
    int passes = 0;
    boxes.Then(win::IDNO);
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        if (passes++ == 0) {
            SheetCanvas& canvas = form.Sheet.Canvas();
            canvas.SetPenColor(0);
            canvas.SetPenWidth(1);
            for (const auto& line : lines) {
                canvas.MoveTo(line.from.x(), line.from.y());
                canvas.LineTo(line.to.x(), line.to.y());
            }
            form.Sheet.UpdateFloor();
            form.Sheet.RestFloor(); // at rest, as after a walk
            return false;
        }
        auto* view = form.DXCore.RenderForm->findChild<QOpenGLWidget*>();
        if (passes < 5 || !view || view->size() != ui().DXViewport->size())
            return false;
        EXPECT_EQ(form.DXCore.RenderForm->geometry(), ui().DXViewport->geometry());
        const QImage shown = view->grabFramebuffer();
        const int scale = qRound(view->devicePixelRatio());
        EXPECT_EQ(shown.size(), view->size() * scale);
        for (const auto& line : lines) {
            const QPoint from = ShownAt(*form.DXCamera.CameraFrame, view->size(), FloorPoint(line.from)) * scale;
            const QPoint to = ShownAt(*form.DXCamera.CameraFrame, view->size(), FloorPoint(line.to)) * scale;
            // Along the line, away from its ends, no two columns side by side lack a pixel
            // clearly darker than the white sheet: where its pixels step a row, they may touch
            // at their corners only.
            int gaps = 0;
            int light = 0;
            for (int x = from.x() + 3; x <= to.x() - 3; ++x) {
                const double y = from.y() + (to.y() - from.y()) * (x - from.x()) / double(to.x() - from.x());
                int darkest = 255;
                for (int dy = -3; dy <= 3; ++dy)
                    darkest = std::min(darkest, qGray(shown.pixel(x, qRound(y) + dy)));
                light = darkest > 200 ? light + 1 : 0;
                gaps += light == 2 ? 1 : 0;
            }
            EXPECT_EQ(gaps, 0) << "line from " << line.from.x() << "," << line.from.y() << " in a " << shown.width()
                               << " x " << shown.height() << " view";
        }
        return true;
    });
}

INSTANTIATE_TEST_SUITE_P(Window, ViewSize,
                         ::testing::Values(WindowSize{"Default", {625, 472}}, WindowSize{"Large", {1280, 980}}),
                         [](const auto& test) { return std::string(test.param.name); });

struct MissingFile {
    const char* present; // the data file copied into the working folder
    const char* message;
};

class MissingDataFile : public MainFormTest, public ::testing::WithParamInterface<MissingFile> {};

TEST_P(MissingDataFile, StopsStartUpWithItsMessageAndLeavesCommandsInert)
{
    QTemporaryDir folder;
    if (*GetParam().present) {
        ASSERT_TRUE(QFile::copy(GetParam().present, folder.filePath(GetParam().present)));
    }
    {
        CurrentFolderGuard keep;
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        form.StartTimerTimer();
    }

    ASSERT_EQ(boxes.Shown().size(), 1u);
    const win::MessageBoxRequest& box = boxes.Shown().front();
    EXPECT_EQ(box.text, GetParam().message);
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.style, win::MB_OK | win::MB_ICONSTOP);
    EXPECT_EQ(box.language, 0x2415);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(form.DXCore.Ready) << "the engine stays created";

    // With no main loop a command could never end: the buttons do nothing.
    QTest::mouseClick(ui().ForwardBtn, Qt::LeftButton);
    EXPECT_FALSE(form.Walker.Busy());
    EXPECT_TRUE(form.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(StartUp, MissingDataFile,
                         ::testing::Values(MissingFile{"", "Can't find 00.x"},
                                           MissingFile{"00.x", "Can't find AniMesh.jx"}));

} // namespace
