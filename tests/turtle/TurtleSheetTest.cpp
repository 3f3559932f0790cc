#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "support/HostileFiles.h"
#include "turtle/TurtleSheet.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kWhite = 15;

class TurtleSheetTest : public ::testing::Test {
protected:
    TurtleSheetTest() { sheet.AttachFloor(floor); }

    int SheetAt(int column, int row) const { return sheet.Sheet().At(column, row); }
    bool FloorShowsSheet() const { return std::memcmp(sheet.FloorBits(), sheet.Sheet().Bits(), kSheetBytes) == 0; }

    QString WriteBmp(QSize size, QRgb fill, QRgb corner)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(fill);
        picture.setPixel(0, 0, corner);
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    MemoryFloor floor;
    QTemporaryDir dir;
};

TEST_F(TurtleSheetTest, PenColourShowsItsCellAndDrawsInIt)
{
    sheet.SetPenColor(12);
    EXPECT_EQ(turtle.PenColor, 12);
    EXPECT_EQ(panel.penColorLabel, "4");
    EXPECT_EQ(sheet.Canvas().PenColor(), kBlue);
    EXPECT_EQ(sheet.Canvas().BrushColor(), kBlue);

    for (int wrong : {16, -1}) {
        sheet.SetPenColor(wrong);
        EXPECT_EQ(turtle.PenColor, 12);
        EXPECT_EQ(panel.penColorLabel, "4");
        EXPECT_EQ(sheet.Canvas().PenColor(), kBlue);
    }
}

TEST_F(TurtleSheetTest, BackgroundColourWaitsForClearAndClearKeepsItsBrush)
{
    sheet.SetPenColor(9);
    sheet.SetBGColor(12);
    EXPECT_EQ(panel.bgColorLabel, "4");
    EXPECT_EQ(SheetAt(10, 10), kWhite) << "the sheet waits for ClearSheet";

    sheet.ClearSheet();
    EXPECT_EQ(SheetAt(0, 0), kBlue);
    EXPECT_EQ(SheetAt(255, 255), kBlue);
    EXPECT_EQ(sheet.Canvas().BrushColor(), kBlue);
    EXPECT_TRUE(FloorShowsSheet());

    sheet.SetPenColor(9);
    EXPECT_EQ(sheet.Canvas().BrushColor(), kRed);

    sheet.SetBGColor(16);
    EXPECT_EQ(turtle.BGColor, 12);
}

TEST_F(TurtleSheetTest, PenWidthShowsItsBarAndRefusesStrangers)
{
    sheet.SetPenWidth(8);
    EXPECT_EQ(panel.penWidthLabel, "8");
    EXPECT_EQ(sheet.Canvas().PenWidth(), 8);

    for (int wrong : {0, 9}) {
        sheet.SetPenWidth(wrong);
        EXPECT_EQ(turtle.PenWidth, 8);
        EXPECT_EQ(panel.penWidthLabel, "8");
    }
}

TEST_F(TurtleSheetTest, ResetGivesTheDefaultsAndTheButtonsShowThem)
{
    sheet.SetPenDown(false);
    panel.ShowCharacterShown(false);
    turtle.Hidden = true;
    turtle.X = 40;
    turtle.Heading = 3;
    turtle.Shape = 1;
    sheet.ResetTurtle();
    EXPECT_TRUE(turtle.PenDown);
    EXPECT_TRUE(panel.penDown) << "a raised pen button would draw";
    EXPECT_FALSE(turtle.Hidden);
    EXPECT_TRUE(panel.characterShown);
    EXPECT_EQ(turtle.X, 0.0);
    EXPECT_EQ(turtle.Heading, 0.0);
    EXPECT_EQ(turtle.Shape, 3);
    EXPECT_EQ(panel.penColorLabel, "4");
    EXPECT_EQ(panel.penWidthLabel, "2");
    EXPECT_EQ(panel.bgColorLabel, "15");
}

TEST_F(TurtleSheetTest, FillUsesThePenColourAlsoRightAfterAClear)
{
    sheet.SetPenColor(9);
    sheet.ClearSheet();
    sheet.FillUnderTurtle();
    EXPECT_EQ(SheetAt(127, 127), kRed);
    EXPECT_EQ(SheetAt(0, 255), kRed) << "the whole cleared sheet is one surface";
    EXPECT_TRUE(FloorShowsSheet());

    sheet.Canvas().SetPenColor(kBlue);
    sheet.Canvas().MoveTo(0, 100);
    sheet.Canvas().LineTo(kSheetSize, 100); // right across: the end point is left out
    sheet.SetPenColor(12);
    turtle.Y = 100; // above the line
    sheet.FillUnderTurtle();
    EXPECT_EQ(SheetAt(127, 0), kBlue);
    EXPECT_EQ(SheetAt(127, 200), kRed) << "below the line stays";
}

