// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogFixtures.h"
#include "support/LocalHttpServer.h"

#include "catalog/CachedServiceCatalog.h"
#include "catalog/CatalogUpdater.h"
#include "catalog/ServiceCatalog.h"
#include "foundation/Clock.h"
#include "network/AnonymousDownload.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace tabrino {
namespace {

using test::generatedCatalog;
using test::LocalHttpServer;
using test::readFile;
using test::serviceJson;

const QDateTime kNow(QDate(2024, 5, 1), QTime(12, 0), QTimeZone::utc());

class CatalogUpdaterTest : public ::testing::Test {
protected:
    CatalogUpdaterTest()
        : settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat)
        , cachePath(dir.filePath(u"data/Tabrino/catalog.json"_s))
        , catalog(std::make_shared<CachedServiceCatalog>(
              cachePath,
              std::make_shared<test::FixedCatalogProvider>(
                  CatalogLoadResult::success({test::makeService(u"bundled"_s, u"Bundled Service"_s)}))))
    {
        Clock::setSource([] { return kNow; });
        network.setProxy(QNetworkProxy::NoProxy);
        updater = makeUpdater(server.url());
    }

    ~CatalogUpdaterTest() override { Clock::setSource({}); }

    std::unique_ptr<CatalogUpdater> makeUpdater(const QUrl& url, bool allowLoopback = true)
    {
        auto made = std::make_unique<CatalogUpdater>(
            settings, [this] { return autoUpdate; }, catalog, cachePath, url, network);
        made->setAllowInsecureLoopback(allowLoopback);
        return made;
    }

    // Runs one refresh to its end; false when finished() never came.
    bool refresh(CatalogUpdater& which, bool force = false)
    {
        QSignalSpy done(&which, &CatalogUpdater::finished);
        which.refreshIfDue(force);
        return done.wait(20000) && done.count() == 1;
    }
    bool refresh(bool force = false) { return refresh(*updater, force); }

    void setLastRefresh(const QVariant& value) { settings.setValue(CatalogUpdater::lastRefreshKey, value); }
    QVariant lastRefresh() const { return settings.value(CatalogUpdater::lastRefreshKey); }
    QVariant entityTag() const { return settings.value(CatalogUpdater::entityTagKey); }
    qsizetype requestCount() const { return server.requests().size(); }
    bool catalogHas(const QString& id) const { return catalog.byId(id).has_value(); }

    static LocalHttpServer::Response ok(QByteArray body, QList<std::pair<QByteArray, QByteArray>> headers = {})
    {
        LocalHttpServer::Response response;
        response.body = std::move(body);
        response.headers = std::move(headers);
        return response;
    }

    QTemporaryDir dir;
    QSettings settings;
    QString cachePath;
    LocalHttpServer server;
    QNetworkAccessManager network;
    ServiceCatalog catalog;
    bool autoUpdate = true;
    std::unique_ptr<CatalogUpdater> updater;
};

TEST_F(CatalogUpdaterTest, AsksOnlyWhenEnabledAndThreeDaysHavePassed)
{
    server.setResponse(LocalHttpServer::Response{304, "Not Modified", {}, {}, true, false});

    autoUpdate = false;
    setLastRefresh(kNow.addDays(-30));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 0) << "auto-update off";
    EXPECT_EQ(lastRefresh().toDateTime(), kNow.addDays(-30));
    autoUpdate = true;

    setLastRefresh(kNow.addSecs(-71 * 3600));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 0) << "71 hours";

    setLastRefresh(kNow.addSecs(3600));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 0) << "a date in the future";

    setLastRefresh(kNow.addSecs(-71 * 3600));
    ASSERT_TRUE(refresh(true));
    EXPECT_EQ(requestCount(), 1) << "forced";

    setLastRefresh(kNow.addSecs(-72 * 3600));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 2) << "72 hours";
    EXPECT_EQ(lastRefresh().toDateTime(), kNow);

    settings.remove(CatalogUpdater::lastRefreshKey);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 3) << "first run";

    // Text that reads as a date is still not a stored date.
    setLastRefresh(kNow.toString(Qt::ISODate));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 4) << "not a date";

    const QList<LocalHttpServer::Request>& requests = server.requests();
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/catalog/services.json");
    EXPECT_FALSE(requests[0].headers.contains("if-none-match"));
}

