#include "fakes/DocumentRig.h"
#include "storage/ImageDelta.h"
#include "notebook/NotebookDocument.h"
#include "notebook/NotebookPrompts.h"
#include "notebook/RecoveryKeeper.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleSheet.h"
#include "win/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <vector>

namespace {

using Picture = std::vector<std::uint8_t>;

// Pictures a difference must carry exactly, from nothing changed to noise.
struct PicturePair {
    const char* name;
    void (*change)(Picture&);
    std::size_t mostBytes; // what the difference may keep at most
};

const PicturePair kPicturePairs[] = {
    {"nothing", [](Picture&) {}, 0},
    {"first byte", [](Picture& p) { p.front() ^= 1; }, 8},
    {"last byte", [](Picture& p) { p.back() = 0; }, 8},
    {"a line two wide",
     [](Picture& p) {
         for (int row = 27; row < 128; ++row)
             p[static_cast<std::size_t>(row * kSheetSize + 127)] = p[static_cast<std::size_t>(row * kSheetSize + 128)] = 12;
     },
     1000},
    // What a line redrawn in other steps differs by: single pixels along it, three bytes each.
    {"single pixels down a slant",
     [](Picture& p) {
         for (int row = 20; row < 120; ++row)
             p[static_cast<std::size_t>(row * kSheetSize + row)] ^= 7;
     },
     410},
    {"a filled half", [](Picture& p) { std::fill(p.begin(), p.begin() + kSheetBytes / 2, std::uint8_t{4}); }, 200},
    {"short runs and single bytes",
     [](Picture& p) {
         for (std::size_t i = 0; i < 4000; i += 7)
             p[i] = static_cast<std::uint8_t>(i % 3 == 0 ? 1 : 9);
     },
     4000},
    {"noise",
     [](Picture& p) {
         std::mt19937 random(7);
         for (auto& byte : p)
             byte = static_cast<std::uint8_t>(random());
     },
     kSheetBytes + kSheetBytes / 64},
};

void PrintTo(const PicturePair& pair, std::ostream* out)
{
    *out << pair.name;
}

class ImageDeltaTest : public ::testing::TestWithParam<PicturePair> {};

TEST_P(ImageDeltaTest, TakesEitherPictureToTheOtherAndStaysSmall)
{
    Picture from(kSheetBytes, SheetBitmap::kWhite);
    for (std::size_t i = 0; i < from.size(); i += 1000)
        from[i] = 3; // something drawn before
    Picture to = from;
    GetParam().change(to);

    const ImageDelta delta = ImageDelta::Between(from.data(), to.data(), kSheetBytes);
    EXPECT_EQ(delta.Empty(), from == to);
    EXPECT_LE(delta.Bytes(), GetParam().mostBytes);
    Picture forth = from;
    delta.ApplyTo(forth.data());
    EXPECT_TRUE(forth == to);
    Picture back = to;
    delta.ApplyTo(back.data());
    EXPECT_TRUE(back == from);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ImageDeltaTest, ::testing::ValuesIn(kPicturePairs),
                         [](const auto& instance) {
                             std::string name = instance.param.name;
                             std::ranges::replace(name, ' ', '_');
                             return name;
                         });

// Everything an undo must bring back: every page's picture and turtle, which page is in front,
// and what the sheet, the floor and the panel show.
struct Notebookshot {
    std::vector<Picture> pictures;
    std::vector<TTurtleState> turtles;
    int current = 0;
    Picture sheet;
    Picture floor;
    QString penColor, bgColor, penWidth;
    bool penDown = false, characterShown = false;
    std::uint8_t penIndex = 0;
    int penWidthOnSheet = 0;
    bool operator==(const Notebookshot&) const = default;
};

// Answers the document's questions from a script: every name dialog gets `name`.
struct ScriptedPrompts final : NotebookPrompts {
    std::deque<int> saveAnswers;
    QString name = QStringLiteral("zeszyt");
    int questions = 0;
    int saveOverOtherCopy = win::IDCANCEL;
    std::vector<QString> refusals;
    int AskToSave() override
    {
        ++questions;
        const int answer = saveAnswers.empty() ? win::IDCANCEL : saveAnswers.front();
        if (!saveAnswers.empty())
            saveAnswers.pop_front();
        return answer;
    }
    bool AskName(NameQuestion, QString& typed) override
    {
        typed = name;
        return true;
    }
    int AskToReplace(const QString&, bool) override { return win::IDYES; }
    int AskToSaveOverOtherCopy(const QString&) override
    {
        ++questions;
        return saveOverOtherCopy;
    }
    void ShowRefusal(const QString& text) override { refusals.push_back(text); }
};

class NotebookDocumentTest : public ::testing::Test, public DocumentRig<ScriptedPrompts> {
public:
    using DocumentRig::Run;
    void Run(RecordOp op, int amount) { Run(EntryOf(op, amount)); }

