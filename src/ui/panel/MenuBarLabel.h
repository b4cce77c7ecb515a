#pragma once

#include <QObject>
#include <QString>

namespace tabrino {

class AppSettings;
class FormatterCache;
class SubscriptionStore;

// What the tray item shows for the current figures and settings: whether the
// card icon is drawn, the amount text, whether the renewal dot is drawn, and
// the spoken description of the whole item. Re-evaluated whenever the store's
// figures or one of the three settings it reads change; `changed()` fires only
// when one of the four values is different afterwards.
class MenuBarLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool showsIcon READ showsIcon NOTIFY changed)
    Q_PROPERTY(QString amountText READ amountText NOTIFY changed)
    Q_PROPERTY(bool showsDot READ showsDot NOTIFY changed)
    Q_PROPERTY(QString accessibilityText READ accessibilityText NOTIFY changed)

public:
    // `cache` decides the locale of the amount (the user's by default); it
    // must outlive the label, as must the store and the settings.
    MenuBarLabel(SubscriptionStore& store, AppSettings& settings, QObject* parent = nullptr);
    MenuBarLabel(SubscriptionStore& store, AppSettings& settings, FormatterCache& cache, QObject* parent = nullptr);

    bool showsIcon() const { return m_showsIcon; }
    // "$13/mo", or empty when the display mode hides the amount.
    QString amountText() const { return m_amountText; }
    bool showsDot() const { return m_showsDot; }
    // "Tabrino. Monthly total $13/mo." plus " A subscription renews within 3
    // days." when one does, in every display mode.
    QString accessibilityText() const { return m_accessibilityText; }

Q_SIGNALS:
    void changed();

private:
    void update();

    SubscriptionStore& m_store;
    AppSettings& m_settings;
    FormatterCache& m_cache;

    bool m_showsIcon = false;
    QString m_amountText;
    bool m_showsDot = false;
    QString m_accessibilityText;
};

}  // namespace tabrino
