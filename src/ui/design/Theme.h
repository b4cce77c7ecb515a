// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/Aurora.h"

#include <QColor>
#include <QEasingCurve>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

class ReduceMotion;

// What every screen shares: the palette and the colours drawn with it, the
// fonts and the type scale, spacing, radii and control sizes, the two
// springs and the desktop's reduce-motion choice, one instance per QML
// engine.
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QColor panelTop READ panelTop CONSTANT)
    Q_PROPERTY(QColor red READ red CONSTANT)
    Q_PROPERTY(QColor redDeep READ redDeep CONSTANT)
    Q_PROPERTY(QColor amber READ amber CONSTANT)
    Q_PROPERTY(QColor violet READ violet CONSTANT)
    Q_PROPERTY(QColor violetDeep READ violetDeep CONSTANT)
    Q_PROPERTY(QColor textPrimary READ textPrimary CONSTANT)
    Q_PROPERTY(QColor textTertiary READ textTertiary CONSTANT)

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

    // What the screens draw with: colours by role, the type scale, the
    // spacing scale, the radii and the sizes that controls share. The screens
    // name these and never a colour or a size of their own, except the
    // geometry of one drawing.

    // Text on the panel, brightest first (textPrimary comes after textBright,
    // textTertiary after donutCaption).
    // Headings, and text and glyphs on violet.
    Q_PROPERTY(QColor textBright MEMBER m_textBright CONSTANT)
    const QColor m_textBright = Aurora::white(1);
    // Amounts beside a name in a list.
    Q_PROPERTY(QColor textFigure MEMBER m_textFigure CONSTANT)
    const QColor m_textFigure = Aurora::white(0.92);
    // The symbol or label of an icon button or a small button.
    Q_PROPERTY(QColor controlLabel MEMBER m_controlLabel CONSTANT)
    const QColor m_controlLabel = Aurora::white(0.9);
    Q_PROPERTY(QColor legendAmount MEMBER m_legendAmount CONSTANT)
    const QColor m_legendAmount = Aurora::white(0.88);
    // A day of the month the month grid shows.
    Q_PROPERTY(QColor calendarDay MEMBER m_calendarDay CONSTANT)
    const QColor m_calendarDay = Aurora::white(0.85);
    Q_PROPERTY(QColor planPrice MEMBER m_planPrice CONSTANT)
    const QColor m_planPrice = Aurora::white(0.8);
    // The change against last month.
    Q_PROPERTY(QColor deltaText MEMBER m_deltaText CONSTANT)
    const QColor m_deltaText = Aurora::white(0.78);
    // Names in the up-next strip and the donut's legend.
    Q_PROPERTY(QColor textLabel MEMBER m_textLabel CONSTANT)
    const QColor m_textLabel = Aurora::white(0.72);
    Q_PROPERTY(QColor disclosureLabel MEMBER m_disclosureLabel CONSTANT)
    const QColor m_disclosureLabel = Aurora::white(0.7);
    // The caption beside a form field.
    Q_PROPERTY(QColor fieldCaption MEMBER m_fieldCaption CONSTANT)
    const QColor m_fieldCaption = Aurora::white(0.62);
    // A secondary note; the label of a pressed button.
    Q_PROPERTY(QColor textSubdued MEMBER m_textSubdued CONSTANT)
    const QColor m_textSubdued = Aurora::white(0.6);
    Q_PROPERTY(QColor textSecondary MEMBER m_textSecondary CONSTANT)
    const QColor m_textSecondary = Aurora::white(0.55);
    // The yearly figure under the monthly total.
    Q_PROPERTY(QColor heroCaption MEMBER m_heroCaption CONSTANT)
    const QColor m_heroCaption = Aurora::white(0.5);
    // The line of detail on a stat card.
    Q_PROPERTY(QColor statDetail MEMBER m_statDetail CONSTANT)
    const QColor m_statDetail = Aurora::white(0.48);
    // "per month" under the donut's total.
    Q_PROPERTY(QColor donutCaption MEMBER m_donutCaption CONSTANT)
    const QColor m_donutCaption = Aurora::white(0.45);
    // The cycle after a price.
    Q_PROPERTY(QColor textSuffix MEMBER m_textSuffix CONSTANT)
    const QColor m_textSuffix = Aurora::white(0.4);
    // Chart captions; a note in place of an empty list.
    Q_PROPERTY(QColor textQuiet MEMBER m_textQuiet CONSTANT)
    const QColor m_textQuiet = Aurora::white(0.36);
    Q_PROPERTY(QColor placeholder MEMBER m_placeholder CONSTANT)
    const QColor m_placeholder = Aurora::white(0.35);
    // Footnotes; days outside the month shown.
    Q_PROPERTY(QColor textFaint MEMBER m_textFaint CONSTANT)
    const QColor m_textFaint = Aurora::white(0.3);

    // Lines and borders.
    // Dividers, and the borders of cards, pills and small buttons.
    Q_PROPERTY(QColor hairline MEMBER m_hairline CONSTANT)
    const QColor m_hairline = Aurora::white(0.08);
    // The borders of drop-downs and tags.
    Q_PROPERTY(QColor outline MEMBER m_outline CONSTANT)
    const QColor m_outline = Aurora::white(0.12);
    Q_PROPERTY(QColor panelBorder MEMBER m_panelBorder CONSTANT)
    const QColor m_panelBorder = Aurora::white(0.1);
    // A text field or picker without the keyboard focus.
    Q_PROPERTY(QColor fieldBorder MEMBER m_fieldBorder CONSTANT)
    const QColor m_fieldBorder = Aurora::white(0.07);
    // The segmented control's track.
    Q_PROPERTY(QColor trackBorder MEMBER m_trackBorder CONSTANT)
    const QColor m_trackBorder = Aurora::white(0.06);

    // Fills.
    // Recessed: text fields, pickers, the segmented control's track.
    Q_PROPERTY(QColor insetFill MEMBER m_insetFill CONSTANT)
    const QColor m_insetFill = Aurora::black(0.22);
    // A card's sheen, top to bottom.
    Q_PROPERTY(QColor cardFillTop MEMBER m_cardFillTop CONSTANT)
    const QColor m_cardFillTop = Aurora::white(0.065);
    Q_PROPERTY(QColor cardFillBottom MEMBER m_cardFillBottom CONSTANT)
    const QColor m_cardFillBottom = Aurora::white(0.03);
    // The footer's sheen fades from this to sheenEnd, as the service icon's
    // gloss fades from iconGloss.
    Q_PROPERTY(QColor footerSheen MEMBER m_footerSheen CONSTANT)
    const QColor m_footerSheen = Aurora::white(0.03);
    Q_PROPERTY(QColor iconGloss MEMBER m_iconGloss CONSTANT)
    const QColor m_iconGloss = Aurora::white(0.2);
    Q_PROPERTY(QColor sheenEnd MEMBER m_sheenEnd CONSTANT)
    const QColor m_sheenEnd = Aurora::white(0);
    // The delta pill; a day of the month grid under the pointer.
    Q_PROPERTY(QColor subtleFill MEMBER m_subtleFill CONSTANT)
    const QColor m_subtleFill = Aurora::white(0.08);
    // Tags, a plan pill under the pointer, the foot of the segment pill.
    Q_PROPERTY(QColor raisedFill MEMBER m_raisedFill CONSTANT)
    const QColor m_raisedFill = Aurora::white(0.09);
    Q_PROPERTY(QColor segmentFillTop MEMBER m_segmentFillTop CONSTANT)
    const QColor m_segmentFillTop = Aurora::white(0.19);
    Q_PROPERTY(QColor pillFill MEMBER m_pillFill CONSTANT)
    const QColor m_pillFill = Aurora::white(0.05);
    // Result rows and plain buttons under the pointer or pressed.
    Q_PROPERTY(QColor hoverFill MEMBER m_hoverFill CONSTANT)
    const QColor m_hoverFill = Aurora::white(0.07);
    Q_PROPERTY(QColor rowHoverFill MEMBER m_rowHoverFill CONSTANT)
    const QColor m_rowHoverFill = Aurora::white(0.065);
    // Icon buttons, and the hover and press of every small button.
    Q_PROPERTY(QColor controlFill MEMBER m_controlFill CONSTANT)
    const QColor m_controlFill = Aurora::white(0.12);
    Q_PROPERTY(QColor controlFillHovered MEMBER m_controlFillHovered CONSTANT)
    const QColor m_controlFillHovered = Aurora::white(0.16);
    Q_PROPERTY(QColor controlFillPressed MEMBER m_controlFillPressed CONSTANT)
    const QColor m_controlFillPressed = Aurora::white(0.06);
    Q_PROPERTY(QColor settingsButtonFill MEMBER m_settingsButtonFill CONSTANT)
    const QColor m_settingsButtonFill = Aurora::white(0.11);
    Q_PROPERTY(QColor switchTrackOff MEMBER m_switchTrackOff CONSTANT)
    const QColor m_switchTrackOff = Aurora::white(0.16);
    Q_PROPERTY(QColor sliderTrack MEMBER m_sliderTrack CONSTANT)
    const QColor m_sliderTrack = Aurora::white(0.14);
    // The knob of a switch or a slider.
    Q_PROPERTY(QColor knob MEMBER m_knob CONSTANT)
    const QColor m_knob = Aurora::white(1);
    // A month's bar in the history chart.
    Q_PROPERTY(QColor barFill MEMBER m_barFill CONSTANT)
    const QColor m_barFill = Aurora::white(0.13);

    // Violet and its kin.
    // The panel's translucent gradient, top to bottom, and its glow.
    Q_PROPERTY(QColor panelFillTop MEMBER m_panelFillTop CONSTANT)
    const QColor m_panelFillTop = Aurora::withAlpha(Aurora::panelTop(), 0.62);
    Q_PROPERTY(QColor panelFillBottom MEMBER m_panelFillBottom CONSTANT)
    const QColor m_panelFillBottom = Aurora::withAlpha(Aurora::panelBottom(), 0.76);
    Q_PROPERTY(QColor panelGlow MEMBER m_panelGlow CONSTANT)
    const QColor m_panelGlow = Aurora::withAlpha(Aurora::violetDeep(), 0.34);
    Q_PROPERTY(QColor panelGlowEnd MEMBER m_panelGlowEnd CONSTANT)
    const QColor m_panelGlowEnd = Aurora::withAlpha(Aurora::violetDeep(), 0);
    // The selected plan pill.
    Q_PROPERTY(QColor selectedFill MEMBER m_selectedFill CONSTANT)
    const QColor m_selectedFill = Aurora::withAlpha(Aurora::violetDeep(), 0.22);
    Q_PROPERTY(QColor selectedBorder MEMBER m_selectedBorder CONSTANT)
    const QColor m_selectedBorder = Aurora::withAlpha(Aurora::violet(), 0.7);
    // The empty state's two cards and the glow of its symbol.
    Q_PROPERTY(QColor illustrationBack MEMBER m_illustrationBack CONSTANT)
    const QColor m_illustrationBack = Aurora::withAlpha(Aurora::violetDeep(), 0.16);
    Q_PROPERTY(QColor illustrationFront MEMBER m_illustrationFront CONSTANT)
    const QColor m_illustrationFront = Aurora::withAlpha(Aurora::violetDeep(), 0.3);
    Q_PROPERTY(QColor illustrationGlow MEMBER m_illustrationGlow CONSTANT)
    const QColor m_illustrationGlow = Aurora::withAlpha(Aurora::heroGlow(), 0.4);
    // The monthly total's wide and tight glows.
    Q_PROPERTY(QColor heroHalo MEMBER m_heroHalo CONSTANT)
    const QColor m_heroHalo = Aurora::withAlpha(Aurora::heroGlow(), 0.38);
    Q_PROPERTY(QColor heroHaloTight MEMBER m_heroHaloTight CONSTANT)
    const QColor m_heroHaloTight = Aurora::withAlpha(Aurora::heroGlow(), 0.18);
    // The trial badge.
    Q_PROPERTY(QColor trialFill MEMBER m_trialFill CONSTANT)
    const QColor m_trialFill = Aurora::withAlpha(Aurora::trialChip(), 0.14);
    Q_PROPERTY(QColor trialBorder MEMBER m_trialBorder CONSTANT)
    const QColor m_trialBorder = Aurora::withAlpha(Aurora::trialChip(), 0.32);

    // Shadows.
    Q_PROPERTY(QColor buttonShadow MEMBER m_buttonShadow CONSTANT)
    const QColor m_buttonShadow = Aurora::black(0.13);
    // Under the segmented control's pill.
    Q_PROPERTY(QColor pillShadow MEMBER m_pillShadow CONSTANT)
    const QColor m_pillShadow = Aurora::black(0.16);

    // The type scale, in pixels.
    // Tags and footnotes.
    Q_PROPERTY(int fontTiny MEMBER m_fontTiny CONSTANT)
    static constexpr int m_fontTiny = 9;
    // Section titles, chart captions, weekday names.
    Q_PROPERTY(int fontCaption MEMBER m_fontCaption CONSTANT)
    static constexpr int m_fontCaption = 10;
    // Subtitles, notes, the second line of a row.
    Q_PROPERTY(int fontSmall MEMBER m_fontSmall CONSTANT)
    static constexpr int m_fontSmall = 11;
    // Text in fields, pickers and small buttons; secondary lines.
    Q_PROPERTY(int fontBody MEMBER m_fontBody CONSTANT)
    static constexpr int m_fontBody = 12;
    // Names, button and switch labels, titles of overlays.
    Q_PROPERTY(int fontLabel MEMBER m_fontLabel CONSTANT)
    static constexpr int m_fontLabel = 13;
    // Headings, and the figures of stat cards.
    Q_PROPERTY(int fontTitle MEMBER m_fontTitle CONSTANT)
    static constexpr int m_fontTitle = 15;
    // The donut's total.
    Q_PROPERTY(int fontFigure MEMBER m_fontFigure CONSTANT)
    static constexpr int m_fontFigure = 21;
    // The monthly total.
    Q_PROPERTY(int fontHero MEMBER m_fontHero CONSTANT)
    static constexpr int m_fontHero = 40;

    // Symbols beside text and in buttons, in pixels.
    Q_PROPERTY(int symbolSmall MEMBER m_symbolSmall CONSTANT)
    static constexpr int m_symbolSmall = 12;
    Q_PROPERTY(int symbolMedium MEMBER m_symbolMedium CONSTANT)
    static constexpr int m_symbolMedium = 13;
    Q_PROPERTY(int symbolLarge MEMBER m_symbolLarge CONSTANT)
    static constexpr int m_symbolLarge = 14;

    // The spacing scale: gaps, paddings and margins.
    Q_PROPERTY(int spacingXXS MEMBER m_spacingXXS CONSTANT)
    static constexpr int m_spacingXXS = 2;
    Q_PROPERTY(int spacingXS MEMBER m_spacingXS CONSTANT)
    static constexpr int m_spacingXS = 4;
    Q_PROPERTY(int spacingS MEMBER m_spacingS CONSTANT)
    static constexpr int m_spacingS = 6;
    Q_PROPERTY(int spacingM MEMBER m_spacingM CONSTANT)
    static constexpr int m_spacingM = 8;
    Q_PROPERTY(int spacingL MEMBER m_spacingL CONSTANT)
    static constexpr int m_spacingL = 10;
    // The overlays' margins; a card's padding.
    Q_PROPERTY(int spacingXL MEMBER m_spacingXL CONSTANT)
    static constexpr int m_spacingXL = 12;
    // The main screen's margins.
    Q_PROPERTY(int spacingXXL MEMBER m_spacingXXL CONSTANT)
    static constexpr int m_spacingXXL = 16;
    // Above a section of the insights; above the monthly total.
    Q_PROPERTY(int spacingXXXL MEMBER m_spacingXXXL CONSTANT)
    static constexpr int m_spacingXXXL = 20;

    // Corner radii.
    Q_PROPERTY(int radiusTag MEMBER m_radiusTag CONSTANT)
    static constexpr int m_radiusTag = 4;
    // The highlighted option of a drop-down list.
    Q_PROPERTY(int radiusHighlight MEMBER m_radiusHighlight CONSTANT)
    static constexpr int m_radiusHighlight = 5;
    // The settings screen's small buttons.
    Q_PROPERTY(int radiusSmallButton MEMBER m_radiusSmallButton CONSTANT)
    static constexpr int m_radiusSmallButton = 6;
    // Icon and plain buttons, the segmented control's pill.
    Q_PROPERTY(int radiusButton MEMBER m_radiusButton CONSTANT)
    static constexpr int m_radiusButton = 7;
    // Text fields, pickers and their lists, notices.
    Q_PROPERTY(int radiusField MEMBER m_radiusField CONSTANT)
    static constexpr int m_radiusField = 8;
    // The prominent button, the segmented control.
    Q_PROPERTY(int radiusProminent MEMBER m_radiusProminent CONSTANT)
    static constexpr int m_radiusProminent = 9;
    // Plan pills, search results, the date popup.
    Q_PROPERTY(int radiusOption MEMBER m_radiusOption CONSTANT)
    static constexpr int m_radiusOption = 10;
    // A subscription's row in the list.
    Q_PROPERTY(int radiusListRow MEMBER m_radiusListRow CONSTANT)
    static constexpr int m_radiusListRow = 12;
    Q_PROPERTY(int radiusStatCard MEMBER m_radiusStatCard CONSTANT)
    static constexpr int m_radiusStatCard = 13;
    // The panel and its cards.
    Q_PROPERTY(int radiusCard MEMBER m_radiusCard CONSTANT)
    static constexpr int m_radiusCard = 14;

    // Sizes that controls share.
    // Text fields, pickers, date fields, and the captions beside them.
    Q_PROPERTY(int controlHeight MEMBER m_controlHeight CONSTANT)
    static constexpr int m_controlHeight = 26;
    // A line of a drop-down list; a switch with its label.
    Q_PROPERTY(int optionHeight MEMBER m_optionHeight CONSTANT)
    static constexpr int m_optionHeight = 24;
    Q_PROPERTY(int iconButtonSize MEMBER m_iconButtonSize CONSTANT)
    static constexpr int m_iconButtonSize = 28;
    // A service's icon: in the archived list, in results and the lifetime
    // list, in the subscription list.
    Q_PROPERTY(int serviceIconSmall MEMBER m_serviceIconSmall CONSTANT)
    static constexpr int m_serviceIconSmall = 24;
    Q_PROPERTY(int serviceIconMedium MEMBER m_serviceIconMedium CONSTANT)
    static constexpr int m_serviceIconMedium = 28;
    Q_PROPERTY(int serviceIconLarge MEMBER m_serviceIconLarge CONSTANT)
    static constexpr int m_serviceIconLarge = 32;

public:
    explicit Theme(QObject* parent = nullptr);
    ~Theme() override;

    static QColor panelTop() { return Aurora::panelTop(); }
    static QColor red() { return Aurora::red(); }
    static QColor redDeep() { return Aurora::redDeep(); }
    static QColor amber() { return Aurora::amber(); }
    static QColor violet() { return Aurora::violet(); }
    static QColor violetDeep() { return Aurora::violetDeep(); }
    static QColor textPrimary() { return Aurora::textPrimary(); }
    static QColor textTertiary() { return Aurora::textTertiary(); }

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
    // `colour` at `opacity`, for a colour that comes from data or a control.
    Q_INVOKABLE static QColor withAlpha(const QColor& colour, qreal opacity)
    {
        return Aurora::withAlpha(colour, opacity);
    }

Q_SIGNALS:
    void reduceMotionChanged();

private:
    ReduceMotion* m_reduceMotion;
};

}  // namespace tabrino
