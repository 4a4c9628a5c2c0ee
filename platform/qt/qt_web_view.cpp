// The Qt WebEngine browsers of the program's dialogs.
#include "platform/qt/qt_web_view.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "platform/dialog.h"
#include "platform/qt/qt_dialog_host.h"

namespace qtplatform {

namespace {

// Shown in the browser's place when a page has not come in time.
QString TimedOutPage(const QUrl& url, int timeoutMs) {
    return QStringLiteral(
               "<html><head><title>No answer</title></head><body style=\"font-family:sans-serif\">"
               "<h3>The page did not answer</h3><p>%1 did not answer within %2 seconds.</p>"
               "</body></html>")
        .arg(url.toDisplayString().toHtmlEscaped())
        .arg((timeoutMs + 999) / 1000);
}

// A page that asks the program before it goes anywhere, and gives up on a page that does not
// come in time.
class ClientPage : public QWebEnginePage {
  public:
    ClientPage(platform::WebViewClient& client, QObject* parent)
        : QWebEnginePage(parent), client_(&client) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { GiveUp(); });
        // Every page the user goes to in it has the same time; our own notice has none.
        QObject::connect(this, &QWebEnginePage::loadStarted, this, [this] {
            if (timeoutMs_ > 0 && !showingNotice_) timer_.start(timeoutMs_);
        });
        QObject::connect(this, &QWebEnginePage::loadFinished, this, [this] {
            timer_.stop();
            showingNotice_ = false;
        });
    }

    void Forget() { client_ = nullptr; }
    void Go(const QUrl& url, int timeoutMs) {
        timeoutMs_ = timeoutMs;
        showingNotice_ = false;
        load(url);
        if (timeoutMs_ > 0) timer_.start(timeoutMs_);
    }

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        // Frames of the page load as the page wants; the program judges where the page goes.
        if (!isMainFrame || client_ == nullptr) return true;
        const QByteArray address = url.toString().toLatin1();
        return client_->OnBeforeNavigate2(std::string(address.constData(), address.size()));
    }

  private:
    void GiveUp() {
        const QUrl late = requestedUrl();
        triggerAction(QWebEnginePage::Stop);
        showingNotice_ = true;
        setHtml(TimedOutPage(late, timeoutMs_));
    }

    platform::WebViewClient* client_;
    QTimer timer_;
    int timeoutMs_ = 0;
    bool showingNotice_ = false;
};

class QtWebView : public platform::WebView {
  public:
    QtWebView(QWebEngineView* view, ClientPage* page) : view_(view), page_(page) {}
    ~QtWebView() override {
        if (page_) page_->Forget();
        // Later: the call may come from inside the browser's own events.
        if (view_) view_->deleteLater();
    }

    void Navigate(const std::string& url, int timeoutMs) override {
        if (!page_) return;
        // The game's addresses carry no scheme; fromUserInput makes them web addresses.
        page_->Go(QUrl::fromUserInput(
                      QString::fromLatin1(url.data(), static_cast<qsizetype>(url.size()))),
                  timeoutMs);
    }

  private:
    QPointer<QWebEngineView> view_;
    QPointer<ClientPage> page_;
};

}  // namespace

std::unique_ptr<platform::WebView> QtWebViews::CreateFromStatic(CDialog& parent, int placeholderId,
                                                                platform::WebViewClient& client) {
    QDialog* window = dialogs_.WindowOf(parent);
    if (window == nullptr) return nullptr;
    auto* placeholder = window->findChild<QLabel*>(QStringLiteral("control%1").arg(placeholderId),
                                                   Qt::FindDirectChildrenOnly);
    if (placeholder == nullptr) return nullptr;
    // The placeholder stays (the dialog keeps its controls in step) but gives its place away.
    const QRect place = placeholder->geometry();
    parent.Show(placeholderId, false);
    placeholder->hide();

    auto* view = new QWebEngineView(window);
    view->setObjectName(QStringLiteral("browser%1").arg(placeholderId));
    auto* page = new ClientPage(client, view);
    view->setPage(page);
    view->setGeometry(place);
    // The page keeps the keys it is given: Escape still closes the dialog, as it does elsewhere.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), view);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QDialog::reject);
    view->show();
    return std::make_unique<QtWebView>(view, page);
}

}  // namespace qtplatform
