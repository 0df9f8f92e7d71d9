#pragma once
// quorlen-run: plays a game folder on the headless platform, driven by a
// script, printing the transcript.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "backends/headless/headless_platform.h"

namespace quorlen {

inline constexpr int kRunnerDone = 0;
inline constexpr int kRunnerFault = 1;
inline constexpr int kRunnerScriptError = 2;

// Runs the program on a simulated machine; answers the exit status.
int runGame(const headless::MachineOptions& options, std::istream& script, std::ostream& transcript);

// The command line: options, game folder and script file ("-" or none for
// standard input). Prints usage to `errors` and answers the exit status
// when it cannot be understood.
int runnerMain(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output,
               std::ostream& errors);

}  // namespace quorlen
