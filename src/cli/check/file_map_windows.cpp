// Windows: files are read, not mapped (a mapped file there cannot be
// shortened anyway, but reading is fast enough for batch files).
#include "cli/check/file_bytes.h"

namespace cli {

const char* mapFile(const std::string&, std::size_t, std::size_t&) { return nullptr; }
void unmapFile(const char*, std::size_t) {}

} // namespace cli
