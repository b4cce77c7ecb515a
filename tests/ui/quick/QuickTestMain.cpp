// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuickFixture.h"

#include <QApplication>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtPlugin>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tabrino_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_EditingPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_SettingsPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_ImportingPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_InsightsPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_MainPlugin)

// Every test file gets a fresh fixture as the singleton `Fixture` of the
// test-only module Tabrino.Testing.
class Setup : public QObject {
    Q_OBJECT

public:
    Setup()
    {
        // The reduce-motion choice is read from here; it must exist before
        // any screen asks.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        auto* fixture = new tabrino::test::QuickFixture;
        fixture->setParent(engine);
        qmlRegisterSingletonInstance("Tabrino.Testing", 1, 0, "Fixture", fixture);
    }

private:
    QTemporaryDir m_config;
};

// The desktop's own menus (the rows' context menu) are widgets, so the
// tests run in a QApplication, made before Qt Quick Test would make a
// QGuiApplication of its own.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "tabrino_screens", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "QuickTestMain.moc"
