// Message framing over a TCP stream: each message travels as its 4-byte little-endian length
// and its bytes, so the receiver gets exactly the messages that were sent.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace platform {

// The bytes that carry one message.
std::string EncodeFrame(std::string_view message);

// Collects stream bytes and cuts them into messages.
class FrameReader {
  public:
    // Takes received bytes; returns how many messages they completed, or -1 once a length
    // above kMaxMessageBytes shows the stream is not ours (it stays broken).
    int Feed(std::string_view bytes);
    bool HasMessage() const { return !messages_.empty(); }
    // Removes and returns the oldest whole message; empty when there is none.
    std::string Take();
    void Reset();

  private:
    std::string pending_;
    std::deque<std::string> messages_;
    bool broken_ = false;
};

}  // namespace platform
