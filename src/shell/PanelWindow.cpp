// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PanelWindow.h"

#include "foundation/Logging.h"
#include "platform/SwayIpc.h"
#include "platform/X11SkipTaskbar.h"
#include "ui/design/Aurora.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QSurfaceFormat>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tabrino {

namespace {

// A click on the tray item first takes the focus from the open panel, which
// closes it, and then arrives as an activation; within this time that
// activation is the same click and must not reopen the panel.
constexpr qint64 kSameClickMs = 400;

// The panel draws a translucent background; as an ordinary window it stands
// on the darkest colour of that background instead of on whatever is behind.
const QColor kWindowBackground = Aurora::panelBottom();

// Qt's own limit of a window's size, meaning "no maximum".
constexpr int kUnboundedSize = (1 << 24) - 1;

// The popup's title, by which sway's commands find it among our windows.
const QString kTitle = QStringLiteral("Tabrino");
// sway knows the popup once its first frame arrives, which may be a moment
// after Qt has sent it: the move is tried again meanwhile.
constexpr int kSwayMoveTries = 10;
constexpr int kSwayRetryMs = 20;

QString swayCriteria()
{
    return QStringLiteral("[pid=%1 title=\"^%2$\"]").arg(QCoreApplication::applicationPid()).arg(kTitle);
}

// `frame` moved, not resized, to lie inside `available` where it fits.
QRect clamped(QRect frame, const QRect& available)
{
    frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

}  // namespace

PanelWindow::PanelWindow(QQmlEngine& engine, QWindow* parent) : QQuickWindow(parent), m_engine(engine)
{
    QSurfaceFormat surface = format();
    surface.setAlphaBufferSize(8);
    setFormat(surface);
    setTitle(kTitle);
    if (const QString socket = SwayIpc::availableSocket(); !socket.isEmpty()) {
        m_sway = std::make_unique<SwayIpc>(socket);
        // Applied when the window maps, so it never shows tiled or framed.
        // Quoted, or sway would run what follows the first comma at once.
        const QString rule =
            u"for_window "_qs + swayCriteria() + u" \"floating enable, border none, sticky enable\""_qs;
        QString error;
        if (!m_sway->runCommand(rule, &error))
            qCWarning(lcTray).noquote() << "sway refused the panel's window rule:" << error;
    }
    usePopupStyle();
    resize(kWidth, 1);
    connect(this, &QWindow::activeChanged, this, &PanelWindow::activeDidChange);
}

PanelWindow::~PanelWindow()
{
    delete m_root;
}

bool PanelWindow::setContent(const QUrl& url, const QVariantMap& initialProperties)
{
    QQmlComponent component(&m_engine, url, QQmlComponent::PreferSynchronous);
    return setContent(component, initialProperties);
}

bool PanelWindow::setContent(QQmlComponent& component, const QVariantMap& initialProperties)
{
    if (component.isLoading()) {
        m_error = QStringLiteral("The panel's QML is still loading.");
        return false;
    }
    QObject* created = component.isReady()
        ? component.createWithInitialProperties(initialProperties, m_engine.rootContext())
        : nullptr;
    auto* root = qobject_cast<QQuickItem*>(created);
    if (!root) {
        m_error = created ? QStringLiteral("The panel's QML root is not an Item.") : component.errorString();
        delete created;
        return false;
    }
    m_error.clear();
    adoptRoot(root);
    return true;
}

void PanelWindow::adoptRoot(QQuickItem* root)
{
    delete m_root;
    m_root = root;
    QQmlEngine::setObjectOwnership(root, QQmlEngine::CppOwnership);
    root->setParentItem(contentItem());
    connect(root, &QQuickItem::implicitHeightChanged, this, &PanelWindow::layoutContent);
    connect(root, &QQuickItem::heightChanged, this, &PanelWindow::layoutContent);
    layoutContent();
}

void PanelWindow::layoutContent()
{
    if (!m_root)
        return;
    const bool implicit = m_root->implicitHeight() > 0;
    const qreal wanted = implicit ? m_root->implicitHeight() : m_root->height();
    const int height = std::clamp(static_cast<int>(std::ceil(wanted)), 1, kMaxHeight);
    m_root->setWidth(kWidth);
    if (implicit && m_root->height() != height)
        m_root->setHeight(height);
    if (this->height() == height)
        return;
    if (m_windowMode) {
        setMinimumSize(QSize(kWidth, height));
        setMaximumSize(QSize(kWidth, height));
    }
    if (!isVisible() || m_windowMode || !screen()) {
        resize(kWidth, height);
        return;
    }
    if (m_sway) {
        const QPoint before = m_swayFrame.topLeft();
        m_swayFrame = resized(m_swayFrame, height, m_keptEdge, m_swayArea);
        resize(kWidth, height);
        if (m_swayFrame.topLeft() != before)
            moveThroughSway(kSwayMoveTries);
        return;
    }
    // Size and place in one request, so the window manager never shows the
    // new height at the old place.
    setGeometry(resized(geometry(), height, m_keptEdge, screen()->availableGeometry()));
}

QRect PanelWindow::placement(const QPoint& anchor, const QSize& size, const QRect& available)
{
    return clamped(QRect(QPoint(anchor.x() - size.width() / 2, anchor.y() + kGap), size), available);
}

PanelWindow::Edge PanelWindow::nearestEdge(const QPoint& anchor, const QRect& frame)
{
    return std::abs(anchor.y() - frame.top()) <= std::abs(anchor.y() - frame.bottom()) ? Edge::Top : Edge::Bottom;
}

QRect PanelWindow::resized(const QRect& frame, int height, Edge kept, const QRect& available)
{
    QRect result = frame;
    if (kept == Edge::Bottom)
        result.setTop(frame.bottom() + 1 - height);
    else
        result.setHeight(height);
    return clamped(result, available);
}

void PanelWindow::usePopupStyle()
{
    m_windowMode = false;
    setFlags(Qt::Tool | Qt::FramelessWindowHint);
    setColor(Qt::transparent);
    setMinimumSize(QSize());
    setMaximumSize(QSize(kUnboundedSize, kUnboundedSize));
}

void PanelWindow::openAt(const QPoint& anchor)
{
    if (m_windowMode) {
        hide();
        usePopupStyle();
    }
    QScreen* target = QGuiApplication::screenAt(anchor);
    if (!target)
        target = QGuiApplication::primaryScreen();
    if (target) {
        setScreen(target);
        const QRect available = availableFor(*target);
        const QRect frame = placement(anchor, size(), available);
        m_keptEdge = nearestEdge(anchor, frame);
        setPosition(frame.topLeft());
        m_swayArea = available;
        m_swayFrame = frame;
    }
    m_wasActiveSinceShown = isActive();
    X11SkipTaskbar::apply(*this);
    show();
    activate();
    if (m_sway && target)
        connect(
            this, &QQuickWindow::frameSwapped, this, [this] { moveThroughSway(kSwayMoveTries); },
            Qt::SingleShotConnection);
}

QRect PanelWindow::availableFor(QScreen& screen) const
{
    if (!m_sway)
        return screen.availableGeometry();
    // Qt does not know the bars' space on Wayland; sway does. The gap keeps
    // the popup off the bar and the screen's sides.
    const QRect area = m_sway->workspaceArea(screen.geometry()).value_or(screen.availableGeometry());
    return area.adjusted(kGap, kGap, -kGap, -kGap);
}

void PanelWindow::moveThroughSway(int triesLeft)
{
    if (!isVisible() || m_windowMode)
        return;
    const QPoint at = m_swayFrame.topLeft();
    QString error;
    if (m_sway->runCommand(swayCriteria() + u" move absolute position %1 %2"_qs.arg(at.x()).arg(at.y()), &error))
        return;
    if (triesLeft > 1) {
        QTimer::singleShot(kSwayRetryMs, this, [this, triesLeft] { moveThroughSway(triesLeft - 1); });
        return;
    }
    qCWarning(lcTray).noquote() << "sway did not move the panel:" << error;
}

void PanelWindow::toggleAt(const QPoint& anchor)
{
    if (isVisible() && !m_windowMode) {
        hide();
        return;
    }
    if (m_sinceFocusClose.isValid() && m_sinceFocusClose.elapsed() < kSameClickMs) {
        m_sinceFocusClose.invalidate();
        return;
    }
    openAt(anchor);
}

void PanelWindow::showAsWindow()
{
    if (!m_windowMode) {
        hide();
        m_windowMode = true;
        setFlags(Qt::Window);
        setColor(kWindowBackground);
        setMinimumSize(size());
        setMaximumSize(size());
        if (QScreen* target = QGuiApplication::primaryScreen()) {
            setScreen(target);
            QRect frame(QPoint(), size());
            frame.moveCenter(target->availableGeometry().center());
            setPosition(frame.topLeft());
        }
    }
    show();
    activate();
}

void PanelWindow::activate()
{
    raise();
    requestActivate();
}

void PanelWindow::keyPressEvent(QKeyEvent* event)
{
    QQuickWindow::keyPressEvent(event);
    if (event->isAccepted() || event->key() != Qt::Key_Escape || m_windowMode)
        return;
    event->accept();
    hide();
}

void PanelWindow::activeDidChange()
{
    if (isActive()) {
        m_wasActiveSinceShown = true;
        return;
    }
    // Before the panel first had the focus, a loss is the window manager
    // settling the new window, not the user leaving it.
    if (!m_wasActiveSinceShown || m_windowMode || !m_hidesOnDeactivate || !isVisible())
        return;
    hide();
    m_sinceFocusClose.start();
}

}  // namespace tabrino
