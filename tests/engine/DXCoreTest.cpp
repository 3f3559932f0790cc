#include "engine/DXCore.h"
#include "engine/DXScene.h"
#include "fakes/ManualClock.h"
#include "win/MessagePump.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(DXCore, TheFloorLoadGivesA256SquarePaletteTexture)
{
    TDXScene scene;
    TDXCore core(nullptr);
    core.DXScene = &scene;
    EXPECT_FALSE(core.AddMeshFromFile("00.x", 0, 0, 0)) << "nothing loads before Create";
    ASSERT_TRUE(core.Create(nullptr, "bmp.mte"));
    EXPECT_TRUE(core.Ready);
    rm::Ptr<rm::Frame3> floor = core.AddMeshFromFile("00.x", 0, 0, 0);
    ASSERT_TRUE(floor);
    EXPECT_EQ(floor->Parent(), scene.SceneFrame());
    rm::Ptr<rm::Texture3> texture = core.GetTexture();
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetImage()->width, kFloorTextureSize);
    EXPECT_EQ(texture->GetImage()->height, kFloorTextureSize);
    EXPECT_TRUE(core.RenderScene());
    core.Destroy();
    EXPECT_FALSE(core.Ready);
    EXPECT_FALSE(core.GetTexture());
    EXPECT_TRUE(core.RenderScene()) << "nothing to render is no failure";
}

TEST(DXCore, StepPumpsMessagesAndAQuitClearsRunning)
{
    ManualClock clock;
    clock.StepEveryReading(4);
    TDXCore core(nullptr);
    core.Running = true;
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    EXPECT_EQ(core.Step(), 4);
    EXPECT_EQ(handled, 1);
    EXPECT_TRUE(core.Running);

    win::PostQuitMessage(0);
    core.Step();
    EXPECT_FALSE(core.Running);
}

TEST(NormalizeVector, ScalesToUnitLengthAndMakesZeroPointAlongX)
{
    float x = 0, y = -3, z = 2;
    NormalizeVector(x, y, z);
    EXPECT_NEAR(y, -0.832f, 1e-3);
    EXPECT_NEAR(z, 0.555f, 1e-3);
    x = y = z = 0;
    NormalizeVector(x, y, z);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(z, 0.0f);
}

} // namespace
