// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Subscription.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// What a service's tile shows: its colour and its glyph, either a symbol of
// the symbol font or the name's upper-cased initial. Set `subscription`, or
// a catalog service's `name`, `colorHex` and `symbolName`.
class ServiceIcon : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::Subscription* subscription READ subscription WRITE setSubscription NOTIFY inputsChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY inputsChanged)
    Q_PROPERTY(QVariant colorHex READ colorHex WRITE setColorHex NOTIFY inputsChanged)
    Q_PROPERTY(QVariant symbolName READ symbolName WRITE setSymbolName NOTIFY inputsChanged)
    Q_PROPERTY(QColor tileColor READ tileColor NOTIFY inputsChanged)
    Q_PROPERTY(QString glyph READ glyph NOTIFY inputsChanged)
    Q_PROPERTY(bool glyphIsSymbol READ glyphIsSymbol NOTIFY inputsChanged)

public:
    using QObject::QObject;

    Subscription* subscription() const { return m_subscription; }
    void setSubscription(Subscription* subscription);
    QString name() const { return m_name; }
    void setName(const QString& name);
    QVariant colorHex() const { return m_colorHex; }
    void setColorHex(const QVariant& hex);
    QVariant symbolName() const { return m_symbolName; }
    void setSymbolName(const QVariant& symbol);

    QColor tileColor() const;
    QString glyph() const;
    bool glyphIsSymbol() const;

    // The name's first character, upper-cased, after leading spaces and
    // tabs; empty for a blank name.
    static QString initial(const QString& name);

Q_SIGNALS:
    void inputsChanged();

private:
    QString effectiveName() const;
    QVariant effectiveColorHex() const;
    QString effectiveSymbol() const;
    QString ligature() const;

    QPointer<Subscription> m_subscription;
    QString m_name;
    QVariant m_colorHex;
    QVariant m_symbolName;
};

}  // namespace tabrino
