#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace Tessera::Emulator {

// One end of a Unix stream socket carrying text lines ("\n"-terminated). Owns the descriptor.
// Lines longer than the limit are refused (the channel is then broken), so neither side buffers
// without bound. Not thread-safe; one thread uses a channel at a time, except shutdown_reading(),
// which another thread may call to wake a blocked reader.
class LineChannel {
public:
    static constexpr std::size_t kDefaultLimit = 1 << 20;

    explicit LineChannel(int fd = -1, std::size_t limit = kDefaultLimit);
    ~LineChannel();
    LineChannel(LineChannel&& other) noexcept;
    LineChannel& operator=(LineChannel&& other) noexcept;
    LineChannel(LineChannel const&) = delete;
    LineChannel& operator=(LineChannel const&) = delete;

    // Connects to a listening socket; nullopt with `error` set when it cannot.
    static std::optional<LineChannel> connect(std::string const& path, std::string& error);

    bool valid() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // Sends `line` and a newline; false when the peer is gone.
    bool send_line(std::string const& line);
    // Next line without its newline; nullopt at end of stream, on error or on an over-long line.
    std::optional<std::string> read_line();
    // Like read_line, but gives up after `timeout` (then `timed_out` is true).
    std::optional<std::string> read_line(std::chrono::milliseconds timeout, bool& timed_out);
    // True when the peer has closed its end (checked without blocking).
    bool peer_closed();

    // Ends the reading side: a blocked read_line returns, answers can still be sent.
    void shutdown_reading();
    void close();

private:
    std::optional<std::string> take_line();

    int m_fd { -1 };
    std::size_t m_limit;
    std::string m_buffer;
};

}
