#include "dinput/DirectInput.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using namespace dinput;

// Makes `window` the active window and waits until the application agrees.
bool Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A real device over a real window of ours. Needs a display.
class SystemDirectInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DirectInputCreate(nullptr, DIRECTINPUT_VERSION, directInput), DI_OK);
        window.setGeometry(50, 50, 200, 150);
        other.setGeometry(300, 50, 200, 150);
        ASSERT_TRUE(Activate(window));
    }

    // A device made and set up as the engine does, not yet acquired.
    Ptr<DirectInputDevice> Device(const GUID& kind, const DIDATAFORMAT& format)
    {
        Ptr<DirectInputDevice> device;
        EXPECT_EQ(directInput->CreateDevice(kind, device), DI_OK);
        EXPECT_EQ(device->SetEventNotification(nullptr), DI_OK);
        EXPECT_EQ(device->SetDataFormat(&format), DI_OK);
        EXPECT_EQ(device->SetCooperativeLevel(&window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND), DI_OK);
        return device;
    }

    HRESULT ReadMouse(DIMOUSESTATE& state) { return mouse->GetDeviceState(sizeof state, &state); }
    HRESULT ReadKeys() { return keyboard->GetDeviceState(static_cast<std::uint32_t>(keys.size()), keys.data()); }

    Ptr<DirectInput> directInput;
    QWidget window;
    QWidget other;
    Ptr<DirectInputDevice> mouse = nullptr;
    Ptr<DirectInputDevice> keyboard = nullptr;
    std::array<std::uint8_t, 256> keys{};
};

TEST_F(SystemDirectInputTest, ANewerVersionOrAnUnknownDeviceIsRefused)
{
    Ptr<DirectInput> newer;
    EXPECT_EQ(DirectInputCreate(nullptr, 0x0800, newer), DIERR_OLDDIRECTINPUTVERSION);
    EXPECT_FALSE(newer);
    Ptr<DirectInputDevice> device;
    EXPECT_EQ(directInput->CreateDevice(GUID{1, 2, 3, {}}, device), DIERR_DEVICENOTREG);
    EXPECT_FALSE(device);
}

TEST_F(SystemDirectInputTest, SettingsAreCheckedAndRefusedWhileAcquired)
{
    Ptr<DirectInputDevice> device;
    ASSERT_EQ(directInput->CreateDevice(GUID_SysMouse, device), DI_OK);
    EXPECT_EQ(device->Acquire(), DIERR_INVALIDPARAM) << "no data format yet";
    EXPECT_EQ(device->SetDataFormat(&c_dfDIKeyboard), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetEventNotification(&window), DIERR_UNSUPPORTED);
    EXPECT_EQ(device->SetCooperativeLevel(&window, DISCL_EXCLUSIVE | DISCL_FOREGROUND), DIERR_UNSUPPORTED);
    EXPECT_EQ(device->SetCooperativeLevel(nullptr, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetCooperativeLevel(&window, DISCL_NONEXCLUSIVE), DIERR_INVALIDPARAM);

    ASSERT_EQ(device->SetDataFormat(&c_dfDIMouse), DI_OK);
    ASSERT_EQ(device->SetCooperativeLevel(&window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND), DI_OK);
    DIMOUSESTATE state;
    EXPECT_EQ(device->GetDeviceState(sizeof state, &state), DIERR_NOTACQUIRED);
    ASSERT_EQ(device->Acquire(), DI_OK);
    EXPECT_EQ(device->Acquire(), DI_NOEFFECT);
    EXPECT_EQ(device->SetDataFormat(&c_dfDIMouse), DIERR_ACQUIRED);
    EXPECT_EQ(device->GetDeviceState(sizeof state + 1, &state), DIERR_INVALIDPARAM);
}

TEST_F(SystemDirectInputTest, MouseMotionIsTheCursorsMovementSinceThePreviousRead)
{
    mouse = Device(GUID_SysMouse, c_dfDIMouse);
    const QPoint start = window.mapToGlobal(QPoint(100, 75));
    QCursor::setPos(start);
    ASSERT_EQ(mouse->Acquire(), DI_OK);

    DIMOUSESTATE state;
    QCursor::setPos(start + QPoint(30, -20));
    ASSERT_EQ(ReadMouse(state), DI_OK);
    EXPECT_EQ(state.lX, 30);
    EXPECT_EQ(state.lY, -20);
    EXPECT_EQ(state.lZ, 0);

    ASSERT_EQ(ReadMouse(state), DI_OK);
    EXPECT_EQ(state.lX, 0) << "motion is reported once";
    EXPECT_EQ(state.lY, 0);
}

TEST_F(SystemDirectInputTest, WheelTurnsAndButtonsShowInTheMouseRecord)
{
    mouse = Device(GUID_SysMouse, c_dfDIMouse);
    ASSERT_EQ(mouse->Acquire(), DI_OK);
    const QPointF inside(100, 75);
    QWheelEvent turn(inside, window.mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window.windowHandle(), &turn);
    QTest::mousePress(window.windowHandle(), Qt::RightButton, Qt::NoModifier, inside.toPoint());

    DIMOUSESTATE state;
    ASSERT_EQ(ReadMouse(state), DI_OK);
    EXPECT_EQ(state.lZ, -120);
    EXPECT_EQ(state.rgbButtons[0], 0);
    EXPECT_TRUE(IsPressed(state.rgbButtons[1]));

    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, Qt::NoModifier, inside.toPoint());
    ASSERT_EQ(ReadMouse(state), DI_OK);
    EXPECT_EQ(state.lZ, 0);
    EXPECT_FALSE(IsPressed(state.rgbButtons[1]));
}

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::uint8_t code;
};