TEST_F(TurtleSheetTest, APlaceFarOffTheSheetFillsNothing)
{
    sheet.ClearSheet();
    for (const double far : {1e300, -1e300, 3e9}) {
        turtle.X = far;
        turtle.Y = -far;
        sheet.FillUnderTurtle();
        for (int i = 0; i < kSheetSize; ++i)
            ASSERT_EQ(SheetAt(i, i), kWhite) << far;
    }
}

TEST_F(TurtleSheetTest, FloorFollowsTheSheetAndTellsTheTexture)
{
    const int before = floor.changes;
    sheet.FillFloorImage(8);
    EXPECT_EQ(sheet.FloorBits()[12345], 8);
    EXPECT_EQ(sheet.Sheet().At(0, 0), kWhite) << "the sheet is not touched";
    sheet.UpdateFloor();
    EXPECT_TRUE(FloorShowsSheet());
    EXPECT_EQ(floor.changes, before + 2);

    sheet.Canvas().FillRect(QRect(10, 40, 5, 7));
    sheet.UpdateFloor();
    EXPECT_EQ(floor.changedTop, 40);
    EXPECT_EQ(floor.changedBottom, 47) << "the floor is told the rows drawn on alone";
    const int drawn = floor.changes;
    sheet.UpdateFloor();
    EXPECT_EQ(floor.changes, drawn) << "nothing drawn, nothing told";
}

TEST_F(TurtleSheetTest, ADetachedFloorIsABufferOfTheSheetsOwn)
{
    sheet.DetachFloor();
    const int changes = floor.changes;
    sheet.SetBGColor(3);
    sheet.ClearSheet();
    EXPECT_TRUE(FloorShowsSheet());
    EXPECT_NE(sheet.FloorBits(), floor.pixels.data());
    EXPECT_EQ(floor.changes, changes) << "a floor once detached is told nothing";
}

struct Placement {
    QSize size;
    QRect expectedOnSheet; // where the picture lands
    QPoint cornerPixel;    // where the picture's pixel (0, 0) lands, if on the sheet
};

class BackgroundTest : public TurtleSheetTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(BackgroundTest, PictureIsCentredOrCropped)
{
    const Placement p = GetParam();
    sheet.SetBGColor(9);
    ASSERT_TRUE(sheet.LoadBackground(WriteBmp(p.size, qRgb(0, 0, 250), qRgb(250, 0, 0))));
    const QRect& r = p.expectedOnSheet;
    for (int row = 0; row < kSheetSize; ++row) {
        for (int column = 0; column < kSheetSize; ++column) {
            const bool inside = r.contains(column, row);
            const int expected = !inside ? kWhite : QPoint(column, row) == p.cornerPixel ? kRed : kBlue;
            ASSERT_EQ(SheetAt(column, row), expected) << column << ", " << row;
        }
    }
    EXPECT_TRUE(FloorShowsSheet());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BackgroundTest,
    ::testing::Values(Placement{{100, 50}, QRect(QPoint(78, 103), QPoint(177, 152)), {78, 103}},
                      Placement{{300, 300}, QRect(0, 0, 256, 256), {-1, -1}},
                      Placement{{256, 256}, QRect(0, 0, 256, 256), {0, 0}},
                      Placement{{1, 400}, QRect(QPoint(127, 0), QPoint(127, 255)), {-1, -1}}));

TEST_F(TurtleSheetTest, UnreadableBackgroundChangesNothing)
{
    const QString notBmp = dir.filePath(QStringLiteral("notes.bmp"));
    QFile file(notBmp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap");
    file.close();

    // A real bitmap cut short.
    const QString whole = WriteBmp({64, 64}, qRgb(0, 0, 255), qRgb(0, 0, 255));
    QFile full(whole);
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    full.close();
    const QString cut = dir.filePath(QStringLiteral("cut.bmp"));
    QFile shortFile(cut);
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(bytes.left(60));
    shortFile.close();

    for (const QString& path : {notBmp, cut, dir.filePath(QStringLiteral("missing.bmp"))}) {
        EXPECT_FALSE(sheet.LoadBackground(path)) << path.toStdString();
        EXPECT_EQ(SheetAt(127, 127), kWhite);
    }
}

} // namespace

namespace {

TEST_F(TurtleSheetTest, APipeOrADevicePickedAsBackgroundChangesNothingAndDoesNotWait)
{
    const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_TRUE(MakePipe(pipe));
    bool loaded = true;
    EXPECT_TRUE(ReturnsInTime([&] { loaded = sheet.LoadBackground(pipe); }, pipe));
    EXPECT_FALSE(loaded);

    const QString device = dir.filePath(QStringLiteral("zero.bmp"));
    ASSERT_TRUE(LinkToZeroDevice(device));
    EXPECT_FALSE(sheet.LoadBackground(device));
    EXPECT_EQ(SheetAt(127, 127), kWhite);
}

} // namespace
