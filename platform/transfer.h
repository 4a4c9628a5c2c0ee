// Blocking HTTP reads and FTP writes for the internet game list, each bounded by time-outs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// How long one operation may take; every operation ends with an error once either is exceeded.
struct TransferTimeouts {
    long connectMs = 10'000;
    long totalMs = 20'000;
};

struct TransferResult {
    bool ok = false;
    // The HTTP status, or the FTP server's last reply code; 0 when nothing was answered.
    long status = 0;
    // The bytes read (HTTP).
    std::string body;
    // A readable reason when ok is false.
    std::string error;
};

struct FtpListing : TransferResult {
    // File names of the login folder in the order the server listed them.
    std::vector<std::string> names;
};

struct FtpLogin {
    std::string host;
    std::uint16_t port = 21;
    std::string user;
    std::string password;
};

class Transfer {
  public:
    virtual ~Transfer() = default;
    // Reads a URL; keeps at most maxBytes of the body (reading stops there, not an error).
    // A status of 400 or above is a failure.
    virtual TransferResult HttpGet(const std::string& url, std::size_t maxBytes) = 0;
    // Lists the names in the login folder of an FTP server (passive mode).
    virtual FtpListing FtpListNames(const FtpLogin& login) = 0;
    // Stores `content` as the file `fileName` of the login folder, replacing it (binary,
    // passive mode). A name holding "/" or a control character is refused.
    virtual TransferResult FtpUpload(const FtpLogin& login, const std::string& fileName,
                                     const std::string& content) = 0;
};

// True when a file name is safe to send to an FTP server as a plain name in the login folder.
inline bool IsPlainFtpFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\') return false;
    }
    return true;
}

}  // namespace platform
