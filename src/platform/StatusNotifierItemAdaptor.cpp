// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/StatusNotifierItemAdaptor.h"

#include "platform/StatusNotifierItem.h"

namespace tabrino {

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem* item)
    : QDBusAbstractAdaptor(item)
    , m_item(item)
{
    connect(item, &StatusNotifierItem::titleChanged, this, &StatusNotifierItemAdaptor::NewTitle);
    connect(item, &StatusNotifierItem::iconChanged, this, &StatusNotifierItemAdaptor::NewIcon);
    connect(item, &StatusNotifierItem::toolTipChanged, this, &StatusNotifierItemAdaptor::NewToolTip);
    connect(item, &StatusNotifierItem::statusChanged, this, [this] { Q_EMIT NewStatus(m_item->status()); });
    connect(item, &StatusNotifierItem::labelChanged, this,
            [this] { Q_EMIT XAyatanaNewLabel(m_item->label(), m_item->labelGuide()); });
}

QString StatusNotifierItemAdaptor::category() const
{
    return m_item->category();
}

QString StatusNotifierItemAdaptor::id() const
{
    return m_item->id();
}

QString StatusNotifierItemAdaptor::title() const
{
    return m_item->title();
}

QString StatusNotifierItemAdaptor::status() const
{
    return m_item->status();
}

StatusNotifierPixmaps StatusNotifierItemAdaptor::iconPixmap() const
{
    return m_item->iconPixmaps();
}

StatusNotifierToolTip StatusNotifierItemAdaptor::toolTip() const
{
    return m_item->toolTip();
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const
{
    return QDBusObjectPath(m_item->menuPath());
}

QString StatusNotifierItemAdaptor::label() const
{
    return m_item->label();
}

QString StatusNotifierItemAdaptor::labelGuide() const
{
    return m_item->labelGuide();
}

void StatusNotifierItemAdaptor::Activate(int x, int y, const QDBusMessage& message)
{
    Q_EMIT m_item->activated(QPoint(x, y));
    if (!m_item->answersActivateAsCancelled())
        return;
    // The panel has toggled all the same; "cancelled" keeps GNOME Shell
    // calling Activate on every single click.
    message.setDelayedReply(true);
    m_item->bus().send(
        message.createErrorReply(StatusNotifierItem::kCancelledError, QStringLiteral("Handled by the application")));
}

void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y)
{
    // GNOME Shell sends a middle click here, and has no other use for it.
    if (m_item->isForGnomeShell())
        Q_EMIT m_item->activated(QPoint(x, y));
    else
        Q_EMIT m_item->secondaryActivated(QPoint(x, y));
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y)
{
    Q_EMIT m_item->contextMenuRequested(QPoint(x, y));
}

void StatusNotifierItemAdaptor::Scroll(int, const QString&)
{
    // Scrolling over the item has no meaning here.
}

}  // namespace tabrino
