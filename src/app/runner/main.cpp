#include <iostream>
#include <string>
#include <vector>

#include "app/runner/runner.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return quorlen::runnerMain(arguments, std::cin, std::cout, std::cerr);
}
