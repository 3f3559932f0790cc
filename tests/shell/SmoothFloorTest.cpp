#include "shell/TextureFloor.h"

#include "shell/SmoothEdgesChoice.h"

#include "fakes/DeviceWindow.h"
#include "rm/Light.h"
#include "rm/gl/GLDevice.h"
#include "turtle/SheetColors.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using rm::Ptr;

constexpr std::uint8_t kBlack = 0, kWhite = 15;

// A floor's texture of the sheet's shape in the sheet's colours, white, and the frame of a square
// mesh it textures: page rows and columns 124 to 136 over the square from (−5, −5) to (5, 5).
struct Floor {
    Floor()
    {
        rm::Image& image = *page->GetImage();
        for (int i = 0; i < kColorCount; ++i)
            image.palette[i] = {static_cast<std::uint8_t>(qRed(SheetPalette()[i])),
                                static_cast<std::uint8_t>(qGreen(SheetPalette()[i])),
                                static_cast<std::uint8_t>(qBlue(SheetPalette()[i])), 0};
        std::fill_n(static_cast<std::uint8_t*>(image.buffer1), kSheetBytes, kWhite);
        const rm::D3DVECTOR normal{0, 0, -1};
        constexpr float from = 124.0f / kSheetSize, to = 136.0f / kSheetSize;
        mesh->Vertices() = {{{-5, 5, 0}, normal, from, from},
                            {{5, 5, 0}, normal, to, from},
                            {{-5, -5, 0}, normal, from, to},
                            {{5, -5, 0}, normal, to, to}};
        mesh->Faces() = {{{0, 1, 2}, 0}, {{2, 1, 3}, 0}};
        mesh->Materials() = {{1.0f, 1.0f, 1.0f, 1.0f, page}};
        mesh->GeometryChanged();
        frame->AddVisual(mesh.get());
    }

    // A one-pixel diagonal through page pixel (128, 128).
    void DrawDiagonal()
    {
        for (int i = 100; i < 160; ++i)
            floor.Pixels()[i * kSheetSize + i] = kBlack;
        floor.PixelsChanged(100, 160);
    }

    const rm::Texture3* Shown() const { return mesh->Materials()[0].texture.get(); }

    Ptr<rm::Texture3> page = rm::MakePtr<rm::Texture3>(kSheetSize, kSheetSize);
    Ptr<rm::MeshBuilder3> mesh = rm::MakePtr<rm::MeshBuilder3>();
    Ptr<rm::Frame3> frame = rm::MakePtr<rm::Frame3>();
    TextureFloor floor;
};

// What the floor's mesh shows after each step, the choice on or off.
struct Moment {
    const char* name;
    void (*step)(TextureFloor&);
    bool smoothShown;
};

const Moment kMoments[] = {
    {"attached", [](TextureFloor&) {}, true},
    {"rows_come", [](TextureFloor& f) { f.PixelsChanged(10, 12); }, false},
    {"switched_on_while_rows_come", [](TextureFloor& f) { f.Smooth().SetEnabled(true); }, false},
    {"rest", [](TextureFloor& f) { f.PixelsRest(); }, true},
    {"switched_off", [](TextureFloor& f) { f.Smooth().SetEnabled(false); }, false},
    {"rest_while_off", [](TextureFloor& f) { f.PixelsRest(); }, false},
    {"switched_on_at_rest", [](TextureFloor& f) { f.Smooth().SetEnabled(true); }, true},
};

TEST(SmoothFloor, TheMeshShowsTheSmoothPictureAtRestAndThePageWhileRowsCome)
{
    Floor f;
    ASSERT_TRUE(f.floor.Attach(f.page, f.frame.get()));
    const rm::Texture3* smooth = f.floor.Smooth().Smooth();
    ASSERT_TRUE(smooth && smooth->GetImage()->width == 1024 && smooth->GetImage()->height == 1024);
    EXPECT_EQ(smooth->GetImage()->palette[9].red, f.page->GetImage()->palette[9].red) << "the page's own colours";
    for (const Moment& moment : kMoments) {
        moment.step(f.floor);
        EXPECT_EQ(f.Shown(), moment.smoothShown ? smooth : f.page.get()) << moment.name;
        EXPECT_EQ(f.floor.Smooth().Shown(), f.Shown()) << moment.name;
    }
    f.floor.Detach();
    EXPECT_EQ(f.Shown(), f.page.get()) << "the mesh gets its page back";
}

