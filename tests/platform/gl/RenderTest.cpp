#include "fakes/DeviceWindow.h"
#include "rm/Frame.h"
#include "rm/Light.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "rm/WindowSurface.h"
#include "rm/gl/GLDevice.h"

#include <QImage>
#include <QOpenGLWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using rm::D3DRM_OK;
using rm::Ptr;

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr QRgb kBackground = qRgb(51, 102, 153); // (0.2, 0.4, 0.6)

QRgb PaletteColour(int index)
{
    return qRgb(index * 16, 255 - index * 16, (index * 37 + 20) & 0xFF);
}

// A 4 × 4 texture whose texel (c, r) holds index 4r + c, each index its own colour.
Ptr<rm::Texture3> MakeTexture()
{
    auto texture = rm::MakePtr<rm::Texture3>(4, 4);
    rm::Image* image = texture->GetImage();
    for (int i = 0; i < 16; ++i) {
        static_cast<std::uint8_t*>(image->buffer1)[i] = static_cast<std::uint8_t>(i);
        const QRgb c = PaletteColour(i);
        image->palette[i] = {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                             static_cast<std::uint8_t>(qBlue(c)), 0};
    }
    return texture;
}

// A square from (-half, -half) to (half, half) at depth z, facing the camera (−z), its texture's
// top row at the top.
Ptr<rm::MeshBuilder3> MakeSquare(float half, float z, Ptr<rm::Texture3> texture, float grey = 1.0f)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const rm::D3DVECTOR normal{0, 0, -1};
    mesh->Vertices() = {{{-half, half, z}, normal, 0, 0},
                        {{half, half, z}, normal, 1, 0},
                        {{-half, -half, z}, normal, 0, 1},
                        {{half, -half, z}, normal, 1, 1}};
    mesh->Faces() = {{{0, 1, 2}, 0}, {{2, 1, 3}, 0}};
    mesh->Materials() = {{grey, grey, grey, 1.0f, std::move(texture)}};
    mesh->GeometryChanged();
    return mesh;
}

// Where a scene point shows: the camera stands at (0, 0, −10) looking along +z, and the view is
// 0.5 high at distance 1.
QPoint Projected(float x, float y, float z)
{
    const float depth = z + 10.0f;
    const float across = 0.5f * kWidth / kHeight;
    return {static_cast<int>((x / depth / across + 1.0f) / 2.0f * kWidth),
            static_cast<int>((1.0f - y / depth / 0.5f) / 2.0f * kHeight)};
}

// The centre of texel (c, r) of the 4 × 4 texture on the square of half side 4 at depth 0.
QPoint TexelCentre(int c, int r)
{
    return Projected(2.0f * static_cast<float>(c) - 3.0f, 3.0f - 2.0f * static_cast<float>(r), 0.0f);
}

class Render : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(kWidth, kHeight);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        clipper = rm::MakePtr<WindowClipper>(&window);
        ASSERT_EQ(rm::gl::CreateDevice(clipper.get(), nullptr, kWidth, kHeight, device), D3DRM_OK);

        root = rm::MakePtr<rm::Frame3>();
        root->SetSceneBackgroundRGB(0.2f, 0.4f, 0.6f);
        camera = Child();
        camera->SetPosition(nullptr, 0, 0, -10);
        ASSERT_EQ(rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, kWidth, kHeight, viewport), D3DRM_OK);
        SetLights(1.0f, 0.0f);
        texture = MakeTexture();
    }

    Ptr<rm::Frame3> Child()
    {
        auto frame = rm::MakePtr<rm::Frame3>();
        root->AddChild(frame.get());
        return frame;
    }

    void Show(Ptr<rm::MeshBuilder3> mesh) { Child()->AddVisual(mesh.get()); }

    // An ambient light and a directional one shining along the light frame's z axis, in place of
    // those before.
    void SetLights(float ambient, float directional)
    {
        if (lights)
            root->DeleteChild(lights.get());
        lights = Child();
        lights->AddLight(rm::MakePtr<rm::Light>(rm::D3DRMLIGHT_AMBIENT, ambient, ambient, ambient).get());
        lights->AddLight(
            rm::MakePtr<rm::Light>(rm::D3DRMLIGHT_DIRECTIONAL, directional, directional, directional).get());
    }

    void Frame()
    {
        ASSERT_EQ(viewport->Clear(rm::D3DRMCLEAR_ALL), D3DRM_OK);
        ASSERT_EQ(viewport->Render(root.get()), D3DRM_OK);
        ASSERT_EQ(device->Update(), D3DRM_OK);
    }

    QImage Shown() { return DrawnPicture(window); }

    QWidget window;
    Ptr<ddraw::Clipper> clipper;
    Ptr<rm::Device3> device;
    Ptr<rm::Viewport2> viewport;
    Ptr<rm::Frame3> root, camera, lights;
    Ptr<rm::Texture3> texture;
};

