#include <iostream>
#include <string>
#include <vector>

#include "app/player/player.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return quorlen::player::playerMain(arguments, std::cout, std::cerr);
}
