// Game-list transfers answered from a test's script: web pages by URL and one FTP folder.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/transfer.h"

namespace headless {

class ScriptedTransfer : public platform::Transfer {
  public:
    // One call as the game made it.
    struct Call {
        std::string kind;    // "get", "list" or "upload"
        std::string target;  // the URL, or the FTP host
        std::string user;
        std::string password;
        std::string fileName;
        std::string content;
    };

    // Script: the answer to a URL; an unscripted URL fails as a 404.
    void SetPage(const std::string& url, platform::TransferResult result);
    void SetPage(const std::string& url, const std::string& body);
    // Script: a file of the FTP folder; new names are listed after the existing ones.
    void SetFtpFile(const std::string& name, const std::string& content);
    // Script: the login the FTP server accepts; any login when never set.
    void SetFtpLogin(const std::string& user, const std::string& password);
    // Script: every later FTP call fails with this text (empty: FTP works again).
    void FailFtp(const std::string& error) { ftpError_ = error; }

    platform::TransferResult HttpGet(const std::string& url, std::size_t maxBytes) override;
    platform::FtpListing FtpListNames(const platform::FtpLogin& login) override;
    platform::TransferResult FtpUpload(const platform::FtpLogin& login, const std::string& fileName,
                                       const std::string& content) override;

    // The FTP folder's files in listing order, as uploads left them.
    const std::vector<std::pair<std::string, std::string>>& FtpFiles() const { return files_; }
    const std::vector<Call>& Calls() const { return calls_; }

  private:
    // The error text of a refused FTP call, empty when it may go on.
    std::string FtpRefusal(const platform::FtpLogin& login) const;

    std::map<std::string, platform::TransferResult> pages_;
    std::vector<std::pair<std::string, std::string>> files_;
    std::vector<Call> calls_;
    std::string ftpError_;
    bool checkLogin_ = false;
    std::string user_;
    std::string password_;
};

}  // namespace headless
