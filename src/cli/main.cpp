#include <unistd.h>

#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  return hueset::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                        std::cerr, isatty(STDOUT_FILENO) == 1);
}