TEST_F(CatalogUpdaterTest, NotModifiedRecordsTheTimeOnly)
{
    const QByteArray cached = generatedCatalog(150, u"old"_s);
    ASSERT_TRUE(test::writeFile(cachePath, cached));
    catalog.load();
    ASSERT_TRUE(catalogHas(u"old-0001"_s));
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    // Changed on disk behind the catalog's back: a reload would show it.
    const QByteArray onDisk = generatedCatalog(150, u"disk"_s);
    ASSERT_TRUE(test::writeFile(cachePath, onDisk));

    server.setResponse(LocalHttpServer::Response{304, "Not Modified", {{"ETag", "\"v2\""}}, {}, true, false});
    ASSERT_TRUE(refresh());
    ASSERT_EQ(requestCount(), 1);
    EXPECT_EQ(server.requests()[0].headers.value("if-none-match"), "\"v1\"");
    EXPECT_EQ(lastRefresh().toDateTime(), kNow);
    EXPECT_EQ(entityTag().toString(), u"\"v1\""_s);
    EXPECT_EQ(readFile(cachePath), onDisk);
    EXPECT_TRUE(catalogHas(u"old-0001"_s));
    EXPECT_FALSE(catalogHas(u"disk-0001"_s));
}

TEST_F(CatalogUpdaterTest, AcceptedCatalogReplacesTheCacheByteForByte)
{
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    ASSERT_TRUE(test::writeFile(cachePath, generatedCatalog(160, u"old"_s)));
    catalog.load();
    QSignalSpy reloaded(&catalog, &ServiceCatalog::servicesChanged);

    // Odd spacing and a price with trailing zeros: the file must keep them.
    const QByteArray body = generatedCatalog(149, u"new"_s, {serviceJson(u"quokka"_s, u"Quokkaflix"_s)})
                                .replace("\n", "\r\n  ")
                                .replace("4.99", "4.9900");
    server.setResponse(ok(body, {{"etag", "W/\"abc\""}}));
    ASSERT_TRUE(refresh());

    EXPECT_EQ(readFile(cachePath), body);
    EXPECT_EQ(entityTag().toString(), u"W/\"abc\""_s);
    EXPECT_EQ(lastRefresh().toDateTime(), kNow);
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_FALSE(catalogHas(u"old-0001"_s));
    const QList<CatalogService> found = catalog.search(u"quokka"_s, 8);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found[0].id, u"quokka"_s);

    // Without an ETag header the stored tag stays.
    server.setResponse(ok(generatedCatalog(150, u"third"_s)));
    ASSERT_TRUE(refresh(true));
    EXPECT_TRUE(catalogHas(u"third-0150"_s));
    EXPECT_EQ(entityTag().toString(), u"W/\"abc\""_s);
}

TEST_F(CatalogUpdaterTest, RejectedResponsesRecordTheTimeButChangeNothingElse)
{
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    const QByteArray cached = generatedCatalog(150, u"old"_s);
    ASSERT_TRUE(test::writeFile(cachePath, cached));
    catalog.load();

    LocalHttpServer::Response serverError = ok(generatedCatalog(200), {{"ETag", "\"e\""}});
    serverError.status = 500;
    serverError.reason = "Internal Server Error";
    const QList<std::pair<const char*, LocalHttpServer::Response>> cases = {
        {"149 services", ok(generatedCatalog(149, u"new"_s), {{"ETag", "\"e\""}})},
        {"not JSON", ok("<html>maintenance</html>", {{"ETag", "\"e\""}})},
        {"unknown category",
         ok(generatedCatalog(150, u"new"_s, {serviceJson(u"x"_s, u"X"_s, u"pets"_s)}), {{"ETag", "\"e\""}})},
        {"server error", serverError},
    };
    for (const auto& [label, response] : cases) {
        settings.remove(CatalogUpdater::lastRefreshKey);
        server.setResponse(response);
        ASSERT_TRUE(refresh()) << label;
        EXPECT_EQ(lastRefresh().toDateTime(), kNow) << label;
        EXPECT_EQ(entityTag().toString(), u"\"v1\""_s) << label;
        EXPECT_EQ(readFile(cachePath), cached) << label;
        EXPECT_TRUE(catalogHas(u"old-0001"_s)) << label;
    }
    EXPECT_EQ(requestCount(), cases.size());
}

