#pragma once
// Runs a program as a child process and collects its exit status and output.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <stdlib.h>

namespace testing_support {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

//! Runs a shell command line; stderr is captured through a temporary file.
inline ProcessResult runCommand(const std::string& commandLine) {
    ProcessResult result;
    char errName[] = "/tmp/quillet-stderr-XXXXXX";
    const int errFd = mkstemp(errName);
    if (errFd >= 0) close(errFd);
    FILE* pipe = popen((commandLine + " 2>" + errName).c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), got);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = fopen(errName, "rb")) {
        while ((got = fread(buffer.data(), 1, buffer.size(), err)) > 0) result.err.append(buffer.data(), got);
        fclose(err);
    }
    std::remove(errName);
    return result;
}

//! Quotes one argument for the shell.
inline std::string shellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace testing_support
