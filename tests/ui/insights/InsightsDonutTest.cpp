// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/DonutGeometry.h"
#include "ui/insights/InsightsDonutPresenter.h"

#include "ui/design/Aurora.h"
#include "ui/insights/InsightsFixture.h"

#include "support/TestCatalogue.h"

#include <QPointF>
#include <QRegularExpression>

#include <cmath>
#include <numbers>

using namespace tabrino;
using test::dec;

namespace {

using Category = SubscriptionCategory;

QList<CategorySlice> slices(std::initializer_list<std::pair<Category, const char*>> totals)
{
    QList<CategorySlice> list;
    for (const auto& [category, total] : totals)
        list << CategorySlice{category, dec(total)};
    return list;
}

// Seven categories with spend, largest first.
QList<CategorySlice> seven(Category third = Category::Music, const char* smallest = "2.5")
{
    return slices({{Category::Streaming, "40"},
                   {Category::Software, "30"},
                   {third, "20"},
                   {Category::Cloud, "10"},
                   {Category::Fitness, "8"},
                   {Category::News, "5"},
                   {Category::Food, smallest}});
}

QStringList labels(const QList<InsightsDonutPresenter::RankedSlice>& ranked)
{
    QStringList names;
    for (const auto& slice : ranked)
        names << slice.label;
    return names;
}

constexpr double kCentre = DonutGeometry::kSize / 2;
constexpr double kDegree = std::numbers::pi / 180;

// The end points of every straight line and arc of an outline: where it
// goes, whatever the curve between.
QList<QPointF> endPoints(const QString& path)
{
    QList<QPointF> points;
    static const QRegularExpression command(QStringLiteral("([MLA])([^MLAZ]*)"));
    for (const QRegularExpressionMatch& match : command.globalMatch(path)) {
        const QStringList numbers = match.captured(2).split(u' ', Qt::SkipEmptyParts);
        if (numbers.size() >= 2)
            points << QPointF(numbers.at(numbers.size() - 2).toDouble(), numbers.last().toDouble());
    }
    return points;
}

double radiusOf(QPointF p)
{
    return std::hypot(p.x() - kCentre, p.y() - kCentre);
}

// Degrees clockwise from twelve o'clock.
double angleOf(QPointF p)
{
    const double angle = std::atan2(p.x() - kCentre, kCentre - p.y()) / kDegree;
    return angle < 0 ? angle + 360 : angle;
}

// How far `p` lies from the ray from the centre at `angle` degrees.
double distanceFromRay(QPointF p, double angle)
{
    const double a = angle * kDegree;
    return std::abs((p.x() - kCentre) * std::cos(a) + (p.y() - kCentre) * std::sin(a));
}

}  // namespace

TEST(RankedSlices, FiveByNameThenTheRestAsOther)
{
    const auto ranked = InsightsDonutPresenter::rankedSlices(seven());
    EXPECT_EQ(labels(ranked),
              (QStringList{u"Streaming"_qs, u"Software"_qs, u"Music"_qs, u"Cloud"_qs, u"Fitness"_qs, u"Other"_qs}));
    EXPECT_EQ(ranked.last().total, dec("7.5"));  // the two smallest together
    const QList<QColor> ramp = Aurora::donutRamp();
    for (qsizetype i = 0; i < ranked.size(); ++i)
        EXPECT_EQ(ranked.at(i).color, ramp.at(i)) << i;

    const auto six = InsightsDonutPresenter::rankedSlices(seven().first(6));
    ASSERT_EQ(six.size(), 6);
    EXPECT_EQ(six.last().label, u"Other");
    EXPECT_EQ(six.last().total, dec("5"));

    const auto five = InsightsDonutPresenter::rankedSlices(seven().first(5));
    EXPECT_EQ(labels(five), (QStringList{u"Streaming"_qs, u"Software"_qs, u"Music"_qs, u"Cloud"_qs, u"Fitness"_qs}));
    EXPECT_TRUE(InsightsDonutPresenter::rankedSlices({}).isEmpty());
}

