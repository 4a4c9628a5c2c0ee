// The Chat rooms window on the real web engine, offscreen: a local chat page served over HTTP on
// loopback, its "app:" links clicked, and what the program did.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

#include "core/model/session_state.h"
#include "net/chat_rooms.h"
#include "platform/headless/test_platform.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_web_loader.h"
#include "platform/qt/qt_window_services.h"
#include "setup/internet_dialogs.h"
#include "tests/platform_net/local_servers.h"

namespace {

// Pages load in a few hundred milliseconds; the first start of the engine takes longer.
constexpr int kLoadWaitMs = 30000;

QApplication& EnsureWebApp() {
    static int argc = 1;
    static char name[] = "chat_web_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qtplatform::PrepareWebEngine();
        return new QApplication(argc, argv);
    }();
    return *app;
}

constexpr char kChatPage[] = R"(<html><head><title>Chat rooms</title></head><body>
<p><a id="beep" href="app:Beep">Beep</a></p>
<p><a id="BEEP" href="APP:Beep">BEEP</a></p>
<p><a id="lower" href="app:beep">beep</a></p>
<p><a id="minimise" href="app:Minimise">Minimise</a></p>
<p><a id="room" href="room1.htm">Room 1</a></p>
</body></html>)";

// A local chat server and the Chat rooms window on the Qt dialog host and web engine, with a
// window that records what the page made the program do.
class ChatWebTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureWebApp();
        site_.Write("chat2j.htm", kChatPage);
        site_.Write("room1.htm", "<html><head><title>Room 1</title></head><body>Hi</body></html>");
        port_ = nettest::FreeLoopbackPort();
        server_ = std::make_unique<nettest::ChildProcess>(
            std::vector<std::string>{nettest::Python(), "-m", "http.server", std::to_string(port_),
                                     "--bind", "127.0.0.1", "--directory", site_.Path().string()},
            (site_.Path() / "server.log").string());
        ASSERT_TRUE(nettest::WaitUntilAccepting(port_, *server_)) << "HTTP server did not start";
        setenv(chat_rooms::kServerVariable, Host().c_str(), 1);
        g_gameKind = game_kind::kNetworkJoined;
    }

    void TearDown() override {
        if (chat_ && chat_->IsOpen()) dialogs_.DestroyModeless(*chat_);
        // Let the window go before its dialog.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        chat_.reset();
    }

    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }

    // The test's platform with the Qt dialogs and browsers, and `window` as its main window.
    platform::Platform& MakePlatform(platform::WindowServices& window) {
        platform_ = std::make_unique<platform::Platform>(
            platform::Platform{window, dialogs_, test_.sound, test_.files, test_.shell, test_.clock,
                               test_.random, test_.sockets, test_.transfer, test_.fileDialogs,
                               test_.glyphs, test_.imageDecoder, &webViews_});
        return *platform_;
    }

    // Opens the window on `window` and waits for the chat page; the browser, or null.
    QWebEngineView* OpenChat(platform::WindowServices& window) {
        chat_ = std::make_unique<CChatDlg>(MakePlatform(window));
        if (!dialogs_.CreateModeless(*chat_)) return nullptr;
        auto* view = dialogs_.WindowOf(*chat_)->findChild<QWebEngineView*>(
            QStringLiteral("browser%1").arg(CChatDlg::kIdBrowser));
        if (view == nullptr) return nullptr;
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        if (!loaded.wait(kLoadWaitMs) || !loaded.takeFirst().at(0).toBool()) return nullptr;
        return view;
    }

    // Clicks the link with this id with the mouse, as a player would.
    static void ClickLink(QWebEngineView* view, const char* id) {
        QVariant centre;
        bool done = false;
        view->page()->runJavaScript(
            QStringLiteral(
                "(function(){var r=document.getElementById('%1').getBoundingClientRect();"
                "return [r.left+r.width/2, r.top+r.height/2];})()")
                .arg(QLatin1String(id)),
            [&](const QVariant& result) {
                centre = result;
                done = true;
            });
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, kLoadWaitMs));
        const QVariantList xy = centre.toList();
        ASSERT_EQ(xy.size(), 2);
        const QPoint at(static_cast<int>(xy[0].toDouble()), static_cast<int>(xy[1].toDouble()));
        QWidget* target = view->focusProxy() != nullptr ? view->focusProxy() : view;
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    }

    nettest::TempFolder site_;
    std::uint16_t port_ = 0;
    std::unique_ptr<nettest::ChildProcess> server_;
    headless::TestPlatform test_;
    qtplatform::QtDialogHost dialogs_;
    // Loaded as the program loads it, from the module beside it.
    qtplatform::LoadedWebViews webViews_{dialogs_, MAROVEK_WEB_MODULE};
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<CChatDlg> chat_;
};

