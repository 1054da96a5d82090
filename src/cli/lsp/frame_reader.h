#pragma once
// The framing of the language server protocol: each message is a header block
// ("Content-Length: N", CR LF after every header, an empty line) and N bytes of
// body. The reader takes bytes as they arrive and hands out whole bodies; a
// header it cannot use is reported and skipped, so one bad frame never stops
// the server.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cli::lsp {

struct Frame {
    std::string body;  //!< the message, when error is empty
    std::string error; //!< why a frame was dropped
};

class FrameReader {
public:
    //! Bodies larger than this (16 MiB: a batch file of some million lines, sent whole) are
    //! skipped as they arrive rather than held in memory.
    static constexpr std::size_t MAX_BODY = std::size_t{16} << 20;
    //! A header block longer than this is dropped.
    static constexpr std::size_t MAX_HEADER = 8192;

    void feed(std::string_view bytes);
    //! The next whole frame; nothing until one is complete.
    std::optional<Frame> next();

private:
    std::optional<Frame> readHeader();
    void consume(std::size_t n);

    std::string m_buffer;
    std::size_t m_start = 0;              //!< first unread byte of m_buffer
    std::optional<std::size_t> m_length; //!< body length once its header is read
    std::size_t m_skip = 0;               //!< bytes of an oversized body still to drop
};

//! A body with its header, ready to write.
std::string frame(std::string_view body);

} // namespace cli::lsp
