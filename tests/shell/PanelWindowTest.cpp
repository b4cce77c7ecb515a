// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PanelWindow.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

class PanelWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QQmlComponent content(&engine);
        content.setData("import QtQuick\nRectangle { implicitHeight: 300; color: \"steelblue\" }", QUrl());
        ASSERT_TRUE(panel.setContent(content)) << panel.errorString().toStdString();
    }

    QRect available() const { return panel.screen()->availableGeometry(); }

    QQmlEngine engine;
    PanelWindow panel{engine};
};

xcb_connection_t* x11()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(x11(), 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x11(), cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The states in the window's _NET_WM_STATE, as task bars read them.
QSet<xcb_atom_t> netWmState(QWindow& window)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x11(), 0, xcb_window_t(window.winId()), atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 32);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(x11(), cookie, nullptr);
    QSet<xcb_atom_t> states;
    if (reply) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            states.insert(atoms[i]);
    }
    std::free(reply);
    return states;
}

// What a window manager does to a withdrawn window (KWin does).
void dropNetWmState(QWindow& window)
{
    xcb_delete_property(x11(), xcb_window_t(window.winId()), atom("_NET_WM_STATE"));
    xcb_flush(x11());
}

}  // namespace

TEST_F(PanelWindowTest, placementCentresUnderTheAnchorInsideTheScreen)
{
    const QRect belowTopPanel(0, 30, 1280, 770);
    const QSize size(360, 300);
    EXPECT_EQ(PanelWindow::placement({640, 40}, size, belowTopPanel), QRect(QPoint(460, 44), size));
    // A top panel's item lies above the free area.
    EXPECT_EQ(PanelWindow::placement({640, 12}, size, belowTopPanel).top(), 30);
    EXPECT_EQ(PanelWindow::placement({20, 40}, size, belowTopPanel).left(), 0);
    EXPECT_EQ(PanelWindow::placement({1275, 40}, size, belowTopPanel).right(), 1279);
    // A second screen to the right.
    EXPECT_EQ(PanelWindow::placement({1300, 10}, size, QRect(1280, 0, 1920, 1080)).topLeft(), QPoint(1280, 14));
    // A bottom panel's item lies below the free area: the panel ends where
    // the free area does.
    EXPECT_EQ(PanelWindow::placement({640, 785}, size, QRect(0, 0, 1280, 770)), QRect(QPoint(460, 470), size));
}

TEST_F(PanelWindowTest, resizingKeepsTheEdgeNearestTheTrayInsideTheFreeArea)
{
    using Edge = PanelWindow::Edge;
    EXPECT_EQ(PanelWindow::nearestEdge({640, 12}, QRect(460, 30, 360, 300)), Edge::Top);
    const QRect overBottomTray(460, 470, 360, 300);
    EXPECT_EQ(PanelWindow::nearestEdge({640, 785}, overBottomTray), Edge::Bottom);
    // A tray at the side: the nearer end of the panel.
    EXPECT_EQ(PanelWindow::nearestEdge({10, 700}, overBottomTray), Edge::Bottom);
    EXPECT_EQ(PanelWindow::nearestEdge({10, 500}, overBottomTray), Edge::Top);

    const QRect available(0, 30, 1280, 770);
    const QRect frame(460, 300, 360, 200);
    EXPECT_EQ(PanelWindow::resized(frame, 350, Edge::Top, available), QRect(460, 300, 360, 350));
    EXPECT_EQ(PanelWindow::resized(frame, 350, Edge::Bottom, available), QRect(460, 150, 360, 350));
    EXPECT_EQ(PanelWindow::resized(frame, 120, Edge::Bottom, available).bottom(), frame.bottom());
    // Where the free area ends, the kept edge gives way rather than the panel
    // leaving the screen.
    EXPECT_EQ(PanelWindow::resized(frame, 600, Edge::Top, available), QRect(460, 200, 360, 600));
    EXPECT_EQ(PanelWindow::resized(frame, 640, Edge::Bottom, available), QRect(460, 30, 360, 640));
}

TEST_F(PanelWindowTest, openPanelKeepsTheEdgeNearestTheTray)
{
    const QRect screen = available();
    const int bottom = screen.bottom();
    auto expectFrame = [&](int height, int top) {
        QCoreApplication::processEvents();
        EXPECT_EQ(panel.geometry(), QRect(460, top, PanelWindow::kWidth, height)) << "height " << height;
    };

    // A tray at the bottom: open, grow (the add screen), shrink (back to the
    // list), grow past the limit; the bottom edge never moves.
    panel.openAt({640, screen.bottom() - 6});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    expectFrame(300, bottom - 299);
    panel.rootItem()->setImplicitHeight(500);
    expectFrame(500, bottom - 499);
    panel.rootItem()->setImplicitHeight(120);
    expectFrame(120, bottom - 119);
    panel.rootItem()->setImplicitHeight(900);
    expectFrame(PanelWindow::kMaxHeight, bottom - PanelWindow::kMaxHeight + 1);

    // Reopened from a tray at the top, it keeps its top edge instead.
    panel.hide();
    panel.rootItem()->setImplicitHeight(300);
    panel.openAt({640, screen.top() + 10});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const int top = screen.top() + 10 + PanelWindow::kGap;
    expectFrame(300, top);
    panel.rootItem()->setImplicitHeight(500);
    expectFrame(500, top);
    panel.rootItem()->setImplicitHeight(120);
    expectFrame(120, top);
}

