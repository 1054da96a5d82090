#include "cli/qlt.h"
#include "core/text/file_io.h"

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <iostream>

#ifdef _WIN32
#include "platform/windows/windows_paths.h"
#endif

int main(int argc, char* argv[]) {
    core::text::ignoreFileSizeSignal();
#ifdef _WIN32
    (void)argc, (void)argv;
    const auto args = platform::windows::utf8Arguments();
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    const int status = cli::run(args, std::cout, std::cerr);
    // Output that never arrived (a full disk, a closed pipe) is a failure, not a result.
    // A report streamed while the check ran may have failed already: its errno is the reason.
    const int failedBefore = std::cout ? 0 : errno;
    errno = 0;
    if (!std::cout.flush() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int reason = errno ? errno : failedBefore;
        std::cerr << "qlt: cannot write the output" << (reason ? ": " + std::generic_category().message(reason) : "")
                  << '\n';
        return cli::EXIT_USAGE;
    }
    return status;
}
