// An owned array on the process heap, for programs that keep clear of the C++ runtime.
#pragma once

#include <windows.h>

#include <cstddef>

template <typename T>
class HeapArray {
public:
    HeapArray() = default;
    ~HeapArray() { Release(); }
    HeapArray(const HeapArray&) = delete;
    HeapArray& operator=(const HeapArray&) = delete;

    // Replaces the contents with `count` zeroed elements; false when out of memory.
    bool Allocate(size_t count)
    {
        Release();
        if (count == 0)
            return true;
        data_ = static_cast<T*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, count * sizeof(T)));
        if (data_ == nullptr)
            return false;
        count_ = count;
        return true;
    }

    // Grows to `count` elements, keeping the present ones; false when out of memory.
    bool Grow(size_t count)
    {
        if (count <= count_)
            return true;
        if (data_ == nullptr)
            return Allocate(count);
        void* grown = HeapReAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, data_, count * sizeof(T));
        if (grown == nullptr)
            return false;
        data_ = static_cast<T*>(grown);
        count_ = count;
        return true;
    }

    T* Data() { return data_; }
    const T* Data() const { return data_; }
    size_t Count() const { return count_; }
    T& operator[](size_t index) { return data_[index]; }
    const T& operator[](size_t index) const { return data_[index]; }

private:
    void Release()
    {
        if (data_ != nullptr)
            HeapFree(GetProcessHeap(), 0, data_);
        data_ = nullptr;
        count_ = 0;
    }

    T* data_ = nullptr;
    size_t count_ = 0;
};