    // Three pages with drawings of their own; the middle one in front, its turtle moved and turned.
    void DrawThreePages()
    {
        Run(RecordOp::Forward, 30);
        document.NewPage(false);
        sheet.SetPenColor(9);
        Run(RecordOp::Circle, 20);
        document.NewPage(false);
        Run(RecordOp::Backward, 50);
        document.TurnPage(false);
        Run(RecordOp::Right, 45);
        Run(RecordOp::Forward, 40);
        // The turtle stands off its lines.
        sheet.SetPenDown(false);
        Run(RecordOp::Forward, 10);
        sheet.SetPenDown(true);
    }

    Notebookshot Take()
    {
        const Notebook& notebook = document.Pages();
        Notebookshot shot;
        for (int i = 0; i < notebook.PageCount(); ++i) {
            shot.pictures.emplace_back(notebook.ImageOf(i), notebook.ImageOf(i) + kSheetBytes);
            shot.turtles.push_back(notebook.TurtleOf(i));
        }
        shot.current = notebook.CurrentPage();
        shot.sheet.assign(sheet.Sheet().Bits(), sheet.Sheet().Bits() + kSheetBytes);
        shot.floor.assign(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes);
        shot.penColor = panel.penColorLabel;
        shot.bgColor = panel.bgColorLabel;
        shot.penWidth = panel.penWidthLabel;
        shot.penDown = panel.penDown;
        shot.characterShown = panel.characterShown;
        shot.penIndex = sheet.Canvas().PenColor();
        shot.penWidthOnSheet = sheet.Canvas().PenWidth();
        return shot;
    }