TEST_F(Render, BackgroundWhereNothingIsAndTexelsInTheirPaletteColours)
{
    Show(MakeSquare(4, 0, texture));
    Frame();
    const QImage shown = Shown();
    EXPECT_EQ(shown.pixel(2, 2), kBackground);
    EXPECT_EQ(shown.pixel(kWidth - 3, kHeight - 3), kBackground);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(shown.pixel(TexelCentre(c, r)), PaletteColour(4 * r + c)) << "texel " << c << ", " << r;
}

TEST_F(Render, ChangedTexturesShowOnTheNextFrame)
{
    Show(MakeSquare(4, 0, texture));
    Frame();
    rm::Image* image = texture->GetImage();
    static_cast<std::uint8_t*>(image->buffer1)[5] = 7; // texel (1, 1)
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 0, nullptr);
    image->palette[2] = {1, 2, 3, 0};
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPALETTE, 0, nullptr);
    Frame();
    const QImage shown = Shown();
    EXPECT_EQ(shown.pixel(TexelCentre(1, 1)), PaletteColour(7));
    EXPECT_EQ(shown.pixel(TexelCentre(2, 0)), qRgb(1, 2, 3));
    EXPECT_EQ(shown.pixel(TexelCentre(3, 3)), PaletteColour(15));
}

TEST_F(Render, ChangedRowsAloneAreTakenAndStayAfterTheTextureRests)
{
    Show(MakeSquare(4, 0, texture));
    Frame();
    auto* indices = static_cast<std::uint8_t*>(texture->GetImage()->buffer1);
    indices[4 * 1 + 1] = 7;  // texel (1, 1), in the rows told of
    indices[4 * 3 + 2] = 0;  // texel (2, 3), changed without a word
    const rm::Rect rows{0, 1, 4, 2};
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
    for (const char* frame : {"the changed frame", "a frame at rest"}) {
        Frame();
        const QImage shown = Shown();
        EXPECT_EQ(shown.pixel(TexelCentre(1, 1)), PaletteColour(7)) << frame;
        EXPECT_EQ(shown.pixel(TexelCentre(2, 3)), PaletteColour(14)) << frame << ": rows not told of stay";
        EXPECT_EQ(shown.pixel(TexelCentre(0, 0)), PaletteColour(0)) << frame;
        EXPECT_EQ(shown.pixel(TexelCentre(3, 2)), PaletteColour(11)) << frame;
    }
}

TEST_F(Render, DecalTransparentTexelsShowTheBackground)
{
    const QRgb key = PaletteColour(6);
    texture->SetDecalTransparency(true);
    texture->SetDecalTransparentColor(0xFF000000u | key);
    Show(MakeSquare(4, 0, texture));
    Frame();
    QImage shown = Shown();
    EXPECT_EQ(shown.pixel(TexelCentre(2, 1)), kBackground);
    EXPECT_EQ(shown.pixel(TexelCentre(1, 1)), PaletteColour(5));

    texture->SetDecalTransparency(false);
    Frame();
    shown = Shown();
    EXPECT_EQ(shown.pixel(TexelCentre(2, 1)), key);
}

// Opaque and decal-transparent textures are drawn by different shaders: each mesh keeps its
// own place and texture whichever drew the one before.
TEST_F(Render, OpaqueAndDecalTransparentMeshesShareAFrame)
{
    auto keyed = MakeTexture();
    keyed->SetDecalTransparency(true);
    keyed->SetDecalTransparentColor(0xFF000000u | PaletteColour(0));
    Show(MakeSquare(4, 0, keyed));
    Show(MakeSquare(1, -1, texture));
    for (const char* frame : {"the first frame", "the next"}) {
        Frame();
        const QImage shown = Shown();
        EXPECT_EQ(shown.pixel(TexelCentre(0, 0)), kBackground) << frame;
        EXPECT_EQ(shown.pixel(TexelCentre(3, 3)), PaletteColour(15)) << frame;
        EXPECT_EQ(shown.pixel(Projected(-0.25f, 0.25f, -1)), PaletteColour(5)) << frame << ": the near square";
    }
}

