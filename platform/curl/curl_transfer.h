// The game-list transfers over libcurl: HTTP reads, FTP listings and FTP uploads.
#pragma once

#include "platform/transfer.h"

namespace curl {

class CurlTransfer : public platform::Transfer {
  public:
    explicit CurlTransfer(platform::TransferTimeouts timeouts = {});

    platform::TransferResult HttpGet(const std::string& url, std::size_t maxBytes) override;
    platform::FtpListing FtpListNames(const platform::FtpLogin& login) override;
    platform::TransferResult FtpUpload(const platform::FtpLogin& login, const std::string& fileName,
                                       const std::string& content) override;

  private:
    platform::TransferTimeouts timeouts_;
};

}  // namespace curl