    // Takes one step back or forth, showing its page first when it is on another one.
    HistoryMove Step(HistoryMove (NotebookDocument::*move)())
    {
        const HistoryMove first = (document.*move)();
        return first == HistoryMove::ShowedPage ? (document.*move)() : first;
    }

};

// One action of the child; `step` when it changes the drawings or where a turtle stands, so that
// it can be taken back and leaves something to save.
struct Action {
    const char* name;
    void (*act)(NotebookDocumentTest&);
    bool step;
};

void PrintTo(const Action& action, std::ostream* out)
{
    *out << action.name;
}

class DocumentAction : public NotebookDocumentTest, public ::testing::WithParamInterface<Action> {
public:
    static void Fill(NotebookDocumentTest& t)
    {
        t.document.Do(EntryOf(RecordOp::Fill));
    }
    static void Background(NotebookDocumentTest& t)
    {
        QTemporaryDir folder;
        QImage picture(100, 50, QImage::Format_RGB32);
        picture.fill(qRgb(250, 0, 0));
        const QString path = folder.filePath("tlo.bmp");
        ASSERT_TRUE(picture.save(path, "BMP"));
        t.document.Edit([&] { ASSERT_TRUE(t.sheet.LoadBackground(path)); });
    }
};

const Action kActions[] = {
    {"forward", [](NotebookDocumentTest& t) { t.Run(RecordOp::Forward, 60); }, true},
    {"backward", [](NotebookDocumentTest& t) { t.Run(RecordOp::Backward, 20); }, true},
    {"left", [](NotebookDocumentTest& t) { t.Run(RecordOp::Left, 30); }, true},
    {"circle", [](NotebookDocumentTest& t) { t.Run(RecordOp::Circle, 35); }, true},
    {"square", [](NotebookDocumentTest& t) { t.Run(RecordOp::Square, 25); }, true},
    {"fill", &DocumentAction::Fill, true},
    {"clear_on_a_new_background",
     [](NotebookDocumentTest& t) { t.document.Do(EntryOf(RecordOp::Background, 11)); }, true},
    {"home_after_a_move",
     [](NotebookDocumentTest& t) { t.document.Do(EntryOf(RecordOp::Home)); }, true},
    {"background_picture", &DocumentAction::Background, true},
    {"add_page_behind", [](NotebookDocumentTest& t) { ASSERT_EQ(t.document.NewPage(false), PageResult::Done); }, true},
    {"add_page_in_front", [](NotebookDocumentTest& t) { ASSERT_EQ(t.document.NewPage(true), PageResult::Done); }, true},
    {"delete_page", [](NotebookDocumentTest& t) { ASSERT_EQ(t.document.DeletePage(), PageResult::Done); }, true},
    // The child's tools, and turning the pages, are no steps.
    {"pen_colour", [](NotebookDocumentTest& t) { t.sheet.SetPenColor(2); }, false},
    {"pen_width", [](NotebookDocumentTest& t) { t.sheet.SetPenWidth(7); }, false},
    {"pen_up", [](NotebookDocumentTest& t) { t.sheet.SetPenDown(false); }, false},
    {"next_page", [](NotebookDocumentTest& t) { t.document.TurnPage(true); }, false},
    {"a_dialog_cancelled", [](NotebookDocumentTest& t) { t.document.Edit([] {}); }, false},
};

TEST_P(DocumentAction, AStepIsUnsavedUntilTakenBackAndBringsBackExactlyWhatWasThere)
{
    DrawThreePages();
    ASSERT_EQ(document.SaveAs(), win::IDOK);
    ASSERT_FALSE(document.Modified());
    const bool hadSteps = document.CanUndo();
    const Notebookshot before = Take();
    GetParam().act(*this);
    const Notebookshot after = Take();
    EXPECT_TRUE(floor.resting) << "a picture shown at rest is told it rests, so that its smooth edges follow";
    EXPECT_EQ(document.Modified(), GetParam().step);
    if (!GetParam().step) {
        EXPECT_FALSE(document.CanRedo());
        return;
    }
    ASSERT_TRUE(hadSteps);
    ASSERT_FALSE(after == before) << "the action changes something";
    ASSERT_EQ(Step(&NotebookDocument::Undo), HistoryMove::Done);
    EXPECT_TRUE(Take() == before);
    EXPECT_TRUE(floor.resting);
    EXPECT_FALSE(document.Modified()) << "back where it was saved";
    ASSERT_EQ(Step(&NotebookDocument::Redo), HistoryMove::Done);
    EXPECT_TRUE(Take() == after);
    EXPECT_TRUE(document.Modified());
    ASSERT_EQ(Step(&NotebookDocument::Undo), HistoryMove::Done);
    EXPECT_TRUE(Take() == before) << "the second time too";
}

INSTANTIATE_TEST_SUITE_P(Actions, DocumentAction, ::testing::ValuesIn(kActions),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(NotebookDocumentTest, KeepsTheLast32StepsOfMoreAndTheToolsAsLastChosen)
{
    std::vector<TTurtleState> places;
    for (int i = 0; i < 33; ++i) {
        places.push_back(turtle);
        Run(RecordOp::Right, 10);
        Run(RecordOp::Forward, 3);
    }
    sheet.SetPenColor(4);
    int undone = 0;
    while (document.Undo() == HistoryMove::Done)
        ++undone;
    EXPECT_EQ(undone, 32);
    EXPECT_TRUE(SamePlace(turtle, places[17])) << "the first steps fell out";
    EXPECT_EQ(turtle.PenColor, 4);
    EXPECT_TRUE(document.Modified());
    int redone = 0;
    while (document.Redo() == HistoryMove::Done)
        ++redone;
    EXPECT_EQ(redone, 32);
}

TEST_F(NotebookDocumentTest, ANewStepAfterUndoDropsTheRedoStepsButAnEditThatChangedNothingKeepsThem)
{
    Run(RecordOp::Forward, 40);
    Run(RecordOp::Right, 90);
    ASSERT_EQ(document.Undo(), HistoryMove::Done);
    document.Edit([] {});
    EXPECT_TRUE(document.CanRedo());
    Run(RecordOp::Left, 10);
    EXPECT_FALSE(document.CanRedo());
    EXPECT_EQ(document.Redo(), HistoryMove::Nothing);
}

TEST_F(NotebookDocumentTest, AStepOnAnotherPageIsShownBeforeItIsTakenBack)
{
    DrawThreePages();
    const Notebookshot before = Take();
    Run(RecordOp::Circle, 30);
    const Notebookshot drawn = Take();
    document.TurnPage(true);
    const Notebookshot elsewhere = Take();
    ASSERT_EQ(document.Undo(), HistoryMove::ShowedPage);
    EXPECT_EQ(document.Pages().CurrentPage(), 1);
    EXPECT_TRUE(Take().pictures == elsewhere.pictures) << "nothing changed yet";
    ASSERT_EQ(document.Undo(), HistoryMove::Done);
    EXPECT_TRUE(Take() == before);
    ASSERT_EQ(document.Redo(), HistoryMove::Done);
    EXPECT_TRUE(Take() == drawn);
}

TEST_F(NotebookDocumentTest, ADeletedPageComesBackWithItsRecordAndNoUndoTakesAWalkApart)
{
    DrawThreePages();
    const std::vector<std::uint8_t> record = document.Pages().RecordOf(1).Bytes();
    ASSERT_EQ(document.DeletePage(), PageResult::Done);
    ASSERT_EQ(document.Undo(), HistoryMove::Done);
    EXPECT_EQ(document.Pages().RecordOf(1).Bytes(), record);

    // The turtle dialog is told as a place, to the last bit.
    document.Edit([&] { turtle.X = -1.0 / 3; }, RecordOp::Place);
    const DrawingRecord& placed = document.Pages().RecordOf(1);
    EXPECT_EQ(placed.HeadAt(placed.Size() - 1).Op, RecordOp::Place);
    EXPECT_EQ(placed.HeadAt(placed.Size() - 1).X, -1.0 / 3);
    ASSERT_EQ(document.Undo(), HistoryMove::Done);

    ASSERT_TRUE(document.Do(EntryOf(RecordOp::Forward, 50)));
    walker.Walk(500);
    EXPECT_EQ(document.Undo(), HistoryMove::Nothing) << "while the turtle walks";
    walker.Walk(5000);
    EXPECT_EQ(document.Undo(), HistoryMove::Done);
    EXPECT_EQ(document.Pages().RecordOf(1).Bytes(), record);
}

TEST_F(NotebookDocumentTest, ACommandIsOneStepHoweverFarItGot)
{
    ASSERT_TRUE(document.Do(EntryOf(RecordOp::Square, 60)));
    for (int pass = 0; pass < 40; ++pass)
        walker.Walk(100); // two sides and a bit
    ASSERT_TRUE(walker.Busy());
    EXPECT_TRUE(document.Modified()) << "while it walks";
    walker.Stop();
    ASSERT_EQ(document.Undo(), HistoryMove::Done);
    EXPECT_EQ(turtle.X, 0.0);
    EXPECT_EQ(turtle.Y, 0.0);
    EXPECT_EQ(turtle.Heading, 0.0);
    const Picture white(kSheetBytes, SheetBitmap::kWhite);
    EXPECT_TRUE(Picture(sheet.Sheet().Bits(), sheet.Sheet().Bits() + kSheetBytes) == white);
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.Modified());
}

TEST_F(NotebookDocumentTest, StepsThatUndoEachOtherLeaveNothingToSave)
{
    sheet.SetPenDown(false);
    Run(RecordOp::Forward, 40);
    EXPECT_TRUE(document.Modified());
    Run(RecordOp::Backward, 40);
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.CanUndo());
}