// From afar a texture with smaller copies is a blend of its texels; rows taken since its copies
// were made show their own texels until it makes them again.
TEST_F(Render, SmallerCopiesAreMadeAgainWhenTheTextureAsks)
{
    texture->GenerateMIPMap(0);
    Show(MakeSquare(0.1f, 0, texture));
    const auto oneTexel = [this] {
        const QRgb shown = Shown().pixel(Projected(0, 0, 0));
        for (int i = 0; i < 16; ++i)
            if (shown == PaletteColour(i))
                return true;
        return false;
    };
    Frame();
    EXPECT_FALSE(oneTexel()) << "a blend from afar";
    static_cast<std::uint8_t*>(texture->GetImage()->buffer1)[0] = 15;
    const rm::Rect rows{0, 0, 4, 1};
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
    for (const char* frame : {"the changed frame", "the next"}) {
        Frame();
        EXPECT_TRUE(oneTexel()) << frame << ": the image itself";
    }
    texture->GenerateMIPMap(0);
    Frame();
    EXPECT_FALSE(oneTexel()) << "a blend again";
}

// A frame painted while the main loop stands still (an expose under a dialog) may come after a
// walk's last rows and its rest together: the smaller copies it samples are made from those rows.
TEST_F(Render, RowsAndARestBeforeOneFrameMakeTheCopiesFromThoseRows)
{
    texture->GenerateMIPMap(0);
    Show(MakeSquare(0.1f, 0, texture));
    Frame();
    auto* indices = static_cast<std::uint8_t*>(texture->GetImage()->buffer1);
    std::fill_n(indices, 8, std::uint8_t{15});
    const rm::Rect rows{0, 0, 4, 2};
    texture->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
    texture->GenerateMIPMap(0);
    Frame();
    const QRgb exposed = Shown().pixel(Projected(0, 0, 0));
    texture->GenerateMIPMap(0); // copies surely made again from what the texture holds
    Frame();
    EXPECT_EQ(exposed, Shown().pixel(Projected(0, 0, 0)));
}

struct SamplingCase {
    rm::D3DRMTEXTUREQUALITY quality;
    bool smallerCopies; // the texture asked for them
    bool sharp;         // seen up close, every pixel is one texel's colour
};

class Sampling : public Render, public ::testing::WithParamInterface<SamplingCase> {};

// Up close a texture is sampled as the device's texture quality says; one with smaller copies
// (the sheet's floor) stays sharp, its lines drawn square.
TEST_P(Sampling, UpCloseAsTheQualitySays)
{
    const SamplingCase& given = GetParam();
    ASSERT_EQ(device->SetTextureQuality(given.quality), D3DRM_OK);
    if (given.smallerCopies)
        texture->GenerateMIPMap(0);
    Show(MakeSquare(4, 0, texture));
    Frame();
    const QRgb nearEdge = Shown().pixel(Projected(-2.2f, 3.0f, 0)); // texel (0, 0), by texel (1, 0)
    EXPECT_EQ(nearEdge == PaletteColour(0), given.sharp) << qRed(nearEdge) << ", " << qGreen(nearEdge);
}

INSTANTIATE_TEST_SUITE_P(Render, Sampling,
                         ::testing::Values(SamplingCase{rm::D3DRMTEXTURE_NEAREST, false, true},
                                           SamplingCase{rm::D3DRMTEXTURE_LINEAR, false, false},
                                           SamplingCase{rm::D3DRMTEXTURE_LINEARMIPLINEAR, false, false},
                                           SamplingCase{rm::D3DRMTEXTURE_LINEAR, true, true}));

