#include "model/CycleWalker.h"

namespace tabrino {

CycleWalker::CycleWalker(const BillingCycle& cycle, const Calendar& calendar)
    : m_step(cycle.calendarStep()), m_calendar(calendar)
{
}

QDateTime CycleWalker::step(const QDateTime& date) const
{
    return m_calendar.adding(m_step.unit, m_step.count, date).value_or(date);
}

CycleWalker::Walk CycleWalker::walk(const QDateTime& start, const QDateTime& bound, bool inclusive,
                                    qint64 limit) const
{
    Walk result;
    result.cursor = start;
    while (result.steps < limit) {
        const QDateTime next = step(result.cursor);
        if (next <= result.cursor) {
            result.stop = Stop::NoProgress;
            return result;
        }
        if (inclusive ? next > bound : next >= bound) {
            result.next = next;
            result.stop = Stop::Bound;
            return result;
        }
        result.cursor = next;
        ++result.steps;
    }
    result.stop = Stop::Limit;
    return result;
}

}  // namespace tabrino
