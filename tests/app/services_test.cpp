// The Qt window services, shell and picture conversion on real Qt objects offscreen.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QUrl>
#include <QUrlQuery>

#include "app/pictures.h"
#include "core/commands/mail_dlg.h"
#include "platform/qt/qt_images.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_services.h"
#include "test_support.h"

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

TEST(QtWindowServices, MessageBoxShowsTextAndAnswersTheButtonClicked) {
    apptest::EnsureApp();
    qtplatform::QtWindowServices window;
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButton click;
        MessageAnswer answer;
    };
    const Case cases[] = {{MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
                          {MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No},
                          {MessageButtons::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
                          {MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
                          {MessageButtons::RetryCancel, QMessageBox::Retry, MessageAnswer::Retry}};
    for (const Case& c : cases) {
        apptest::AskedBox asked;
        apptest::AnswerNextMessageBox(c.click, &asked);
        // Latin-1 text arrives unchanged.
        EXPECT_EQ(window.MessageBox("Gr\xF6\xDF"
                                    "e ?",
                                    "Marovek", c.buttons, MessageIcon::Exclamation),
                  c.answer);
        EXPECT_EQ(asked.text, QStringLiteral("Gr\u00F6\u00DFe ?"));
        EXPECT_EQ(asked.caption, QStringLiteral("Marovek"));
    }
}

TEST(QtWindowServices, TimersTickTheirIdUntilKilledEvenFromTheirOwnTick) {
    apptest::EnsureApp();
    qtplatform::QtWindowServices window;
    QWidget view;
    std::vector<int> ticks;
    QEventLoop loop;
    window.AttachView(&view, [&](int id) {
        ticks.push_back(id);
        if (ticks.size() == 3) {
            window.KillTimer(id);
            loop.quit();
        }
    });
    window.SetTimer(7, 1);
    window.SetTimer(7, 2);                                // set again: still one timer
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);  // bound only, never reached normally
    loop.exec();
    EXPECT_EQ(ticks, (std::vector<int>{7, 7, 7}));
    EXPECT_FALSE(window.HasTimer(7));
}

TEST(QtWindowServices, CursorCountHidesAtBelowZeroAndWaitCursorShowsOtherwise) {
    apptest::EnsureApp();
    qtplatform::QtWindowServices window;
    auto shape = [] {
        const QCursor* c = QGuiApplication::overrideCursor();
        return c == nullptr ? -1 : static_cast<int>(c->shape());
    };
    EXPECT_EQ(window.ShowCursor(false), -1);
    EXPECT_EQ(shape(), Qt::BlankCursor);
    EXPECT_EQ(window.ShowCursor(false), -2);
    EXPECT_EQ(window.ShowCursor(true), -1);
    EXPECT_EQ(shape(), Qt::BlankCursor);
    window.SetWaitCursor(true);
    EXPECT_EQ(shape(), Qt::BlankCursor);  // hidden wins
    EXPECT_EQ(window.ShowCursor(true), 0);
    EXPECT_EQ(shape(), Qt::WaitCursor);
    window.SetWaitCursor(false);
    EXPECT_EQ(shape(), -1);
}

TEST(QtWindowServices, TitleToolbarsAndPanesReachTheWindow) {
    apptest::EnsureApp();
    qtplatform::QtWindowServices window;
    QMainWindow frame;
    QWidget bar(&frame);
    QLabel pane(&frame);
    window.AttachFrame(&frame);
    window.AttachToolbars({&bar});
    window.AttachStatusPane(164, &pane);
    window.SetWindowTitle("Marovek - World");
    window.EnableToolbars(false);
    window.SetStatusPane(164, "Cards : \xC4");
    window.SetStatusPane(163, "no such pane");
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Marovek - World"));
    EXPECT_FALSE(bar.isEnabled());
    EXPECT_EQ(pane.text(), QStringLiteral("Cards : \u00C4"));
    window.EnableToolbars(true);
    EXPECT_TRUE(bar.isEnabled());
    // Once detached, the services no longer touch the window.
    window.Detach();
    window.SetWindowTitle("gone");
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Marovek - World"));
}

// Receives the addresses the desktop would have opened.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> urls;
  public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

TEST(QtShell, WebAddressesGetASchemeAndMailLinksStayMail) {
    apptest::EnsureApp();
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "Open");
    }
    qtplatform::QtShell shell;
    EXPECT_TRUE(shell.OpenUrl("www.marovek.org//index.html"));
    EXPECT_TRUE(shell.OpenMail("mailto:scores@marovek.org?subject=High score&body=World 12"));
    EXPECT_FALSE(shell.OpenMail("http://not.a.mail.link"));
    ASSERT_EQ(catcher.urls.size(), 2u);
    EXPECT_EQ(catcher.urls[0].scheme(), QStringLiteral("http"));
    EXPECT_EQ(catcher.urls[0].host(), QStringLiteral("www.marovek.org"));
    EXPECT_EQ(catcher.urls[0].path(), QStringLiteral("//index.html"));
    EXPECT_EQ(catcher.urls[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(catcher.urls[1].path(), QStringLiteral("scores@marovek.org"));
    EXPECT_EQ(catcher.urls[1].query(QUrl::FullyDecoded),
              QStringLiteral("subject=High score&body=World 12"));
    // An encoded link reaches the mail program with exactly the texts it was made of.
    const std::string body = "Code:  A&b=c #1 100%\nName: Jos\xE9";
    EXPECT_TRUE(shell.OpenMail(MailtoLink("highscores@marovek.org", "Marovek High Score", body)));
    ASSERT_EQ(catcher.urls.size(), 3u);
    const QUrlQuery query(catcher.urls[2]);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Marovek High Score"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QStringLiteral("Code:  A&b=c #1 100%\r\nName: Jos\u00E9"));
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
}

TEST(Pictures, SurfaceColoursBecomeTheSameQtColours) {
    raster::Surface surface(3, 2, raster::Rgb(1, 2, 3));
    surface.SetPixel(2, 1, raster::Rgb(0xFF, 0x00, 0x80));
    const QImage image = qtplatform::ToQImage(surface);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0xFF, 0x00, 0x80));
}

