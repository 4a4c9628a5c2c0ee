// One libcurl easy handle with the options every game-list transfer shares, and its outcome.
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <memory>
#include <string>

#include "platform/transfer.h"

namespace curl {

// Collects a response body up to a cap; reaching the cap stops the transfer on purpose.
struct BodySink {
    std::string* out = nullptr;
    std::size_t cap = 0;
    bool capped = false;
};

// Feeds an upload from a string.
struct UploadSource {
    const std::string* data = nullptr;
    std::size_t offset = 0;
};

class EasyHandle {
  public:
    EasyHandle(const platform::TransferTimeouts& timeouts, const char* protocols);
    EasyHandle(const EasyHandle&) = delete;
    EasyHandle& operator=(const EasyHandle&) = delete;

    CURL* get() const { return handle_.get(); }
    bool valid() const { return handle_ != nullptr; }
    // Sends the body to `sink` instead of standard output.
    void CollectBody(BodySink& sink);
    // Uploads the bytes of `source`.
    void UploadFrom(UploadSource& source);
    // Runs the transfer and fills ok, status and error; a body cut at its cap is no error.
    platform::TransferResult Perform(const BodySink* sink);

  private:
    struct Cleanup {
        void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    };
    std::unique_ptr<CURL, Cleanup> handle_;
    char errorText_[CURL_ERROR_SIZE] = {};
};

// A failed result carrying `error`.
platform::TransferResult Failure(std::string error);

}  // namespace curl
