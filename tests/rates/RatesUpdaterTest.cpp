// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/RatesUpdater.h"
#include "foundation/Clock.h"
#include "rates/ExchangeRates.h"
#include "rates/ExchangeRatesSource.h"
#include "support/LocalHttpServer.h"
#include "support/RatesXml.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tabrino {
namespace {

using test::dec;
using test::LocalHttpServer;
using test::ratesXml;

const QDateTime kNow = test::utc(2026, 12, 8, 17, 0);
// Newer than the shipped set of 7 December.
const QByteArray kCached = ratesXml("2026-12-08", {{"USD", "1.2"}, {"GBP", "0.9"}});
const QByteArray kFresh = ratesXml("2026-12-09", {{"USD", "1.25"}, {"GBP", "0.8"}, {"JPY", "160"}});

class RatesUpdaterTest : public ::testing::Test {
protected:
    RatesUpdaterTest()
    {
        Clock::setSource([this] { return now; });
        network.setProxy(QNetworkProxy::NoProxy);
        updater.setAllowInsecureLoopback(true);
        QDir().mkpath(dir.filePath(u"Tabrino"_s));
        writeCache(kCached);
        source.reload();
    }
    ~RatesUpdaterTest() override { Clock::setSource({}); }

    void writeCache(const QByteArray& bytes)
    {
        QFile file(cachePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray cache() const
    {
        QFile file(cachePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool refresh()
    {
        QSignalSpy done(&updater, &RatesUpdater::finished);
        updater.refreshIfDue();
        return done.wait(20000) && done.count() == 1;
    }
    static LocalHttpServer::Response ok(const QByteArray& body)
    {
        LocalHttpServer::Response response;
        response.body = body;
        return response;
    }

    QDateTime now = kNow;
    QTemporaryDir dir;
    QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
    QString cachePath = dir.filePath(u"Tabrino/rates.xml"_s);
    ExchangeRatesSource source{cachePath};
    LocalHttpServer server;
    QNetworkAccessManager network;
    bool enabled = true;
    RatesUpdater updater{settings, [this] { return enabled; }, source, cachePath, server.url(), network};
};

TEST_F(RatesUpdaterTest, AsksAtMostOnceADayAndOnlyWhileTotalsAreConverted)
{
    server.setResponse(ok(kCached));
    enabled = false;
    ASSERT_TRUE(refresh());
    EXPECT_EQ(server.requests().size(), 0) << "conversion off";

    enabled = true;
    ASSERT_TRUE(refresh());
    EXPECT_EQ(server.requests().size(), 1) << "never asked before";
    EXPECT_EQ(settings.value(RatesUpdater::lastRefreshKey).toDateTime(), kNow);

    now = kNow.addSecs(23 * 3600 + 3599);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(server.requests().size(), 1) << "within the day";

    now = kNow.addDays(1);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(server.requests().size(), 2) << "a day later";
    EXPECT_EQ(server.requests()[1].method, "GET");
    EXPECT_EQ(RatesUpdater::defaultRemoteUrl(),
              QUrl(u"https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"_s));
}

TEST_F(RatesUpdaterTest, NewRatesReplaceTheCacheAndTheRatesInUse)
{
    QSignalSpy changed(&source, &ExchangeRatesSource::changed);
    server.setResponse(ok(kFresh));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(cache(), kFresh);
    EXPECT_EQ(source.rates().date(), QDate(2026, 12, 9));
    EXPECT_EQ(source.rates().perEuro(u"JPY"_s), Decimal(160));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(RatesUpdaterTest, HostileAnswersAreRefusedAndTheCacheKept)
{
    LocalHttpServer::Response serverError = ok(kFresh);
    serverError.status = 500;
    serverError.reason = "Internal Server Error";
    // A valid file that padding takes to 10 MB: only the size keeps it out.
    QByteArray huge = kFresh;
    huge.replace("<Cube>", "<!-- " + QByteArray(10 * 1024 * 1024, 'x') + " --><Cube>");
    LocalHttpServer::Response undeclared = ok(huge);
    undeclared.declareLength = false;

    const QList<std::pair<const char*, LocalHttpServer::Response>> cases = {
        {"truncated", ok(kFresh.first(kFresh.size() - 40))},
        {"absurd", ok(ratesXml("2026-12-09", {{"USD", "1.25"}, {"JPY", "16000000"}}))},
        {"zero", ok(ratesXml("2026-12-09", {{"USD", "0"}}))},
        {"negative", ok(ratesXml("2026-12-09", {{"USD", "-1.25"}}))},
        {"duplicates", ok(ratesXml("2026-12-09", {{"USD", "1.25"}, {"USD", "1.3"}}))},
        {"wrong root element", ok(QByteArray(kFresh).replace("gesmes:Envelope", "html"))},
        {"a rate for the euro", ok(ratesXml("2026-12-09", {{"USD", "1.25"}, {"EUR", "1"}}))},
        {"10 MB, length declared", ok(huge)},
        {"10 MB, length not declared", undeclared},
        {"server error", serverError},
        {"older than the rates in use", ok(ratesXml("2026-12-07", {{"USD", "1.3"}}))},
    };
    QSignalSpy changed(&source, &ExchangeRatesSource::changed);
    for (const auto& [label, response] : cases) {
        settings.remove(RatesUpdater::lastRefreshKey);
        server.setResponse(response);
        ASSERT_TRUE(refresh()) << label;
        // An answer all the same: the bank is not asked again today.
        EXPECT_EQ(settings.value(RatesUpdater::lastRefreshKey).toDateTime(), kNow) << label;
        EXPECT_EQ(cache(), kCached) << label;
        EXPECT_EQ(source.rates().date(), QDate(2026, 12, 8)) << label;
        EXPECT_EQ(source.rates().perEuro(u"USD"_s), dec("1.2")) << label;
    }
    EXPECT_EQ(server.requests().size(), cases.size());
    EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace tabrino
