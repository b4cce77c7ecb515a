// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FinalSave.h"

#include "foundation/Logging.h"
#include "store/ModelContext.h"
#include "store/SubscriptionStore.h"

#include <QCoreApplication>

namespace tabrino {

bool FinalSave::run()
{
    // Only the write: the lists, the snapshot and the reminders need no
    // refresh on the way out.
    ModelContext& context = m_store.context();
    if (!context.hasChanges() || context.save())
        return true;
    if (m_store.unsavedSubscriptionNames().isEmpty()) {
        qCWarning(lcStore) << "This month's spending record is not saved; it is taken again at the next start.";
        return true;
    }
    qCWarning(lcStore).noquote() << lossMessage();
    return false;
}

QString FinalSave::lossMessage() const
{
    return lossMessage(m_store.unsavedSubscriptionNames(), m_store.saveFailure());
}

QString FinalSave::lossMessage(const QStringList& names, const QString& reason)
{
    //: A dialog on quitting; %1 is the names of the subscriptions, separated by commas, %2 why saving failed
    return QCoreApplication::translate("FinalSave",
                                       "Tabrino couldn't save your latest changes to %1: %2. "
                                       "If you quit now, these changes are lost.")
        .arg(names.join(QStringLiteral(", ")), reason);
}

}  // namespace tabrino