TEST(RankedSlices, TheCategoryOtherAndTheRestAreTwoSlices)
{
    const auto ranked = InsightsDonutPresenter::rankedSlices(seven(Category::Other, "1"));
    EXPECT_EQ(labels(ranked),
              (QStringList{u"Streaming"_qs, u"Software"_qs, u"Other"_qs, u"Cloud"_qs, u"Fitness"_qs, u"Other"_qs}));
    EXPECT_EQ(ranked.at(2).total, dec("20"));
    EXPECT_EQ(ranked.at(5).total, dec("6"));
    EXPECT_NE(ranked.at(2).key, ranked.at(5).key);  // two rows, not one row twice

    // A language may name them apart.
    test::TestCatalogue german;
    german.add("Streaming", u"Video"_qs)
        .inContext("SubscriptionCategory", "Other", u"Sonstiges"_qs)
        .inContext("tabrino::InsightsDonutPresenter", "Other", u"Übrige"_qs);
    EXPECT_EQ(labels(InsightsDonutPresenter::rankedSlices(seven(Category::Other, "1"))),
              (QStringList{u"Video"_qs, u"Software"_qs, u"Sonstiges"_qs, u"Cloud"_qs, u"Fitness"_qs, u"Übrige"_qs}));
}

TEST(DonutGeometry, SectorAnglesFollowTheValues)
{
    const auto one = DonutGeometry::sectors({12.5});
    ASSERT_EQ(one.size(), 1);
    EXPECT_DOUBLE_EQ(one[0].startAngle, 0);
    EXPECT_DOUBLE_EQ(one[0].endAngle, 360);
    EXPECT_TRUE(one[0].isFullRing);
    EXPECT_EQ(one[0].path.count(u'M'), 2);  // the outer and the inner circle, no edges

    const auto two = DonutGeometry::sectors({30, 10});
    ASSERT_EQ(two.size(), 2);
    EXPECT_DOUBLE_EQ(two[0].endAngle, 270);
    EXPECT_DOUBLE_EQ(two[1].startAngle, 270);
    EXPECT_DOUBLE_EQ(two[1].endAngle, 360);
    EXPECT_FALSE(two[0].isFullRing);

    const auto six = DonutGeometry::sectors({1, 1, 1, 1, 1, 1});
    ASSERT_EQ(six.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(six[i].startAngle, 60 * i, 1e-9) << i;
        EXPECT_NEAR(six[i].endAngle, 60 * (i + 1), 1e-9) << i;
    }

    const auto seven = DonutGeometry::sectors({7, 6, 5, 4, 3, 2, 1});  // 28 in all
    ASSERT_EQ(seven.size(), 7);
    EXPECT_NEAR(seven[0].endAngle, 90, 1e-9);
    EXPECT_NEAR(seven[3].startAngle, 360.0 * 18 / 28, 1e-9);
    EXPECT_NEAR(seven[6].startAngle, 360.0 * 27 / 28, 1e-9);
    EXPECT_NEAR(seven[6].endAngle, 360, 1e-9);

    EXPECT_TRUE(DonutGeometry::sectors({}).isEmpty());
    EXPECT_TRUE(DonutGeometry::sectors({0, 0}).isEmpty());
    const auto withNothing = DonutGeometry::sectors({5, 0});  // one share: a full ring, the empty one no shape
    EXPECT_TRUE(withNothing[0].isFullRing);
    EXPECT_TRUE(withNothing[1].path.isEmpty());
}

TEST(DonutGeometry, NeighboursAreAnEvenGapApartWithRoundedCorners)
{
    const auto sectors = DonutGeometry::sectors({1, 1, 1, 1});
    const double outer = DonutGeometry::outerRadius();
    const double inner = DonutGeometry::innerRadius();
    EXPECT_DOUBLE_EQ(inner, 66 * 0.72);
    for (const auto& sector : sectors) {
        EXPECT_DOUBLE_EQ(sector.edgeOffset, 0.6);
        EXPECT_DOUBLE_EQ(sector.cornerRadius, 2);
        EXPECT_TRUE(sector.path.contains(u"A2.000 2.000 0 0 1"));
        // The rounding leaves each circle where a circle of radius 2 touching
        // both the edge and the circle does.
        EXPECT_NEAR(sector.outerStart - sector.startAngle, std::asin(2.6 / (outer - 2)) / kDegree, 1e-9);
        EXPECT_NEAR(sector.endAngle - sector.innerEnd, std::asin(2.6 / (inner + 2)) / kDegree, 1e-9);
        const QList<QPointF> points = endPoints(sector.path);
        ASSERT_EQ(points.size(), 9);
        for (QPointF p : points) {
            EXPECT_GE(radiusOf(p), inner - 1e-3);
            EXPECT_LE(radiusOf(p), outer + 1e-3);
        }
        // The straight edges run 0.6 inside the boundary at both ends, so two
        // neighbours leave a gap of 1.2 along its whole length.
        EXPECT_NEAR(distanceFromRay(points[0], sector.startAngle), 0.6, 1e-3);
        EXPECT_NEAR(distanceFromRay(points[1], sector.startAngle), 0.6, 1e-3);
        EXPECT_NEAR(distanceFromRay(points[4], sector.endAngle), 0.6, 1e-3);
        EXPECT_NEAR(distanceFromRay(points[5], sector.endAngle), 0.6, 1e-3);
    }
}

