// Fuzzes the message framing of the network stream: bytes fed in any pieces give the messages
// they frame, and each message framed again reads back alone.
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/message_frames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte sets the size of the pieces the stream arrives in.
    const std::size_t piece = data[0] % 16 + 1;
    const std::string_view stream = fuzz::Text(data + 1, size - 1);
    platform::FrameReader reader;
    bool broken = false;
    for (std::size_t at = 0; at < stream.size() && !broken; at += piece)
        broken = reader.Feed(stream.substr(at, piece)) < 0;
    while (reader.HasMessage()) {
        const std::string message = reader.Take();
        platform::FrameReader alone;
        fuzz::Require(alone.Feed(platform::EncodeFrame(message)) == 1 && alone.Take() == message,
                      "a message framed again reads back");
    }
    return 0;
}
