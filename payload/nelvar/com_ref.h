// An owned COM interface pointer.
#pragma once

template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef()
    {
        if (pointer_ != nullptr)
            pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    // The slot for a function that hands out a new reference; the ComRef must be empty.
    T** Put() { return &pointer_; }
    void** PutVoid() { return reinterpret_cast<void**>(&pointer_); }
    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }

private:
    T* pointer_ = nullptr;
};