TEST(DonutGeometry, AThinSliceIsASliverNeverTurnedInsideOut)
{
    const auto sectors = DonutGeometry::sectors({999, 1});  // the second is 0.1 % of the total
    const DonutGeometry::Sector& thin = sectors[1];
    EXPECT_NEAR(thin.endAngle - thin.startAngle, 0.36, 1e-9);
    EXPECT_GT(thin.edgeOffset, 0);
    EXPECT_LT(thin.edgeOffset, 0.6);
    EXPECT_LT(thin.cornerRadius, 2);
    EXPECT_GE(thin.cornerRadius, 0);
    // Its corners may meet but never cross, its straight edges keep at least
    // half its angle apart at the inner circle, and it stays inside its share.
    EXPECT_LE(thin.outerStart, thin.outerEnd + 1e-9);
    EXPECT_LE(thin.innerStart, thin.innerEnd + 1e-9);
    const QList<QPointF> points = endPoints(thin.path);
    ASSERT_EQ(points.size(), 9);
    EXPECT_GE(angleOf(points[5]) - angleOf(points[0]), 0.18 - 2e-3);  // the path is written to 0.001
    EXPECT_GT(angleOf(points[4]) - angleOf(points[1]), 0.18);
    for (QPointF p : points) {
        EXPECT_GE(angleOf(p), thin.startAngle - 1e-6);
        EXPECT_LE(angleOf(p), thin.endAngle + 1e-6);
    }
    // Its large neighbour keeps the full gap and corners, and its long arc.
    EXPECT_DOUBLE_EQ(sectors[0].edgeOffset, 0.6);
    EXPECT_DOUBLE_EQ(sectors[0].cornerRadius, 2);
    EXPECT_TRUE(sectors[0].path.contains(QStringLiteral("A66.000 66.000 0 1 1")));
}

namespace {

class InsightsDonutTest : public test::InsightsFixture {
protected:
    InsightsDonutPresenter donut;
};

}  // namespace

TEST_F(InsightsDonutTest, RowsAndTotalFollowTheStoreInPlace)
{
    addNamed("Netflix", "15.49", Category::Streaming);
    Subscription* gym = addNamed("Gym", "40", Category::Fitness);
    donut.setStore(store.get());
    watch(donut.rows());
    EXPECT_EQ(donut.totalText(), u"$55");
    EXPECT_EQ(donut.totalAccessibilityText(), u"$55 per month");
    EXPECT_EQ(column(donut.rows(), &DonutSliceRow::label), (QStringList{u"Fitness"_qs, u"Streaming"_qs}));
    EXPECT_EQ(column(donut.rows(), &DonutSliceRow::legendAmount), (QStringList{u"$40.00"_qs, u"$15.49"_qs}));
    EXPECT_EQ(column(donut.rows(), &DonutSliceRow::accessibilityText),
              (QStringList{u"Fitness, $40"_qs, u"Streaming, $15.49"_qs}));
    EXPECT_EQ(donut.rows()->rows().at(0).color, Aurora::donutRamp().at(0));

    // The streaming slice overtakes: the rows move and keep their keys.
    gym->setPrice(dec("10"));
    settle();
    EXPECT_EQ(column(donut.rows(), &DonutSliceRow::label), (QStringList{u"Streaming"_qs, u"Fitness"_qs}));
    EXPECT_EQ(donut.rows()->rows().at(0).color, Aurora::donutRamp().at(0));
    EXPECT_EQ(resets->count() + removals->count() + insertions->count(), 0);

    settings.setDefaultCurrencyCode(u"EUR"_qs);
    EXPECT_EQ(donut.totalText(), u"€25");
    EXPECT_EQ(column(donut.rows(), &DonutSliceRow::legendAmount), (QStringList{u"€15.49"_qs, u"€10.00"_qs}));

    store->archive(gym);
    settle();
    EXPECT_EQ(column(donut.rows(), &DonutSliceRow::label), (QStringList{u"Streaming"_qs}));
    EXPECT_EQ(removals->count(), 1);
}
