#pragma once

#include <windows.h>

#include <utility>

namespace lumora::win32 {

// Owns a kernel handle and closes it once.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Close(); }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

  // The result of CloseHandle: a failed close can mean unwritten data.
  bool Close() {
    if (!*this) return true;
    return CloseHandle(std::exchange(handle_, nullptr)) != FALSE;
  }

 private:
  HANDLE handle_ = nullptr;
};

// Owns an open registry key.
class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  ~UniqueRegKey() {
    if (key_) RegCloseKey(key_);
  }

  HKEY get() const { return key_; }
  HKEY* put() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace lumora::win32