// What a model file or a careless caller may hand over draws what it can and nothing else.
TEST_F(Render, BrokenMeshesAndTexturesDrawWhatTheyCan)
{
    auto mesh = MakeSquare(4, 0, rm::MakePtr<rm::Texture3>(0, 0), 0.4f); // an image with no pixels
    mesh->Faces().push_back({{0, 1, 99}, 0});                          // a corner that is not there
    auto other = MakeSquare(1, -1, nullptr);
    other->Faces()[0].material = 7; // a material that is not there: plain white
    other->Faces()[1].material = 7;
    Show(mesh);
    Show(other);
    Frame();
    const QImage shown = Shown();
    EXPECT_EQ(shown.pixel(TexelCentre(0, 0)), qRgb(102, 102, 102));
    EXPECT_EQ(shown.pixel(Projected(0, 0, -1)), qRgb(255, 255, 255));
}

TEST_F(Render, ADeviceWhoseWindowIsGoneFailsInsteadOfDrawing)
{
    auto owner = std::make_unique<QWidget>();
    auto ownerClipper = rm::MakePtr<WindowClipper>(owner.get());
    Ptr<rm::Device3> orphan;
    Ptr<rm::Viewport2> view;
    ASSERT_EQ(rm::gl::CreateDevice(ownerClipper.get(), nullptr, 40, 30, orphan), D3DRM_OK);
    ASSERT_EQ(rm::gl::CreateViewport(orphan.get(), camera.get(), 0, 0, 40, 30, view), D3DRM_OK);
    owner.reset();
    EXPECT_EQ(view->Clear(rm::D3DRMCLEAR_ALL), rm::D3DRMERR_BADOBJECT);
    EXPECT_EQ(view->Render(root.get()), rm::D3DRMERR_BADOBJECT);
    EXPECT_EQ(orphan->Update(), rm::D3DRMERR_BADOBJECT);
    Ptr<rm::WinDevice> windowSide;
    ASSERT_EQ(orphan->QueryWinDevice(windowSide), D3DRM_OK);
    EXPECT_EQ(windowSide->HandlePaint(nullptr), rm::D3DRMERR_BADOBJECT);
}

// Until Update the window keeps showing the frame before; a repaint shows the scene as it was
// rendered, not as it has moved since.
TEST_F(Render, UpdateShowsWhatWasRendered)
{
    Frame();
    ASSERT_EQ(Shown().pixel(5, 5), kBackground);
    root->SetSceneBackgroundRGB(1.0f, 0.0f, 0.0f);
    auto square = Child();
    square->AddVisual(MakeSquare(1, 0, nullptr).get());
    ASSERT_EQ(viewport->Clear(rm::D3DRMCLEAR_ALL), D3DRM_OK);
    ASSERT_EQ(viewport->Render(root.get()), D3DRM_OK);
    EXPECT_EQ(Shown().pixel(5, 5), kBackground);
    ASSERT_EQ(device->Update(), D3DRM_OK);
    EXPECT_EQ(Shown().pixel(5, 5), qRgb(255, 0, 0));

    root->SetSceneBackgroundRGB(0.0f, 1.0f, 0.0f);
    square->SetPosition(nullptr, 100, 0, 0);
    Ptr<rm::WinDevice> windowSide;
    ASSERT_EQ(device->QueryWinDevice(windowSide), D3DRM_OK);
    ASSERT_EQ(windowSide->HandlePaint(nullptr), D3DRM_OK);
    const QImage shown = Shown();
    EXPECT_EQ(shown.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(Projected(0, 0, 0)), qRgb(255, 255, 255));
}

// The nearer square hides the farther one, whichever the tree draws first.
TEST_F(Render, NearerFacesHideFartherOnes)
{
    for (const bool nearFirst : {true, false}) {
        SCOPED_TRACE(nearFirst);
        auto scene = rm::MakePtr<rm::Frame3>();
        auto nearSquare = MakeSquare(1, 0, nullptr, 1.0f);
        auto farSquare = MakeSquare(3, 5, nullptr, 0.4f);
        scene->AddVisual(nearFirst ? nearSquare.get() : farSquare.get());
        scene->AddVisual(nearFirst ? farSquare.get() : nearSquare.get());
        root->AddChild(scene.get());
        Frame();
        const QImage shown = Shown();
        EXPECT_EQ(shown.pixel(Projected(0, 0, 0)), qRgb(255, 255, 255));
        EXPECT_EQ(shown.pixel(Projected(2, 2, 5)), qRgb(102, 102, 102));
        root->DeleteChild(scene.get());
    }
}

