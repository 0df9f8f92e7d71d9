#pragma once
// Checks on Result values that report a wrong outcome as a test failure
// instead of stopping the test program (value() and error() assert).

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <utility>

#include "common/result.h"

namespace quorlen {

// The value of a result that should have succeeded; a failed result is
// reported at the caller's line and gives T{}. The caller's place comes from
// __builtin_FILE and __builtin_LINE, which GCC and clang both have:
// std::source_location is missing when clang 14 builds with GCC 12's library.
template <typename T>
T got(Result<T> result, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
  if (result.ok()) return std::move(result).value();
  ADD_FAILURE_AT(file, line)
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
