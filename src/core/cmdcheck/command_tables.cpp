#include "core/cmdcheck/command_tables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace core::cmdcheck {
namespace {

constexpr std::array<std::string_view, 46> INTERNAL = {
    "ASSOC", "BREAK", "CALL",  "CD",    "CHDIR",  "CLS",      "COLOR",  "COPY",   "DATE",    "DEL",
    "DIR",   "DPATH", "ECHO",  "ELSE",  "ENDLOCAL", "ERASE",  "EXIT",   "FOR",    "FTYPE",   "GOTO",
    "IF",    "KEYS",  "MD",    "MKDIR", "MKLINK", "MOVE",     "PATH",   "PAUSE",  "POPD",    "PROMPT",
    "PUSHD", "RD",    "REM",   "REN",   "RENAME", "RMDIR",    "SET",    "SETLOCAL", "SHIFT", "START",
    "TIME",  "TITLE", "TYPE",  "VER",   "VERIFY", "VOL"};

// Programs found on Windows machines, and tools build and launch scripts
// commonly run, in any order (sorted on first use).
constexpr std::array<std::string_view, 149> PROGRAMS = {
    "ANT",        "ARP",       "ATTRIB",    "BASH",       "BCDEDIT",   "BITSADMIN", "CACLS",     "CALC",
    "CERTUTIL",   "CHCP",      "CHKDSK",    "CHOICE",     "CIPHER",    "CL",        "CLIP",      "CMAKE",
    "CMD",        "COMP",      "COMPACT",   "CONDA",      "CONVERT",   "CSCRIPT",   "CTEST",     "CURL",
    "DEVENV",     "DISKPART",  "DISM",      "DOSKEY",     "DOTNET",    "DRIVERQUERY", "EXPAND",  "EXPLORER",
    "FC",         "FIND",      "FINDSTR",   "FORFILES",   "FORMAT",    "FSUTIL",    "GCC",       "GETMAC",
    "GIT",        "GPRESULT",  "GPUPDATE",  "GRADLE",    "GRADLEW",   "MVNW",     "HOSTNAME",  "ICACLS",    "IPCONFIG",  "JAR",
    "JAVA",       "JAVAC",     "JAVAW",     "LABEL",      "LIB",       "LINK",      "LOGMAN",    "MAKE",
    "MAKECAB",    "MINGW32-MAKE", "MODE",   "MORE",       "MOUNTVOL",  "MSBUILD",   "MSG",       "MSIEXEC",
    "MSTSC",      "MVN",       "NBTSTAT",   "NET",        "NETSH",     "NETSTAT",   "NINJA",     "NMAKE",
    "NODE",       "NOTEPAD",   "NPM",       "NPX",        "NSLOOKUP",  "NUGET",     "OPENFILES", "PATHPING",
    "PERL",       "PING",      "PIP",       "PNPUTIL",    "POWERCFG",  "POWERSHELL", "PRINT",    "PWSH",
    "PY",         "PYTHON",    "PYTHONW",   "QUERY",      "RASDIAL",   "RECOVER",   "REG",       "REGEDIT",
    "REGSVR32",   "REPLACE",   "ROBOCOPY",  "ROUTE",      "RUNAS",     "RUNDLL32",  "SC",        "SCHTASKS",
    "SETX",       "SFC",       "SHUTDOWN",  "SIGNTOOL",   "SORT",      "SUBST",     "SYSTEMINFO", "TAKEOWN",
    "TAR",        "TASKKILL",  "TASKLIST",  "TIMEOUT",    "TRACERT",   "TREE",      "TSKILL",    "TYPEPERF",
    "VSSADMIN",   "W32TM",     "WBADMIN",   "WEVTUTIL",   "WHERE",     "WHOAMI",    "WINGET",    "WINRM",
    "WMIC",       "WSCRIPT",   "WSL",       "WUSA",       "XCOPY",     "7Z",        "HELP",
    "CERTREQ",    "QMAKE",     "JOM",       "7ZA",       "SCONS",     "SWIG",      "YARN",
    "CHGLOGON",   "CHGPORT",   "CHGUSR",    "CONTROL",    "EVENTCREATE"};

// A name of one to eight bytes, none of them zero, as one number; 0 for any
// other name (no internal command's).
std::uint64_t packed(std::string_view name) {
    if (name.empty() || name.size() > 8) return 0;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\0') return 0;
        value |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    }
    return value;
}

std::size_t slotOf(std::uint64_t value, std::size_t slots) {
    return static_cast<std::size_t>((value * 0x9E3779B97F4A7C15ull) >> 32) % slots;
}

} // namespace

// A look-up is one number looked for in a small open-addressing table (0
// marks an empty slot).
bool isInternalCommand(std::string_view upper) {
    constexpr std::size_t SLOTS = 128;
    static const auto table = [] {
        std::array<std::uint64_t, SLOTS> slots{};
        for (const auto name : INTERNAL) {
            std::size_t i = slotOf(packed(name), SLOTS);
            while (slots[i] != 0) i = (i + 1) % SLOTS;
            slots[i] = packed(name);
        }
        return slots;
    }();
    const std::uint64_t value = packed(upper);
    if (value == 0) return false;
    for (std::size_t i = slotOf(value, SLOTS);; i = (i + 1) % SLOTS) {
        if (table[i] == value) return true;
        if (table[i] == 0) return false;
    }
}

bool isKnownProgram(std::string_view upper) {
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> names(PROGRAMS.begin(), PROGRAMS.end());
        std::sort(names.begin(), names.end());
        return names;
    }();
    return std::binary_search(sorted.begin(), sorted.end(), upper);
}

namespace {

// One letter added, dropped, changed, or two neighbours swapped (or none).
bool withinOneSlip(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) std::swap(a, b);
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i]) ++i;
    if (i == b.size()) return a.size() - b.size() <= 1;
    if (a.size() > b.size()) return a.substr(i + 1) == b.substr(i);
    if (a.substr(i + 1) == b.substr(i + 1)) return true;
    return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.substr(i + 2) == b.substr(i + 2);
}

} // namespace

std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit) {
    const std::size_t gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (gap > limit || a.size() > 32 || b.size() > 32) return limit + 1;
    // Three rows of the table: two back (for a swap), one back, this one.
    std::array<std::size_t, 33> older{};
    std::array<std::size_t, 33> previous{};
    std::array<std::size_t, 33> row{};
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[j] = std::min({previous[j] + 1, row[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) row[j] = std::min(row[j], older[j - 2] + 1);
        }
        older = previous;
        previous = row;
    }
    return previous[b.size()];
}

std::string_view nearMissCommand(std::string_view upper) {
    if (upper.size() < 4 || isInternalCommand(upper) || isKnownProgram(upper)) return {};
    const std::size_t limit = upper.size() >= 8 ? 2 : 1;
    const auto close = [&](std::string_view known) {
        // A slip rarely hits the first letter; requiring it keeps other
        // programs' names (NODE, MODE) apart.
        const bool sameStart = known[0] == upper[0] || (known[0] == upper[1] && known[1] == upper[0]);
        if (!sameStart || known.size() < 3) return false;
        return limit == 1 ? withinOneSlip(upper, known) : editDistance(upper, known, limit) <= limit;
    };
    for (const auto& known : INTERNAL)
        if (close(known)) return known;
    for (const auto& known : PROGRAMS)
        if (known.size() >= 6 && close(known)) return known;
    return {};
}

} // namespace core::cmdcheck
