// The reference counting shared by every object of the object model: each object starts with one
// reference for its creator, ends at the Release that drops the last, and is counted while it lives
// so that tests can see leaks.
#pragma once

#include <atomic>
#include <initializer_list>
#include <utility>

#include "platform/com.h"

namespace platform::pim {

void CountObject(int delta);

// Base of the implementation classes: I is the primary interface (its IUnknown is the object's).
template <class I>
class ComObject : public I {
public:
    ComObject() { CountObject(1); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~ComObject() { CountObject(-1); }

    // Answers QueryInterface for the interfaces given, each with the pointer to hand out.
    HRESULT Answer(REFIID iid, void** out, std::initializer_list<std::pair<const IID*, void*>> interfaces) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = static_cast<I*>(this);
        } else {
            for (const auto& [id, pointer] : interfaces)
                if (iid == *id) *out = pointer;
        }
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

private:
    std::atomic<ULONG> refs_{1};
};

// Owning pointer to an interface: releases what it holds.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* adopt) : p_(adopt) {}
    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr& operator=(const ComPtr& other) {
        if (other.p_) other.p_->AddRef();
        Reset();
        p_ = other.p_;
        return *this;
    }
    ~ComPtr() { Reset(); }
    void Reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Hands the reference to the caller.
    T* Detach() {
        T* p = p_;
        p_ = nullptr;
        return p;
    }

private:
    T* p_ = nullptr;
};

}  // namespace platform::pim
