// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace tabrino {

// Base of the record types kept in the persistent store. Every attribute
// write that really changes a value marks the record as changed, which is how
// the model context finds what a save must write, and emits `changed()` so
// that figures computed from records can be re-evaluated.
class PersistentRecord : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool hasUnsavedChanges() const { return m_unsaved; }
    void markSaved() { m_unsaved = false; }

Q_SIGNALS:
    void changed();

protected:
    // Assigns `value` to `field` when it differs, then marks the record
    // changed and emits the attribute's own signal and `changed()`.
    template <typename Self, typename T>
    void assign(Self* self, T& field, const T& value, void (Self::*attributeSignal)())
    {
        if (field == value)
            return;
        field = value;
        m_unsaved = true;
        Q_EMIT(self->*attributeSignal)();
        Q_EMIT changed();
    }

private:
    bool m_unsaved = false;
};

}  // namespace tabrino
