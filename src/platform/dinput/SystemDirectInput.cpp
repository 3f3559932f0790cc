#include "dinput/DirectInput.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <string_view>

namespace dinput {
namespace {

// Key codes name positions on the keyboard, Qt names what the layout prints: each printable Qt
// key is placed where it sits on a US keyboard, shifted or not. Shift, Control and Alt report the
// left key of the pair (Qt does not tell the sides apart), AltGr the right Alt. Keypad keys are
// known by Qt's keypad modifier. Keys not listed here (media keys, national letters) read as up.
struct KeyRow {
    std::uint8_t first; // the code of the row's first key; the others follow one by one
    std::string_view plain;
    std::string_view shifted;
};
constexpr KeyRow kRows[] = {
    {DIK_1, "1234567890-=", "!@#$%^&*()_+"},
    {DIK_Q, "QWERTYUIOP[]", "QWERTYUIOP{}"},
    {DIK_A, "ASDFGHJKL;'`", "ASDFGHJKL:\"~"},
    {DIK_BACKSLASH, "\\ZXCVBNM,./", "|ZXCVBNM<>?"},
};

struct KeyCode {
    int qtKey;
    std::uint8_t code;
};
constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_0, DIK_NUMPAD0}, {Qt::Key_1, DIK_NUMPAD1}, {Qt::Key_2, DIK_NUMPAD2},
    {Qt::Key_3, DIK_NUMPAD3}, {Qt::Key_4, DIK_NUMPAD4}, {Qt::Key_5, DIK_NUMPAD5},
    {Qt::Key_6, DIK_NUMPAD6}, {Qt::Key_7, DIK_NUMPAD7}, {Qt::Key_8, DIK_NUMPAD8},
    {Qt::Key_9, DIK_NUMPAD9},
    // The same keys with Num Lock off.
    {Qt::Key_Insert, DIK_NUMPAD0}, {Qt::Key_End, DIK_NUMPAD1}, {Qt::Key_Down, DIK_NUMPAD2},
    {Qt::Key_PageDown, DIK_NUMPAD3}, {Qt::Key_Left, DIK_NUMPAD4}, {Qt::Key_Clear, DIK_NUMPAD5},
    {Qt::Key_Right, DIK_NUMPAD6}, {Qt::Key_Home, DIK_NUMPAD7}, {Qt::Key_Up, DIK_NUMPAD8},
    {Qt::Key_PageUp, DIK_NUMPAD9}, {Qt::Key_Delete, DIK_DECIMAL},
    {Qt::Key_Period, DIK_DECIMAL}, {Qt::Key_Comma, DIK_DECIMAL}, {Qt::Key_Plus, DIK_ADD},
    {Qt::Key_Minus, DIK_SUBTRACT}, {Qt::Key_Asterisk, DIK_MULTIPLY}, {Qt::Key_Slash, DIK_DIVIDE},
    {Qt::Key_Enter, DIK_NUMPADENTER},
};
constexpr KeyCode kOtherKeys[] = {
    {Qt::Key_Escape, DIK_ESCAPE}, {Qt::Key_Tab, DIK_TAB}, {Qt::Key_Backtab, DIK_TAB},
    {Qt::Key_Backspace, DIK_BACK}, {Qt::Key_Return, DIK_RETURN}, {Qt::Key_Enter, DIK_NUMPADENTER},
    {Qt::Key_Space, DIK_SPACE}, {Qt::Key_Shift, DIK_LSHIFT}, {Qt::Key_Control, DIK_LCONTROL},
    {Qt::Key_Alt, DIK_LMENU}, {Qt::Key_AltGr, DIK_RMENU}, {Qt::Key_Meta, DIK_LWIN},
    {Qt::Key_Menu, DIK_APPS}, {Qt::Key_CapsLock, DIK_CAPITAL}, {Qt::Key_NumLock, DIK_NUMLOCK},
    {Qt::Key_ScrollLock, DIK_SCROLL}, {Qt::Key_F11, DIK_F11}, {Qt::Key_F12, DIK_F12},
    {Qt::Key_Print, DIK_SYSRQ}, {Qt::Key_Pause, DIK_PAUSE}, {Qt::Key_Home, DIK_HOME},
    {Qt::Key_Up, DIK_UP}, {Qt::Key_PageUp, DIK_PRIOR}, {Qt::Key_Left, DIK_LEFT},
    {Qt::Key_Right, DIK_RIGHT}, {Qt::Key_End, DIK_END}, {Qt::Key_Down, DIK_DOWN},
    {Qt::Key_PageDown, DIK_NEXT}, {Qt::Key_Insert, DIK_INSERT}, {Qt::Key_Delete, DIK_DELETE},
};