// A window paints from the surface's own pixels, read by Qt as the same colours.
TEST(Pictures, SurfaceViewReadsTheSurfacesOwnPixelsAsTheirColours) {
    raster::Surface surface(19, 3, raster::Rgb(1, 2, 3));
    surface.SetPixel(17, 2, raster::Rgb(0xFF, 0x00, 0x80));
    const QImage view = qtplatform::SurfaceView(surface);
    ASSERT_EQ(view.size(), QSize(19, 3));
    EXPECT_EQ(view.constBits(), reinterpret_cast<const uchar*>(surface.Pixels().data()));
    // Painted onto an ordinary opaque image, as onto a window: the unused byte is no alpha.
    QImage window(19, 3, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter(&window).drawImage(0, 0, view);
    EXPECT_EQ(window.pixel(17, 2), qRgb(0xFF, 0x00, 0x80));
    EXPECT_EQ(window.pixel(5, 1), qRgb(1, 2, 3));
    EXPECT_TRUE(qtplatform::SurfaceView(raster::Surface()).isNull());
}

TEST(Pictures, QtImagesBecomeSurfacesOfTheirSizeAndColours) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 0xFF));
    image.setPixel(2, 1, qRgba(0xFF, 0x00, 0x80, 0xFF));
    const raster::Surface surface = qtplatform::FromQImage(image);
    ASSERT_EQ(surface.Width(), 3);
    ASSERT_EQ(surface.Height(), 2);
    EXPECT_EQ(surface.Pixel(2, 1), raster::Rgb(0xFF, 0x00, 0x80));
    EXPECT_EQ(surface.Pixel(0, 0), raster::Rgb(10, 20, 30));
    EXPECT_TRUE(qtplatform::FromQImage(QImage()).Empty());
}

}  // namespace

#include "services_test.moc"
