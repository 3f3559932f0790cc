#pragma once

#include "dinput/MouseState.h"
#include "rm/Unknown.h"
#include "win/Types.h"

#include <cstdint>

namespace dinput {

using rm::Ptr;
using rm::Unknown;
using win::GUID;
using win::HRESULT;
using win::HWND;

inline constexpr std::uint32_t DIRECTINPUT_VERSION = 0x0500;

inline constexpr HRESULT DI_OK = 0;
inline constexpr HRESULT DI_NOEFFECT = win::S_FALSE;
inline constexpr HRESULT DIERR_INVALIDPARAM = win::E_INVALIDARG;
inline constexpr HRESULT DIERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT DIERR_OTHERAPPHASPRIO = static_cast<HRESULT>(0x80070005);
inline constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(0x8007000C);
inline constexpr HRESULT DIERR_NOTINITIALIZED = static_cast<HRESULT>(0x80070015);
inline constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(0x8007001E);
inline constexpr HRESULT DIERR_ACQUIRED = static_cast<HRESULT>(0x800700AA);
inline constexpr HRESULT DIERR_OLDDIRECTINPUTVERSION = static_cast<HRESULT>(0x8007047E);
inline constexpr HRESULT DIERR_DEVICENOTREG = static_cast<HRESULT>(0x80040154);

inline constexpr std::uint32_t DISCL_EXCLUSIVE = 1;
inline constexpr std::uint32_t DISCL_NONEXCLUSIVE = 2;
inline constexpr std::uint32_t DISCL_FOREGROUND = 4;
inline constexpr std::uint32_t DISCL_BACKGROUND = 8;

inline constexpr std::uint32_t DIDF_RELAXIS = 2;

// The system keyboard and mouse.
inline constexpr GUID GUID_SysKeyboard{0x51454C30, 0x4B42, 0x0001, {0x80, 0x51, 0x45, 0x4C, 0x33, 0x44, 0x00, 0x01}};
inline constexpr GUID GUID_SysMouse{0x51454C30, 0x4D53, 0x0001, {0x80, 0x51, 0x45, 0x4C, 0x33, 0x44, 0x00, 0x02}};

// What a read fills. Only the two published formats exist; a device takes the one of its kind.
struct DIDATAFORMAT {
    std::uint32_t dwFlags = 0;
    std::uint32_t dwDataSize = 0;
    friend bool operator==(const DIDATAFORMAT&, const DIDATAFORMAT&) = default;
};
// 256 key bytes indexed by DIK_ code, bit 7 set while the key is down.
inline constexpr DIDATAFORMAT c_dfDIKeyboard{DIDF_RELAXIS, 256};
// The 16-byte DIMOUSESTATE with relative axes.
inline constexpr DIDATAFORMAT c_dfDIMouse{DIDF_RELAXIS, sizeof(DIMOUSESTATE)};

// Key codes: the positions of the keys on a PC keyboard, whatever the layout prints on them.
inline constexpr std::uint8_t DIK_ESCAPE = 0x01;
inline constexpr std::uint8_t DIK_1 = 0x02; // DIK_2 … DIK_9, DIK_0 follow: 0x03 … 0x0B
inline constexpr std::uint8_t DIK_0 = 0x0B;
inline constexpr std::uint8_t DIK_MINUS = 0x0C;
inline constexpr std::uint8_t DIK_EQUALS = 0x0D;
inline constexpr std::uint8_t DIK_BACK = 0x0E;
inline constexpr std::uint8_t DIK_TAB = 0x0F;
inline constexpr std::uint8_t DIK_Q = 0x10;
inline constexpr std::uint8_t DIK_W = 0x11;
inline constexpr std::uint8_t DIK_E = 0x12;
inline constexpr std::uint8_t DIK_R = 0x13;
inline constexpr std::uint8_t DIK_T = 0x14;
inline constexpr std::uint8_t DIK_Y = 0x15;
inline constexpr std::uint8_t DIK_U = 0x16;
inline constexpr std::uint8_t DIK_I = 0x17;
inline constexpr std::uint8_t DIK_O = 0x18;
inline constexpr std::uint8_t DIK_P = 0x19;
inline constexpr std::uint8_t DIK_LBRACKET = 0x1A;
inline constexpr std::uint8_t DIK_RBRACKET = 0x1B;
inline constexpr std::uint8_t DIK_RETURN = 0x1C;
inline constexpr std::uint8_t DIK_LCONTROL = 0x1D;
inline constexpr std::uint8_t DIK_A = 0x1E;
inline constexpr std::uint8_t DIK_S = 0x1F;
inline constexpr std::uint8_t DIK_D = 0x20;
inline constexpr std::uint8_t DIK_F = 0x21;
inline constexpr std::uint8_t DIK_G = 0x22;
inline constexpr std::uint8_t DIK_H = 0x23;
inline constexpr std::uint8_t DIK_J = 0x24;
inline constexpr std::uint8_t DIK_K = 0x25;
inline constexpr std::uint8_t DIK_L = 0x26;
inline constexpr std::uint8_t DIK_SEMICOLON = 0x27;
inline constexpr std::uint8_t DIK_APOSTROPHE = 0x28;
inline constexpr std::uint8_t DIK_GRAVE = 0x29;
inline constexpr std::uint8_t DIK_LSHIFT = 0x2A;
inline constexpr std::uint8_t DIK_BACKSLASH = 0x2B;
inline constexpr std::uint8_t DIK_Z = 0x2C;
inline constexpr std::uint8_t DIK_X = 0x2D;
inline constexpr std::uint8_t DIK_C = 0x2E;
inline constexpr std::uint8_t DIK_V = 0x2F;
inline constexpr std::uint8_t DIK_B = 0x30;
inline constexpr std::uint8_t DIK_N = 0x31;
inline constexpr std::uint8_t DIK_M = 0x32;
inline constexpr std::uint8_t DIK_COMMA = 0x33;
inline constexpr std::uint8_t DIK_PERIOD = 0x34;
inline constexpr std::uint8_t DIK_SLASH = 0x35;
inline constexpr std::uint8_t DIK_MULTIPLY = 0x37;
inline constexpr std::uint8_t DIK_LMENU = 0x38;
inline constexpr std::uint8_t DIK_SPACE = 0x39;
inline constexpr std::uint8_t DIK_CAPITAL = 0x3A;
inline constexpr std::uint8_t DIK_F1 = 0x3B; // DIK_F2 … DIK_F10 follow: 0x3C … 0x44
inline constexpr std::uint8_t DIK_NUMLOCK = 0x45;
inline constexpr std::uint8_t DIK_SCROLL = 0x46;
inline constexpr std::uint8_t DIK_NUMPAD7 = 0x47;
inline constexpr std::uint8_t DIK_NUMPAD8 = 0x48;
inline constexpr std::uint8_t DIK_NUMPAD9 = 0x49;
inline constexpr std::uint8_t DIK_SUBTRACT = 0x4A;
inline constexpr std::uint8_t DIK_NUMPAD4 = 0x4B;
inline constexpr std::uint8_t DIK_NUMPAD5 = 0x4C;
inline constexpr std::uint8_t DIK_NUMPAD6 = 0x4D;
inline constexpr std::uint8_t DIK_ADD = 0x4E;
inline constexpr std::uint8_t DIK_NUMPAD1 = 0x4F;
inline constexpr std::uint8_t DIK_NUMPAD2 = 0x50;
inline constexpr std::uint8_t DIK_NUMPAD3 = 0x51;
inline constexpr std::uint8_t DIK_NUMPAD0 = 0x52;
inline constexpr std::uint8_t DIK_DECIMAL = 0x53;
inline constexpr std::uint8_t DIK_F11 = 0x57;
inline constexpr std::uint8_t DIK_F12 = 0x58;
inline constexpr std::uint8_t DIK_NUMPADENTER = 0x9C;
inline constexpr std::uint8_t DIK_DIVIDE = 0xB5;
inline constexpr std::uint8_t DIK_SYSRQ = 0xB7;
inline constexpr std::uint8_t DIK_RMENU = 0xB8;
inline constexpr std::uint8_t DIK_PAUSE = 0xC5;
inline constexpr std::uint8_t DIK_HOME = 0xC7;
inline constexpr std::uint8_t DIK_UP = 0xC8;
inline constexpr std::uint8_t DIK_PRIOR = 0xC9;
inline constexpr std::uint8_t DIK_LEFT = 0xCB;
inline constexpr std::uint8_t DIK_RIGHT = 0xCD;
inline constexpr std::uint8_t DIK_END = 0xCF;
inline constexpr std::uint8_t DIK_DOWN = 0xD0;
inline constexpr std::uint8_t DIK_NEXT = 0xD1;
inline constexpr std::uint8_t DIK_INSERT = 0xD2;
inline constexpr std::uint8_t DIK_DELETE = 0xD3;
inline constexpr std::uint8_t DIK_LWIN = 0xDB;
inline constexpr std::uint8_t DIK_APPS = 0xDD;

// One input device. It delivers state only while acquired; a foreground device loses the
// acquisition when its window leaves the foreground, and its next read answers DIERR_INPUTLOST.
class DirectInputDevice : public Unknown {
public:
    // Only polling is offered: `event` must be none.
    virtual HRESULT SetEventNotification(void* event) = 0;
    virtual HRESULT SetDataFormat(const DIDATAFORMAT* format) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, std::uint32_t flags) = 0;
    // S_FALSE when already acquired; DIERR_OTHERAPPHASPRIO while a foreground device's window is
    // not in the foreground.
    virtual HRESULT Acquire() = 0;
    virtual HRESULT Unacquire() = 0;
    // Fills `size` bytes, which must be the data format's size. DIERR_NOTACQUIRED when not
    // acquired, DIERR_INPUTLOST when the acquisition was lost since the previous read.
    virtual HRESULT GetDeviceState(std::uint32_t size, void* data) = 0;
};

class DirectInput : public Unknown {
public:
    // GUID_SysKeyboard or GUID_SysMouse; DIERR_DEVICENOTREG for any other.
    virtual HRESULT CreateDevice(const GUID& device, Ptr<DirectInputDevice>& out) = 0;
};

// The real layer, over the application's view of the keyboard and mouse: a foreground device's
// window is in the foreground while its top-level window is the active window. Needs a
// QApplication (DIERR_NOTINITIALIZED without one); versions above DIRECTINPUT_VERSION answer
// DIERR_OLDDIRECTINPUTVERSION. The instance handle is not needed and not looked at.
HRESULT DirectInputCreate(void* instance, std::uint32_t version, Ptr<DirectInput>& out);

} // namespace dinput
