// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsRowsModel.h"

#include "ui/insights/InsightsFixture.h"

using namespace tabrino;

namespace {

// A row type as the blocks declare theirs: a key, and the roles as
// properties, one of them read through a getter.
struct Numbered {
    Q_GADGET
    Q_PROPERTY(int number MEMBER number)
    Q_PROPERTY(QString text READ text)

public:
    QString key;
    int number = 0;
    QString text() const { return QString::number(number); }

    friend bool operator==(const Numbered&, const Numbered&) = default;
};

class InsightsRowsModelTest : public test::InsightsFixture {
protected:
    InsightsRowsModelTest() { watch(&model); }

    static QList<Numbered> rows(std::initializer_list<std::pair<const char*, int>> keyed)
    {
        QList<Numbered> list;
        for (const auto& [key, number] : keyed)
            list << Numbered{QString::fromLatin1(key), number};
        return list;
    }

    QStringList texts() const
    {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row)
            values << model.data(model.index(row), textRole).toString();
        return values;
    }

    InsightsRows<Numbered> model;
    const int textRole = model.roleNames().key("text");
};

}  // namespace

TEST_F(InsightsRowsModelTest, TheRolesAreTheRowTypesProperties)
{
    model.setRows(rows({{"a", 7}}));
    EXPECT_EQ(model.roleNames().size(), 2);
    const int numberRole = model.roleNames().key("number");
    EXPECT_NE(numberRole, textRole);
    EXPECT_EQ(model.data(model.index(0), numberRole), QVariant(7));
    EXPECT_EQ(model.data(model.index(0), textRole), QVariant(u"7"_qs));
    EXPECT_EQ(model.get(0), (QVariantMap{{u"number"_qs, 7}, {u"text"_qs, u"7"_qs}}));
    EXPECT_FALSE(model.data(model.index(0), Qt::DisplayRole).isValid());
}

TEST_F(InsightsRowsModelTest, KeysMoveComeAndGoWithoutAReset)
{
    model.setRows(rows({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}));
    EXPECT_EQ(texts(), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));

    QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);
    insertions->clear();
    model.setRows(rows({{"d", 4}, {"e", 5}, {"b", 20}, {"a", 1}}));
    EXPECT_EQ(texts(), (QStringList{u"4"_qs, u"5"_qs, u"20"_qs, u"1"_qs}));
    EXPECT_EQ(model.rows(), rows({{"d", 4}, {"e", 5}, {"b", 20}, {"a", 1}}));
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

    model.clear();
    EXPECT_EQ(model.count(), 0);
    EXPECT_TRUE(model.get(0).isEmpty());
}

#include "InsightsRowsModelTest.moc"
