// Answers the message boxes the skinning library shows, from another
// thread, and keeps their texts.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tebix::test {

class MessageBoxCatcher {
 public:
  MessageBoxCatcher() : thread_([this] { Watch(); }) {}
  ~MessageBoxCatcher() {
    stop_ = true;
    thread_.join();
  }
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  // The texts of the boxes answered so far; forgets them.
  std::vector<std::wstring> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::wstring> texts;
    texts.swap(texts_);
    return texts;
  }

 private:
  // A message box of this process: a dialog with the message text in a static control 0xFFFF.
  static BOOL CALLBACK Answer(HWND window, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    HWND text = GetDlgItem(window, 0xFFFF);
    if (lstrcmpW(name, L"#32770") != 0 || text == nullptr) return TRUE;
    wchar_t buffer[256] = {};
    GetWindowTextW(text, buffer, 256);
    reinterpret_cast<std::vector<std::wstring>*>(found)->push_back(buffer);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
  }

  void Watch() {
    while (!stop_) {
      std::vector<std::wstring> found;
      EnumWindows(&Answer, reinterpret_cast<LPARAM>(&found));
      if (!found.empty()) {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.insert(texts_.end(), found.begin(), found.end());
      }
      Sleep(20);
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::wstring> texts_;
  std::thread thread_;
};

}  // namespace tebix::test