template <std::size_t N>
std::uint8_t Find(const KeyCode (&table)[N], int qtKey)
{
    const auto found = std::ranges::find(table, qtKey, &KeyCode::qtKey);
    return found == std::end(table) ? 0 : found->code;
}

// The key code of a Qt key, or 0 for a key without one.
std::uint8_t KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier))
        if (const std::uint8_t code = Find(kKeypadKeys, qtKey))
            return code;
    if (qtKey > ' ' && qtKey <= '~') {
        for (const KeyRow& row : kRows)
            for (std::string_view keys : {row.plain, row.shifted})
                if (const std::size_t at = keys.find(static_cast<char>(qtKey)); at != std::string_view::npos)
                    return static_cast<std::uint8_t>(row.first + at);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10)
        return static_cast<std::uint8_t>(DIK_F1 + (qtKey - Qt::Key_F1));
    return Find(kOtherKeys, qtKey);
}

constexpr std::uint8_t kDown = 0x80;

// A keyboard or mouse over what the application sees. Its window leaving the foreground ends the
// acquisition at once, as the system's devices do, so the next read reports the loss even if the
// window came back in between.
class SystemDevice : public DirectInputDevice {
public:
    explicit SystemDevice(const DIDATAFORMAT& format) : format_(format), watcher_(std::make_unique<Watcher>(*this))
    {
        QCoreApplication::instance()->installEventFilter(watcher_.get());
    }

    HRESULT SetEventNotification(void* event) override
    {
        if (acquired_)
            return DIERR_ACQUIRED;
        return event ? DIERR_UNSUPPORTED : DI_OK;
    }

    HRESULT SetDataFormat(const DIDATAFORMAT* format) override
    {
        if (acquired_)
            return DIERR_ACQUIRED;
        if (!format || *format != format_)
            return DIERR_INVALIDPARAM;
        formatSet_ = true;
        return DI_OK;
    }

    HRESULT SetCooperativeLevel(HWND window, std::uint32_t flags) override
    {
        if (acquired_)
            return DIERR_ACQUIRED;
        const std::uint32_t sharing = flags & (DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE);
        const std::uint32_t focus = flags & (DISCL_FOREGROUND | DISCL_BACKGROUND);
        if ((flags & ~(sharing | focus)) != 0 || !std::has_single_bit(sharing) || !std::has_single_bit(focus)
            || (focus == DISCL_FOREGROUND && !window))
            return DIERR_INVALIDPARAM;
        // Taking the device from other programs (and hiding the cursor) is not offered.
        if (sharing == DISCL_EXCLUSIVE)
            return DIERR_UNSUPPORTED;
        window_ = window;
        foreground_ = focus == DISCL_FOREGROUND;
        return DI_OK;
    }

    HRESULT Acquire() override
    {
        if (!formatSet_)
            return DIERR_INVALIDPARAM;
        if (acquired_)
            return DI_NOEFFECT;
        if (foreground_ && !InForeground())
            return DIERR_OTHERAPPHASPRIO;
        acquired_ = true;
        lost_ = false;
        Started();
        return DI_OK;
    }

    HRESULT Unacquire() override
    {
        lost_ = false;
        if (!acquired_)
            return DI_NOEFFECT;
        acquired_ = false;
        return DI_OK;
    }

    HRESULT GetDeviceState(std::uint32_t size, void* data) override
    {
        if (!data || size != format_.dwDataSize)
            return DIERR_INVALIDPARAM;
        if (acquired_ && foreground_ && !InForeground())
            Lose(); // the window went away or was hidden without being deactivated
        if (lost_) {
            lost_ = false;
            return DIERR_INPUTLOST;
        }
        if (!acquired_)
            return DIERR_NOTACQUIRED;
        Fill(data);
        return DI_OK;
    }

protected:
    // The acquisition begins: what happened before it is not reported.
    virtual void Started() = 0;
    virtual void Fill(void* data) = 0;
    // Every event of the application passes here first.
    virtual void Notice(QObject* watched, QEvent* event) = 0;
    // The device's window left the foreground: nothing it had seen is reliable any more.
    virtual void Deactivated() {}

private:
    class Watcher final : public QObject {
    public:
        explicit Watcher(SystemDevice& device) : device_(device) {}
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            device_.Watch(watched, event);
            return false;
        }

