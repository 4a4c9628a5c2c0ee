// HTTP reads and FTP listings and uploads, each one libcurl transfer bounded by the time-outs.
#include "platform/curl/curl_transfer.h"

#include <memory>
#include <string_view>

#include "platform/curl/curl_handle.h"

namespace curl {
namespace {

// A login folder listing larger than this is not a game-list folder.
constexpr std::size_t kMaxListingBytes = 1024 * 1024;

bool HasControlCharacter(std::string_view text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) return true;
    }
    return false;
}

// The URL of a file (or, for an empty name, the folder) in the FTP login folder; empty when the
// host is not a valid host name.
std::string FtpUrl(const platform::FtpLogin& login, const std::string& fileName) {
    // Called with a valid handle: the library is loaded.
    const Library& curl = *LoadedLibrary();
    struct UrlCleanup {
        void operator()(CURLU* url) const { LoadedLibrary()->url_cleanup(url); }
    };
    std::unique_ptr<CURLU, UrlCleanup> url(curl.url());
    if (!url) return {};
    std::string path = "/";
    if (!fileName.empty()) {
        char* escaped =
            curl.easy_escape(nullptr, fileName.data(), static_cast<int>(fileName.size()));
        if (escaped == nullptr) return {};
        path += escaped;
        curl.free(escaped);
    }
    const std::string port = std::to_string(login.port);
    if (curl.url_set(url.get(), CURLUPART_SCHEME, "ftp", 0) != CURLUE_OK ||
        curl.url_set(url.get(), CURLUPART_HOST, login.host.c_str(), 0) != CURLUE_OK ||
        curl.url_set(url.get(), CURLUPART_PORT, port.c_str(), 0) != CURLUE_OK ||
        curl.url_set(url.get(), CURLUPART_PATH, path.c_str(), 0) != CURLUE_OK) {
        return {};
    }
    char* text = nullptr;
    if (curl.url_get(url.get(), CURLUPART_URL, &text, 0) != CURLUE_OK) return {};
    std::string result = text;
    curl.free(text);
    return result;
}

// Prepares an FTP transfer; the error text is empty when the handle is ready.
std::string PrepareFtp(EasyHandle& handle, const platform::FtpLogin& login,
                       const std::string& fileName) {
    if (!handle.valid()) return StartError();
    if (login.host.empty() || HasControlCharacter(login.host)) return "invalid FTP server name";
    if (HasControlCharacter(login.user) || HasControlCharacter(login.password)) {
        return "invalid FTP user name or password";
    }
    const std::string url = FtpUrl(login, fileName);
    if (url.empty()) return "invalid FTP server name";
    handle.Set(CURLOPT_URL, url.c_str());
    handle.Set(CURLOPT_USERNAME, login.user.c_str());
    handle.Set(CURLOPT_PASSWORD, login.password.c_str());
    return {};
}

// Splits an NLST answer into names, dropping line ends and empty lines.
std::vector<std::string> SplitNames(std::string_view listing) {
    std::vector<std::string> names;
    while (!listing.empty()) {
        const std::size_t end = listing.find('\n');
        std::string_view line = listing.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) names.emplace_back(line);
        if (end == std::string_view::npos) break;
        listing.remove_prefix(end + 1);
    }
    return names;
}

}  // namespace

CurlTransfer::CurlTransfer(platform::TransferTimeouts timeouts) : timeouts_(timeouts) {}

platform::TransferResult CurlTransfer::HttpGet(const std::string& url, std::size_t maxBytes) {
    EasyHandle handle(timeouts_, "http,https");
    if (!handle.valid()) return Failure(StartError());
    if (HasControlCharacter(url)) return Failure("invalid URL");
    std::string body;
    BodySink sink{&body, maxBytes};
    handle.Set(CURLOPT_URL, url.c_str());
    handle.CollectBody(sink);
    platform::TransferResult result = handle.Perform(&sink);
    result.body = std::move(body);
    if (result.ok && result.status >= 400) {
        result.ok = false;
        result.error = "HTTP error " + std::to_string(result.status) + " for " + url;
    }
    return result;
}

platform::FtpListing CurlTransfer::FtpListNames(const platform::FtpLogin& login) {
    platform::FtpListing listing;
    EasyHandle handle(timeouts_, "ftp");
    listing.error = PrepareFtp(handle, login, {});
    if (!listing.error.empty()) return listing;
    std::string body;
    BodySink sink{&body, kMaxListingBytes};
    handle.Set(CURLOPT_DIRLISTONLY, 1L);
    handle.CollectBody(sink);
    static_cast<platform::TransferResult&>(listing) = handle.Perform(nullptr);
    if (sink.capped) {
        listing.ok = false;
        listing.error = "the FTP server's file list is too long";
    }
    if (listing.ok) listing.names = SplitNames(body);
    return listing;
}

platform::TransferResult CurlTransfer::FtpUpload(const platform::FtpLogin& login,
                                                 const std::string& fileName,
                                                 const std::string& content) {
    if (!platform::IsPlainFtpFileName(fileName)) return Failure("invalid FTP file name");
    EasyHandle handle(timeouts_, "ftp");
    const std::string error = PrepareFtp(handle, login, fileName);
    if (!error.empty()) return Failure(error);
    UploadSource source{&content};
    handle.UploadFrom(source);
    return handle.Perform(nullptr);
}

}  // namespace curl