// Without the browser module the window opens empty, as with no browser at all.
TEST_F(ChatWebTest, WithoutTheBrowserModuleTheWindowOpensEmpty) {
    qtplatform::LoadedWebViews missing(dialogs_, site_.Path().string() + "/no_such_module.so");
    platform::Platform& platform = MakePlatform(test_.window);
    platform.webViews = &missing;
    CChatDlg chat(platform);
    ASSERT_TRUE(dialogs_.CreateModeless(chat));
    EXPECT_EQ(dialogs_.WindowOf(chat)->findChild<QWebEngineView*>(), nullptr);
    EXPECT_TRUE(chat.IsVisible(CChatDlg::kIdBrowser)) << "the placeholder stays";
    dialogs_.DestroyModeless(chat);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ChatWebTest, ClickedAppLinksRunTheirCommandAndThePageStays) {
    QWebEngineView* view = OpenChat(test_.window);
    ASSERT_NE(view, nullptr) << "the chat page did not load";
    const QUrl page = view->url();
    EXPECT_EQ(page.toString().toStdString(), "http://" + Host() + "//chat2j.htm");
    EXPECT_EQ(view->title(), QStringLiteral("Chat rooms"));
    // The browser took the placeholder's place.
    EXPECT_FALSE(chat_->IsVisible(CChatDlg::kIdBrowser));
    EXPECT_GT(view->width(), 300);

    ClickLink(view, "beep");
    EXPECT_TRUE(QTest::qWaitFor([&] { return test_.window.beeps == 1; }, 10000));
    ClickLink(view, "BEEP");
    EXPECT_TRUE(QTest::qWaitFor([&] { return test_.window.beeps == 2; }, 10000));
    ClickLink(view, "lower");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !test_.window.messageBoxes.empty(); }, 10000));
    ClickLink(view, "minimise");
    EXPECT_TRUE(QTest::qWaitFor([&] { return test_.window.minimisations == 1; }, 10000));

    EXPECT_EQ(test_.window.beeps, 2);  // the lower-case word did not beep
    const headless::MessageBoxCall unexpected{"beep", "Unexpected Command",
                                              platform::MessageButtons::Ok,
                                              platform::MessageIcon::Question};
    EXPECT_EQ(test_.window.messageBoxes, std::vector<headless::MessageBoxCall>{unexpected});
    EXPECT_EQ(view->url(), page);  // no command went anywhere

    // An ordinary link goes where it points.
    ClickLink(view, "room");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return view->title() == QStringLiteral("Room 1"); }, kLoadWaitMs));
    EXPECT_EQ(test_.window.messageBoxes.size(), 1u);
}

TEST_F(ChatWebTest, MinimiseTakesDownTheMainWindowAndAnUnknownWordAsksOnTheRealDesktop) {
    QMainWindow frame;
    frame.resize(640, 480);
    frame.show();
    qtplatform::QtWindowServices window;
    window.AttachFrame(&frame);
    dialogs_.SetParentWidget(&frame);
    QWebEngineView* view = OpenChat(window);
    ASSERT_NE(view, nullptr) << "the chat page did not load";

    ClickLink(view, "minimise");
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isMinimized(); }, 10000));
    EXPECT_TRUE(dialogs_.WindowOf(*chat_)->isVisible());  // the chat window stays open

    // The question opens while the browser waits on its navigation; answering it lets both go.
    QString caption, text;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        caption = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(20);
    ClickLink(view, "lower");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }, 10000));
    answer.stop();
    EXPECT_EQ(caption, QStringLiteral("Unexpected Command"));
    EXPECT_EQ(text, QStringLiteral("beep"));

    // The page still answers afterwards.
    ClickLink(view, "room");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return view->title() == QStringLiteral("Room 1"); }, kLoadWaitMs));
    dialogs_.SetParentWidget(nullptr);
    window.Detach();
}