TEST_F(NotebookDocumentTest, NewAndOpenAskFirstAndStartFromWhatIsOnDisk)
{
    Run(RecordOp::Circle, 30); // a drawing of circles only
    prompts.saveAnswers = {win::IDYES};
    ASSERT_EQ(document.New(), win::IDOK);
    EXPECT_EQ(prompts.questions, 1);
    EXPECT_TRUE(document.Name().isEmpty());
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.CanUndo());

    ASSERT_EQ(document.Open(), win::IDOK);
    EXPECT_EQ(prompts.questions, 1) << "nothing to ask about";
    EXPECT_EQ(document.Name(), QStringLiteral("zeszyt"));
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.CanUndo());
    EXPECT_EQ(sheet.Sheet().At(127, 97), 12) << "the circle came back";

    // No to the question, then the open is cancelled: the drawing is still there, still unsaved.
    Run(RecordOp::Forward, 10);
    prompts.saveAnswers = {win::IDNO};
    prompts.name = QStringLiteral("brak");
    EXPECT_NE(document.Open(), win::IDOK);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.Name(), QStringLiteral("zeszyt"));
}

TEST_F(NotebookDocumentTest, NamesAreTrimmedAndLongOnesRefusedUntilAGoodOneComes)
{
    struct LongFirst final : NotebookPrompts {
        std::vector<QString> typed{QString(65, QChar(u'ż')), QStringLiteral("a/b"), QStringLiteral("  Dom  ")};
        std::vector<QString> seen;
        int refusals = 0;
        int AskToSave() override { return win::IDNO; }
        bool AskName(NameQuestion, QString& name) override
        {
            seen.push_back(name);
            name = typed[seen.size() - 1];
            return true;
        }
        int AskToReplace(const QString&, bool) override { return win::IDYES; }
        int AskToSaveOverOtherCopy(const QString&) override { return win::IDYES; }
        void ShowRefusal(const QString&) override { ++refusals; }
    } answers;
    NotebookDocument named(sheet, walker, answers);
    named.Start();
    ASSERT_EQ(named.SaveAs(), win::IDOK);
    EXPECT_EQ(answers.refusals, 2);
    EXPECT_EQ(answers.seen[1], answers.typed[0]) << "the dialog comes back with the text";
    EXPECT_EQ(named.Name(), QStringLiteral("Dom"));
    answers.typed.push_back(QStringLiteral("Dom"));
    ASSERT_EQ(named.SaveAs(), win::IDOK);
    EXPECT_EQ(answers.seen[3], QStringLiteral("Dom")) << "save as starts from the present name";
}

