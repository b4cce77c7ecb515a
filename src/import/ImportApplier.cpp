// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportApplier.h"

#include "foundation/Clock.h"
#include "model/Subscription.h"
#include "store/ModelContext.h"
#include "store/SubscriptionStore.h"

#include <QCoreApplication>
#include <QMetaProperty>

namespace tabrino {

namespace {

// Every stored value of a record, to put back when the save that would
// have written its update fails.
class RecordValues {
public:
    explicit RecordValues(Subscription* record) : m_record(record), m_wasSaved(!record->hasUnsavedChanges())
    {
        const QMetaObject* meta = record->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            if (meta->property(i).isWritable())
                m_values << meta->property(i).read(record);
        }
    }

    void restore() const
    {
        const QMetaObject* meta = m_record->metaObject();
        qsizetype next = 0;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            if (meta->property(i).isWritable())
                meta->property(i).write(m_record, m_values.at(next++));
        }
        // Values equal to the stored ones are nothing to save.
        if (m_wasSaved)
            m_record->markSaved();
    }

private:
    Subscription* m_record;
    bool m_wasSaved;
    QVariantList m_values;
};

}  // namespace

QString ImportApplier::apply(const QList<ImportedSubscription>& additions, const QList<Update>& updates,
                             SubscriptionStore& store)
{
    ModelContext& context = store.context();
    const QDateTime now = Clock::now();
    QList<RecordValues> before;
    for (const Update& update : updates) {
        before << RecordValues(update.tracked);
        update.incoming.writeTo(*update.tracked, now);
    }
    QList<Subscription*> added;
    for (const ImportedSubscription& incoming : additions) {
        auto* subscription =
            new Subscription(incoming.name, incoming.price, incoming.currency.code, incoming.cycle,
                             incoming.nextBillingDate, incoming.category.value_or(SubscriptionCategory::Other));
        incoming.writeTo(*subscription, now);
        context.insert(subscription);
        added << subscription;
    }
    if (!context.save()) {
        const QString failure = context.saveFailure();
        for (Subscription* subscription : std::as_const(added))
            context.remove(subscription);
        for (const RecordValues& values : std::as_const(before))
            values.restore();
        // With the import undone nothing may be left to write, which clears
        // the failure; changes that waited before it are tried again.
        context.save();
        //: %1 is the data file's reason, in the words of its database
        return QCoreApplication::translate("ImportApplier", "Couldn't save the import, so nothing was imported: %1")
            .arg(failure);
    }
    store.refresh();
    store.performLaunchMaintenance();
    return {};
}

}  // namespace tabrino
