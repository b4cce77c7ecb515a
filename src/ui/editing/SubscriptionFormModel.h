// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/BillingCycle.h"
#include "model/Subscription.h"
#include "model/SubscriptionCategory.h"
#include "store/SubscriptionStore.h"
#include "ui/editing/Prefill.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The subscription form's editable copy of a record: every field as the user
// edits it (numbers as typed text), its validity, and the save that writes
// it into a new record (new mode) or the edited one (edit mode). Nothing
// reaches the record before save().
class SubscriptionFormModel : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY inputsChanged)
    // The record edited; null in new mode.
    Q_PROPERTY(tabrino::Subscription* subscription READ subscription WRITE setSubscription NOTIFY inputsChanged)
    // The seed of a new record; ignored in edit mode.
    Q_PROPERTY(tabrino::Prefill prefill READ prefill WRITE setPrefill NOTIFY inputsChanged)
    Q_PROPERTY(bool isEditMode READ isEditMode NOTIFY inputsChanged)
    Q_PROPERTY(QString saveButtonText READ saveButtonText NOTIFY inputsChanged)

    Q_PROPERTY(QString name READ name WRITE setName NOTIFY formChanged)
    Q_PROPERTY(QString priceText READ priceText WRITE setPriceText NOTIFY formChanged)
    Q_PROPERTY(QString currencyCode READ currencyCode WRITE setCurrencyCode NOTIFY formChanged)
    // The cycle segments' value: "weekly" ... "custom".
    Q_PROPERTY(QString cycleValue READ cycleValue WRITE setCycleValue NOTIFY formChanged)
    Q_PROPERTY(QString customDaysText READ customDaysText WRITE setCustomDaysText NOTIFY formChanged)
    Q_PROPERTY(QDateTime nextBillingDate READ nextBillingDate WRITE setNextBillingDate NOTIFY formChanged)
    Q_PROPERTY(QString categoryValue READ categoryValue WRITE setCategoryValue NOTIFY formChanged)
    Q_PROPERTY(bool isTrial READ isTrial WRITE setIsTrial NOTIFY formChanged)
    Q_PROPERTY(QDateTime trialEndDate READ trialEndDate WRITE setTrialEndDate NOTIFY formChanged)
    Q_PROPERTY(bool isShared READ isShared WRITE setIsShared NOTIFY formChanged)
    Q_PROPERTY(double sharePercent READ sharePercent WRITE setSharePercent NOTIFY formChanged)
    Q_PROPERTY(QString paymentMethod READ paymentMethod WRITE setPaymentMethod NOTIFY formChanged)
    Q_PROPERTY(QString notes READ notes WRITE setNotes NOTIFY formChanged)
    // -1: the default lead time; 0: no reminder; N: N days before.
    Q_PROPERTY(int leadDaysChoice READ leadDaysChoice WRITE setLeadDaysChoice NOTIFY formChanged)

    Q_PROPERTY(bool isValid READ isValid NOTIFY formChanged)
    Q_PROPERTY(QString currencySymbol READ currencySymbol NOTIFY formChanged)
    // Places in the pickers' lists; -1 selects nothing (a value not offered).
    Q_PROPERTY(int currencyIndex READ currencyIndex NOTIFY formChanged)
    Q_PROPERTY(int categoryIndex READ categoryIndex NOTIFY formChanged)
    Q_PROPERTY(int leadIndex READ leadIndex NOTIFY formChanged)
    // { value, label } per offered currency code.
    Q_PROPERTY(QVariantList currencyChoices READ currencyChoices CONSTANT)
    // { value, label, symbol } per category, in declaration order.
    Q_PROPERTY(QVariantList categoryChoices READ categoryChoices CONSTANT)
    // { value, label } per reminder choice, the default's label following the cycle.
    Q_PROPERTY(QVariantList leadChoices READ leadChoices NOTIFY formChanged)
    Q_PROPERTY(bool showsCustomDays READ showsCustomDays NOTIFY formChanged)
    // The day count a custom cycle would save, for the unit after its field
    // to agree with ("day" after 1).
    Q_PROPERTY(int customDays READ customDays NOTIFY formChanged)
    Q_PROPERTY(QString shareText READ shareText NOTIFY formChanged)

