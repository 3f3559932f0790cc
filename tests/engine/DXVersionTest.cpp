#include "engine/DXCore.h"
#include "engine/DXVersion.h"
#include "fakes/FakeEngineSystem.h"
#include "fakes/ScriptedMessageBoxes.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace {

using win::VER_PLATFORM_WIN32_NT;
using win::VER_PLATFORM_WIN32_WINDOWS;

constexpr win::HRESULT kFailure = static_cast<win::HRESULT>(0x88760233);

win::OSVERSIONINFO Os(std::uint32_t platform, std::uint32_t major, std::uint32_t build)
{
    return {0, major, 0, build, platform, {}};
}

// A 95-family system old enough to be probed.
const win::OSVERSIONINFO kOld95 = Os(VER_PLATFORM_WIN32_WINDOWS, 4, 0x04000000 | 950);

struct ProbeCase {
    const char* name;
    win::OSVERSIONINFO os;
    // A module missing altogether, or present without its entry.
    const char* missingModule = nullptr;
    bool entryOnlyMissing = false;
    // A system call that fails.
    const char* failingCall = nullptr;
    std::uint32_t version;
    std::uint32_t platform;
};

void PrintTo(const ProbeCase& c, std::ostream* out)
{
    *out << c.name;
}

class DXVersionProbe : public ::testing::TestWithParam<ProbeCase> {
protected:
    FakeEngineSystem system;
    TDXCore core{nullptr, system};
};

TEST_P(DXVersionProbe, FindsTheReleaseAndReleasesEverythingItMade)
{
    const ProbeCase& c = GetParam();
    system.OsVersion = c.os;
    if (c.missingModule && c.entryOnlyMissing)
        system.Modules[c.missingModule].clear();
    else if (c.missingModule)
        system.Modules.erase(c.missingModule);
    // Once for GetDXVersion, once for CheckDXVersion.
    if (c.failingCall)
        for (const int nth : {1, 2})
            system.Log.FailCall(c.failingCall, nth, kFailure);

    std::uint32_t version = 0xDEAD, platform = 0xDEAD;
    core.GetDXVersion(&version, &platform);
    EXPECT_EQ(version, c.version);
    EXPECT_EQ(platform, c.platform);

    const FakeDirectDraw& layer = system.DirectDraw;
    EXPECT_EQ(layer.LiveDirectDraws + layer.LiveDirectDraw2s + layer.LiveSurfaces + layer.LiveSurface3s, 0);

    // The check passes from DirectX 5 on.
    EXPECT_EQ(core.CheckDXVersion(), c.version >= 0x500);
}

INSTANTIATE_TEST_SUITE_P(
    DXVersion, DXVersionProbe,
    ::testing::Values(
        ProbeCase{"VersionUnreadable", Os(VER_PLATFORM_WIN32_NT, 10, 0), nullptr, false, "GetVersionEx", 0, 0},
        ProbeCase{"NT3", Os(VER_PLATFORM_WIN32_NT, 3, 1057), nullptr, false, nullptr, 0, 2},
        ProbeCase{"NT4WithoutDirectInput", Os(VER_PLATFORM_WIN32_NT, 4, 1381), "DINPUT.DLL", false, nullptr, 0x200, 2},
        ProbeCase{"NT4DirectInputWithoutEntry", Os(VER_PLATFORM_WIN32_NT, 4, 1381), "DINPUT.DLL", true, nullptr, 0x200, 2},
        ProbeCase{"NT4WithDirectInput", Os(VER_PLATFORM_WIN32_NT, 4, 1381), nullptr, false, nullptr, 0x300, 2},
        ProbeCase{"NT5", Os(VER_PLATFORM_WIN32_NT, 5, 2195), nullptr, false, nullptr, 0x501, 2},
        ProbeCase{"Build1998", Os(VER_PLATFORM_WIN32_WINDOWS, 4, 0x040A0000 | 1998), nullptr, false, nullptr, 0x501, 1},
        ProbeCase{"NoDirectDrawModule", kOld95, "DDRAW.DLL", false, nullptr, 0, 0},
        ProbeCase{"NoDirectDrawEntry", kOld95, "DDRAW.DLL", true, nullptr, 0, 0},
        ProbeCase{"DirectDrawCreateFails", kOld95, nullptr, false, "DirectDrawCreate", 0, 0},
        ProbeCase{"NoDirectDraw2", kOld95, nullptr, false, "QueryDirectDraw2", 0x100, 1},
        ProbeCase{"NoDirectInput", kOld95, "DINPUT.DLL", false, nullptr, 0x200, 1},
        ProbeCase{"NoDirectInputEntry", kOld95, "DINPUT.DLL", true, nullptr, 0x200, 1},
        ProbeCase{"CooperativeLevelFails", kOld95, nullptr, false, "SetCooperativeLevel", 0, 1},
        ProbeCase{"PrimarySurfaceFails", kOld95, nullptr, false, "CreateSurface", 0, 1},
        ProbeCase{"NoSurface3", kOld95, nullptr, false, "QuerySurface3", 0x300, 1},
        ProbeCase{"DirectX5", kOld95, nullptr, false, nullptr, 0x500, 1}),
    [](const ::testing::TestParamInfo<ProbeCase>& test) { return std::string(test.param.name); });

