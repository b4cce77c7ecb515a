// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <memory>

class QQmlComponent;
class QQmlEngine;

namespace tabrino {

class SwayIpc;

// The window that holds the panel's QML content. As a popup it is frameless,
// translucent and kept out of the task bar, opens under the tray item,
// clamped to the screen's free area, and closes when it loses the focus it
// had. With no tray it can instead be an ordinary decorated window. It is 360
// pixels wide; the content's implicit height (or its height when it sets no
// implicit one) decides the window's height, up to 640. While open, the edge
// nearest the tray stays where it is and the panel grows or shrinks away
// from it. Under sway, which ignores a client's positions, sway's IPC makes
// the popup a borderless, sticky floating window and moves it to its place,
// kGap inside the area the bars leave.
class PanelWindow : public QQuickWindow {
    Q_OBJECT
    // Read and set by name from the layers below the shell (a save dialog
    // keeps the panel open while it is up).
    Q_PROPERTY(bool hidesOnDeactivate READ hidesOnDeactivate WRITE setHidesOnDeactivate)

public:
    static constexpr int kWidth = 360;
    static constexpr int kMaxHeight = 640;
    // Space between the tray item's position and the panel's top edge.
    static constexpr int kGap = 4;

    // The popup's edge nearest the tray: the one that stays put.
    enum class Edge { Top, Bottom };

    // `engine` creates the content and must outlive the window.
    explicit PanelWindow(QQmlEngine& engine, QWindow* parent = nullptr);
    ~PanelWindow() override;

    // Replaces the content by a new instance of the component. False, with
    // `errorString()` set and the old content kept, when it cannot be made or
    // its root is not an Item.
    bool setContent(const QUrl& url, const QVariantMap& initialProperties = {});
    bool setContent(QQmlComponent& component, const QVariantMap& initialProperties = {});
    QQuickItem* rootItem() const { return m_root; }
    QString errorString() const { return m_error; }

    // Shows the popup under `anchor`, the tray item's position.
    void openAt(const QPoint& anchor);
    // A click on the tray item: closes the open panel, else opens it. The
    // click that took the focus away and so already closed it counts as the
    // closing click.
    void toggleAt(const QPoint& anchor);
    // An ordinary window with decorations, centred on the primary screen,
    // for desktops without a tray; it stays open without focus.
    void showAsWindow();
    bool isWindowMode() const { return m_windowMode; }
    // Raises the panel and asks the window manager to activate it, which
    // gives it the keyboard focus.
    void activate();

    // Whether losing the focus closes the popup (while a dialog of the
    // panel's is open, say, it should not).
    void setHidesOnDeactivate(bool hides) { m_hidesOnDeactivate = hides; }
    bool hidesOnDeactivate() const { return m_hidesOnDeactivate; }

    // The popup's frame for `size` under `anchor`: centred on the anchor's x,
    // its top just below the anchor, moved inside `available` where it would
    // leave it (so above a tray at the bottom).
    static QRect placement(const QPoint& anchor, const QSize& size, const QRect& available);
    // The edge of `frame` nearest a tray item at `anchor`.
    static Edge nearestEdge(const QPoint& anchor, const QRect& frame);
    // `frame` with its height changed to `height`, `kept` where it was, moved
    // inside `available` where it would leave it.
    static QRect resized(const QRect& frame, int height, Edge kept, const QRect& available);

protected:
    // Escape that no screen took (the main screen has nothing to go back
    // to) closes the popup, as a click outside it would.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void adoptRoot(QQuickItem* root);
    void layoutContent();
    void activeDidChange();
    void usePopupStyle();
    QRect availableFor(QScreen& screen) const;
    void moveThroughSway(int triesLeft);

    QQmlEngine& m_engine;
    QPointer<QQuickItem> m_root;
    QString m_error;
    bool m_windowMode = false;
    bool m_hidesOnDeactivate = true;
    bool m_wasActiveSinceShown = false;
    Edge m_keptEdge = Edge::Top;
    QElapsedTimer m_sinceFocusClose;
    // Set when sway's IPC places the popup; Qt's idea of the window's
    // position means nothing then, so its frame is kept here, with the area
    // sway gave it when it opened (asked once, not at every height change).
    std::unique_ptr<SwayIpc> m_sway;
    QRect m_swayArea;
    QRect m_swayFrame;
};

}  // namespace tabrino
