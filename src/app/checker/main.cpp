#include <iostream>
#include <string>
#include <vector>

#include "app/checker/checker_main.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return quorlen::checker::checkerMain(arguments, std::cout, std::cerr);
}