TEST(DXVersion, ANewSystemIsJudgedByItsVersionAlone)
{
    for (const win::OSVERSIONINFO& os : {Os(VER_PLATFORM_WIN32_NT, 10, 19045), Os(VER_PLATFORM_WIN32_WINDOWS, 4, 1998)}) {
        FakeEngineSystem system;
        system.OsVersion = os;
        EXPECT_EQ(ProbeDXVersion(system).Version, 0x501u);
        EXPECT_TRUE(system.ModulesAsked.empty());
        EXPECT_EQ(system.Log.Calls(), std::vector<std::string>{"GetVersionEx"});
    }
}

TEST(DXVersion, TheProbeAsksForTheNormalLevelAndThePrimarySurfaceOnly)
{
    FakeEngineSystem system;
    system.OsVersion = kOld95;
    ASSERT_EQ(ProbeDXVersion(system).Version, 0x500u);

    const FakeDirectDraw& layer = system.DirectDraw;
    ASSERT_EQ(layer.CooperativeLevels.size(), 1u);
    EXPECT_EQ(layer.CooperativeLevels[0].window, nullptr);
    EXPECT_EQ(layer.CooperativeLevels[0].flags, ddraw::DDSCL_NORMAL);

    ddraw::DDSURFACEDESC primary{};
    primary.dwSize = 108;
    primary.dwFlags = ddraw::DDSD_CAPS;
    primary.ddsCaps.dwCaps = ddraw::DDSCAPS_PRIMARYSURFACE;
    ASSERT_EQ(layer.SurfaceDescriptions.size(), 1u);
    EXPECT_EQ(std::memcmp(&layer.SurfaceDescriptions[0], &primary, sizeof primary), 0);
}

TEST(DXVersion, EitherResultMayBeLeftOut)
{
    FakeEngineSystem system;
    TDXCore core{nullptr, system};
    std::uint32_t version = 0;
    core.GetDXVersion(&version, nullptr);
    EXPECT_EQ(version, 0x501u);
    std::uint32_t platform = 0;
    core.GetDXVersion(nullptr, &platform);
    EXPECT_EQ(platform, 2u);
}

TEST(DXVersion, ACoreOnATooOldSystemRefusesQuietlyAndBuildsNothing)
{
    ScriptedMessageBoxes boxes;
    FakeEngineSystem system;
    system.OsVersion = Os(VER_PLATFORM_WIN32_NT, 4, 1381);
    TDXCore core{nullptr, system};

    EXPECT_FALSE(core.Create(nullptr, nullptr));
    EXPECT_FALSE(core.Ready);
    EXPECT_FALSE(core.RenderForm);
    EXPECT_FALSE(core.DirectX3DRM);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(system.Log.Calls(), std::vector<std::string>{"GetVersionEx"});
}

TEST(DXVersion, TheRealSystemIsANewNTSystem)
{
    TDXCore core{nullptr};
    std::uint32_t version = 0, platform = 0;
    core.GetDXVersion(&version, &platform);
    EXPECT_EQ(version, 0x501u);
    EXPECT_EQ(platform, 2u);
    EXPECT_TRUE(core.CheckDXVersion());
}

// The real modules and DirectDraw objects, asked as an old 95-family system would ask them.
class Old95System final : public EngineSystem {
public:
    bool GetVersionEx(win::OSVERSIONINFO& info) override
    {
        info = kOld95;
        info.dwOSVersionInfoSize = sizeof info;
        return true;
    }
};

TEST(DXVersion, TheRealLayerOffersEverythingTheFullProbeLooksFor)
{
    rm::Ptr<ddraw::DirectDraw> directDraw;
    if (ddraw::DirectDrawCreate(nullptr, directDraw) == ddraw::DDERR_NODIRECTDRAWHW
        && QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs a window system with OpenGL";
    Old95System system;
    const DXVersion found = ProbeDXVersion(system);
    EXPECT_EQ(found.Version, 0x500u);
    EXPECT_EQ(found.Platform, 1u);
}

} // namespace
