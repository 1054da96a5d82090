// POSIX: a large file is mapped and its pages brought in at once. A mapping
// whose file is shortened meanwhile raises SIGBUS where the lost part is
// read; the handler finds the file by the address and ends the program
// with a message and exit status 2, as for a file that cannot be read.
#include "cli/check/file_bytes.h"
#include "cli/terminal_text.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

// The live mappings, for the signal handler: it may only read atomics and
// the message made ready when the file was mapped.
struct Mapping {
    std::atomic<const char*> begin{nullptr};
    std::atomic<std::size_t> size{0};
    std::array<char, 1024> message{};
    std::size_t messageLength = 0;
};
std::array<Mapping, 64> g_mappings;
std::mutex g_slots;
// Set by the first thread to report a shortened file; any other waits for the end.
std::atomic_flag g_reporting;

void onBusError(int, siginfo_t* info, void*) {
    const auto* at = static_cast<const char*>(info->si_addr);
    for (const auto& mapping : g_mappings) {
        const char* begin = mapping.begin.load();
        if (begin != nullptr && at >= begin && at < begin + mapping.size.load()) {
            if (g_reporting.test_and_set())
                for (;;) ::pause();
            // One write: the message cannot be cut into by another thread's output.
            [[maybe_unused]] const auto written = ::write(STDERR_FILENO, mapping.message.data(), mapping.messageLength);
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

// The regular file's bytes mapped, or null (the descriptor is closed either way).
const char* mapOpened(int fd, std::size_t smallest, std::size_t& size) {
    struct stat info {};
    const bool fits = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      static_cast<std::size_t>(info.st_size) >= smallest;
    void* mapped = fits ? ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0)
                        : MAP_FAILED;
    ::close(fd);
    if (mapped == MAP_FAILED) return nullptr;
    size = static_cast<std::size_t>(info.st_size);
    return static_cast<const char*>(mapped);
}

} // namespace

const char* mapFile(const std::string& path, std::size_t smallest, std::size_t& size) {
    // Made as the terminal will show it: no control characters, C0 or C1.
    const std::string message =
        escapeControls("qlt: " + path + ": the file was shortened while it was being checked; check it again") + "\n";
    std::lock_guard lock(g_slots);
    Mapping* slot = freeSlot();
    if (slot == nullptr || message.size() > slot->message.size()) return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const char* mapped = fd < 0 ? nullptr : mapOpened(fd, smallest, size);
    if (mapped == nullptr) return nullptr;
    handleBusErrors();
    std::memcpy(slot->message.data(), message.data(), message.size());
    slot->messageLength = message.size();
    slot->size.store(size);
    slot->begin.store(mapped);
    return mapped;
}

void unmapFile(const char* bytes, std::size_t size) {
    std::lock_guard lock(g_slots);
    for (auto& mapping : g_mappings)
        if (mapping.begin.load() == bytes) mapping.begin.store(nullptr);
    ::munmap(const_cast<char*>(bytes), size);
}

} // namespace cli
