#pragma once
// A value, or the media error number (media_errors.h) that says why there is
// none. quorlen::Result carries an error kind; the media interface answers
// numbers, and these must reach the game unchanged.

#include <cassert>
#include <utility>
#include <variant>

namespace quorlen::backends {

struct MediaError {
  int code;  // never kMediaOk
};

template <typename T>
class [[nodiscard]] MediaResult {
 public:
  MediaResult(T value) : state_(std::move(value)) {}  // NOLINT: implicit by design
  MediaResult(MediaError error) : state_(error) {     // NOLINT: implicit by design
    assert(error.code != 0 && "a media error needs a nonzero number");
  }

  [[nodiscard]] bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }
  // 0 when there is a value.
  [[nodiscard]] int code() const { return ok() ? 0 : std::get<MediaError>(state_).code; }

  [[nodiscard]] const T& value() const& {
    assert(ok() && "value() read from a failed media result");
    return std::get<T>(state_);
  }
  [[nodiscard]] T& value() & {
    assert(ok() && "value() read from a failed media result");
    return std::get<T>(state_);
  }
  [[nodiscard]] T&& value() && {
    assert(ok() && "value() read from a failed media result");
    return std::get<T>(std::move(state_));
  }

 private:
  std::variant<T, MediaError> state_;
};

}  // namespace quorlen::backends
