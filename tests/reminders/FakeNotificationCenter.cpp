// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeNotificationCenter.h"

namespace tabrino::test {

void FakeNotificationCenter::later(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void FakeNotificationCenter::capabilities(CapabilitiesCallback done)
{
    ++capabilityQueries;
    later([this, done] { done(serverCapabilities); });
}

void FakeNotificationCenter::add(const NotificationRequest& request, AddCallback done)
{
    later([this, request, done] {
        ++additions;
        const bool accepted = !refused.contains(request.identifier);
        if (accepted)
            pending.insert(request.identifier, request);
        if (done)
            done(accepted ? QString() : QStringLiteral("refused"));
    });
}

void FakeNotificationCenter::pendingRequests(PendingCallback done)
{
    later([this, done] { done(pending.values()); });
}

void FakeNotificationCenter::removePending(const QStringList& identifiers)
{
    for (const QString& identifier : identifiers)
        pending.remove(identifier);
}

}  // namespace tabrino::test
