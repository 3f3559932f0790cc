#include "dialogs/BackgroundPicture.h"
#include "dialogs/DisplayDlg.h"
#include "dialogs/ScreenDlg.h"
#include "dialogs/ScreenSettings.h"
#include "fakes/RecordingPanel.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

// Runs `step` once the next modal loop has started, so a test can answer a dialog it opens.
void WhenModal(std::function<void()> step)
{
    QTimer::singleShot(0, std::move(step));
}

template <typename T> T* Child(QWidget& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

std::uint8_t SheetIndexOfCell(int cell)
{
    return NearestSheetIndex(CellRgb(cell));
}

class SheetFixture : public testing::Test {
protected:
    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    static constexpr int kMark = 40; // a drawn pixel that a clear removes

    void SetUp() override
    {
        sheet.ApplyTurtle();
        sheet.Sheet().Set(kMark, kMark, 4);
        sheet.UpdateFloor();
    }

    std::vector<std::uint8_t> SheetBytes() const
    {
        const std::uint8_t* bits = sheet.Sheet().Bits();
        return {bits, bits + kSheetBytes};
    }

    // Every pixel of sheet and floor holds `index`.
    void ExpectClearedTo(std::uint8_t index) const
    {
        for (int i = 0; i < kSheetBytes; ++i) {
            ASSERT_EQ(sheet.Sheet().Bits()[i], index) << "sheet byte " << i;
            ASSERT_EQ(sheet.FloorBits()[i], index) << "floor byte " << i;
        }
    }
};

// --- Screen dialog -------------------------------------------------------------------------

class ScreenDialog : public SheetFixture {
protected:
    TScreenDlg dialog;
};

TEST_F(ScreenDialog, ShowsTheBackgroundAsItsCellNumber)
{
    for (int stored = 0; stored < kColorCount; ++stored) {
        turtle.BGColor = stored;
        FillScreenDialog(dialog, sheet);
        EXPECT_EQ(dialog.BGColorText(), QString::number(ColorToCell(stored)));
    }
}

TEST_F(ScreenDialog, SizeAndEdgeModeAreFixedDisplay)
{
    turtle.BGColor = 3;
    FillScreenDialog(dialog, sheet);
    EXPECT_FALSE(Child<QWidget>(dialog, "TableMode")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "TableModeItem2")->isChecked());
    EXPECT_EQ(Child<QRadioButton>(dialog, "TableModeItem2")->text(), "Zatrzymuje na końcu pola");
    for (const char* name : {"WidthEdit", "HeightEdit"}) {
        auto* edit = Child<QLineEdit>(dialog, name);
        EXPECT_FALSE(edit->isEnabled()) << name;
        EXPECT_EQ(edit->text(), "256") << name;
    }
    EXPECT_FALSE(Child<QLabel>(dialog, "Image1")->pixmap().isNull());
}

struct ApplyCase {
    const char* text;
    bool clears;
    int expectedBGColor; // stored number afterwards
};

class ScreenApply : public ScreenDialog, public testing::WithParamInterface<ApplyCase> {};