TEST_F(NotebookDocumentTest, ASaveOverAnotherCopysSaveAsksFirstAndALostPageOpensBlankAndUnsaved)
{
    ASSERT_EQ(document.SaveAs(), win::IDOK);
    // Another copy of the program saves two pages under the same name.
    NotebookContent other;
    other.Pages.resize(2);
    ASSERT_EQ(NotebookWriter().Save(folder.path(), QStringLiteral("zeszyt"), other).Fault, NotebookFault::None);
    Run(RecordOp::Forward, 20);
    ASSERT_NE(document.Save(), win::IDOK);
    EXPECT_EQ(prompts.questions, 1);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(ReadNotebook(folder.path(), QStringLiteral("zeszyt")).Content.Pages.size(), 2u) << "nothing written";
    ASSERT_EQ(prompts.refusals.size(), 1u) << "declined, the drawings are said to be unsaved";
    EXPECT_TRUE(prompts.refusals[0].contains(QStringLiteral("nie zostały jeszcze zapisane")));
    prompts.refusals.clear();
    prompts.saveOverOtherCopy = win::IDYES;
    ASSERT_EQ(document.Save(), win::IDOK);
    EXPECT_EQ(ReadNotebook(folder.path(), QStringLiteral("zeszyt")).Content.Pages.size(), 1u);
    ASSERT_EQ(document.Save(), win::IDOK);
    EXPECT_EQ(prompts.questions, 2) << "its own saves ask nothing";

    // "Zapisz jako…" instead: the other copy's notebook stays, these drawings go under a new name.
    ASSERT_EQ(NotebookWriter().Save(folder.path(), QStringLiteral("zeszyt"), other).Fault, NotebookFault::None);
    Run(RecordOp::Forward, 20);
    prompts.saveOverOtherCopy = win::IDNO;
    prompts.name = QStringLiteral("kopia");
    ASSERT_EQ(document.Save(), win::IDOK);
    EXPECT_EQ(document.Name(), QStringLiteral("kopia"));
    EXPECT_EQ(ReadNotebook(folder.path(), QStringLiteral("zeszyt")).Content.Pages.size(), 2u);
    EXPECT_FALSE(document.Modified());

    document.NewPage(false);
    ASSERT_EQ(document.Save(), win::IDOK);
    ASSERT_TRUE(QFile::remove(PagePath(folder.path(), document.Name(), 2)));
    ASSERT_EQ(document.Open(), win::IDOK);
    EXPECT_EQ(document.Pages().PageCount(), 2);
    EXPECT_EQ(prompts.refusals.size(), 1u) << "the lost page is named";
    EXPECT_TRUE(document.Modified()) << "a save puts the notebook right";
}

