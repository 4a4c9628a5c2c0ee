// Shared libcurl options, the body and upload callbacks, and the mapping of outcomes to results.
#include "platform/curl/curl_handle.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace curl {
namespace {

// Error texts end up in message boxes; keep them short enough to show.
constexpr std::size_t kMaxErrorText = 1024;

void InitOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<BodySink*>(user);
    const std::size_t bytes = size * count;
    const std::size_t room = sink->cap - sink->out->size();
    sink->out->append(data, std::min(bytes, room));
    if (bytes <= room) return bytes;
    sink->capped = true;
    return 0;  // stops the transfer: everything wanted has arrived
}

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto* source = static_cast<UploadSource*>(user);
    const std::size_t n = std::min(size * count, source->data->size() - source->offset);
    std::memcpy(buffer, source->data->data() + source->offset, n);
    source->offset += n;
    return n;
}

}  // namespace

EasyHandle::EasyHandle(const platform::TransferTimeouts& timeouts, const char* protocols) {
    InitOnce();
    handle_.reset(curl_easy_init());
    if (!handle_) return;
    CURL* h = handle_.get();
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, timeouts.totalMs);
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Marovek");
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText_);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, protocols);
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
}

void EasyHandle::CollectBody(BodySink& sink) {
    curl_easy_setopt(get(), CURLOPT_WRITEFUNCTION, &WriteBody);
    curl_easy_setopt(get(), CURLOPT_WRITEDATA, &sink);
}

void EasyHandle::UploadFrom(UploadSource& source) {
    curl_easy_setopt(get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(get(), CURLOPT_READFUNCTION, &ReadUpload);
    curl_easy_setopt(get(), CURLOPT_READDATA, &source);
    curl_easy_setopt(get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.data->size()));
}

platform::TransferResult EasyHandle::Perform(const BodySink* sink) {
    errorText_[0] = '\0';
    const CURLcode code = curl_easy_perform(get());
    platform::TransferResult result;
    curl_easy_getinfo(get(), CURLINFO_RESPONSE_CODE, &result.status);
    const bool cutOnPurpose = code == CURLE_WRITE_ERROR && sink != nullptr && sink->capped;
    if (code == CURLE_OK || cutOnPurpose) {
        result.ok = true;
        return result;
    }
    result.error = errorText_[0] != '\0' ? errorText_ : curl_easy_strerror(code);
    result.error.resize(std::min(result.error.size(), kMaxErrorText));
    return result;
}

platform::TransferResult Failure(std::string error) {
    platform::TransferResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace curl
