#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/OwnCommandDlg.h"
#include "shell/RunProgram.h"
#include "shell/TeachBar.h"
#include "storage/OwnCommandCodec.h"
#include "teach/OwnCommandStore.h"
#include "win/WholeFile.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"
#include "support/WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <map>

namespace {

// The program in a display of its own, so that its window keeps the keyboard.
class TeachWindowTest : public ::testing::Test {
protected:
    TeachWindowTest()
    {
        clock.StepEveryReading(5);
        boxes.SetDefaultAnswer(win::IDNO);
        form.StartTimer.stop();
        form.show();
        form.Teach.Commands().Replace({});
    }
    ~TeachWindowTest() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        win::PumpMessages();
    }

    bool Activated() { return TakeKeyboard(form); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { PressKey(form, key, modifiers); }
    template <class T>
    T* Child(const char* name)
    {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    // The name dialog, answered once it is open: each name in turn until one is taken.
    void AnswerNameDialog(QStringList names)
    {
        QTimer::singleShot(0, [names] {
            auto* dialog = qobject_cast<OwnCommandDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const QString& name : names) {
                dialog->findChild<QLineEdit*>(QStringLiteral("OwnNameEdit"))->setText(name);
                dialog->accept();
            }
        });
    }
    QString LastBox() const { return boxes.Shown().empty() ? QString() : boxes.Shown().back().text; }

    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
};

TEST_F(TeachWindowTest, TeachingBokByShowingThenKeyOneRunsItAsOneStep)
{
    enum Stage { Starting, Forward, Turn, Taught, Running, Ran } stage = Starting;
    const double quarter = std::acos(0.0);
    RunProgram(form, [&] {
        if (!form.LoopRunning() || form.Walker.Busy())
            return false;
        auto* bar = Child<TeachBar>("TeachBar");
        auto* button = Child<QToolButton>("OwnCommandBtn1");
        switch (stage) {
        case Starting:
            if (!Activated())
                return false;
            EXPECT_FALSE(button->isVisible());
            Press(Qt::Key_N);
            EXPECT_TRUE(bar->isVisible());
            EXPECT_EQ(bar->Text(), QStringLiteral("Uczę żółwia: 0 poleceń"));
            QTest::mouseClick(Child<QPushButton>("TeachDoneBtn"), Qt::LeftButton);
            EXPECT_TRUE(LastBox().contains(QStringLiteral("żadnego polecenia"))) << LastBox().toStdString();
            EXPECT_TRUE(bar->isVisible()) << "teaching goes on";
            EXPECT_FALSE(form.close()) << "answered: not now";
            EXPECT_TRUE(LastBox().contains(QStringLiteral("Żółw jeszcze się uczy"))) << LastBox().toStdString();
            EXPECT_TRUE(bar->isVisible());
            Press(Qt::Key_Up);
            stage = Forward;
            return false;
        case Forward:
            EXPECT_EQ(bar->Text(), QStringLiteral("Uczę żółwia: 1 polecenie"));
            Press(Qt::Key_Right);
            stage = Turn;
            return false;
        case Turn: {
            EXPECT_EQ(bar->Text(), QStringLiteral("Uczę żółwia: 2 polecenia"));
            const std::size_t boxesBefore = boxes.Shown().size();
            AnswerNameDialog({QStringLiteral("Naprzód"), QStringLiteral("Bok")});
            QTest::mouseClick(Child<QPushButton>("TeachDoneBtn"), Qt::LeftButton);
            EXPECT_EQ(boxes.Shown().size(), boxesBefore + 1);
            EXPECT_TRUE(LastBox().contains(QStringLiteral("przycisk żółwia"))) << LastBox().toStdString();
            EXPECT_FALSE(bar->isVisible());
            stage = Taught;
            return false;
        }
        case Taught:
            form.Loop.Speed().SetPace(TurtlePace::Fast);
            EXPECT_TRUE(button->isVisible());
            EXPECT_EQ(button->text(), QStringLiteral("Bok")) << "the name under the picture";
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            EXPECT_EQ(button->accessibleName(), QStringLiteral("Moje polecenie Bok, 1 raz"));
            Child<QSlider>("OwnCommandTrack1")->setValue(4);
            EXPECT_EQ(button->accessibleName(), QStringLiteral("Moje polecenie Bok, 4 razy"));
            EXPECT_TRUE(button->toolTip().contains(QStringLiteral("Naprzód 100, W prawo 90")));
            Press(Qt::Key_1);
            stage = Running;
            return false;
        case Running:
            // Four sides of a square, back where it began and a whole turn further.
            EXPECT_NEAR(form.Turtle.X, 0.0, 1e-9);
            EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
            EXPECT_NEAR(form.Turtle.Heading, 5 * quarter, 1e-9);
            Press(Qt::Key_Z, Qt::ControlModifier);
            EXPECT_NEAR(form.Turtle.Heading, quarter, 1e-9) << "one step took the whole run back";
            EXPECT_TRUE(form.Document.CanUndo()) << "the taught steps stay";
            // The command run last is renamed from the Edit menu, with a button that says so.
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<OwnCommandDlg*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                EXPECT_EQ(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(),
                          QStringLiteral("Zmień nazwę"));
                dialog->findChild<QLineEdit*>(QStringLiteral("OwnNameEdit"))->setText(QStringLiteral("Ramka"));
                dialog->accept();
            });
            form.findChild<QAction*>(QStringLiteral("ChosenCommand0"))->trigger();
            EXPECT_EQ(button->text(), QStringLiteral("Ramka"));
            stage = Ran;
            return true;
        case Ran: return true;
        }
        return true;
    });
    EXPECT_EQ(stage, Ran);
}