TEST_F(PanelWindowTest, contentDecidesTheHeightUpTo640)
{
    EXPECT_EQ(panel.size(), QSize(360, 300));
    EXPECT_EQ(panel.rootItem()->width(), 360);

    panel.rootItem()->setImplicitHeight(900);
    EXPECT_EQ(panel.size(), QSize(360, 640));
    EXPECT_EQ(panel.rootItem()->height(), 640);

    panel.rootItem()->setImplicitHeight(120);
    EXPECT_EQ(panel.size(), QSize(360, 120));

    // Content that sets only a height is followed too.
    QQmlComponent sized(&engine);
    sized.setData("import QtQuick\nItem { height: 250 }", QUrl());
    ASSERT_TRUE(panel.setContent(sized));
    EXPECT_EQ(panel.size(), QSize(360, 250));
    panel.rootItem()->setHeight(700);
    EXPECT_EQ(panel.size(), QSize(360, 640));
}

TEST_F(PanelWindowTest, badContentIsReportedAndTheOldContentStays)
{
    QQuickItem* before = panel.rootItem();
    QQmlComponent broken(&engine);
    broken.setData("import QtQuick\nRectangle { colour: 1 }", QUrl(QStringLiteral("file:///Broken.qml")));
    EXPECT_FALSE(panel.setContent(broken));
    EXPECT_TRUE(panel.errorString().contains(u"colour")) << panel.errorString().toStdString();

    QQmlComponent notAnItem(&engine);
    notAnItem.setData("import QtQml\nQtObject {}", QUrl());
    EXPECT_FALSE(panel.setContent(notAnItem));
    EXPECT_EQ(panel.rootItem(), before);
}

TEST_F(PanelWindowTest, popupIsFramelessAndClosesWhenItLosesFocus)
{
    EXPECT_TRUE(panel.flags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(panel.flags().testFlag(Qt::Tool));
    EXPECT_EQ(panel.color(), QColor(Qt::transparent));

    panel.toggleAt({640, 10});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));

    QWindow other;
    other.setGeometry(100, 500, 100, 100);
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.isVisible(); }, 3000));

    // The click on the tray item that took the focus away arrives next and
    // must not bring the panel straight back.
    panel.toggleAt({640, 10});
    EXPECT_FALSE(panel.isVisible());
    // A later click opens it again.
    panel.toggleAt({640, 10});
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
}

TEST_F(PanelWindowTest, popupStaysOutOfTaskBarsEachTimeItOpensButTheWindowDoesNot)
{
    const QSet<xcb_atom_t> skip{atom("_NET_WM_STATE_SKIP_TASKBAR"), atom("_NET_WM_STATE_SKIP_PAGER")};
    for (int opening = 1; opening <= 2; ++opening) {
        panel.openAt({640, 10});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        EXPECT_TRUE(netWmState(panel).contains(skip)) << opening;
        panel.hide();
        dropNetWmState(panel);
    }
    panel.showAsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_FALSE(netWmState(panel).intersects(skip));
}

TEST_F(PanelWindowTest, focusLossIsIgnoredWhileSuspendedAndInWindowMode)
{
    QWindow other;
    other.setGeometry(100, 500, 100, 100);

    panel.setHidesOnDeactivate(false);
    panel.openAt({640, 10});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(panel.isVisible());
    panel.setHidesOnDeactivate(true);

    panel.showAsWindow();
    EXPECT_TRUE(panel.isWindowMode());
    EXPECT_FALSE(panel.flags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(panel.flags().testFlag(Qt::Tool));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    EXPECT_EQ(panel.size(), QSize(360, 300));
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(panel.isVisible());

    // A tray that appears later turns it back into the popup.
    panel.toggleAt({640, 10});
    EXPECT_FALSE(panel.isWindowMode());
    EXPECT_TRUE(panel.flags().testFlag(Qt::FramelessWindowHint));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.position(), QPoint(460, 10 + PanelWindow::kGap));
}

TEST_F(PanelWindowTest, escapeNoScreenTakesClosesThePopupButNotTheWindow)
{
    QQmlComponent content(&engine);
    content.setData("import QtQuick\nItem { implicitHeight: 200; focus: true; property bool takesEscape: false\n"
                    "Keys.onEscapePressed: event => event.accepted = takesEscape }",
                    QUrl());
    ASSERT_TRUE(panel.setContent(content)) << panel.errorString().toStdString();
    panel.rootItem()->forceActiveFocus();

    panel.openAt({640, 10});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.rootItem()->setProperty("takesEscape", true);
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_TRUE(panel.isVisible()) << "a screen that goes back takes its Escape";
    panel.rootItem()->setProperty("takesEscape", false);
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_FALSE(panel.isVisible());

    // Hiding the only window of a desktop without a tray would lose the program.
    panel.showAsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_TRUE(panel.isVisible());
}
