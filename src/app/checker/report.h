#pragma once
// The checker's report, as text for people or JSON for tools, and its exit
// status: 0 clean, 1 warnings only, 2 errors.

#include <ostream>

#include "app/checker/checks.h"

namespace quorlen::checker {

inline constexpr int kClean = 0;
inline constexpr int kWarningsOnly = 1;
inline constexpr int kErrors = 2;

[[nodiscard]] int exitStatus(const CheckReport& report);
void writeText(const CheckReport& report, std::ostream& out);
void writeJson(const CheckReport& report, std::ostream& out);

}  // namespace quorlen::checker