struct LightingCase {
    const char* name;
    rm::D3DVECTOR shining; // the directional light's direction
    rm::D3DRMRENDERQUALITY quality;
    int grey;              // of a white face: 255 × (0.25 ambient + 0.75 × cos)
};

class Lighting : public Render, public ::testing::WithParamInterface<LightingCase> {};

TEST_P(Lighting, AFaceTakesTheLightThatFallsOnItsFront)
{
    const LightingCase& c = GetParam();
    SetLights(0.25f, 0.75f);
    ASSERT_EQ(lights->SetOrientation(root.get(), c.shining.x, c.shining.y, c.shining.z, 0, 1, 0), D3DRM_OK);
    device->SetQuality(c.quality);
    Show(MakeSquare(4, 0, nullptr));
    Frame();
    const QRgb pixel = Shown().pixel(Projected(0, 0, 0));
    EXPECT_NEAR(qRed(pixel), c.grey, 1);
    EXPECT_EQ(qRed(pixel), qGreen(pixel));
    EXPECT_EQ(qRed(pixel), qBlue(pixel));
}

INSTANTIATE_TEST_SUITE_P(
    Render, Lighting,
    ::testing::Values(LightingCase{"FromTheFront", {0, 0, 1}, rm::D3DRMRENDER_FLAT, 255},
                      LightingCase{"FromBehind", {0, 0, -1}, rm::D3DRMRENDER_FLAT, 64},
                      LightingCase{"Grazing", {1, 0, 0}, rm::D3DRMRENDER_FLAT, 64},
                      LightingCase{"AtSixtyDegrees", {0, -std::sqrt(3.0f) / 2, 0.5f}, rm::D3DRMRENDER_FLAT, 159},
                      LightingCase{"LightingOff", {0, 0, -1}, rm::D3DRMSHADE_FLAT | rm::D3DRMFILL_SOLID, 255}),
    [](const auto& test) { return std::string(test.param.name); });

// A model frame that stretches its mesh turns the faces' normals the other way from the faces.
TEST_F(Render, StretchedFacesAreLitByTheirOwnNormals)
{
    SetLights(0.0f, 1.0f); // shining along +z, into the camera's view
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const rm::D3DVECTOR normal{0.0f, 0.7071f, -0.7071f};
    mesh->Vertices() = {{{-1, -1, -1}, normal}, {{1, -1, -1}, normal}, {{-1, 1, 1}, normal}, {{1, 1, 1}, normal}};
    mesh->Faces() = {{{0, 2, 1}, 0}, {{1, 2, 3}, 0}};
    mesh->Materials() = {{1.0f, 1.0f, 1.0f, 1.0f, nullptr}};
    auto model = Child();
    rm::Matrix4 stretch;
    stretch.At(1, 1) = 3.0f;
    model->SetLocalTransform(stretch);
    model->AddVisual(mesh.get());
    Frame();
    // The stretched face leans back at atan(1/3): cos = 3/√10 of the light falls on it.
    EXPECT_NEAR(qRed(Shown().pixel(Projected(0, 0, 0))), 242, 1);
}

TEST_F(Render, ADeviceMadeAgainOnItsWindowIsTheOnlyOneThere)
{
    for (int i = 0; i < 3; ++i) {
        viewport.reset();
        device.reset();
        ASSERT_EQ(rm::gl::CreateDevice(clipper.get(), &ddraw::IID_SoftwareDevice, kWidth, kHeight, device), D3DRM_OK);
        ASSERT_EQ(rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, kWidth, kHeight, viewport), D3DRM_OK);
        EXPECT_EQ(window.findChildren<QOpenGLWidget*>().size(), 1);
        Frame();
        EXPECT_EQ(Shown().pixel(5, 5), kBackground);
    }
}

