// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsRowsModel.h"

#include "ui/insights/InsightsFixture.h"

using namespace tabrino;

namespace {

class InsightsRowsModelTest : public test::InsightsFixture {
protected:
    InsightsRowsModelTest() { watch(&model); }

    static QList<InsightsRowsModel::Row> rows(std::initializer_list<std::pair<const char*, int>> keyed)
    {
        QList<InsightsRowsModel::Row> list;
        for (const auto& [key, number] : keyed)
            list << InsightsRowsModel::Row{QString::fromLatin1(key), {number, QString::number(number)}};
        return list;
    }

    InsightsRowsModel model{{"number", "text"}};
};

}  // namespace

TEST_F(InsightsRowsModelTest, KeysMoveComeAndGoWithoutAReset)
{
    model.setRows(rows({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}));
    EXPECT_EQ(column(&model, "key"), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));

    QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);
    insertions->clear();
    model.setRows(rows({{"d", 4}, {"e", 5}, {"b", 20}, {"a", 1}}));
    EXPECT_EQ(column(&model, "key"), (QStringList{u"d"_qs, u"e"_qs, u"b"_qs, u"a"_qs}));
    EXPECT_EQ(column(&model, "text"), (QStringList{u"4"_qs, u"5"_qs, u"20"_qs, u"1"_qs}));
    EXPECT_EQ(removals->count(), 1);    // c
    EXPECT_EQ(insertions->count(), 1);  // e
    EXPECT_GE(moves.count(), 1);
    EXPECT_EQ(resets->count(), 0);
    // Only b's values changed, in both roles.
    ASSERT_EQ(changes->count(), 1);
    EXPECT_EQ(changes->at(0).at(0).toModelIndex().row(), 2);
    EXPECT_EQ(changes->at(0).at(2).value<QList<int>>().size(), 2);

    changes->clear();
    model.setRows(rows({{"d", 4}, {"e", 5}, {"b", 20}, {"a", 1}}));  // the same again: nothing to say
    EXPECT_EQ(changes->count(), 0);

    model.setRows({});
    EXPECT_EQ(model.count(), 0);
    EXPECT_TRUE(model.get(0).isEmpty());
}
