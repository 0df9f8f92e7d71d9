#pragma once
// Checks on Result values that report a wrong outcome as a test failure
// instead of stopping the test program (value() and error() assert).

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <source_location>
#include <utility>

#include "common/result.h"

namespace quorlen {

// The value of a result that should have succeeded; a failed result is
// reported at the caller's line and gives T{}.
template <typename T>
T got(Result<T> result, std::source_location where = std::source_location::current()) {
  if (result.ok()) return std::move(result).value();
  ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
      << "expected a value, got the error " << toString(result.error().kind) << ": " << result.error().detail;
  return T{};
}

// The kind of error of a result that should have failed; nothing when it
// succeeded.
template <typename T>
std::optional<ErrorKind> errorOf(const Result<T>& result) {
  if (result.ok()) return std::nullopt;
  return result.error().kind;
}

inline void PrintTo(ErrorKind kind, std::ostream* out) { *out << toString(kind); }

}  // namespace quorlen