TEST_P(ScreenApply, SetsTheColourAndClearsOnlyForNumbers)
{
    const ApplyCase& c = GetParam();
    ASSERT_EQ(turtle.BGColor, 8); // cell 15, white
    const auto before = SheetBytes();
    dialog.SetBGColorText(QString::fromUtf8(c.text));

    ApplyScreenDialog(dialog, sheet);

    EXPECT_EQ(turtle.BGColor, c.expectedBGColor);
    EXPECT_EQ(panel.bgColorLabel, QString::number(ColorToCell(c.expectedBGColor)));
    if (c.clears)
        ExpectClearedTo(SheetIndexOfCell(ColorToCell(c.expectedBGColor)));
    else
        EXPECT_EQ(SheetBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScreenApply,
                         testing::Values(ApplyCase{"4", true, CellToColor(4)},
                                         ApplyCase{"0", true, 0},
                                         ApplyCase{"15", true, 8},  // unchanged: still cleared
                                         ApplyCase{" 9 ", true, CellToColor(9)},
                                         ApplyCase{"20", true, 8},  // no cell: colour kept, page cleared
                                         ApplyCase{"-1", true, 8},
                                         ApplyCase{"abc", false, 8},
                                         ApplyCase{"", false, 8},
                                         ApplyCase{"3.5", false, 8},
                                         ApplyCase{"99999999999", false, 8}));

TEST_F(ScreenDialog, OkWithATypedCellAppliesIt)
{
    WhenModal([this] {
        auto* edit = Child<QLineEdit>(dialog, "BGColorEdit");
        edit->clear();
        QTest::keyClicks(edit, "2");
        QTest::mouseClick(Child<QPushButton>(dialog, "OkBtn"), Qt::LeftButton);
    });
    RunScreenDialog(dialog, sheet);
    EXPECT_EQ(turtle.BGColor, CellToColor(2));
    ExpectClearedTo(SheetIndexOfCell(2));
}

TEST_F(ScreenDialog, CancelChangesNothing)
{
    const auto before = SheetBytes();
    WhenModal([this] {
        dialog.SetBGColorText("2");
        QTest::mouseClick(Child<QPushButton>(dialog, "CancelBtn"), Qt::LeftButton);
    });
    RunScreenDialog(dialog, sheet);
    EXPECT_EQ(turtle.BGColor, 8);
    EXPECT_EQ(SheetBytes(), before);
}

// --- Background picture --------------------------------------------------------------------

class Background : public SheetFixture {
protected:
    QTemporaryDir folder;
    ScriptedMessageBoxes boxes;
    int choices = 0;

    QString Write(const char* name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    bool Place(const QString& fileName)
    {
        return PlaceBackground(nullptr, sheet, [&] {
            ++choices;
            return fileName;
        });
    }

    // The latest of `shown` boxes names the file as unreadable.
    void ExpectErrorAbout(const QString& fileName, std::size_t shown = 1)
    {
        ASSERT_EQ(boxes.Shown().size(), shown);
        const win::MessageBoxRequest& box = boxes.Shown().back();
        EXPECT_EQ(box.caption, "Umieść tło");
        EXPECT_EQ(box.style & 0xF0u, win::MB_ICONSTOP);
        EXPECT_TRUE(box.text.contains(QFileInfo(fileName).fileName())) << box.text.toStdString();
    }
};

class BackgroundFormat : public Background, public ::testing::WithParamInterface<const char*> {};

TEST_P(BackgroundFormat, APictureIsCentredOnTheSheet)
{
    ASSERT_TRUE(folder.isValid());
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    const QString path = folder.filePath(QStringLiteral("red.") + QString::fromLatin1(GetParam()).toLower());
    ASSERT_TRUE(picture.save(path, GetParam()));

    EXPECT_TRUE(Place(path));

    EXPECT_TRUE(boxes.Shown().empty());
    const std::uint8_t red = NearestSheetIndex(qRgb(255, 0, 0));
    for (int row = 127; row <= 128; ++row)
        for (int column = 126; column <= 129; ++column)
            EXPECT_EQ(sheet.Sheet().At(column, row), red) << column << "," << row;
    EXPECT_EQ(sheet.Sheet().At(125, 127), SheetBitmap::kWhite);
    EXPECT_EQ(sheet.FloorBits()[127 * kSheetSize + 126], red);
}

// An exported page comes back as a background.
INSTANTIATE_TEST_SUITE_P(Formats, BackgroundFormat, ::testing::Values("BMP", "PNG"));

TEST_F(Background, AnUnreadableFileIsReportedAndChangesNothing)
{
    ASSERT_TRUE(folder.isValid());
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QImage big(300, 300, QImage::Format_RGB32);
    big.fill(qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && big.save(&buffer, "PNG"));
    QByteArray huge = png;
    huge[16] = '\x7f'; // a width of about two thousand million
    const Case cases[] = {
        {"cut short.png", png.left(png.size() - 20)},
        {"no end chunk.png", png.left(png.size() - 12)},
        {"too wide.png", huge},
        {"truncated.bmp", QByteArray("BM\x40\x00\x00\x00", 6)},
        {"text.bmp", QByteArray("not a picture at all")},
        {"empty.bmp", QByteArray()},
    };
    std::size_t shown = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = SheetBytes();
        const QString path = Write(c.name, c.bytes);
        EXPECT_FALSE(Place(path));
        EXPECT_EQ(SheetBytes(), before);
        ExpectErrorAbout(path, ++shown);
    }
}

TEST_F(Background, AMissingFileIsReported)
{
    const auto before = SheetBytes();
    const QString path = folder.filePath("gone.bmp");
    EXPECT_FALSE(Place(path));
    ExpectErrorAbout(path);
    EXPECT_EQ(SheetBytes(), before);
}

TEST_F(Background, CancelChangesNothingAndSaysNothing)
{
    const auto before = SheetBytes();
    EXPECT_FALSE(Place(QString()));
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(SheetBytes(), before);
}

TEST_F(Background, TheDialogOpensAmongTheUsersPicturesWithAPolishFilter)
{
    ASSERT_TRUE(folder.isValid());
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", folder.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8()); // no folder list of the user's
    EXPECT_EQ(BackgroundPicturesFolder(), folder.path()) << "no pictures folder: home";

    ASSERT_TRUE(QDir(folder.path()).mkdir("Pictures"));
    int shown = 0;
    WhenModal([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), folder.filePath("Pictures"));
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Obrazki BMP i PNG (*.bmp *.png)"});
        ++shown;
        dialog->reject();
    });
    EXPECT_EQ(ChooseBackgroundFile(nullptr), QString());
    EXPECT_EQ(shown, 1);
    qputenv("HOME", home);
    qunsetenv("XDG_CONFIG_HOME");
}

// --- Display dialog ------------------------------------------------------------------------

TEST(DisplayDialog, OffersFiveUncheckedOptions)
{
    TDisplayDlg dialog;
    const char* const captions[] = {"RGB model", "Liniowa interpolacja tekstur", "Sortowanie poligonów",
                                    "Miękki cienie", "Wyłączenie akceleratora 3D"};
    for (int i = 0; i < 5; ++i) {
        auto* box = Child<QCheckBox>(dialog, QStringLiteral("CheckBox%1").arg(i + 1).toUtf8().constData());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromUtf8(captions[i]));
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(box->geometry(), QRect(32, 24 + 24 * i, 177, 17));
    }
}

TEST(DisplayDialog, BothAnswersCloseTheDialog)
{
    TDisplayDlg dialog;
    for (const char* button : {"OkBtn", "CancelBtn"}) {
        SCOPED_TRACE(button);
        WhenModal([&] {
            QTest::mouseClick(Child<QCheckBox>(dialog, "CheckBox5"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
        });
        RunDisplayDialog(dialog);
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
