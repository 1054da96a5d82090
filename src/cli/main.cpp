#include "cli/qlt.h"

#include <iostream>

#ifdef _WIN32
#include "platform/windows/windows_paths.h"
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    (void)argc, (void)argv;
    const auto args = platform::windows::utf8Arguments();
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    return cli::run(args, std::cout, std::cerr);
}
