#include "ddraw/DirectDraw.h"
#include "rm/Types.h"

#include <QGuiApplication>
#include <QProcess>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace ddraw;

constexpr std::uint32_t kAnyDepth = DDBD_1 | DDBD_2 | DDBD_4 | DDBD_8 | DDBD_16 | DDBD_24 | DDBD_32;
constexpr std::uint32_t kRenderDepths = DDBD_16 | DDBD_24 | DDBD_32;

D3DFINDDEVICESEARCH Search(std::uint32_t flags, bool hardware, std::uint32_t colorModel)
{
    D3DFINDDEVICESEARCH search{};
    search.dwSize = sizeof search;
    search.dwFlags = flags;
    search.bHardware = hardware;
    search.dcmColorModel = colorModel;
    return search;
}

D3DFINDDEVICERESULT EmptyResult()
{
    D3DFINDDEVICERESULT result{};
    result.dwSize = sizeof result;
    return result;
}

// The machine's device search. Only a window system with OpenGL has one.
class SystemDirectDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const HRESULT created = DirectDrawCreate(nullptr, directDraw);
        if (created == DDERR_NODIRECTDRAWHW && QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "needs a window system with OpenGL";
        ASSERT_EQ(created, DD_OK);
        ASSERT_TRUE(directDraw);
        ASSERT_EQ(directDraw->QueryDirect3D(direct3D), DD_OK);
        ASSERT_TRUE(direct3D);
        D3DFINDDEVICERESULT any = EmptyResult();
        ASSERT_EQ(direct3D->FindDevice(Search(D3DFDS_COLORMODEL, false, rm::D3DCOLOR_RGB), any), DD_OK);
        machineDevice = any.guid;
    }

    bool SoftwareMachine() const { return machineDevice == IID_SoftwareDevice; }

    Ptr<DirectDraw> directDraw;
    Ptr<Direct3D> direct3D;
    GUID machineDevice;
};

TEST_F(SystemDirectDrawTest, TheMachinesDeviceIsOneOfTheTwoKnownDevices)
{
    EXPECT_TRUE(machineDevice == IID_SoftwareDevice || machineDevice == IID_HardwareDevice);
}

TEST_F(SystemDirectDrawTest, SearchesForTheMachinesOwnKindFindItInEitherColourModel)
{
    const bool hardware = !SoftwareMachine();
    for (std::uint32_t model : {rm::D3DCOLOR_MONO, rm::D3DCOLOR_RGB}) {
        SCOPED_TRACE(model);
        D3DFINDDEVICERESULT result = EmptyResult();
        ASSERT_EQ(direct3D->FindDevice(Search(D3DFDS_COLORMODEL | D3DFDS_HARDWARE, hardware, model), result), DD_OK);
        EXPECT_EQ(result.guid, machineDevice);
        const D3DDEVICEDESC& found = hardware ? result.ddHwDesc : result.ddSwDesc;
        EXPECT_EQ(found.dcmColorModel, model);
        EXPECT_EQ(found.dwDeviceRenderBitDepth, kRenderDepths);
    }
}

// On a software rasteriser the hardware search fails with a hardware side that renders at no
// depth, so a caller that moves to software when the hardware lacks the desktop's depth does so.
TEST_F(SystemDirectDrawTest, OnASoftwareMachineTheHardwareSearchFailsWithAHardwareSideLackingEveryDepth)
{
    if (!SoftwareMachine())
        GTEST_SKIP() << "this machine renders in hardware";
    D3DFINDDEVICERESULT result = EmptyResult();
    EXPECT_EQ(direct3D->FindDevice(Search(D3DFDS_COLORMODEL | D3DFDS_HARDWARE, true, rm::D3DCOLOR_MONO), result),
              DDERR_NOTFOUND);
    EXPECT_NE(result.ddHwDesc.dwFlags, 0u);
    EXPECT_EQ(result.ddHwDesc.dwDeviceRenderBitDepth & kAnyDepth, 0u);
    EXPECT_EQ(result.guid, GUID{});
}

