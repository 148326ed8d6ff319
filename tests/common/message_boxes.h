// Watches this process for message boxes while it lives: each box shown is
// read (caption, text, buttons) and dismissed from another thread while the
// code that showed it waits in it, as a user would.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/gui_driver/gui_driver.h"

namespace tebix::test {

struct SeenBox {
  std::wstring caption;
  std::wstring text;
  int buttons = 0;
  bool owned = false;
};

class MessageBoxWatcher {
 public:
  MessageBoxWatcher() : thread_([this] { Watch(); }) {}
  ~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  // Every box seen so far.
  std::vector<SeenBox> Seen() {
    std::lock_guard lock(mutex_);
    return seen_;
  }
  // The texts of the boxes seen since the last call.
  std::vector<std::wstring> TakeTexts() {
    std::lock_guard lock(mutex_);
    std::vector<std::wstring> texts;
    for (std::size_t i = taken_; i < seen_.size(); ++i) texts.push_back(seen_[i].text);
    taken_ = seen_.size();
    return texts;
  }

 private:
  void Watch() {
    while (!stop_) {
      if (auto box = vdk::gui::WaitForMessageBox(GetCurrentProcessId(), 50)) {
        SeenBox seen{box->title, box->text};
        seen.buttons = static_cast<int>(vdk::gui::Children(box->window, L"Button").size());
        seen.owned = GetWindow(box->window, GW_OWNER) != nullptr;
        {
          std::lock_guard lock(mutex_);
          seen_.push_back(seen);
        }
        vdk::gui::Dismiss(*box, IDOK);
      }
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenBox> seen_;
  std::size_t taken_ = 0;
  std::thread thread_;
};

}  // namespace tebix::test
