// The "Compose email" window: the lines of a mail to copy, and a "mailto:" link that hands them
// to the user's mail program.
#pragma once

#include <string>

#include "platform/dialog.h"

namespace platform {
class Shell;
}

// `text` (Latin-1) as UTF-8 with every byte outside the unreserved characters percent-encoded;
// a line end, "\n" or "\r\n", becomes "%0D%0A" as mail links write it.
std::string PercentEncodeMailText(const std::string& text);
// "mailto:" + recipient + "?subject=" + subject + "&body=" + body, each part encoded so that the
// mail program receives exactly the texts given.
std::string MailtoLink(const std::string& recipient, const std::string& subject,
                       const std::string& body);

class CPrepmailDlg : public CDialog {
  public:
    static constexpr int kIdd = 258;
    static constexpr int kIdSubject = 1006;
    static constexpr int kIdBody = 1012;
    static constexpr int kIdRecipient = 1007;
    static constexpr int kIdSendTo = 1035;
    static constexpr int kIdLaunchMail = 1013;

    explicit CPrepmailDlg(platform::Shell& shell);

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    // Opens the mail of the values the window was opened with; what was typed into its fields
    // is only there to be copied.
    void OnLaunchMail();

    std::string subject;
    std::string body;
    std::string recipient;
    std::string sendTo;

  private:
    platform::Shell& shell_;
    std::string openedSubject_;
    std::string openedBody_;
    std::string openedRecipient_;
};

const DialogTemplate& PrepmailTemplate();
