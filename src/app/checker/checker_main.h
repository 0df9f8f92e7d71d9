#pragma once
// quorlen-check's command line.

#include <ostream>
#include <string>
#include <vector>

namespace quorlen::checker {

// Exit status: 0 clean, 1 warnings only, 2 errors, 3 a wrong command line
// or a fault of the checker itself.
int checkerMain(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors);

}  // namespace quorlen::checker
