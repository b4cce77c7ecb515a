// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/Aurora.h"

#include <QColor>
#include <QEasingCurve>
#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

class ReduceMotion;

// What every screen shares: the palette, the fonts, the two springs and the
// desktop's reduce-motion choice, one instance per QML engine.
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QColor panelTop READ panelTop CONSTANT)
    Q_PROPERTY(QColor panelBottom READ panelBottom CONSTANT)
    Q_PROPERTY(QColor red READ red CONSTANT)
    Q_PROPERTY(QColor redDeep READ redDeep CONSTANT)
    Q_PROPERTY(QColor amber READ amber CONSTANT)
    Q_PROPERTY(QColor deltaArrow READ deltaArrow CONSTANT)
    Q_PROPERTY(QColor violet READ violet CONSTANT)
    Q_PROPERTY(QColor violetDeep READ violetDeep CONSTANT)
    Q_PROPERTY(QColor heroGlow READ heroGlow CONSTANT)
    Q_PROPERTY(QColor textPrimary READ textPrimary CONSTANT)
    Q_PROPERTY(QColor textTertiary READ textTertiary CONSTANT)
    Q_PROPERTY(QColor trialChip READ trialChip CONSTANT)
    Q_PROPERTY(QVariantList donutRamp READ donutRamp CONSTANT)

    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)
    Q_PROPERTY(QString symbolFontFamily READ symbolFontFamily CONSTANT)

    Q_PROPERTY(QEasingCurve panelSwap READ panelSwap CONSTANT)
    Q_PROPERTY(int panelSwapMs READ panelSwapMs CONSTANT)
    Q_PROPERTY(QEasingCurve rowSpring READ rowSpring CONSTANT)
    Q_PROPERTY(int rowSpringMs READ rowSpringMs CONSTANT)
    Q_PROPERTY(QEasingCurve press READ press CONSTANT)
    Q_PROPERTY(int pressMs READ pressMs CONSTANT)
    // The desktop asks for reduced motion: nothing animates.
    Q_PROPERTY(bool reduceMotion READ reduceMotion NOTIFY reduceMotionChanged)
    // False under Qt Quick's software renderer, which draws no shader effects:
    // glows and shadows then take their plain forms.
    Q_PROPERTY(bool shaderEffects READ shaderEffects CONSTANT)

public:
    explicit Theme(QObject* parent = nullptr);
    ~Theme() override;

    static QColor panelTop() { return Aurora::panelTop(); }
    static QColor panelBottom() { return Aurora::panelBottom(); }
    static QColor red() { return Aurora::red(); }
    static QColor redDeep() { return Aurora::redDeep(); }
    static QColor amber() { return Aurora::amber(); }
    static QColor deltaArrow() { return Aurora::deltaArrow(); }
    static QColor violet() { return Aurora::violet(); }
    static QColor violetDeep() { return Aurora::violetDeep(); }
    static QColor heroGlow() { return Aurora::heroGlow(); }
    static QColor textPrimary() { return Aurora::textPrimary(); }
    static QColor textTertiary() { return Aurora::textTertiary(); }
    static QColor trialChip() { return Aurora::trialChip(); }
    static QVariantList donutRamp();

    static QString fontFamily();
    static QString symbolFontFamily();

    static QEasingCurve panelSwap();
    static int panelSwapMs();
    static QEasingCurve rowSpring();
    static int rowSpringMs();
    static QEasingCurve press();
    static int pressMs();
    bool reduceMotion() const;
    bool shaderEffects() const;

    // The symbol font's ligature for a symbol name ("gearshape"); empty for
    // an unknown name.
    Q_INVOKABLE static QString symbol(const QString& name);

Q_SIGNALS:
    void reduceMotionChanged();

private:
    ReduceMotion* m_reduceMotion;
};

}  // namespace tabrino
