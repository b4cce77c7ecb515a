// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Subscription.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// Which screen the panel shows and which tab the main screen shows. One
// main screen and three overlays; an overlay is only ever opened from the
// main screen and only ever leads back to it, and the tab is only changed by
// the segmented control, so it survives overlays and the empty state. The
// import preview is the one screen below an overlay: it opens from the
// settings with the chosen file and leads back to them, or on to the main
// screen once the import is done.
class PanelNavigator : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Screen screen READ screen NOTIFY screenChanged)
    Q_PROPERTY(Tab tab READ tab WRITE setTab NOTIFY tabChanged)
    // The record the edit screen shows; null on every other screen.
    Q_PROPERTY(tabrino::Subscription* editing READ editing NOTIFY screenChanged)
    // The file the import screen previews; empty on every other screen.
    Q_PROPERTY(QUrl importFile READ importFile NOTIFY screenChanged)

public:
    enum class Screen { Main, Add, Settings, Edit, Import };
    Q_ENUM(Screen)
    enum class Tab { List, Insights };
    Q_ENUM(Tab)

    using QObject::QObject;

    Screen screen() const { return m_screen; }
    Tab tab() const { return m_tab; }
    void setTab(Tab tab);
    Subscription* editing() const { return m_editing; }
    QUrl importFile() const { return m_importFile; }

    // Each opens its overlay from the main screen and is ignored elsewhere.
    Q_INVOKABLE bool openAdd();
    Q_INVOKABLE bool openSettings();
    Q_INVOKABLE bool openEdit(tabrino::Subscription* subscription);
    // From the settings only.
    Q_INVOKABLE bool openImport(const QUrl& file);
    // From the import screen back to the settings.
    Q_INVOKABLE void backToSettings();
    // Back to the main screen, tab unchanged.
    Q_INVOKABLE void close();

Q_SIGNALS:
    void screenChanged();
    void tabChanged();

private:
    bool open(Screen screen, Subscription* editing);

    Screen m_screen = Screen::Main;
    Tab m_tab = Tab::List;
    QPointer<Subscription> m_editing;
    QUrl m_importFile;
};

}  // namespace tabrino
