// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// What a date field shows and how it changes: the date in the user's short
// format (with the whole year), a typed date read back in that format, and
// the month grid's cursor, which the keyboard moves by days and months
// before a day is picked. Picking a day keeps the time of day, so only the
// calendar date of the instant changes.
class DateFieldPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QDateTime date READ date WRITE setDate NOTIFY dateChanged)
    Q_PROPERTY(QString text READ text NOTIFY dateChanged)
    Q_PROPERTY(QString spokenText READ spokenText NOTIFY dateChanged)
    // The picked day and the cursor's day, months 0-based as the month grid counts them.
    Q_PROPERTY(int year READ year NOTIFY dateChanged)
    Q_PROPERTY(int month READ month NOTIFY dateChanged)
    Q_PROPERTY(int day READ day NOTIFY dateChanged)
    Q_PROPERTY(int cursorYear READ cursorYear NOTIFY cursorChanged)
    Q_PROPERTY(int cursorMonth READ cursorMonth NOTIFY cursorChanged)
    Q_PROPERTY(int cursorDay READ cursorDay NOTIFY cursorChanged)
    Q_PROPERTY(QString cursorSpokenText READ cursorSpokenText NOTIFY cursorChanged)
    // The cursor's month as the grid shows it: its name and year, and six
    // weeks of days from the locale's first weekday on, each
    // { day, inMonth, isToday, isPicked, isCursor }.
    Q_PROPERTY(QString monthTitle READ monthTitle NOTIFY cursorChanged)
    Q_PROPERTY(QVariantList days READ days NOTIFY cursorChanged)

public:
    explicit DateFieldPresenter(QObject* parent = nullptr);
    // A fixed calendar and locale, for tests.
    DateFieldPresenter(const Calendar& calendar, const QLocale& locale, QObject* parent = nullptr);

    QDateTime date() const { return m_date; }
    void setDate(const QDateTime& date);
    QString text() const;
    QString spokenText() const;
    int year() const { return localDate().year(); }
    int month() const { return localDate().month() - 1; }
    int day() const { return localDate().day(); }
    int cursorYear() const { return m_cursor.year(); }
    int cursorMonth() const { return m_cursor.month() - 1; }
    int cursorDay() const { return m_cursor.day(); }
    QString cursorSpokenText() const;
    QString monthTitle() const;
    QVariantList days() const;

    // The grid opens on the picked day.
    Q_INVOKABLE void resetCursor();
    // Arrows: by days; Page Up and Down: by months, kept inside the month.
    Q_INVOKABLE void moveCursorDays(int days);
    Q_INVOKABLE void moveCursorMonths(int months);
    // The cursor's day becomes the date.
    Q_INVOKABLE void pickCursor();
    // The grid's day at this place (0 ... 41) becomes the date.
    Q_INVOKABLE void pickCell(int index);
    // A typed date in the locale's short format (two- or four-digit year) or
    // as yyyy-MM-dd; false, and no change, for anything else.
    Q_INVOKABLE bool parse(const QString& text);

    // The locale's short date format with the year written in full.
    static QString displayFormat(const QLocale& locale);

Q_SIGNALS:
    void dateChanged();
    void cursorChanged();

private:
    QDate localDate() const;
    void setDay(const QDate& day);
    std::optional<QDate> readDate(const QString& text) const;
    QDate firstCell() const;
    void moveCursorTo(const QDate& day);

    Calendar m_calendar;
    QLocale m_locale;
    QDateTime m_date;
    QDate m_cursor;
};

}  // namespace tabrino
