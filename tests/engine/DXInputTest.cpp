#include "engine/DXInput.h"
#include "engine/EngineError.h"
#include "fakes/FakeDirectInput.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Hands out fake DirectInput objects, or the failure the log plans for the call.
class FakeInputSystem final : public EngineSystem {
public:
    explicit FakeInputSystem(FakeInputWorld& world) : world_(world) {}

    win::HRESULT DirectInputCreate(void*, std::uint32_t version, rm::Ptr<dinput::DirectInput>& out) override
    {
        Version = version;
        if (const win::HRESULT result = world_.log.Enter("DirectInputCreate"); result != 0)
            return result;
        auto directInput = rm::MakePtr<FakeDirectInput>(world_);
        Made = directInput.get();
        out = directInput;
        return 0;
    }

    std::uint32_t Version = 0;
    FakeDirectInput* Made = nullptr;

private:
    FakeInputWorld& world_;
};

class DXInputTest : public ::testing::Test {
protected:
    // Reads the state of `type` into the buffer.
    bool Read(InputType type)
    {
        buffer.fill(0);
        return type == itKeyboard ? input.GetKBState(reinterpret_cast<char*>(buffer.data()))
                                  : input.GetMouseState(buffer.data());
    }

    // The code Create raises, or 0.
    int CreateFails()
    {
        try {
            input.Create(nullptr, &window);
        } catch (const EngineError& error) {
            return error.Code;
        }
        return 0;
    }

    // The calls made since the log had `from` entries.
    Calls CallsSince(std::size_t from) const
    {
        const Calls& all = world.log.Calls();
        return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
    }

    FakeInputWorld world;
    FakeInputSystem system{world};
    TDXInput input{system};
    QWidget window;
    std::array<std::uint8_t, 300> buffer{};
};

struct Kind {
    const char* name;
    InputType type;
    InputType other;
    win::GUID device;
    dinput::DIDATAFORMAT format;
    Calls failedRead; // what a read that finds the device not acquired does
};

const Kind kKinds[] = {
    {"Keyboard", itKeyboard, itMouse, dinput::GUID_SysKeyboard, dinput::c_dfDIKeyboard, {"GetDeviceState", "Acquire"}},
    {"Mouse", itMouse, itKeyboard, dinput::GUID_SysMouse, dinput::c_dfDIMouse,
     {"GetDeviceState", "SetDataFormat", "Acquire"}},
};

class DXInputKindTest : public DXInputTest, public ::testing::WithParamInterface<Kind> {
protected:
    DXInputKindTest() { input.Type = GetParam().type; }
};

TEST_P(DXInputKindTest, CreateBuildsAPolledForegroundDeviceOfItsKind)
{
    ASSERT_EQ(CreateFails(), 0);
    EXPECT_EQ(world.log.Calls(), (Calls{"DirectInputCreate", "CreateDevice", "SetEventNotification", "SetDataFormat",
                                        "SetCooperativeLevel"}));
    EXPECT_EQ(system.Version, 0x0500u);
    const FakeDirectInputDevice* device = system.Made->LastDevice;
    EXPECT_EQ(device->Kind, GetParam().device);
    EXPECT_EQ(device->Format, GetParam().format);
    EXPECT_EQ(device->Window, &window);
    EXPECT_EQ(device->Flags, 6u);
    EXPECT_EQ(input.Keyboard != nullptr, GetParam().type == itKeyboard);
    EXPECT_EQ(input.Mouse != nullptr, GetParam().type == itMouse);
}

