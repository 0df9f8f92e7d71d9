#pragma once
// A value or a typed error, returned by every reader that can fail.

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace quorlen {

enum class ErrorKind {
  NotFound,     // the file (or device, or entry) does not exist
  Unreadable,   // it exists but cannot be opened or read
  EndOfFile,    // a read went past the end of a data file
  NotANumber,   // a field that had to be a number is not one
  OutOfRange,   // a number does not fit the type asked for
  NotABoolean,  // a field that had to be a Boolean is not one
  WriteFailed,  // a write did not complete (full disk, refused name)
  Refused,      // the platform refused the request
  Invalid,      // anything else that makes the request impossible
};

struct Error {
  ErrorKind kind;
  std::string detail;
};

[[nodiscard]] const char* toString(ErrorKind kind);

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}          // NOLINT: implicit by design
  Result(Error error) : state_(std::move(error)) {}      // NOLINT: implicit by design

  [[nodiscard]] bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  [[nodiscard]] const T& value() const& {
    assert(ok() && "value() read from a failed result");
    return std::get<T>(state_);
  }
  [[nodiscard]] T& value() & {
    assert(ok() && "value() read from a failed result");
    return std::get<T>(state_);
  }
  [[nodiscard]] T&& value() && {
    assert(ok() && "value() read from a failed result");
    return std::get<T>(std::move(state_));
  }
  [[nodiscard]] const Error& error() const {
    assert(!ok() && "error() read from a successful result");
    return std::get<Error>(state_);
  }
  [[nodiscard]] T valueOr(T fallback) const {
    return ok() ? std::get<T>(state_) : std::move(fallback);
  }

 private:
  std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)), failed_(true) {}  // NOLINT: implicit by design

  [[nodiscard]] bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  [[nodiscard]] const Error& error() const {
    assert(failed_ && "error() read from a successful result");
    return error_;
  }

 private:
  Error error_{ErrorKind::Invalid, {}};
  bool failed_ = false;
};

inline Error makeError(ErrorKind kind, std::string detail = {}) { return Error{kind, std::move(detail)}; }

}  // namespace quorlen