TEST_F(ChatWebTest, TheHostAddressDialogOpensTheChatRoomsModallyAndTheCloseBoxClosesThem) {
    CHostipDlg hostIp(MakePlatform(test_.window));
    // The player's hand, polling: opens the chat rooms, waits for the page, closes both windows.
    int step = 0;
    QString title;
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        QDialog* chat = dialogs_.WindowOf(hostIp.chatRooms);
        if (step == 0 && dialogs_.WindowOf(hostIp) != nullptr) {
            step = 1;
            auto* button = dialogs_.WindowOf(hostIp)->findChild<QAbstractButton*>(
                QStringLiteral("control%1").arg(CHostipDlg::kIdChatRoom));
            // After this tick: the click runs the chat rooms' own loop, and a timer does not
            // tick again inside its own tick.
            QTimer::singleShot(0, button, &QAbstractButton::click);
        } else if (step == 1 && chat != nullptr) {
            auto* view = chat->findChild<QWebEngineView*>();
            if (view == nullptr || view->title() != QStringLiteral("Chat rooms")) return;
            title = view->title();
            step = 2;
            chat->close();  // the close box
        } else if (step == 2 && chat == nullptr) {
            step = 3;
            dialogs_.WindowOf(hostIp)->close();
        }
    });
    hand.start(20);
    QTimer::singleShot(kLoadWaitMs, [&] {
        // Whatever happened, nobody waits forever.
        if (QDialog* chat = dialogs_.WindowOf(hostIp.chatRooms)) chat->close();
        if (QDialog* window = dialogs_.WindowOf(hostIp)) window->close();
    });
    EXPECT_EQ(dialogs_.RunModal(hostIp), kIdCancel);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(title, QStringLiteral("Chat rooms"));
    EXPECT_FALSE(hostIp.chatRooms.IsOpen());
    EXPECT_FALSE(hostIp.chatRooms.Browser().HasBrowser());  // gone with its window
    EXPECT_NE(site_.Read("server.log").find("GET //chat2j.htm"), std::string::npos);
}

TEST_F(ChatWebTest, EscapeInThePageClosesTheWindow) {
    QWebEngineView* view = OpenChat(test_.window);
    ASSERT_NE(view, nullptr) << "the chat page did not load";
    dialogs_.WindowOf(*chat_)->activateWindow();
    view->setFocus();
    QWidget* target = view->focusProxy() != nullptr ? view->focusProxy() : view;
    ASSERT_TRUE(QTest::qWaitFor([&] { return target->hasFocus(); }, 5000));
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chat_->Ended(); }, 5000));
    EXPECT_EQ(chat_->Result(), kIdCancel);
}

// A browser on its own, for the pages that never come.
class Recorder : public platform::WebViewClient {
  public:
    bool OnBeforeNavigate2(const std::string& url) override {
        urls.push_back(url);
        return true;
    }
    std::vector<std::string> urls;
};

TEST_F(ChatWebTest, APageThatNeverAnswersIsGivenUpAndOneThatCannotLoadIsShownAsSuch) {
    EnsureWebApp();
    CDialog dialog(DialogTemplate{1,
                                  "Page",
                                  200,
                                  150,
                                  "MS Sans Serif",
                                  8,
                                  0,
                                  {{7, ControlKind::Static, "", {0, 0, 200, 150}},
                                   {8, ControlKind::Button, "", {0, 0, 10, 10}}}});
    ASSERT_TRUE(dialogs_.CreateModeless(dialog));
    Recorder client;
    // Only a static control can give its place.
    EXPECT_EQ(webViews_.CreateFromStatic(dialog, 8, client), nullptr);
    EXPECT_EQ(webViews_.CreateFromStatic(dialog, 9, client), nullptr);
    std::unique_ptr<platform::WebView> browser = webViews_.CreateFromStatic(dialog, 7, client);
    ASSERT_NE(browser, nullptr);
    auto* view = dialogs_.WindowOf(dialog)->findChild<QWebEngineView*>(QStringLiteral("browser7"));
    ASSERT_NE(view, nullptr);

    nettest::SilentListener silent;
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    QElapsedTimer clock;
    clock.start();
    browser->Navigate("127.0.0.1:" + std::to_string(silent.Port()) + "//chat2.htm", 1500);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return view->title() == QStringLiteral("No answer"); }, kLoadWaitMs));
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_LT(clock.elapsed(), 15000);
    // The notice itself has loaded, and nothing is given up after it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty() && loaded.last().at(0).toBool(); },
                                kLoadWaitMs));
    const std::size_t asked = client.urls.size();
    QTest::qWait(2000);
    EXPECT_EQ(client.urls.size(), asked);
    EXPECT_EQ(view->title(), QStringLiteral("No answer"));

    // Nothing listens here: the browser's own error page, and the program is not asked more.
    const std::uint16_t closed = nettest::FreeLoopbackPort();
    loaded.clear();
    browser->Navigate("127.0.0.1:" + std::to_string(closed) + "//chat2.htm", 10000);
    ASSERT_TRUE(loaded.wait(kLoadWaitMs));
    EXPECT_FALSE(loaded.takeFirst().at(0).toBool());
    EXPECT_EQ(client.urls.back(), "http://127.0.0.1:" + std::to_string(closed) + "//chat2.htm");

    browser.reset();
    dialogs_.DestroyModeless(dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
