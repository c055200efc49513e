// GoogleTest's customisation point (gtest-port.h includes this header in
// place of its own empty one). The mingw-w64 "win32" threading flavour has
// no std::mutex or std::condition_variable, which GoogleTest's Notification
// is made of; this one is made of an atomic flag. GoogleTest uses it only
// to start threads of its own, which these tests never do.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true, std::memory_order_release); }
  void WaitForNotification() {
    while (!notified_.load(std::memory_order_acquire)) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
