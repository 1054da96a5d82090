#include "cli/qlt.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
