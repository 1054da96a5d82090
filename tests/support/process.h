#pragma once
// Runs a program as a child process and collects its exit status and output.
#include <array>
#include <cstdio>
#include <string>
#ifdef _WIN32
#include <filesystem>
#include <random>
#else
#include <sys/wait.h>
#include <unistd.h>
#include <stdlib.h>
#endif

namespace testing_support {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

//! Appends everything left to read from file to text.
inline void readAll(FILE* file, std::string& text) {
    std::array<char, 4096> buffer{};
    for (std::size_t got = 0; (got = fread(buffer.data(), 1, buffer.size(), file)) > 0;) text.append(buffer.data(), got);
}

#ifdef _WIN32
//! Runs a command line through cmd once; status -1 when cmd could not be
//! started or waited for.
inline ProcessResult runCommandOnce(const std::string& commandLine) {
    ProcessResult result;
    const auto errName =
        (std::filesystem::temp_directory_path() / ("quillet-stderr-" + std::to_string(std::random_device{}()))).string();
    // cmd /c drops the first and last quote of a line that starts with one: add a pair.
    FILE* pipe = _popen(("\"" + commandLine + " 2>\"" + errName + "\"\"").c_str(), "r");
    if (!pipe) return result;
    readAll(pipe, result.out);
    result.status = _pclose(pipe);
    if (FILE* err = fopen(errName.c_str(), "r")) {
        readAll(err, result.err);
        fclose(err);
    }
    std::remove(errName.c_str());
    return result;
}

//! Runs a command line through cmd; stderr is captured through a temporary
//! file. Output is read in text mode: a line ends in "\n" as on POSIX systems.
//! Under Wine, _popen now and then fails to start cmd at all (status -1, no
//! output): such a launch is tried again, a program's own failure never is.
inline ProcessResult runCommand(const std::string& commandLine) {
    ProcessResult result;
    for (int attempt = 0; attempt < 3; ++attempt) {
        result = runCommandOnce(commandLine);
        if (result.status != -1 || !result.out.empty() || !result.err.empty()) break;
    }
    return result;
}

//! Quotes one argument for cmd (Windows names hold no quotes).
inline std::string shellQuote(const std::string& arg) { return "\"" + arg + "\""; }
#else
//! Runs a shell command line; stderr is captured through a temporary file.
inline ProcessResult runCommand(const std::string& commandLine) {
    ProcessResult result;
    char errName[] = "/tmp/quillet-stderr-XXXXXX";
    const int errFd = mkstemp(errName);
    if (errFd >= 0) close(errFd);
    FILE* pipe = popen((commandLine + " 2>" + errName).c_str(), "r");
    if (!pipe) return result;
    readAll(pipe, result.out);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = fopen(errName, "rb")) {
        readAll(err, result.err);
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
#endif

} // namespace testing_support
