#pragma once

#include "EngineSystem.h"
#include "dinput/DirectInput.h"

#include <cstdint>
#include <memory>

enum InputType : std::uint8_t { itKeyboard, itMouse, itJoystick };

// One polled device with its DirectInput object. Reading a device that is not acquired (just
// made, or lost when its window left the foreground) fails and acquires it for the next read.
class TDXInputDevice {
public:
    virtual ~TDXInputDevice();
    TDXInputDevice(const TDXInputDevice&) = delete;
    TDXInputDevice& operator=(const TDXInputDevice&) = delete;

    // Fills the buffer with fresh state; false when there is none this time.
    virtual bool GetState(void* buffer) = 0;

    // Declared in this order so the device is released before the object that made it.
    rm::Ptr<dinput::DirectInput> DirectInput;
    rm::Ptr<dinput::DirectInputDevice> Device;

protected:
    // Makes the device, polled, in `format`, shared and live while `window` is in the foreground.
    // Raises 300, 301, 308, 302 or 303 for the step that fails.
    TDXInputDevice(EngineSystem& system, void* instance, win::HWND window, const win::GUID& device,
                   const dinput::DIDATAFORMAT& format);
};

class TDXKeyboardDevice final : public TDXInputDevice {
public:
    TDXKeyboardDevice(EngineSystem& system, void* instance, win::HWND window);
    // 256 key bytes.
    bool GetState(void* buffer) override;
};

class TDXMouseDevice final : public TDXInputDevice {
public:
    TDXMouseDevice(EngineSystem& system, void* instance, win::HWND window);
    // The 16-byte DIMOUSESTATE. A failed read sets the data format again; raises 302 if that fails.
    bool GetState(void* buffer) override;
};

// Polled keyboard or mouse state for the host's frame loop. Input arrives only while the window
// given to Create is in the foreground. The joystick kind builds no device.
class TDXInput {
public:
    explicit TDXInput(EngineSystem& system = SystemEngine());

    InputType Type = itKeyboard;

    std::unique_ptr<TDXKeyboardDevice> Keyboard;
    std::unique_ptr<TDXMouseDevice> Mouse;

    // Builds the device of `Type` for `window`, after dropping any device made before. Raises the
    // engine errors 300–303 and 308.
    void Create(void* instance, win::HWND window);
    void Destroy();

    // 256 key bytes; false without a keyboard or fresh state.
    bool GetKBState(char* keys);
    // The 16-byte mouse record; false without a mouse or fresh state. May raise 302.
    bool GetMouseState(void* state);

private:
    EngineSystem& system_;
};