class SystemKeyboardTest : public SystemDirectInputTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SystemKeyboardTest, APressedKeyIsDownUnderItsCodeUntilReleased)
{
    keyboard = Device(GUID_SysKeyboard, c_dfDIKeyboard);
    ASSERT_EQ(keyboard->Acquire(), DI_OK);
    const KeyCase& key = GetParam();

    QTest::keyPress(&window, key.key, key.modifiers);
    ASSERT_EQ(ReadKeys(), DI_OK);
    EXPECT_EQ(keys[key.code], 0x80);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 0x80), 1);

    QTest::keyRelease(&window, key.key, key.modifiers);
    ASSERT_EQ(ReadKeys(), DI_OK);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 0), 256);
}

const KeyCase kKeys[] = {
    {Qt::Key_Escape, Qt::NoModifier, DIK_ESCAPE},
    {Qt::Key_Space, Qt::NoModifier, DIK_SPACE},
    {Qt::Key_Shift, Qt::NoModifier, DIK_LSHIFT},
    {Qt::Key_Up, Qt::NoModifier, DIK_UP},
    {Qt::Key_A, Qt::NoModifier, DIK_A},
    {Qt::Key_P, Qt::NoModifier, DIK_P},
    {Qt::Key_Exclam, Qt::NoModifier, DIK_1},
    {Qt::Key_QuoteLeft, Qt::NoModifier, DIK_GRAVE},
    {Qt::Key_Question, Qt::NoModifier, DIK_SLASH},
    {Qt::Key_Backtab, Qt::NoModifier, DIK_TAB},
    {Qt::Key_F10, Qt::NoModifier, DIK_F1 + 9},
    {Qt::Key_5, Qt::KeypadModifier, DIK_NUMPAD5},
    {Qt::Key_Up, Qt::KeypadModifier, DIK_NUMPAD8},
    {Qt::Key_Enter, Qt::KeypadModifier, DIK_NUMPADENTER},
};

INSTANTIATE_TEST_SUITE_P(Keys, SystemKeyboardTest, ::testing::ValuesIn(kKeys));

TEST_F(SystemDirectInputTest, AnotherActiveWindowLosesTheDevicesUntilOursIsBackAndReacquired)
{
    mouse = Device(GUID_SysMouse, c_dfDIMouse);
    keyboard = Device(GUID_SysKeyboard, c_dfDIKeyboard);
    ASSERT_EQ(mouse->Acquire(), DI_OK);
    ASSERT_EQ(keyboard->Acquire(), DI_OK);
    QTest::keyPress(&window, Qt::Key_Space);

    ASSERT_TRUE(Activate(other));
    DIMOUSESTATE state;
    EXPECT_EQ(ReadMouse(state), DIERR_INPUTLOST);
    EXPECT_EQ(ReadMouse(state), DIERR_NOTACQUIRED);
    EXPECT_EQ(mouse->Acquire(), DIERR_OTHERAPPHASPRIO);
    EXPECT_EQ(ReadKeys(), DIERR_INPUTLOST);

    ASSERT_TRUE(Activate(window));
    EXPECT_EQ(ReadMouse(state), DIERR_NOTACQUIRED);
    ASSERT_EQ(keyboard->Acquire(), DI_OK);
    ASSERT_EQ(ReadKeys(), DI_OK);
    EXPECT_EQ(keys[DIK_SPACE], 0) << "a release made elsewhere must not leave the key down";
}

TEST_F(SystemDirectInputTest, LeavingAndComingBackBetweenReadsStillLosesTheMotionMadeAway)
{
    mouse = Device(GUID_SysMouse, c_dfDIMouse);
    const QPoint start = window.mapToGlobal(QPoint(100, 75));
    QCursor::setPos(start);
    ASSERT_EQ(mouse->Acquire(), DI_OK);

    ASSERT_TRUE(Activate(other));
    QCursor::setPos(start + QPoint(300, 0));
    ASSERT_TRUE(Activate(window));
    DIMOUSESTATE state;
    EXPECT_EQ(ReadMouse(state), DIERR_INPUTLOST);
    ASSERT_EQ(mouse->Acquire(), DI_OK);
    ASSERT_EQ(ReadMouse(state), DI_OK);
    EXPECT_EQ(state.lX, 0);
}

TEST_F(SystemDirectInputTest, AHiddenWindowGivesNoInput)
{
    mouse = Device(GUID_SysMouse, c_dfDIMouse);
    ASSERT_EQ(mouse->Acquire(), DI_OK);
    window.hide();
    QCoreApplication::processEvents();
    DIMOUSESTATE state;
    EXPECT_NE(ReadMouse(state), DI_OK);
    EXPECT_NE(mouse->Acquire(), DI_OK);
}

} // namespace
