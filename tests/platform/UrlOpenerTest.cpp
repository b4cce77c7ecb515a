// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QList>
#include <QUrl>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

// Stands in for the browser and every other handler the desktop has.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

const QStringList kSchemes{u"http"_qs,   u"https"_qs,      u"file"_qs, u"ftp"_qs,
                           u"mailto"_qs, u"javascript"_qs, u"data"_qs, u"smb"_qs};

class UrlOpenerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    }
    void TearDown() override
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    UrlCatcher catcher;
};

}  // namespace

TEST_F(UrlOpenerTest, opensWebAddresses)
{
    EXPECT_TRUE(UrlOpener::openUrl(QUrl(QStringLiteral("https://example.com/account/cancel"))));
    EXPECT_TRUE(UrlOpener().open(QStringLiteral(" HTTP://Example.com/ ")));
    EXPECT_EQ(catcher.opened,
              (QList<QUrl>{QUrl(QStringLiteral("https://example.com/account/cancel")),
                           QUrl(QStringLiteral("http://example.com/"))}));
}

TEST_F(UrlOpenerTest, refusesEverythingElseAndOpensNothing)
{
    const UrlOpener opener;
    for (const char* text : {"file:///etc/passwd", "javascript:alert(1)", "ftp://example.com/", "mailto:a@example.com",
                             "data:text/html,hi", "smb://server/share", "https:no-host", "https://", "example.com", "",
                             "http://exa mple.com/"})
        EXPECT_FALSE(opener.open(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(UrlOpener::openUrl(QUrl()));
    EXPECT_TRUE(catcher.opened.isEmpty());
}

#include "UrlOpenerTest.moc"
