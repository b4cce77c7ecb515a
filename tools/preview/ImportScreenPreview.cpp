// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImportScreenPreview.h"

#include <QFile>
#include <QQuickItem>
#include <QTest>
#include <QUrl>

namespace {

// The demo person's own export from Wallos: Netflix as they track it in
// Tabrino, and what they kept only there.
constexpr char kWallosExport[] =
    "Name,Payment Cycle,Next Payment,Category,Payment Method,Price,Notes,URL,Active\n"
    "Netflix,Monthly,2026-03-12,Entertainment,PayPal,$15.49,,https://www.netflix.com,Yes\n"
    "Viaplay,Monthly,2026-03-25,Entertainment,Card,kr 149,,,Yes\n"
    "The Economist,Every 2 Months,2026-04-15,News & Magazines,PayPal,$24.00,Print + digital,,Yes\n"
    "Kindle Unlimited,Monthly,2026-03-28,Books,Credit Card,abc,,,Yes\n"
    "Dropbox Plus,Yearly,2026-11-02,Cloud Services,Credit Card,$119.88,Moved to Nextcloud,,No\n";

}  // namespace

bool ImportScreenPreview::handles(const QString& screen)
{
    return screen == u"import";
}

bool ImportScreenPreview::open(QQuickItem* panel)
{
    QFile file(m_folder.filePath(QStringLiteral("Wallos Export.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(kWallosExport) != qint64(sizeof kWallosExport - 1))
        return false;
    file.close();
    auto* navigator = panel->property("navigator").value<QObject*>();
    bool opened = false;
    if (!navigator || !QMetaObject::invokeMethod(navigator, "openSettings"))
        return false;
    QTest::qWait(300);
    return QMetaObject::invokeMethod(navigator, "openImport", Q_RETURN_ARG(bool, opened),
                                     Q_ARG(QUrl, QUrl::fromLocalFile(file.fileName())))
        && opened;
}
