#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "platform/ScriptedDialogs.h"
#include "platform/WebPage.h"

namespace {

// Stands in for the desktop's browser.
class FakeBrowser : public QObject {
  Q_OBJECT
 public:
  FakeBrowser() { QDesktopServices::setUrlHandler("https", this, "open"); }
  ~FakeBrowser() override { QDesktopServices::unsetUrlHandler("https"); }
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

}  // namespace

TEST(OpenWebPage, HandsTheAddressToTheBrowser) {
  FakeBrowser browser;
  platform::ScriptedDialogs dialogs;
  EXPECT_TRUE(platform::OpenWebPage("https://www.example.com/update.htm?Ver=4.6", dialogs));
  ASSERT_EQ(browser.opened.size(), 1);
  EXPECT_EQ(browser.opened[0].query(), "Ver=4.6");
  EXPECT_EQ(browser.opened[0].host(), "www.example.com");
  EXPECT_TRUE(dialogs.Calls().empty());
}

TEST(OpenWebPage, FailureIsReportedInTheMessageBox) {
  platform::ScriptedDialogs dialogs;
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(platform::OpenWebPage("", dialogs));
  ASSERT_EQ(dialogs.Calls().size(), 1u);
  EXPECT_EQ(dialogs.Calls()[0].prompt, "Web Page Not Opened");
  EXPECT_EQ(dialogs.Calls()[0].title, "URL Failed");
  EXPECT_EQ(dialogs.Calls()[0].buttons, 48);
  EXPECT_FALSE(dialogs.Failed());
}

#include "WebPageTest.moc"
