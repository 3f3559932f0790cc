#include "DXInput.h"

#include "EngineError.h"
#include "win/Fpu.h"

namespace {

void Require(win::HRESULT result, EngineErrorCode code)
{
    if (result != 0)
        throw EngineError(code);
}

} // namespace

TDXInputDevice::TDXInputDevice(EngineSystem& system, void* instance, win::HWND window, const win::GUID& device,
                               const dinput::DIDATAFORMAT& format)
{
    Require(system.DirectInputCreate(instance, dinput::DIRECTINPUT_VERSION, DirectInput), EngineErrorCode::CreateInput);
    Require(DirectInput->CreateDevice(device, Device), EngineErrorCode::CreateInputDevice);
    Require(Device->SetEventNotification(nullptr), EngineErrorCode::SetEventNotification);
    Require(Device->SetDataFormat(&format), EngineErrorCode::SetDataFormat);
    Require(Device->SetCooperativeLevel(window, dinput::DISCL_NONEXCLUSIVE | dinput::DISCL_FOREGROUND), EngineErrorCode::SetInputCooperativeLevel);
}

TDXInputDevice::~TDXInputDevice()
{
    Device->Unacquire();
}

TDXKeyboardDevice::TDXKeyboardDevice(EngineSystem& system, void* instance, win::HWND window)
    : TDXInputDevice(system, instance, window, dinput::GUID_SysKeyboard, dinput::c_dfDIKeyboard)
{
}

bool TDXKeyboardDevice::GetState(void* buffer)
{
    if (Device->GetDeviceState(dinput::c_dfDIKeyboard.dwDataSize, buffer) == 0)
        return true;
    Device->Acquire();
    return false;
}

TDXMouseDevice::TDXMouseDevice(EngineSystem& system, void* instance, win::HWND window)
    : TDXInputDevice(system, instance, window, dinput::GUID_SysMouse, dinput::c_dfDIMouse)
{
}

bool TDXMouseDevice::GetState(void* buffer)
{
    if (Device->GetDeviceState(dinput::c_dfDIMouse.dwDataSize, buffer) == 0)
        return true;
    Require(Device->SetDataFormat(&dinput::c_dfDIMouse), EngineErrorCode::SetDataFormat);
    Device->Acquire();
    return false;
}

TDXInput::TDXInput(EngineSystem& system) : system_(system)
{
    win::MaskFloatingPointExceptions();
}

void TDXInput::Create(void* instance, win::HWND window)
{
    Destroy();
    if (Type == itKeyboard)
        Keyboard = std::make_unique<TDXKeyboardDevice>(system_, instance, window);
    else if (Type == itMouse)
        Mouse = std::make_unique<TDXMouseDevice>(system_, instance, window);
}

void TDXInput::Destroy()
{
    Keyboard.reset();
    Mouse.reset();
}

// A missing buffer gets no state and leaves the device alone: the device would refuse that read
// while acquired, and a mouse would then fail to set its format again (302).
bool TDXInput::GetKBState(char* keys)
{
    return Keyboard && keys && Keyboard->GetState(keys);
}

bool TDXInput::GetMouseState(void* state)
{
    return Mouse && state && Mouse->GetState(state);
}
