// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsTestHelper.h"

#include "QuickFixture.h"

#include "model/Subscription.h"
#include "platform/Autostart.h"
#include "platform/ExportFileChoice.h"
#include "shell/PanelWindow.h"
#include "store/ModelContext.h"
#include "ui/main/TrayLabel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QQmlEngine>

namespace tabrino::test {

namespace {

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

Decimal money(const char* text)
{
    return Decimal::fromString(std::string_view(text)).value_or(Decimal(0));
}

void registerHelper()
{
    qmlRegisterSingletonType<SettingsTestHelper>(
        "Tabrino.Testing", 1, 0, "SettingsHelper", [](QQmlEngine* engine, QJSEngine*) -> QObject* {
            auto* fixture = engine->findChild<QuickFixture*>(QString(), Qt::FindDirectChildrenOnly);
            if (!fixture)
                qFatal("The settings tests need the shared fixture.");
            return new SettingsTestHelper(*fixture);
        });
}
Q_COREAPP_STARTUP_FUNCTION(registerHelper)

}  // namespace

SettingsTestHelper::SettingsTestHelper(QuickFixture& fixture, QObject* parent) : QObject(parent), m_fixture(fixture)
{
}

SettingsTestHelper::~SettingsTestHelper()
{
    if (m_catchingQuit)
        QCoreApplication::instance()->removeEventFilter(this);
    delete m_label;
}

QObject* SettingsTestHelper::trayLabel()
{
    if (!m_label)
        m_label = new TrayLabel(*m_fixture.store(), *m_fixture.settings());
    QQmlEngine::setObjectOwnership(m_label, QQmlEngine::CppOwnership);
    return m_label;
}

bool SettingsTestHelper::autostartEntryExists() const
{
    return QFile::exists(Autostart().entryPath());
}

void SettingsTestHelper::blockAutostart(bool blocked)
{
    const QString folder = Autostart::defaultAutostartDirectory();
    if (QFileInfo(folder).isDir())
        QDir(folder).removeRecursively();
    else
        QFile::remove(folder);
    if (blocked) {
        QFile file(folder);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("The autostart folder could not be blocked.");
    }
}

void SettingsTestHelper::catchQuit()
{
    if (!m_catchingQuit)
        QCoreApplication::instance()->installEventFilter(this);
    m_catchingQuit = true;
}

bool SettingsTestHelper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        ++m_quitRequests;
        Q_EMIT quitRequestsChanged();
        return true;
    }
    return false;
}

void SettingsTestHelper::addExportSample()
{
    ModelContext& context = m_fixture.store()->context();
    const auto add = [&](const char* name, const char* price, const char* currency, const BillingCycle& cycle,
                         const QDateTime& next, SubscriptionCategory category, const QDateTime& added) {
        auto* s = new Subscription(QString::fromUtf8(name), money(price), QString::fromLatin1(currency), cycle, next,
                                   category);
        s->setDateAdded(added);
        context.insert(s);
        return s;
    };
    // 1 March 2025 00:30 in Helsinki (UTC+2).
    Subscription* netflix = add("Netflix, Premium", "9.50", "EUR", BillingCycle::monthly(), utc(2025, 2, 28, 22, 30),
                                SubscriptionCategory::Streaming, utc(2024, 1, 15, 8));
    netflix->setIsShared(true);
    netflix->setSharePercentage(0.25);
    netflix->setPaymentMethod(u" Visa \"Gold\" "_qs);
    netflix->setNotes(u"Cancel: https://www.netflix.com/cancelplan"_qs);
    const QDateTime withMillis(QDate(2025, 3, 10), QTime(12, 0, 45, 678), Qt::UTC);
    Subscription* figma = add("Figma", "99.99", "USD", BillingCycle::yearly(), withMillis,
                              SubscriptionCategory::Software, utc(2024, 6, 1));
    figma->setIsTrial(true);
    figma->setTrialEndDate(withMillis);
    figma->setNotes(u"Line one\nLine two"_qs);
    Subscription* drive = add("Cloud Drive", "0.01", "GBP", BillingCycle::monthly(), utc(2025, 4, 1, 9),
                              SubscriptionCategory::Cloud, utc(2024, 2, 29, 23, 59));
    drive->setIsShared(true);
    drive->setSharePercentage(0.5);
    drive->setPaymentMethod(u"Amex"_qs);
    Subscription* gym = add("  Gym  ", "12.00", "EUR", BillingCycle::custom(10), utc(2025, 3, 5, 6),
                            SubscriptionCategory::Fitness, utc(2025, 1, 2, 3, 4));
    gym->setSharePercentage(0.29);
    gym->setNotes(QString());
    Subscription* icloud = add("iCloud+", "120", "CAD", BillingCycle::yearly(), utc(2025, 9, 30, 22),
                               SubscriptionCategory::Other, utc(2020, 9, 30, 22));
    icloud->setCategoryRaw(u"cars"_qs);
    icloud->setIsShared(true);
    icloud->setSharePercentage(1.0);
    icloud->setNotes(u"a,b"_qs);
    icloud->setIsActive(false);
    icloud->setArchivedDate(utc(2025, 1, 1));
    m_fixture.store()->save();
}

QString SettingsTestHelper::readFile(const QUrl& file) const
{
    QFile in(file.toLocalFile());
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

QString SettingsTestHelper::expectedExport(const QString& name) const
{
    QString text =
        readFile(QUrl::fromLocalFile(QStringLiteral(QUICK_TEST_SOURCE_DIR "/../../export/expected/") + name));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QUrl SettingsTestHelper::temporaryFile(const QString& name) const
{
    return QUrl::fromLocalFile(qEnvironmentVariable("XDG_CONFIG_HOME") + u'/' + name);
}

bool SettingsTestHelper::holdKeepsPanelWindowOpen()
{
    QQmlEngine engine;
    PanelWindow window(engine);
    const bool before = window.hidesOnDeactivate();
    ExportFileChoice::WindowHold hold;
    hold.hold(&window);
    const bool during = window.hidesOnDeactivate();
    hold.release();
    return before && !during && window.hidesOnDeactivate();
}

}  // namespace tabrino::test