OwnCommandPtr Side(const QString& name)
{
    auto command = std::make_shared<OwnCommand>();
    command->Name = name;
    command->Steps = DrawingRecord::Of({EntryOf(RecordOp::Forward, 30), EntryOf(RecordOp::Right, 90)});
    return command;
}

// The remembered row: `good` commands that read, then `bad` ones that do not.
QByteArray RowFile(int good, int bad)
{
    QJsonArray commands;
    for (int i = 0; i < good; ++i)
        commands.append(EncodeOwnCommand(*Side(QStringLiteral("Bok%1").arg(QChar(u'A' + i)))));
    for (int i = 0; i < bad; ++i) {
        QJsonObject broken = EncodeOwnCommand(*Side(QStringLiteral("Zly%1").arg(QChar(u'A' + i))));
        broken.insert(QStringLiteral("steps"), QStringLiteral("////"));
        commands.append(broken);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("ownCommands"), commands}}).toJson();
}

void Plant(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Starts the program over the remembered row as it stands, and tells what the row then shows.
std::size_t StartWithRow()
{
    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
    form.StartTimer.stop();
    return form.Teach.Commands().Size();
}

// One row per way the remembered row is found: what the program shows, what it writes back at
// once, and what it sets aside, where, never deleting a copy set aside before.
TEST(RememberedRow, WhatReadIsWrittenBackAtOnceAndWhatDidNotIsSetAsideUnderANewNumber)
{
    const QString path = OwnCommandsPath();
    const QString folder = QFileInfo(path).absolutePath();
    const struct {
        const char* name;
        int good, bad;
        std::size_t shown;
        const char* aside; // the file the whole row goes to, or none
    } cases[] = {
        {"three good, one bad", 3, 1, 3, "polecenia (uszkodzone).json"},
        {"the next damaged row", 2, 1, 2, "polecenia (uszkodzone 2).json"},
        {"eight good: two past the row", 8, 0, 6, "polecenia (uszkodzone 3).json"},
        {"six good", 6, 0, 6, nullptr},
    };
    std::map<QString, QByteArray> setAside;
    for (const auto& c : cases) {
        const QByteArray planted = RowFile(c.good, c.bad);
        Plant(path, planted);
        EXPECT_EQ(StartWithRow(), c.shown) << c.name;
        if (c.aside)
            setAside[QDir(folder).filePath(QString::fromUtf8(c.aside))] = planted;
        for (const auto& [file, bytes] : setAside)
            EXPECT_EQ(Bytes(file), bytes) << c.name << ": " << file.toStdString() << " kept whole";
        // What read is on disk already: the next start shows it, whatever happens before.
        const KeptCommands written = ReadOwnCommands(path);
        EXPECT_FALSE(written.Damaged) << c.name;
        EXPECT_EQ(written.Commands.size(), c.shown) << c.name;
        EXPECT_EQ(StartWithRow(), c.shown) << c.name << ", started again";
    }
}

TEST(RememberedRow, AFullDataFolderLeavesTheRowAsItWasAndSaysWhy)
{
    const QString path = OwnCommandsPath();
    const QByteArray planted = RowFile(2, 0);
    Plant(path, planted);
    ManualClock clock;
    ScriptedMessageBoxes boxes;
    TMainForm form;
    form.StartTimer.stop();
    form.show();
    win::PlantWriteFault(win::WriteFault{.RoomBytes = 100});
    // What opening a notebook with own commands does to the row.
    form.Teach.Commands().Merge({Side(QStringLiteral("Nowy"))});
    win::PlantWriteFault(std::nullopt);
    EXPECT_EQ(Bytes(path), planted) << "the row on disk is as it was";
    const QString said = form.StatusText(0);
    EXPECT_TRUE(said.contains(win::WriteErrorText(ENOSPC))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("bez zmian"))) << said.toStdString();
    for (const QString& name : QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden))
        EXPECT_FALSE(win::WholeFile::IsTemporaryName(name)) << name.toStdString();
}

} // namespace