TEST_F(CatalogUpdaterTest, FailedTransfersRecordNothing)
{
    // A server that never answers, with the time-out shortened.
    server.setResponse(LocalHttpServer::Response{200, "OK", {}, {}, false, true});
    updater->setTransferTimeout(300ms);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 1);
    EXPECT_FALSE(lastRefresh().isValid()) << "time-out";

    // Nobody listening on the port.
    QUrl refused;
    {
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
        refused = QUrl(u"http://127.0.0.1:%1/services.json"_s.arg(closed.serverPort()));
    }
    std::unique_ptr<CatalogUpdater> offline = makeUpdater(refused);
    ASSERT_TRUE(refresh(*offline));
    EXPECT_FALSE(lastRefresh().isValid()) << "connection refused";
    EXPECT_FALSE(QFile::exists(cachePath));
    EXPECT_TRUE(catalogHas(u"bundled"_s));
}

TEST_F(CatalogUpdaterTest, OversizedBodyIsAbortedAndNeverWritten)
{
    // A valid catalog that trailing whitespace takes past the cap: only the
    // size can keep it out.
    const QByteArray padded = generatedCatalog(150) + QByteArray(CatalogUpdater::maximumBodySize, ' ');
    for (const bool declareLength : {true, false}) {
        settings.remove(CatalogUpdater::lastRefreshKey);
        LocalHttpServer::Response huge = ok(padded, {{"ETag", "\"big\""}});
        huge.declareLength = declareLength;
        server.setResponse(huge);
        ASSERT_TRUE(refresh()) << declareLength;
        // It was an HTTP response, so it counts for the interval.
        EXPECT_EQ(lastRefresh().toDateTime(), kNow) << declareLength;
        EXPECT_FALSE(QFile::exists(cachePath)) << declareLength;
        EXPECT_FALSE(entityTag().isValid()) << declareLength;
    }
    EXPECT_EQ(requestCount(), 2);
}

// Nothing about the user: a language and agent the same for everyone, nothing
// but what fetching the file needs and the conditional-request header.
TEST_F(CatalogUpdaterTest, RequestCarriesNothingAboutTheUser)
{
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    ASSERT_TRUE(test::writeFile(cachePath, generatedCatalog(150)));
    server.setResponse(LocalHttpServer::Response{304, "Not Modified", {}, {}, true, false});
    ASSERT_TRUE(refresh());
    ASSERT_EQ(requestCount(), 1);
    const LocalHttpServer::Request& request = server.requests()[0];
    QList<QByteArray> names = request.headers.keys();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(
        names,
        QList<QByteArray>({"accept-encoding", "accept-language", "connection", "host", "if-none-match", "user-agent"}))
        << request.head.toStdString();
    EXPECT_EQ(request.headers.value("accept-language"), "en");
    EXPECT_EQ(request.headers.value("user-agent"), "Tabrino/1.0");
    EXPECT_EQ(request.headers.value("accept-encoding"), "identity");
    EXPECT_EQ(request.headers.value("host"), "127.0.0.1:" + QByteArray::number(server.url().port()));
    EXPECT_TRUE(request.head.startsWith("GET /catalog/services.json HTTP/1.1\r\n"));
}

