// Shared libcurl options, the body and upload callbacks, and the mapping of outcomes to results.
#include "platform/curl/curl_handle.h"

#include <algorithm>
#include <cstring>

namespace curl {
namespace {

// Error texts end up in message boxes; keep them short enough to show.
constexpr std::size_t kMaxErrorText = 1024;

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
    if (curl_ == nullptr) return;
    handle_.reset(curl_->easy_init());
    if (!handle_) return;
    Set(CURLOPT_NOSIGNAL, 1L);
    Set(CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    Set(CURLOPT_TIMEOUT_MS, timeouts.totalMs);
    Set(CURLOPT_USERAGENT, "Marovek");
    Set(CURLOPT_ERRORBUFFER, errorText_);
    Set(CURLOPT_PROTOCOLS_STR, protocols);
    Set(CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    Set(CURLOPT_FOLLOWLOCATION, 1L);
    Set(CURLOPT_MAXREDIRS, 5L);
}

void EasyHandle::CollectBody(BodySink& sink) {
    Set(CURLOPT_WRITEFUNCTION, &WriteBody);
    Set(CURLOPT_WRITEDATA, &sink);
}

void EasyHandle::UploadFrom(UploadSource& source) {
    Set(CURLOPT_UPLOAD, 1L);
    Set(CURLOPT_READFUNCTION, &ReadUpload);
    Set(CURLOPT_READDATA, &source);
    Set(CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.data->size()));
}

platform::TransferResult EasyHandle::Perform(const BodySink* sink) {
    errorText_[0] = '\0';
    const CURLcode code = curl_->easy_perform(get());
    platform::TransferResult result;
    curl_->easy_getinfo(get(), CURLINFO_RESPONSE_CODE, &result.status);
    const bool cutOnPurpose = code == CURLE_WRITE_ERROR && sink != nullptr && sink->capped;
    if (code == CURLE_OK || cutOnPurpose) {
        result.ok = true;
        return result;
    }
    result.error = errorText_[0] != '\0' ? errorText_ : curl_->easy_strerror(code);
    result.error.resize(std::min(result.error.size(), kMaxErrorText));
    return result;
}

std::string StartError() {
    return LoadedLibrary() == nullptr ? "libcurl could not be loaded: " + LibraryError()
                                      : "libcurl could not start a transfer";
}

platform::TransferResult Failure(std::string error) {
    platform::TransferResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace curl