TEST(SmoothFloor, ARestMakesTheRowsAroundTheChangeAgainOnly)
{
    Floor f;
    ASSERT_TRUE(f.floor.Attach(f.page, f.frame.get()));
    rm::Texture3& smooth = *f.floor.Smooth().Smooth();
    smooth.ForgetChangedRows(); // as a renderer does once it has taken the picture
    const std::uint32_t seen = smooth.PixelChanges();
    f.DrawDiagonal();
    f.floor.PixelsChanged(20, 30);
    f.floor.PixelsRest();
    const rm::RowRange made = smooth.ChangedRowsSince(seen);
    EXPECT_LE(made.top, 20 * 4);
    EXPECT_GE(made.bottom, 160 * 4);
    EXPECT_GT(made.top, 0);
    EXPECT_LT(made.bottom, 1024);
    EXPECT_GT(smooth.MipmapGenerations(), 0u) << "seen from afar, as the page is";
    const auto* pixels = static_cast<const std::uint8_t*>(smooth.GetImage()->buffer1);
    EXPECT_EQ(pixels[514 * 1024 + 516], kBlack) << "the step beside page pixel (128, 128) is filled in";
}

// Each turn is a window of a run after the last: it finds the choice as the one before left it.
TEST(SmoothFloor, TheChoiceIsOnUntilTurnedOffAndIsRemembered)
{
    bool remembered = true; // with nothing remembered yet
    for (const bool chosen : {false, true}) {
        SmoothFloor floor;
        QMenu options;
        AddSmoothEdgesChoice(floor, options);
        QAction* choice = options.actions().value(0);
        ASSERT_TRUE(choice && choice->isCheckable());
        EXPECT_EQ(choice->isChecked(), remembered);
        EXPECT_EQ(floor.Enabled(), remembered);
        choice->setChecked(chosen);
        EXPECT_EQ(floor.Enabled(), chosen);
        EXPECT_EQ(floor.Edges(), chosen ? PageEdges::Smooth : PageEdges::Sharp) << "pictures of the page follow it";
        remembered = chosen;
    }
}

// The floor drawn by the OpenGL device into a window of its own: page pixel (129, 128) beside
// the diagonal covers window pixels 80 to 95 across and 64 to 79 down.
class SmoothFloorRender : public ::testing::Test {
protected:
    static constexpr int kSide = 192;

    void SetUp() override
    {
        window.resize(kSide, kSide);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        clipper = rm::MakePtr<WindowClipper>(&window);
        ASSERT_EQ(rm::gl::CreateDevice(clipper.get(), nullptr, kSide, kSide, device), rm::D3DRM_OK);
        root->AddChild(camera.get());
        camera->SetPosition(nullptr, 0, 0, -10);
        root->AddChild(f.frame.get());
        root->AddLight(rm::MakePtr<rm::Light>(rm::D3DRMLIGHT_AMBIENT, 1.0f, 1.0f, 1.0f).get());
        ASSERT_EQ(rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, kSide, kSide, viewport), rm::D3DRM_OK);
        ASSERT_TRUE(f.floor.Attach(f.page, f.frame.get()));
    }

    QImage Frame()
    {
        viewport->Clear(rm::D3DRMCLEAR_ALL);
        viewport->Render(root.get());
        device->Update();
        return DrawnPicture(window);
    }

    QWidget window;
    Ptr<ddraw::Clipper> clipper;
    Ptr<rm::Device3> device;
    Ptr<rm::Viewport2> viewport;
    Ptr<rm::Frame3> root = rm::MakePtr<rm::Frame3>();
    Ptr<rm::Frame3> camera = rm::MakePtr<rm::Frame3>();
    Floor f;
};

TEST_F(SmoothFloorRender, TheRestingFloorSamplesTheSmoothPictureAndTheWalkingFloorThePage)
{
    const QRgb black = SheetPalette()[kBlack] | 0xFF000000, white = SheetPalette()[kWhite] | 0xFF000000;
    // Smooth pixel (516, 514), the lower left of the step's corner, and one beyond the step.
    const QPoint step(82, 74), beyond(93, 66);
    f.DrawDiagonal();
    f.floor.PixelsChanged(128, 129);
    QImage shown = Frame();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixel(step), white) << "while rows come: the page's sharp step";
    EXPECT_EQ(shown.pixel(72, 72), black) << "the diagonal itself";

    f.floor.PixelsRest();
    shown = Frame();
    EXPECT_EQ(shown.pixel(step), black) << "at rest: the step filled in";
    EXPECT_EQ(shown.pixel(beyond), white);
    EXPECT_EQ(shown.pixel(72, 72), black);

    f.floor.PixelsChanged(10, 11);
    EXPECT_EQ(Frame().pixel(step), white) << "walking again";
}

} // namespace
