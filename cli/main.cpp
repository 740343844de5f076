// korvex: the catalogue's reference listing on the command line. Later subcommands go
// into the table in Commands.cpp; this file only hands over the arguments.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/Commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return static_cast<int>(korvex::cli::Run(args, std::cout, std::cerr));
}