TEST_F(NotebookDocumentTest, TheRecoveryCopyFollowsChangesAndSaysOnceWhenItCannotBeKept)
{
    QTemporaryDir data;
    const QString root = data.filePath(QStringLiteral("Odzysk"));
    bool resting = false;
    {
        RecoveryKeeper keeper(document, root, [&] { return resting; });
        QSignalSpy troubles(&keeper, &RecoveryKeeper::CannotKeep);
        const auto written = [&] {
            const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            return folders.size() == 1 && QFileInfo::exists(QDir(root).filePath(folders[0] + QStringLiteral("/biezacy")));
        };
        Run(RecordOp::Forward, 30);
        // Absence cannot be awaited: the copy's longest wait, then a look.
        QTest::qWait(RecoveryKeeper::kMinIntervalMs + RecoveryKeeper::kWalkCheckMs);
        EXPECT_FALSE(written()) << "nothing is written while a command runs";
        resting = true;
        ASSERT_TRUE(QTest::qWaitFor(written)) << "a resting program keeps its changes";
        ASSERT_EQ(document.SaveAs(), win::IDOK);
        keeper.KeepNow();
        EXPECT_FALSE(written()) << "a saved notebook needs no copy";
        EXPECT_EQ(troubles.size(), 0);
    }
    EXPECT_TRUE(QDir(root).isEmpty()) << "a normal end leaves nothing";

    // A file where the folder should be: no copy, said once however many changes follow.
    ASSERT_TRUE(QDir(root).removeRecursively());
    QFile(root).open(QIODevice::WriteOnly);
    RecoveryKeeper keeper(document, root, [] { return true; });
    QSignalSpy troubles(&keeper, &RecoveryKeeper::CannotKeep);
    Run(RecordOp::Forward, 10);
    Run(RecordOp::Forward, 10);
    QTest::qWait(RecoveryKeeper::kMinIntervalMs);
    ASSERT_EQ(troubles.size(), 1);
    EXPECT_TRUE(troubles[0][0].toString().contains(root));
}