// The tag names the cache file's content; with the file gone or damaged a
// "not modified" would leave it unrepaired for good.
TEST_F(CatalogUpdaterTest, AStoredTagIsSentOnlyWhileTheCacheLoads)
{
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    const QByteArray fresh = generatedCatalog(150, u"fresh"_s);
    server.setResponse(ok(fresh, {{"ETag", "\"v2\""}}));

    ASSERT_TRUE(refresh(true));  // no cache file
    ASSERT_TRUE(test::writeFile(cachePath, "[{\"id\": broken"));
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    ASSERT_TRUE(refresh(true));  // a damaged one
    ASSERT_TRUE(test::writeFile(cachePath, generatedCatalog(149)));
    settings.setValue(CatalogUpdater::entityTagKey, u"\"v1\""_s);
    ASSERT_TRUE(refresh(true));  // one too short to be used

    ASSERT_EQ(requestCount(), 3);
    for (const LocalHttpServer::Request& request : server.requests())
        EXPECT_FALSE(request.headers.contains("if-none-match")) << request.head.toStdString();
    EXPECT_EQ(readFile(cachePath), fresh);
    EXPECT_EQ(entityTag().toString(), u"\"v2\""_s);
    EXPECT_TRUE(catalogHas(u"fresh-0001"_s));
}

// The inactivity time-out never fires while a byte comes now and then; the
// deadline ends the transfer all the same, and a cut transfer records nothing.
TEST_F(CatalogUpdaterTest, ASlowDripEndsAtTheDeadline)
{
    LocalHttpServer::Response drip = ok(generatedCatalog(150));
    drip.dripMs = 20;
    server.setResponse(drip);
    updater->setTransferDeadline(1000ms);
    ASSERT_TRUE(refresh()) << "still running after 20 s";
    EXPECT_EQ(requestCount(), 1);
    EXPECT_FALSE(lastRefresh().isValid());
    EXPECT_FALSE(QFile::exists(cachePath));
}

TEST_F(CatalogUpdaterTest, FollowsRedirectsToAllowedAddressesAndReadsChunkedBodies)
{
    LocalHttpServer::Response moved{302, "Found", {{"Location", "/v2/services.json"}}, {}, true, true};
    server.setResponse("/catalog/services.json", moved);
    LocalHttpServer::Response chunked = ok(generatedCatalog(150, u"moved"_s), {{"ETag", "\"m\""}});
    chunked.chunked = true;
    server.setResponse("/v2/services.json", chunked);
    ASSERT_TRUE(refresh());
    ASSERT_EQ(requestCount(), 2);
    EXPECT_EQ(server.requests()[1].target, "/v2/services.json");
    EXPECT_EQ(readFile(cachePath), chunked.body);
    EXPECT_EQ(entityTag().toString(), u"\"m\""_s);
    EXPECT_TRUE(catalogHas(u"moved-0001"_s));

    // Plain HTTP away from the loopback test server is never asked.
    settings.remove(CatalogUpdater::lastRefreshKey);
    moved.headers = {{"Location", "http://example.com/services.json"}};
    server.setResponse("/catalog/services.json", moved);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 3);
    EXPECT_FALSE(lastRefresh().isValid());

    // Nor an endless chain.
    moved.headers = {{"Location", "/loop"}};
    server.setResponse("/catalog/services.json", moved);
    moved.headers = {{"Location", "/catalog/services.json"}};
    server.setResponse("/loop", moved);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(requestCount(), 3 + 1 + AnonymousDownload::maximumRedirects);
    EXPECT_FALSE(lastRefresh().isValid());
}

TEST_F(CatalogUpdaterTest, FetchesOnlyHttpsOutsideLoopbackTests)
{
    server.setResponse(ok(generatedCatalog(150)));
    std::unique_ptr<CatalogUpdater> strict = makeUpdater(server.url(), false);
    ASSERT_TRUE(refresh(*strict));
    std::unique_ptr<CatalogUpdater> remote = makeUpdater(QUrl(u"http://example.com/services.json"_s), true);
    ASSERT_TRUE(refresh(*remote));
    EXPECT_EQ(requestCount(), 0);
    EXPECT_FALSE(lastRefresh().isValid());
    EXPECT_EQ(CatalogUpdater::defaultRemoteUrl().scheme(), u"https"_s);
}

}  // namespace
}  // namespace tabrino
