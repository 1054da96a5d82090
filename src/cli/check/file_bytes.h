#pragma once
// The bytes of a file to check, read once. A large plain file is mapped
// rather than copied where the system allows it; anything else is read by
// the general reader (with its error texts).
#include "core/text/file_io.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace cli {

class FileBytes {
public:
    explicit FileBytes(const std::string& path);
    ~FileBytes();
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool ok() const { return m_read.ok; }
    const std::string& error() const { return m_read.error; }
    std::string_view bytes() const { return m_mapped ? std::string_view(m_mapped, m_size) : std::string_view(m_read.bytes); }

private:
    const char* m_mapped = nullptr;
    std::size_t m_size = 0;
    core::text::ReadResult m_read;
};

// file_map_posix.cpp / file_map_windows.cpp

//! The whole of a regular file of at least `smallest` bytes mapped for
//! reading, its size in `size`; null for anything else or where it cannot be
//! mapped. The path is opened without waiting (a FIFO swapped in for the file
//! never blocks) and what was opened is looked at, not the path. Should the
//! file shrink while it is mapped, reading the lost part ends the program with
//! a message naming the file.
const char* mapFile(const std::string& path, std::size_t smallest, std::size_t& size);
void unmapFile(const char* bytes, std::size_t size);

} // namespace cli
