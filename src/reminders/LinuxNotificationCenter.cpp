// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reminders/LinuxNotificationCenter.h"

#include "foundation/Clock.h"
#include "foundation/Logging.h"
#include "reminders/NotificationCenterDelegate.h"
#include "reminders/TimeChangeWatcher.h"

#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

const QString kService = u"org.freedesktop.Notifications"_s;
const QString kPath = u"/org/freedesktop/Notifications"_s;
const QString kInterface = u"org.freedesktop.Notifications"_s;
const QString kAppName = u"Tabrino"_s;
const QString kSoundName = u"message-new-instant"_s;
// The installed desktop entry and its themed icon; servers use them to group
// and badge our notifications.
const QString kDesktopEntry = u"app.tabrino.Tabrino"_s;
const QString kAppIcon = u"app.tabrino.Tabrino"_s;
// Where the install puts the icon, under a data folder.
const QString kInstalledIcon = u"icons/hicolor/scalable/apps/app.tabrino.Tabrino.svg"_s;
// The icon as the program carries it, for runs that are not installed.
const QString kBundledIcon = u":/icons/tabrino.svg"_s;

// Server ids remembered for answers; older ones are forgotten first. Servers
// that keep a history may never report a notification closed.
constexpr int kMaxRemembered = 256;

// Names and notes come from the data file and the downloaded catalog. D-Bus
// strings end at a NUL, and control characters make a markup body
// ill-formed, so all but tab and newline are dropped.
QString withoutControlCharacters(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
        if (!control || code == u'\t' || code == u'\n')
            result += c;
    }
    return result;
}

// For servers that read the body as markup: the text must stay text.
QString escapeMarkup(QString text)
{
    text.replace(u'&', u"&amp;"_s);
    text.replace(u'<', u"&lt;"_s);
    text.replace(u'>', u"&gt;"_s);
    return text;
}

// The app_icon to send. Servers look a name up in the icon theme and show a
// placeholder when it is missing, as it is for a program run from its build
// tree; then a copy of the icon the program carries, under the cache folder,
// is named by its file URL instead.
QString notificationIcon()
{
    if (!QStandardPaths::locate(QStandardPaths::GenericDataLocation, kInstalledIcon).isEmpty())
        return kAppIcon;
    QFile bundled(kBundledIcon);
    if (!bundled.open(QIODevice::ReadOnly))
        return kAppIcon;
    const QByteArray icon = bundled.readAll();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/Tabrino"_s;
    const QString path = folder + u'/' + kAppIcon + u".svg"_s;
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == icon)
        return QUrl::fromLocalFile(path).toString();
    // Written whole or not at all: a server may read it at any moment.
    QSaveFile copy(path);
    const bool written =
        QDir().mkpath(folder) && copy.open(QIODevice::WriteOnly) && copy.write(icon) == icon.size() && copy.commit();
    return written ? QUrl::fromLocalFile(path).toString() : kAppIcon;
}

}  // namespace

LinuxNotificationCenter::LinuxNotificationCenter(SqliteDatabase& database, const QDBusConnection& sessionBus,
                                                 const QDBusConnection& systemBus, QObject* parent)
    : QObject(parent)
    , m_session(sessionBus)
    , m_store(database)
{
    for (const NotificationRequest& request : m_store.loadAll()) {
        // loadAll only returns requests whose trigger resolves.
        m_pending.insert(request.identifier,
                         Pending{request, request.trigger.fireDate().value_or(QDateTime()), m_nextSerial++});
    }

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &LinuxNotificationCenter::deliverDue);

    m_timeWatcher = new TimeChangeWatcher(systemBus, this);
    connect(m_timeWatcher, &TimeChangeWatcher::timeChanged, this, [this] {
        rearm();
        Q_EMIT timeChanged();
    });

    if (m_session.isConnected()) {
        m_session.connect(kService, kPath, kInterface, u"ActionInvoked"_s, this, SLOT(onActionInvoked(uint, QString)));
        // Whatever the reason (expired, dismissed, closed by a call), the
        // server has forgotten the notification, so its id is forgotten too.
        m_session.connect(kService, kPath, kInterface, u"NotificationClosed"_s, this, SLOT(onNotificationClosed(uint)));
        auto* serverWatcher =
            new QDBusServiceWatcher(kService, m_session, QDBusServiceWatcher::WatchForRegistration, this);
        connect(serverWatcher, &QDBusServiceWatcher::serviceRegistered, this,
                &LinuxNotificationCenter::onServerRegistered);
    }
    arm();
}

