#pragma once

#include "win/Types.h"

#include <cstdint>
#include <utility>

namespace rm {

using win::HRESULT;
inline constexpr HRESULT D3DRM_OK = 0;

// Base of every retained-mode object: an intrusive reference count that starts at one for
// the creator. Release frees the object when the count reaches zero.
class Unknown {
public:
    Unknown() = default;
    Unknown(const Unknown&) = delete;
    Unknown& operator=(const Unknown&) = delete;

    std::uint32_t AddRef();
    std::uint32_t Release();

protected:
    virtual ~Unknown() = default;

private:
    std::uint32_t references_ = 1;
};

// Owning pointer to a retained-mode object. Adopting a raw pointer takes over its creator's
// reference; copies add references, destruction and reset release them.
template <class T>
class Ptr {
public:
    Ptr() = default;
    Ptr(std::nullptr_t) {}
    static Ptr Adopt(T* object) { Ptr p; p.object_ = object; return p; }
    // A further reference to an object someone else holds.
    static Ptr Share(T* object) { if (object) object->AddRef(); return Adopt(object); }

    Ptr(const Ptr& other) : object_(other.object_) { if (object_) object_->AddRef(); }
    Ptr(Ptr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U>
    Ptr(const Ptr<U>& other) : object_(other.get()) { if (object_) object_->AddRef(); }
    ~Ptr() { reset(); }

    Ptr& operator=(Ptr other) noexcept { std::swap(object_, other.object_); return *this; }

    void reset() { if (T* o = std::exchange(object_, nullptr)) o->Release(); }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    friend bool operator==(const Ptr& a, const Ptr& b) { return a.object_ == b.object_; }

private:
    T* object_ = nullptr;
};

template <class T, class... Args>
Ptr<T> MakePtr(Args&&... args)
{
    return Ptr<T>::Adopt(new T(std::forward<Args>(args)...));
}

} // namespace rm
