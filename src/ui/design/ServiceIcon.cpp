// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/ServiceIcon.h"

#include "model/Subscription.h"
#include "ui/design/HexColor.h"
#include "ui/design/SymbolMap.h"

#include <QTextBoundaryFinder>

namespace tabrino {

void ServiceIcon::setSubscription(Subscription* subscription)
{
    if (m_subscription == subscription)
        return;
    if (m_subscription)
        disconnect(m_subscription, nullptr, this, nullptr);
    m_subscription = subscription;
    if (subscription)
        connect(subscription, &PersistentRecord::changed, this, &ServiceIcon::inputsChanged);
    Q_EMIT inputsChanged();
}

void ServiceIcon::setName(const QString& name)
{
    if (m_name == name)
        return;
    m_name = name;
    Q_EMIT inputsChanged();
}

void ServiceIcon::setColorHex(const QVariant& hex)
{
    if (m_colorHex == hex)
        return;
    m_colorHex = hex;
    Q_EMIT inputsChanged();
}

void ServiceIcon::setSymbolName(const QVariant& symbol)
{
    if (m_symbolName == symbol)
        return;
    m_symbolName = symbol;
    Q_EMIT inputsChanged();
}

QString ServiceIcon::effectiveName() const
{
    return m_subscription ? m_subscription->name() : m_name;
}

QVariant ServiceIcon::effectiveColorHex() const
{
    if (!m_subscription)
        return m_colorHex;
    const std::optional<QString> hex = m_subscription->brandColorHex();
    return hex ? QVariant(*hex) : QVariant();
}

QString ServiceIcon::effectiveSymbol() const
{
    // A subscription always has a symbol: its own, or its category's.
    if (m_subscription)
        return m_subscription->symbolName().value_or(m_subscription->category().symbolName());
    return m_symbolName.isNull() ? QString() : m_symbolName.toString();
}

QColor ServiceIcon::tileColor() const
{
    const QVariant hex = effectiveColorHex();
    if (hex.isNull())
        return QColor::fromRgbF(0.5f, 0.5f, 0.5f);
    return colorFromHex(hex.toString());
}

QString ServiceIcon::ligature() const
{
    const QString symbol = effectiveSymbol();
    if (symbol.isEmpty() || SymbolMap::fontFamily().isEmpty())
        return {};
    return SymbolMap::ligature(symbol).value_or(QString());
}

QString ServiceIcon::glyph() const
{
    const QString symbol = ligature();
    return symbol.isEmpty() ? initial(effectiveName()) : symbol;
}

bool ServiceIcon::glyphIsSymbol() const
{
    return !ligature().isEmpty();
}

QString ServiceIcon::initial(const QString& name)
{
    qsizetype start = 0;
    while (start < name.size() && (name[start] == u' ' || name[start] == u'\t'))
        ++start;
    if (start == name.size())
        return {};
    // One user-perceived character, so an accented or emoji initial stays whole.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    graphemes.setPosition(start);
    const qsizetype end = graphemes.toNextBoundary();
    return name.mid(start, (end > start ? end : start + 1) - start).toUpper();
}

}  // namespace tabrino