LinuxNotificationCenter::~LinuxNotificationCenter() = default;

void LinuxNotificationCenter::setDelegate(NotificationCenterDelegate* delegate)
{
    m_delegate = delegate;
}

void LinuxNotificationCenter::capabilities(CapabilitiesCallback done)
{
    callServer(u"GetCapabilities"_s, {}, [done = std::move(done)](const QDBusMessage& reply) {
        if (!done)
            return;
        if (reply.type() == QDBusMessage::ReplyMessage)
            done(reply.arguments().value(0).toStringList());
        else
            done(std::nullopt);
    });
}

void LinuxNotificationCenter::setCategories(const QList<NotificationCategory>& categories)
{
    m_categories.clear();
    for (const NotificationCategory& category : categories)
        m_categories.insert(category.identifier, category);
}

void LinuxNotificationCenter::add(const NotificationRequest& request, AddCallback done)
{
    auto finish = [this, done = std::move(done)](const QString& error) {
        if (done)
            later([done, error] { done(error); });
    };
    if (request.identifier.isEmpty())
        return finish(u"The request has no identifier."_s);
    const std::optional<QDateTime> fireAt = request.trigger.fireDate();
    if (!fireAt)
        return finish(u"The trigger names no valid date."_s);
    if (*fireAt <= Clock::now())
        return finish(u"The trigger date has passed."_s);
    if (!m_store.save(request))
        return finish(u"The request could not be stored."_s);
    m_pending.insert(request.identifier, Pending{request, *fireAt, m_nextSerial++});
    arm();
    finish({});
}

void LinuxNotificationCenter::pendingRequests(PendingCallback done)
{
    QList<const Pending*> entries;
    for (const Pending& entry : std::as_const(m_pending))
        entries << &entry;
    std::sort(entries.begin(), entries.end(), [](const Pending* a, const Pending* b) {
        return a->fireAt != b->fireAt ? a->fireAt < b->fireAt : a->request.identifier < b->request.identifier;
    });
    QList<NotificationRequest> result;
    for (const Pending* entry : entries)
        result << entry->request;
    if (done)
        later([done = std::move(done), result] { done(result); });
}

void LinuxNotificationCenter::removePending(const QStringList& identifiers)
{
    m_store.remove(identifiers);
    for (const QString& identifier : identifiers)
        m_pending.remove(identifier);
    arm();
}

void LinuxNotificationCenter::removeAllPending()
{
    m_store.removeAll();
    m_pending.clear();
    arm();
}

void LinuxNotificationCenter::deliverMissed()
{
    for (Pending& entry : m_pending) {
        if (entry.state == State::AwaitingServer)
            entry.state = State::Scheduled;
    }
    deliverDue();
}

void LinuxNotificationCenter::rearm()
{
    deliverMissed();
}

int LinuxNotificationCenter::timerRemainingMs() const
{
    return m_timer->isActive() ? m_timer->remainingTime() : -1;
}

void LinuxNotificationCenter::later(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void LinuxNotificationCenter::callServer(const QString& method, const QList<QVariant>& arguments,
                                         std::function<void(const QDBusMessage& reply)> done)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call.setArguments(arguments);
    // Never a blocking call: the server may live on this very thread.
    auto* watcher = new QDBusPendingCallWatcher(m_session.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, method, done = std::move(done)] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ErrorMessage)
            qCWarning(lcReminders).noquote() << "The notification server did not answer" << method << ":"
                                             << reply.errorName() << reply.errorMessage();
        done(reply);
    });
}

