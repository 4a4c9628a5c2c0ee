// The "Compose email" window and the encoding of its "mailto:" link.
#include "core/commands/mail_dlg.h"

#include <cstdint>

#include "core/model/options.h"
#include "platform/shell.h"

namespace {

bool IsUnreserved(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

void AppendEscaped(std::string& out, std::uint8_t byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// The address part keeps its "@"; everything else is encoded as in the fields.
std::string EncodeAddress(const std::string& address) {
    std::string out;
    for (const char ch : address) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (IsUnreserved(c) || c == '@')
            out += ch;
        else
            AppendEscaped(out, c);
    }
    return out;
}

DialogTemplate MakePrepmailTemplate() {
    using K = ControlKind;
    DialogTemplate t;
    t.id = CPrepmailDlg::kIdd;
    t.caption = "Compose email";
    t.width = 300;
    t.height = 176;
    const auto label = [](const char* text, DialogRect rect) {
        return ControlTemplate{kIdStatic, K::Static, text, rect, 0};
    };
    t.controls = {
        label("Launch your email program, and copy/paste these lines.", {10, 8, 280, 8}),
        {CPrepmailDlg::kIdSendTo, K::Static, "", {10, 24, 40, 8}, 0},
        {CPrepmailDlg::kIdRecipient, K::Edit, "", {54, 22, 236, 12}, ctl::kTabStop},
        label("Subject:", {10, 40, 40, 8}),
        {CPrepmailDlg::kIdSubject, K::Edit, "", {54, 38, 236, 12}, ctl::kTabStop},
        label("Body:", {10, 56, 40, 8}),
        {CPrepmailDlg::kIdBody,
         K::Edit,
         "",
         {54, 54, 236, 44},
         ctl::kMultiLine | ctl::kVerticalScroll | ctl::kTabStop},
        label("Or launch your email program directly (without using Word as email editor):",
              {10, 108, 280, 8}),
        {CPrepmailDlg::kIdLaunchMail,
         K::Button,
         "Launch Mail Application",
         {10, 122, 100, 14},
         ctl::kTabStop},
        {kIdOk, K::Button, "OK", {184, 154, 50, 14}, ctl::kDefault | ctl::kTabStop},
        {kIdCancel, K::Button, "Cancel", {240, 154, 50, 14}, ctl::kTabStop},
    };
    return t;
}

}  // namespace

std::string PercentEncodeMailText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // one line end
        if (c == '\n' || c == '\r') {
            out += "%0D%0A";
        } else if (IsUnreserved(c)) {
            out += static_cast<char>(c);
        } else if (c < 0x80) {
            AppendEscaped(out, c);
        } else {
            // The game's texts are Latin-1; mail links carry UTF-8.
            AppendEscaped(out, static_cast<std::uint8_t>(0xC0 | (c >> 6)));
            AppendEscaped(out, static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string MailtoLink(const std::string& recipient, const std::string& subject,
                       const std::string& body) {
    return "mailto:" + EncodeAddress(recipient) + "?subject=" + PercentEncodeMailText(subject) +
           "&body=" + PercentEncodeMailText(body);
}

const DialogTemplate& PrepmailTemplate() {
    static const DialogTemplate t = MakePrepmailTemplate();
    return t;
}

CPrepmailDlg::CPrepmailDlg(platform::Shell& shell) : CDialog(PrepmailTemplate()), shell_(shell) {}

bool CPrepmailDlg::DoDataExchange(bool save) {
    struct Binding {
        int id;
        std::string* text;
    };
    const Binding bindings[] = {
        {kIdSubject, &subject}, {kIdBody, &body}, {kIdRecipient, &recipient}, {kIdSendTo, &sendTo}};
    for (const Binding& b : bindings) {
        if (save)
            *b.text = GetText(b.id);
        else
            SetText(b.id, *b.text);
    }
    return true;
}

bool CPrepmailDlg::OnInitDialog() {
    openedSubject_ = subject;
    openedBody_ = body;
    openedRecipient_ = recipient;
    CDialog::OnInitDialog();
    SetOpacity(g_transparencyPercent);
    return true;
}

void CPrepmailDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdLaunchMail && code == Notification::Clicked) OnLaunchMail();
}

void CPrepmailDlg::OnLaunchMail() {
    // Without a mail program the lines stay in the window to be copied.
    shell_.OpenMail(MailtoLink(openedRecipient_, openedSubject_, openedBody_));
}