// Copy A has a notebook of five pages open; copy B saves a blank page under its name and answers
// Tak, told that the notebook is open in another copy. A counts as changed from then on: it asks
// before it closes, and its save asks before replacing.
TEST_F(NotebookDocumentTest, ANotebookAnotherCopySavedOverCountsAsChangedAndAsksBeforeItCloses)
{
    prompts.name = QStringLiteral("Wspolny");
    for (int page = 0; page < 4; ++page)
        document.NewPage(false);
    ASSERT_EQ(document.SaveAs(), win::IDOK);
    ASSERT_FALSE(document.Modified());

    struct OtherCopyPrompts final : NotebookPrompts {
        std::vector<bool> openElsewhere;
        int AskToSave() override { return win::IDNO; }
        bool AskName(NameQuestion, QString& name) override
        {
            name = QStringLiteral("Wspolny");
            return true;
        }
        int AskToReplace(const QString&, bool open) override
        {
            openElsewhere.push_back(open);
            return win::IDYES;
        }
        int AskToSaveOverOtherCopy(const QString&) override { return win::IDYES; }
        void ShowRefusal(const QString&) override {}
    } otherPrompts;
    MemoryFloor otherFloor;
    TTurtleState otherTurtle;
    RecordingPanel otherPanel;
    TurtleSheet otherSheet{otherTurtle, otherPanel};
    otherSheet.AttachFloor(otherFloor);
    otherSheet.ResetTurtle();
    otherSheet.FillFloorImage(SheetBitmap::kWhite);
    otherSheet.UpdateSheetFromFloor();
    TurtleWalker otherWalker{otherSheet};
    NotebookDocument other(otherSheet, otherWalker, otherPrompts);
    other.Start();
    QSignalSpy said(&other, &NotebookDocument::Notice);
    ASSERT_EQ(other.Open(), win::IDOK);
    ASSERT_EQ(said.size(), 1) << "opened where this copy has it open";
    EXPECT_TRUE(said[0][0].toString().contains(QStringLiteral("innej kopii")));
    other.New();
    ASSERT_EQ(other.SaveAs(), win::IDOK);
    EXPECT_EQ(otherPrompts.openElsewhere, std::vector<bool>{true});
    ASSERT_EQ(ReadNotebook(folder.path(), QStringLiteral("Wspolny")).Content.Pages.size(), 1u);

    EXPECT_FALSE(document.CanClose()) << "asked, and cancelled";
    EXPECT_EQ(prompts.questions, 1);
    EXPECT_TRUE(document.Modified());
    EXPECT_NE(document.Save(), win::IDOK);
    EXPECT_EQ(prompts.questions, 2) << "the save asks before replacing";
    EXPECT_EQ(ReadNotebook(folder.path(), QStringLiteral("Wspolny")).Content.Pages.size(), 1u);
    prompts.saveOverOtherCopy = win::IDYES;
    ASSERT_EQ(document.Save(), win::IDOK);
    EXPECT_EQ(ReadNotebook(folder.path(), QStringLiteral("Wspolny")).Content.Pages.size(), 5u);
    EXPECT_FALSE(document.Modified());
}

// "Zapisz jako" checks the name, and another copy saves under it before this one writes: this
// save asks instead of silently replacing it.
TEST_F(NotebookDocumentTest, ASaveAsOverwrittenAfterItsNameWasCheckedAsksFirst)
{
    NotebookContent first;
    first.Pages.resize(2);
    ASSERT_EQ(NotebookWriter().Save(folder.path(), QStringLiteral("Nowy"), first).Fault, NotebookFault::None);
    struct RacingPrompts final : NotebookPrompts {
        QString folder;
        int otherCopyQuestions = 0;
        int AskToSave() override { return win::IDNO; }
        bool AskName(NameQuestion, QString& name) override
        {
            name = QStringLiteral("Nowy");
            return true;
        }
        int AskToReplace(const QString& name, bool) override
        {
            NotebookContent three;
            three.Pages.resize(3);
            NotebookWriter().Save(folder, name, three); // the other copy, while the box is up
            return win::IDYES;
        }
        int AskToSaveOverOtherCopy(const QString&) override
        {
            ++otherCopyQuestions;
            return win::IDCANCEL;
        }
        void ShowRefusal(const QString&) override {}
    } racing;
    racing.folder = folder.path();
    NotebookDocument copy(sheet, walker, racing);
    copy.Start();
    EXPECT_NE(copy.SaveAs(), win::IDOK);
    EXPECT_EQ(racing.otherCopyQuestions, 1);
    EXPECT_EQ(ReadNotebook(folder.path(), QStringLiteral("Nowy")).Content.Pages.size(), 3u) << "the other copy's stays";
}

TEST_F(NotebookDocumentTest, AFailedSaveNamesItsCauseAndAPreviousCopyOnlyWhenThereWasOne)
{
    // A file where the notebooks' folder should be.
    const QString blocked = folder.filePath(QStringLiteral("plik"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("QEL3D_NOTEBOOKS", blocked.toUtf8());
    EXPECT_NE(document.SaveAs(), win::IDOK);
    ASSERT_EQ(prompts.refusals.size(), 1u);
    EXPECT_TRUE(prompts.refusals[0].contains(QStringLiteral("w miejscu folderu jest plik"))) << prompts.refusals[0].toStdString();
    EXPECT_FALSE(prompts.refusals[0].contains(QStringLiteral("Poprzednia kopia"))) << "there was none";
}

} // namespace