void LinuxNotificationCenter::deliverDue()
{
    const QDateTime now = Clock::now();
    QList<const Pending*> due;
    for (const Pending& entry : std::as_const(m_pending)) {
        if (entry.state == State::Scheduled && entry.fireAt <= now)
            due << &entry;
    }
    std::sort(due.begin(), due.end(), [](const Pending* a, const Pending* b) { return a->fireAt < b->fireAt; });
    QStringList identifiers;
    for (const Pending* entry : due)
        identifiers << entry->request.identifier;
    for (const QString& identifier : identifiers)
        deliver(identifier);
    arm();
}

void LinuxNotificationCenter::deliver(const QString& identifier)
{
    auto found = m_pending.find(identifier);
    if (found == m_pending.end())
        return;
    found->state = State::Delivering;
    // A copy: the replies may change the pending set.
    const Pending entry = *found;

    // Asked every time: the server may have been replaced since the last one.
    callServer(u"GetCapabilities"_s, {}, [this, entry](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            deliveryFinished(entry.request.identifier, entry.serial, reply);
            return;
        }
        const QStringList capabilities = reply.arguments().value(0).toStringList();
        const NotificationContent& content = entry.request.content;
        QStringList actions;
        for (const NotificationAction& action : m_categories.value(content.categoryIdentifier).actions)
            actions << action.identifier << action.title;
        QVariantMap hints{{u"desktop-entry"_s, kDesktopEntry}};
        if (content.playsSound)
            hints.insert(u"sound-name"_s, kSoundName);
        else
            hints.insert(u"suppress-sound"_s, true);
        const QString plainBody = withoutControlCharacters(content.body);
        const QString body = capabilities.contains(u"body-markup"_s) ? escapeMarkup(plainBody) : plainBody;
        const QString summary = withoutControlCharacters(content.title);
        const QList<QVariant> arguments{kAppName, 0u, notificationIcon(), summary, body, actions, hints, -1};
        callServer(u"Notify"_s, arguments, [this, entry](const QDBusMessage& notifyReply) {
            if (notifyReply.type() == QDBusMessage::ReplyMessage) {
                const uint id = notifyReply.arguments().value(0).toUInt();
                m_shown.insert(id, Shown{entry.request.identifier, entry.request.content.userInfo, ++m_shownOrder});
                if (m_shown.size() > kMaxRemembered) {
                    auto oldest = std::min_element(m_shown.begin(), m_shown.end(),
                                                   [](const Shown& a, const Shown& b) { return a.order < b.order; });
                    m_shown.erase(oldest);
                }
            }
            deliveryFinished(entry.request.identifier, entry.serial, notifyReply);
        });
    });
}

void LinuxNotificationCenter::deliveryFinished(const QString& identifier, quint64 serial, const QDBusMessage& reply)
{
    auto found = m_pending.find(identifier);
    // Removed or replaced while it was being shown: nothing of it is left.
    if (found == m_pending.end() || found->serial != serial)
        return;
    if (reply.type() == QDBusMessage::ErrorMessage) {
        // Kept, and tried again when a server appears or at the next start.
        found->state = State::AwaitingServer;
        return;
    }
    m_store.remove({identifier});
    m_pending.erase(found);
}

void LinuxNotificationCenter::arm()
{
    QDateTime next;
    for (const Pending& entry : std::as_const(m_pending)) {
        if (entry.state == State::Scheduled && (!next.isValid() || entry.fireAt < next))
            next = entry.fireAt;
    }
    if (!next.isValid()) {
        m_timer->stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(Clock::now().msecsTo(next), 0, kMaxWaitMs);
    m_timer->start(static_cast<int>(wait));
}

void LinuxNotificationCenter::onServerRegistered()
{
    deliverMissed();
    Q_EMIT serverAppeared();
}

void LinuxNotificationCenter::onActionInvoked(uint id, const QString& actionKey)
{
    // The signal reaches every client of the server; only our ids count.
    const auto found = m_shown.constFind(id);
    if (found == m_shown.cend() || !m_delegate)
        return;
    m_delegate->actionInvoked({actionKey, found->requestIdentifier, found->userInfo});
}

void LinuxNotificationCenter::onNotificationClosed(uint id)
{
    m_shown.remove(id);
}

}  // namespace tabrino
