// POSIX: a large file is mapped and its pages brought in at once. A mapping
// whose file is shortened meanwhile raises SIGBUS where the lost part is
// read; the handler finds the file by the address and ends the program
// with a message and exit status 2, as for a file that cannot be read.
#include "cli/check/file_bytes.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace cli {
namespace {

// The live mappings, for the signal handler: it may only read atomics.
struct Mapping {
    std::atomic<const char*> begin{nullptr};
    std::atomic<std::size_t> size{0};
    std::array<char, 512> path{};
};
std::array<Mapping, 64> g_mappings;
std::mutex g_slots;

void say(const char* text) {
    const std::size_t length = std::strlen(text);
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, text, length);
}

void onBusError(int, siginfo_t* info, void*) {
    const auto* at = static_cast<const char*>(info->si_addr);
    for (const auto& mapping : g_mappings) {
        const char* begin = mapping.begin.load();
        if (begin != nullptr && at >= begin && at < begin + mapping.size.load()) {
            say("qlt: ");
            say(mapping.path.data());
            say(": the file was shortened while it was being checked; check it again\n");
            ::_exit(2);
        }
    }
    // Not a mapped file's: the default action, when the access is made again.
    ::signal(SIGBUS, SIG_DFL);
}

void handleBusErrors() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        return sigaction(SIGBUS, &action, nullptr) == 0;
    }();
    (void)installed;
}

Mapping* freeSlot() {
    for (auto& mapping : g_mappings)
        if (mapping.begin.load() == nullptr) return &mapping;
    return nullptr;
}

} // namespace

const char* mapFile(const std::string& path, std::size_t size) {
    std::lock_guard lock(g_slots);
    Mapping* slot = freeSlot();
    if (slot == nullptr || path.size() >= slot->path.size()) return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) return nullptr;
    handleBusErrors();
    // Kept as the message will show it: no control characters on the terminal.
    std::transform(path.begin(), path.end(), slot->path.begin(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    });
    slot->path[path.size()] = '\0';
    slot->size.store(size);
    slot->begin.store(static_cast<const char*>(mapped));
    return static_cast<const char*>(mapped);
}

void unmapFile(const char* bytes, std::size_t size) {
    std::lock_guard lock(g_slots);
    for (auto& mapping : g_mappings)
        if (mapping.begin.load() == bytes) mapping.begin.store(nullptr);
    ::munmap(const_cast<char*>(bytes), size);
}

} // namespace cli
