// Length-prefixed message frames: the writer and the reader that reassembles them.
#include "platform/message_frames.h"

#include <cstdint>

#include "platform/socket.h"

namespace platform {
namespace {

constexpr std::size_t kHeaderBytes = 4;

std::size_t ReadLength(std::string_view header) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < kHeaderBytes; ++i) {
        length |= static_cast<std::size_t>(static_cast<std::uint8_t>(header[i])) << (8 * i);
    }
    return length;
}

}  // namespace

std::string EncodeFrame(std::string_view message) {
    std::string frame(kHeaderBytes, '\0');
    const auto length = static_cast<std::uint32_t>(message.size());
    for (std::size_t i = 0; i < kHeaderBytes; ++i) {
        frame[i] = static_cast<char>((length >> (8 * i)) & 0xFFu);
    }
    frame.append(message);
    return frame;
}

int FrameReader::Feed(std::string_view bytes) {
    if (broken_) return -1;
    pending_.append(bytes);
    int completed = 0;
    std::size_t used = 0;
    while (pending_.size() - used >= kHeaderBytes) {
        const std::size_t length = ReadLength(std::string_view(pending_).substr(used));
        if (length > kMaxMessageBytes) {
            broken_ = true;
            pending_.clear();
            return -1;
        }
        if (pending_.size() - used - kHeaderBytes < length) break;
        messages_.push_back(pending_.substr(used + kHeaderBytes, length));
        used += kHeaderBytes + length;
        ++completed;
    }
    pending_.erase(0, used);
    return completed;
}

std::string FrameReader::Take() {
    if (messages_.empty()) return {};
    std::string message = std::move(messages_.front());
    messages_.pop_front();
    return message;
}

void FrameReader::Reset() {
    pending_.clear();
    messages_.clear();
    broken_ = false;
}

}  // namespace platform
