// Message frames: messages survive any cutting of the stream; foreign bytes break it for good.
#include "platform/message_frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/socket.h"

namespace {

using platform::EncodeFrame;
using platform::FrameReader;

std::vector<std::string> TakeAll(FrameReader& reader) {
    std::vector<std::string> messages;
    while (reader.HasMessage()) messages.push_back(reader.Take());
    return messages;
}

TEST(MessageFrames, StreamCutAnywhereGivesBackTheSameMessages) {
    const std::vector<std::string> sent{"1000Alice", "", std::string(944, 'b'), "9999"};
    std::string stream;
    for (const std::string& message : sent) stream += EncodeFrame(message);
    // Every chunk size from one byte to the whole stream at once.
    for (std::size_t chunk = 1; chunk <= stream.size(); chunk += chunk < 8 ? 1 : 97) {
        FrameReader reader;
        int completed = 0;
        for (std::size_t at = 0; at < stream.size(); at += chunk) {
            completed += reader.Feed(std::string_view(stream).substr(at, chunk));
        }
        EXPECT_EQ(completed, 4) << chunk;
        EXPECT_EQ(TakeAll(reader), sent) << chunk;
    }
}

TEST(MessageFrames, LengthAboveTheLimitBreaksTheStream) {
    const std::string tooLong = EncodeFrame(std::string(platform::kMaxMessageBytes + 1, 'x'));
    FrameReader reader;
    EXPECT_EQ(reader.Feed(EncodeFrame("1005") + tooLong.substr(0, 4)), -1);
    EXPECT_EQ(reader.Feed(EncodeFrame("1006")), -1);
    reader.Reset();
    EXPECT_EQ(reader.Feed(EncodeFrame("1006")), 1);
    EXPECT_EQ(reader.Take(), "1006");
}

TEST(MessageFrames, HeaderIsTheLittleEndianLength) {
    const std::string frame = EncodeFrame(std::string(0x0102, 'z'));
    ASSERT_EQ(frame.size(), 4u + 0x0102);
    EXPECT_EQ(frame.substr(0, 4), std::string("\x02\x01\x00\x00", 4));
}

}  // namespace
