// Answers game-list transfers from the script and records every call.
#include "platform/headless/scripted_transfer.h"

#include <algorithm>

namespace headless {

void ScriptedTransfer::SetPage(const std::string& url, platform::TransferResult result) {
    pages_[url] = std::move(result);
}

void ScriptedTransfer::SetPage(const std::string& url, const std::string& body) {
    SetPage(url, platform::TransferResult{true, 200, body, {}});
}

void ScriptedTransfer::SetFtpFile(const std::string& name, const std::string& content) {
    auto it = std::find_if(files_.begin(), files_.end(),
                           [&](const auto& file) { return file.first == name; });
    if (it != files_.end()) {
        it->second = content;
    } else {
        files_.emplace_back(name, content);
    }
}

void ScriptedTransfer::SetFtpLogin(const std::string& user, const std::string& password) {
    checkLogin_ = true;
    user_ = user;
    password_ = password;
}

platform::TransferResult ScriptedTransfer::HttpGet(const std::string& url, std::size_t maxBytes) {
    calls_.push_back({"get", url, {}, {}, {}, {}});
    auto it = pages_.find(url);
    if (it == pages_.end()) return {false, 404, {}, "HTTP error 404 for " + url};
    platform::TransferResult result = it->second;
    if (result.body.size() > maxBytes) result.body.resize(maxBytes);
    return result;
}

std::string ScriptedTransfer::FtpRefusal(const platform::FtpLogin& login) const {
    if (!ftpError_.empty()) return ftpError_;
    if (checkLogin_ && (login.user != user_ || login.password != password_)) {
        return "530 Login incorrect.";
    }
    return {};
}

platform::FtpListing ScriptedTransfer::FtpListNames(const platform::FtpLogin& login) {
    calls_.push_back({"list", login.host, login.user, login.password, {}, {}});
    platform::FtpListing listing;
    listing.error = FtpRefusal(login);
    if (!listing.error.empty()) return listing;
    listing.ok = true;
    listing.status = 226;
    for (const auto& file : files_) listing.names.push_back(file.first);
    return listing;
}

platform::TransferResult ScriptedTransfer::FtpUpload(const platform::FtpLogin& login,
                                                     const std::string& fileName,
                                                     const std::string& content) {
    calls_.push_back({"upload", login.host, login.user, login.password, fileName, content});
    std::string error = FtpRefusal(login);
    if (error.empty() && !platform::IsPlainFtpFileName(fileName)) error = "invalid FTP file name";
    if (!error.empty()) return {false, 0, {}, error};
    SetFtpFile(fileName, content);
    return {true, 226, {}, {}};
}

}  // namespace headless
