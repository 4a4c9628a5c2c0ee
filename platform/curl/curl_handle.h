// One libcurl easy handle with the options every game-list transfer shares, and its outcome.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/curl/curl_library.h"
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
    // Sets one option of a valid handle.
    template <typename Value>
    void Set(CURLoption option, Value value) {
        curl_->easy_setopt(get(), option, value);
    }
    // Sends the body to `sink` instead of standard output.
    void CollectBody(BodySink& sink);
    // Uploads the bytes of `source`.
    void UploadFrom(UploadSource& source);
    // Runs the transfer and fills ok, status and error; a body cut at its cap is no error.
    platform::TransferResult Perform(const BodySink* sink);

  private:
    // A handle exists only once the library is loaded.
    struct Cleanup {
        void operator()(CURL* handle) const { LoadedLibrary()->easy_cleanup(handle); }
    };
    const Library* curl_ = LoadedLibrary();
    std::unique_ptr<CURL, Cleanup> handle_;
    char errorText_[CURL_ERROR_SIZE] = {};
};

// Why no handle could be made: libcurl not loaded, or refusing one.
std::string StartError();

// A failed result carrying `error`.
platform::TransferResult Failure(std::string error);

}  // namespace curl