public:
    explicit SubscriptionFormModel(QObject* parent = nullptr);

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    Subscription* subscription() const { return m_subscription; }
    void setSubscription(Subscription* subscription);
    const Prefill& prefill() const { return m_prefill; }
    void setPrefill(const Prefill& prefill);
    bool isEditMode() const { return m_subscription != nullptr; }
    QString saveButtonText() const;

    QString name() const { return m_name; }
    void setName(const QString& value);
    QString priceText() const { return m_priceText; }
    void setPriceText(const QString& value);
    QString currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(const QString& value);
    BillingCycle cycle() const { return m_cycle; }
    QString cycleValue() const { return m_cycle.toString(); }
    // Picking a segment: a custom cycle takes the typed day count.
    void setCycleValue(const QString& value);
    QString customDaysText() const { return m_customDaysText; }
    void setCustomDaysText(const QString& value);
    QDateTime nextBillingDate() const { return m_nextBillingDate; }
    void setNextBillingDate(const QDateTime& value);
    QString categoryValue() const { return m_category.toString(); }
    void setCategoryValue(const QString& value);
    bool isTrial() const { return m_isTrial; }
    void setIsTrial(bool value);
    QDateTime trialEndDate() const { return m_trialEndDate; }
    void setTrialEndDate(const QDateTime& value);
    bool isShared() const { return m_isShared; }
    void setIsShared(bool value);
    double sharePercent() const { return m_sharePercent; }
    void setSharePercent(double value);
    QString paymentMethod() const { return m_paymentMethod; }
    void setPaymentMethod(const QString& value);
    QString notes() const { return m_notes; }
    void setNotes(const QString& value);
    int leadDaysChoice() const { return m_leadDaysChoice; }
    void setLeadDaysChoice(int value);

    bool isValid() const;
    QString currencySymbol() const;
    int currencyIndex() const;
    int categoryIndex() const;
    int leadIndex() const;
    static QVariantList currencyChoices();
    static QVariantList categoryChoices();
    QVariantList leadChoices() const;
    bool showsCustomDays() const { return m_cycle.kind() == BillingCycle::Kind::Custom; }
    int customDays() const;
    QString shareText() const;
    // The cycle a save stores: a custom one with the typed day count.
    BillingCycle cycleToSave() const;

    // Fills the form from the record, else from the seed and the settings.
    void start();
    // Writes every field the form shows into the record and saves; a new
    // record is added to the store. False, with nothing written, while the
    // price is no number of at least 0.
    Q_INVOKABLE bool save();
    // Archives the edited record at once.
    Q_INVOKABLE void archive();

    // The symbol an amount in `code` is written with ("$", "€", "CHF").
    static QString currencySymbol(const QString& code);

    void classBegin() override {}
    void componentComplete() override { start(); }

Q_SIGNALS:
    void inputsChanged();
    void formChanged();

private:
    Calendar calendar() const;
    template <typename T>
    void assign(T& field, const T& value);

    QPointer<SubscriptionStore> m_store;
    QPointer<Subscription> m_subscription;
    Prefill m_prefill;
    // start() read a record: a save writes that record and never a new one.
    bool m_editsRecord = false;

    QString m_name;
    QString m_priceText;
    QString m_currencyCode;
    BillingCycle m_cycle = BillingCycle::monthly();
    QString m_customDaysText = QStringLiteral("30");
    QDateTime m_nextBillingDate;
    SubscriptionCategory m_category = SubscriptionCategory::Other;
    bool m_isTrial = false;
    QDateTime m_trialEndDate;
    bool m_isShared = false;
    double m_sharePercent = 50;
    QString m_paymentMethod;
    QString m_notes;
    int m_leadDaysChoice = -1;
};

}  // namespace tabrino
