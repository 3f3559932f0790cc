#pragma once

#include "dinput/DirectInput.h"
#include "fakes/CallLog.h"

#include <cstring>

// What the fake input objects share with the test: the calls (any of which the test can fail),
// whether the device's window is in the foreground, the byte a read fills the buffer with, and
// how many fake objects are alive.
struct FakeInputWorld {
    CallLog log;
    bool foreground = true;
    std::uint8_t fill = 0x5A;
    int alive = 0;
};

// A device that keeps its settings and acquires as the system's do: reads succeed only while it
// is acquired and the window is in the foreground, and leaving the foreground loses it.
class FakeDirectInputDevice final : public dinput::DirectInputDevice {
public:
    FakeDirectInputDevice(FakeInputWorld& world, const win::GUID& kind) : Kind(kind), world_(world) { ++world_.alive; }
    ~FakeDirectInputDevice() override { --world_.alive; }

    win::HRESULT SetEventNotification(void*) override { return world_.log.Enter("SetEventNotification"); }
    win::HRESULT SetDataFormat(const dinput::DIDATAFORMAT* format) override
    {
        if (const win::HRESULT result = world_.log.Enter("SetDataFormat"); result != 0)
            return result;
        if (acquired_)
            return dinput::DIERR_ACQUIRED;
        Format = *format;
        return 0;
    }
    win::HRESULT SetCooperativeLevel(win::HWND window, std::uint32_t flags) override
    {
        Window = window;
        Flags = flags;
        return world_.log.Enter("SetCooperativeLevel");
    }
    win::HRESULT Acquire() override
    {
        if (const win::HRESULT result = world_.log.Enter("Acquire"); result != 0)
            return result;
        if (!world_.foreground)
            return dinput::DIERR_OTHERAPPHASPRIO;
        acquired_ = true;
        return 0;
    }
    win::HRESULT Unacquire() override
    {
        acquired_ = false;
        return world_.log.Enter("Unacquire");
    }
    win::HRESULT GetDeviceState(std::uint32_t size, void* data) override
    {
        if (const win::HRESULT result = world_.log.Enter("GetDeviceState"); result != 0)
            return result;
        if (acquired_ && !world_.foreground) {
            acquired_ = false;
            return dinput::DIERR_INPUTLOST;
        }
        if (!acquired_)
            return dinput::DIERR_NOTACQUIRED;
        if (size != Format.dwDataSize)
            return dinput::DIERR_INVALIDPARAM;
        std::memset(data, world_.fill, size);
        return 0;
    }

    win::GUID Kind;
    dinput::DIDATAFORMAT Format;
    win::HWND Window = nullptr;
    std::uint32_t Flags = 0;

private:
    FakeInputWorld& world_;
    bool acquired_ = false;
};

class FakeDirectInput final : public dinput::DirectInput {
public:
    explicit FakeDirectInput(FakeInputWorld& world) : world_(world) { ++world_.alive; }
    ~FakeDirectInput() override { --world_.alive; }

    win::HRESULT CreateDevice(const win::GUID& kind, dinput::Ptr<dinput::DirectInputDevice>& out) override
    {
        if (const win::HRESULT result = world_.log.Enter("CreateDevice"); result != 0)
            return result;
        auto device = rm::MakePtr<FakeDirectInputDevice>(world_, kind);
        LastDevice = device.get();
        out = device;
        return 0;
    }

    // The device made last, for a test to look at while the component holds it.
    FakeDirectInputDevice* LastDevice = nullptr;

private:
    FakeInputWorld& world_;
};
