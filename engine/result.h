#pragma once
// Result<T> and Status: how the engine and the file code report failure.
//
// A failing operation returns no value plus a reason: one English sentence
// meant for the user (a message box, a line on standard error). Nothing throws
// across these interfaces.

#include <optional>
#include <string>
#include <utility>

namespace trimlet {

class Status {
 public:
  static Status success() { return Status(); }
  static Status failure(std::string reason) { return Status(std::move(reason)); }

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& reason() const { return reason_; }

 private:
  Status() = default;
  explicit Status(std::string reason) : ok_(false), reason_(std::move(reason)) {}
  bool ok_ = true;
  std::string reason_;
};

template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  static Result failure(std::string reason) {
    Result r;
    r.reason_ = std::move(reason);
    return r;
  }
  // Carries the reason of a failed Status into a Result of another type.
  static Result failure(const Status& status) { return failure(status.reason()); }

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return value_.has_value(); }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T take() { return std::move(*value_); }
  const std::string& reason() const { return reason_; }
  Status status() const { return ok() ? Status::success() : Status::failure(reason_); }

 private:
  Result() = default;
  std::optional<T> value_;
  std::string reason_;
};

}  // namespace trimlet