TEST_F(SystemDirectDrawTest, SearchByGuidFindsOnlyTheMachinesDevice)
{
    D3DFINDDEVICESEARCH search = Search(D3DFDS_GUID, false, 0);
    search.guid = machineDevice;
    D3DFINDDEVICERESULT result = EmptyResult();
    EXPECT_EQ(direct3D->FindDevice(search, result), DD_OK);
    search.guid = SoftwareMachine() ? IID_HardwareDevice : IID_SoftwareDevice;
    EXPECT_EQ(direct3D->FindDevice(search, result), DDERR_NOTFOUND);
}

TEST_F(SystemDirectDrawTest, AnUnknownColourModelIsNotFound)
{
    D3DFINDDEVICERESULT result = EmptyResult();
    EXPECT_EQ(direct3D->FindDevice(Search(D3DFDS_COLORMODEL, false, 7), result), DDERR_NOTFOUND);
}

struct SizeCase {
    std::uint32_t searchSize;
    std::uint32_t resultSize;
};

class SystemDirectDrawSizeTest : public SystemDirectDrawTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SystemDirectDrawSizeTest, RecordsOfAnotherSizeAreRejectedUntouched)
{
    D3DFINDDEVICESEARCH search = Search(D3DFDS_COLORMODEL, false, rm::D3DCOLOR_RGB);
    search.dwSize = GetParam().searchSize;
    D3DFINDDEVICERESULT result{};
    result.dwSize = GetParam().resultSize;
    result.guid.Data1 = 0xC0FFEE;
    EXPECT_EQ(direct3D->FindDevice(search, result), DDERR_INVALIDPARAMS);
    EXPECT_EQ(result.guid.Data1, 0xC0FFEEu);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SystemDirectDrawSizeTest,
                         ::testing::Values(SizeCase{0, 524}, SizeCase{91, 524}, SizeCase{92, 0}, SizeCase{92, 523},
                                           SizeCase{524, 92}));

TEST(SystemDirectDraw, AnotherDriverIsNotFound)
{
    const GUID driver = IID_HardwareDevice;
    Ptr<DirectDraw> directDraw;
    EXPECT_EQ(DirectDrawCreate(&driver, directDraw), DDERR_NOTFOUND);
    EXPECT_FALSE(directDraw);
}

// The machine's renderer is asked once per program, so a window system without OpenGL is tried
// in a copy of this program.
TEST(SystemDirectDraw, WithoutOpenGLThereIsNoDirectDraw)
{
    if (QGuiApplication::platformName() == "offscreen" && !qEnvironmentVariableIsSet("DISPLAY")) {
        Ptr<DirectDraw> directDraw;
        EXPECT_EQ(DirectDrawCreate(nullptr, directDraw), DDERR_NODIRECTDRAWHW);
        EXPECT_FALSE(directDraw);
        return;
    }
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Without an X display to borrow GLX from, the offscreen platform has no OpenGL.
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("DISPLAY");
    copy.setProcessEnvironment(environment);
    copy.start(QCoreApplication::applicationFilePath(),
               {"--gtest_filter=SystemDirectDraw.WithoutOpenGLThereIsNoDirectDraw"});
    ASSERT_TRUE(copy.waitForFinished(60000));
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardOutput().toStdString();
}

TEST(SystemClipper, KeepsItsWindowWhileTheWindowLives)
{
    Ptr<Clipper> clipper;
    ASSERT_EQ(DirectDrawCreateClipper(0, clipper), DD_OK);
    EXPECT_EQ(clipper->GetHWnd(), nullptr);
    auto window = std::make_unique<QWidget>();
    EXPECT_EQ(clipper->SetHWnd(0, window.get()), DD_OK);
    EXPECT_EQ(clipper->GetHWnd(), window.get());
    EXPECT_EQ(clipper->SetHWnd(0, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(clipper->SetHWnd(1, window.get()), DDERR_INVALIDPARAMS);
    EXPECT_EQ(clipper->GetHWnd(), window.get()) << "a refused call keeps the window";
    window.reset();
    EXPECT_EQ(clipper->GetHWnd(), nullptr);
}

TEST(SystemClipper, FlagsAreRefused)
{
    Ptr<Clipper> clipper;
    EXPECT_EQ(DirectDrawCreateClipper(1, clipper), DDERR_INVALIDPARAMS);
    EXPECT_FALSE(clipper);
}

} // namespace