TEST_F(Render, TheWindowKeepsTheMouse)
{
    EXPECT_TRUE(window.findChild<QOpenGLWidget*>()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

struct DeviceCase {
    const char* name;
    bool withWindow;
    const win::GUID* guid;
    int width;
    win::HRESULT expected;
};

class DeviceCreation : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceCreation, AnswersForItsArguments)
{
    const DeviceCase& c = GetParam();
    QWidget window;
    auto clipper = rm::MakePtr<WindowClipper>(c.withWindow ? &window : nullptr);
    Ptr<rm::Device3> device;
    EXPECT_EQ(rm::gl::CreateDevice(clipper.get(), c.guid, c.width, 30, device), c.expected);
    EXPECT_EQ(static_cast<bool>(device), c.expected == D3DRM_OK);
}

const win::GUID kOtherDevice{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};

INSTANTIATE_TEST_SUITE_P(
    Render, DeviceCreation,
    ::testing::Values(DeviceCase{"DefaultDevice", true, nullptr, 40, D3DRM_OK},
                      DeviceCase{"HardwareDevice", true, &ddraw::IID_HardwareDevice, 40, D3DRM_OK},
                      DeviceCase{"SoftwareDevice", true, &ddraw::IID_SoftwareDevice, 40, D3DRM_OK},
                      DeviceCase{"UnknownDevice", true, &kOtherDevice, 40, rm::D3DRMERR_BADDEVICE},
                      DeviceCase{"NoWindow", false, nullptr, 40, rm::D3DRMERR_BADOBJECT},
                      DeviceCase{"NoWidth", true, nullptr, 0, rm::D3DRMERR_BADVALUE}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RenderDevice, NoClipperIsABadObject)
{
    Ptr<rm::Device3> device;
    EXPECT_EQ(rm::gl::CreateDevice(nullptr, nullptr, 40, 30, device), rm::D3DRMERR_BADOBJECT);
}

TEST_F(Render, ViewportsStayOnTheirDevice)
{
    Ptr<rm::Viewport2> other;
    EXPECT_EQ(rm::gl::CreateViewport(device.get(), camera.get(), 10, 10, kWidth, kHeight, other),
              rm::D3DRMERR_BADVALUE);
    EXPECT_EQ(rm::gl::CreateViewport(device.get(), nullptr, 0, 0, kWidth, kHeight, other), rm::D3DRMERR_BADOBJECT);
    EXPECT_EQ(rm::gl::CreateViewport(device.get(), camera.get(), 0, 0, 0, kHeight, other), rm::D3DRMERR_BADVALUE);
    EXPECT_FALSE(other);
}

// Each case starts from a new viewport: front 1, back 100.
struct PlaneCase {
    bool front; // SetFront, else SetBack
    float value;
    win::HRESULT expected;
};

class Planes : public Render, public ::testing::WithParamInterface<PlaneCase> {};

TEST_P(Planes, KeepFrontBeforeBack)
{
    const PlaneCase& c = GetParam();
    const win::HRESULT result = c.front ? viewport->SetFront(c.value) : viewport->SetBack(c.value);
    EXPECT_EQ(result, c.expected);
    const float kept = c.front ? viewport->GetFront() : viewport->GetBack();
    EXPECT_EQ(kept, c.expected == D3DRM_OK ? c.value : (c.front ? 1.0f : 100.0f));
}

INSTANTIATE_TEST_SUITE_P(Render, Planes,
                         ::testing::Values(PlaneCase{true, 0.5f, D3DRM_OK}, PlaneCase{true, 0.0f, rm::D3DRMERR_BADVALUE},
                                           PlaneCase{true, -1.0f, rm::D3DRMERR_BADVALUE},
                                           PlaneCase{true, 100.0f, rm::D3DRMERR_BADVALUE},
                                           PlaneCase{true, NAN, rm::D3DRMERR_BADVALUE},
                                           PlaneCase{false, 8000.0f, D3DRM_OK},
                                           PlaneCase{false, 1.0f, rm::D3DRMERR_BADVALUE},
                                           PlaneCase{false, 0.0f, rm::D3DRMERR_BADVALUE},
                                           PlaneCase{false, INFINITY, rm::D3DRMERR_BADVALUE}));

} // namespace

TEST(WindowSurface, APreparedWindowKeepsItsNativeWindowWhenADeviceArrives)
{
    QWidget window;
    window.resize(kWidth + 40, kHeight + 40);
    auto* area = new QWidget(&window);
    area->setGeometry(20, 20, kWidth, kHeight);
    rm::PrepareWindowForDevice(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const WId shown = window.winId();

    auto clipper = rm::MakePtr<WindowClipper>(area);
    Ptr<rm::Device3> device;
    ASSERT_EQ(rm::gl::CreateDevice(clipper.get(), nullptr, kWidth, kHeight, device), D3DRM_OK);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.winId(), shown) << "a window made anew loses its place and the keyboard";
}