TEST_P(DXInputKindTest, TheFirstReadAcquiresAndTheNextDeliversTheWholeRecord)
{
    input.Create(nullptr, &window);
    const std::size_t created = world.log.Calls().size();
    EXPECT_FALSE(Read(GetParam().type));
    EXPECT_EQ(CallsSince(created), GetParam().failedRead);

    ASSERT_TRUE(Read(GetParam().type));
    const std::size_t size = GetParam().format.dwDataSize;
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.begin() + size, [&](std::uint8_t b) { return b == world.fill; }));
    EXPECT_TRUE(std::all_of(buffer.begin() + size, buffer.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_P(DXInputKindTest, ReadsFailWhileAnotherWindowIsActiveAndRecoverAfterOneMore)
{
    input.Create(nullptr, &window);
    Read(GetParam().type);
    ASSERT_TRUE(Read(GetParam().type));

    world.foreground = false;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Read(GetParam().type)) << "read " << i;
    world.foreground = true;
    EXPECT_FALSE(Read(GetParam().type)) << "the device was lost and is acquired again by this read";
    EXPECT_TRUE(Read(GetParam().type));
}

TEST_P(DXInputKindTest, TheOtherKindsReadAndANullBufferGetNothingAndLeaveTheDeviceAlone)
{
    input.Create(nullptr, &window);
    Read(GetParam().type);
    const std::size_t acquired = world.log.Calls().size();
    EXPECT_FALSE(Read(GetParam().other));
    EXPECT_FALSE(GetParam().type == itKeyboard ? input.GetKBState(nullptr) : input.GetMouseState(nullptr));
    EXPECT_EQ(world.log.Calls().size(), acquired);
    EXPECT_TRUE(Read(GetParam().type));
}

TEST_P(DXInputKindTest, DestroyReleasesEverythingOnceAndASecondDestroyDoesNothing)
{
    input.Create(nullptr, &window);
    ASSERT_EQ(world.alive, 2);
    input.Destroy();
    EXPECT_EQ(world.alive, 0);
    EXPECT_EQ(world.log.Count("Unacquire"), 1);
    EXPECT_FALSE(input.Keyboard || input.Mouse);

    const std::size_t destroyed = world.log.Calls().size();
    input.Destroy();
    EXPECT_EQ(world.log.Calls().size(), destroyed);
    EXPECT_FALSE(Read(GetParam().type));
}

TEST_P(DXInputKindTest, CreatingAgainReplacesTheDevice)
{
    input.Create(nullptr, &window);
    input.Create(nullptr, &window);
    EXPECT_EQ(world.alive, 2);
    EXPECT_EQ(world.log.Count("Unacquire"), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DXInputKindTest, ::testing::ValuesIn(kKinds),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(DXInputTest, AJoystickBuildsNothingAndNoReadSucceeds)
{
    input.Type = itJoystick;
    EXPECT_EQ(CreateFails(), 0);
    EXPECT_TRUE(world.log.Calls().empty());
    EXPECT_FALSE(Read(itKeyboard));
    EXPECT_FALSE(Read(itMouse));
}

struct Failure {
    InputType type;
    const char* call;
    int code;
};

class DXInputFailureTest : public DXInputTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(DXInputFailureTest, EachFailingStepOfCreateRaisesItsCodeAndLeavesNothing)
{
    input.Type = GetParam().type;
    world.log.FailCall(GetParam().call, 1, win::E_FAIL);
    EXPECT_EQ(CreateFails(), GetParam().code);
    EXPECT_EQ(world.alive, 0);
    EXPECT_FALSE(input.Keyboard || input.Mouse);
    EXPECT_FALSE(Read(GetParam().type));
}

const Failure kFailures[] = {
    {itKeyboard, "DirectInputCreate", 300}, {itKeyboard, "CreateDevice", 301},
    {itKeyboard, "SetEventNotification", 308}, {itKeyboard, "SetDataFormat", 302},
    {itKeyboard, "SetCooperativeLevel", 303}, {itMouse, "DirectInputCreate", 300},
    {itMouse, "CreateDevice", 301}, {itMouse, "SetEventNotification", 308},
    {itMouse, "SetDataFormat", 302}, {itMouse, "SetCooperativeLevel", 303},
};

INSTANTIATE_TEST_SUITE_P(Steps, DXInputFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& test) {
                             return std::string(test.param.type == itKeyboard ? "Keyboard" : "Mouse") + test.param.call;
                         });

TEST_F(DXInputTest, AMouseReadThatCannotSetItsFormatAgainRaises302)
{
    input.Type = itMouse;
    input.Create(nullptr, &window);
    world.log.FailCall("SetDataFormat", 2, win::E_FAIL);
    try {
        Read(itMouse);
        FAIL() << "no error raised";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.Code, 302);
    }
    EXPECT_EQ(world.log.Count("Acquire"), 0);
}

} // namespace