    private:
        SystemDevice& device_;
    };

    void Watch(QObject* watched, QEvent* event)
    {
        if (event->type() == QEvent::WindowDeactivate && window_ && watched == window_->window()) {
            Deactivated();
            if (acquired_ && foreground_)
                Lose();
        }
        Notice(watched, event);
    }

    bool InForeground() const { return window_ && window_->isActiveWindow(); }

    void Lose()
    {
        acquired_ = false;
        lost_ = true;
    }

    DIDATAFORMAT format_;
    std::unique_ptr<Watcher> watcher_;
    QPointer<QWidget> window_;
    bool foreground_ = false; // until a cooperative level says otherwise: background, shared
    bool formatSet_ = false;
    bool acquired_ = false;
    bool lost_ = false;
};

// Tracks key presses and releases from the start, so keys held down before the acquisition read
// as down. A shortcut that consumes a press still counts, since the key is down all the same.
class SystemKeyboard final : public SystemDevice {
public:
    SystemKeyboard() : SystemDevice(c_dfDIKeyboard) {}

protected:
    void Started() override {}

    void Fill(void* data) override { std::memcpy(data, keys_.data(), keys_.size()); }

    void Notice(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
            return;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Held keys repeat as release-press pairs; the key stays down throughout.
        if (key->isAutoRepeat())
            return;
        if (const std::uint8_t code = KeyCodeOf(key->key(), key->modifiers()))
            keys_[code] = type == QEvent::KeyRelease ? 0 : kDown;
    }

    // Releases made while another program has the keyboard never arrive.
    void Deactivated() override { keys_.fill(0); }

private:
    std::array<std::uint8_t, 256> keys_{};
};

// Motion is the cursor's movement between reads; the wheel is what the application's windows
// were sent meanwhile, in the system's units (120 a notch, positive away from the user).
class SystemMouse final : public SystemDevice {
public:
    SystemMouse() : SystemDevice(c_dfDIMouse) {}

protected:
    void Started() override
    {
        last_ = QCursor::pos();
        wheel_ = 0;
    }

    void Fill(void* data) override
    {
        DIMOUSESTATE state;
        const QPoint now = QCursor::pos();
        state.lX = now.x() - last_.x();
        state.lY = now.y() - last_.y();
        state.lZ = wheel_;
        last_ = now;
        wheel_ = 0;
        const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
        constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton};
        for (std::size_t i = 0; i < std::size(kButtons); ++i)
            state.rgbButtons[i] = buttons.testFlag(kButtons[i]) ? kDown : 0;
        std::memcpy(data, &state, sizeof state);
    }

    void Notice(QObject* watched, QEvent* event) override
    {
        // A wheel turn reaches the window first and is then passed on among its widgets as a
        // copy; counting it at the window counts it once.
        if (event->type() == QEvent::Wheel && watched->isWindowType())
            wheel_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    }

private:
    QPoint last_;
    std::int32_t wheel_ = 0;
};

class SystemDirectInput final : public DirectInput {
public:
    HRESULT CreateDevice(const GUID& device, Ptr<DirectInputDevice>& out) override
    {
        out.reset();
        if (device == GUID_SysKeyboard)
            out = rm::MakePtr<SystemKeyboard>();
        else if (device == GUID_SysMouse)
            out = rm::MakePtr<SystemMouse>();
        else
            return DIERR_DEVICENOTREG;
        return DI_OK;
    }
};

} // namespace

HRESULT DirectInputCreate(void*, std::uint32_t version, Ptr<DirectInput>& out)
{
    out.reset();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return DIERR_NOTINITIALIZED;
    if (version > DIRECTINPUT_VERSION)
        return DIERR_OLDDIRECTINPUTVERSION;
    out = rm::MakePtr<SystemDirectInput>();
    return DI_OK;
}

} // namespace dinput
