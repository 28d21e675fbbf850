#pragma once
// One owner for every acquire/release pair of the Windows API.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace qb::win32 {

template <typename T, typename Traits>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(T value) : value_(value) {}
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : value_(std::exchange(other.value_, Traits::Invalid())) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.value_, Traits::Invalid()));
    return *this;
  }
  ~Scoped() { Reset(); }

  T Get() const { return value_; }
  T* Receive() {
    Reset();
    return &value_;
  }
  T Release() { return std::exchange(value_, Traits::Invalid()); }
  void Reset(T value = Traits::Invalid()) {
    if (value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }
  explicit operator bool() const { return value_ != Traits::Invalid(); }

 private:
  T value_ = Traits::Invalid();
};

struct HandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
struct KeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY k) { RegCloseKey(k); }
};
struct GdiTraits {
  static HGDIOBJ Invalid() { return nullptr; }
  static void Close(HGDIOBJ o) { DeleteObject(o); }
};
struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC dc) { DeleteDC(dc); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON icon) { DestroyIcon(icon); }
};

struct LibraryTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE library) { FreeLibrary(library); }
};

// Memory the system allocated with LocalAlloc for the caller (an ACL, a message buffer).
struct LocalMemoryTraits {
  static HLOCAL Invalid() { return nullptr; }
  static void Close(HLOCAL memory) { LocalFree(memory); }
};

using ScopedHandle = Scoped<HANDLE, HandleTraits>;
using ScopedFile = Scoped<HANDLE, FileHandleTraits>;
using ScopedFind = Scoped<HANDLE, FindHandleTraits>;
using ScopedKey = Scoped<HKEY, KeyTraits>;
using ScopedGdiObject = Scoped<HGDIOBJ, GdiTraits>;
using ScopedMemoryDc = Scoped<HDC, MemoryDcTraits>;
using ScopedIcon = Scoped<HICON, IconTraits>;
using ScopedLibrary = Scoped<HMODULE, LibraryTraits>;
using ScopedLocalMemory = Scoped<HLOCAL, LocalMemoryTraits>;

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's device context from GetDC, released again.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A COM pointer released when it goes out of scope.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (ptr_) ptr_->Release();
  }
  T* operator->() const { return ptr_; }
  T* Get() const { return ptr_; }
  T** Receive() {
    if (ptr_) ptr_->Release();
    ptr_ = nullptr;
    return &ptr_;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  explicit operator bool() const { return ptr_ != nullptr; }

 private:
  T* ptr_ = nullptr;
};

// COM initialised for the calling thread for the life of the object.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }

 private:
  HRESULT result_;
};

}  // namespace qb::win32
