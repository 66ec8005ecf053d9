#include "imagefile/exiv2_session.h"

#include <exiv2/error.hpp>
#include <exiv2/xmp_exiv2.hpp>

#include <exception>
#include <mutex>

namespace trimlet::exiv2_detail {

namespace {

// Where the log messages of the running call on this thread go; none
// outside a call (a stray message is then dropped, never printed).
thread_local std::vector<std::string>* tMessages = nullptr;

// Exiv2 calls this from a destructor: it must never throw.
void collectMessage(int level, const char* text) {
  if (!tMessages || !text || level < Exiv2::LogMsg::warn) return;
  try {
    if (tMessages->size() >= kMessageLimit) return;
    std::string message(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
      message.pop_back();
    if (!message.empty()) tMessages->push_back(message);
  } catch (...) {
  }
}

std::recursive_mutex& xmpMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

void lockXmp(void* data, bool lock) {
  auto* mutex = static_cast<std::recursive_mutex*>(data);
  if (lock)
    mutex->lock();
  else
    mutex->unlock();
}

void setUpOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
    Exiv2::LogMsg::setHandler(collectMessage);
    Exiv2::XmpParser::initialize(lockXmp, &xmpMutex());
  });
}

// Restores the previous sink when the call ends, whichever way it ends.
class MessageSink {
 public:
  explicit MessageSink(std::vector<std::string>* messages) : saved_(tMessages) {
    tMessages = messages;
  }
  ~MessageSink() { tMessages = saved_; }
  MessageSink(const MessageSink&) = delete;
  MessageSink& operator=(const MessageSink&) = delete;

 private:
  std::vector<std::string>* saved_;
};

}  // namespace

bool runExiv2(const std::function<void()>& work, std::vector<std::string>* messages,
              std::string* failure) {
  try {
    setUpOnce();
    MessageSink sink(messages);
    work();
    return true;
  } catch (const std::exception& error) {
    *failure = error.what();
  } catch (...) {
    *failure = "unknown error";
  }
  if (failure->empty()) *failure = "unknown error";
  return false;
}

bool runExiv2Xmp(const std::function<void()>& work, std::vector<std::string>* messages,
                 std::string* failure) {
  return runExiv2(
      [&work] {
        std::lock_guard<std::recursive_mutex> lock(xmpMutex());
        work();
      },
      messages, failure);
}

}  // namespace trimlet::exiv2_detail
