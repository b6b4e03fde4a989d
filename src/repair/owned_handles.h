#pragma once
// Thin owners that close what they hold on every path out of a scope.
#include <windows.h>

#include <utility>

template <typename Handle, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Traits::empty())) {}
    Owned& operator=(Owned&& other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.handle_, Traits::empty()));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::empty(); }
    void reset(Handle handle = Traits::empty())
    {
        if (handle_ != Traits::empty())
            Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::empty();
};

struct RegKeyTraits {
    static HKEY empty() { return nullptr; }
    static void close(HKEY key) { RegCloseKey(key); }
};
using RegKey = Owned<HKEY, RegKeyTraits>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, not as a null handle.
struct FileHandleTraits {
    static HANDLE empty() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE handle) { CloseHandle(handle); }
};
using FileHandle = Owned<HANDLE, FileHandleTraits>;

struct WindowTraits {
    static HWND empty() { return nullptr; }
    static void close(HWND window) { DestroyWindow(window); }
};
using Window = Owned<HWND, WindowTraits>;

// Icons loaded at a given size are the caller's own, unlike shared ones.
struct IconTraits {
    static HICON empty() { return nullptr; }
    static void close(HICON icon) { DestroyIcon(icon); }
};
using Icon = Owned<HICON, IconTraits>;
