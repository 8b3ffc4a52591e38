#pragma once
// What the tables screen shows for a schedule, for tests that compare texts,
// and a schedule row's figures by the old column numbers the pinned tables of
// the tests were written in (1 number, 2 interest, 3 principal, 4 balance,
// 5 and 6 the running sums).

#include <memory>
#include <string>

#include "core/calc/schedule.h"
#include "core/forms/schedule_texts.h"

namespace amortix::testing {

inline ScheduleBoxTexts Texts(const ScheduleResult& r, std::string_view symbol = "$") {
    return BoxTexts(r, symbol);
}

inline ScheduleGrid Grid(const ScheduleResult& r, std::string symbol = "$", DateFormatter format = {}) {
    return ScheduleGrid(std::make_shared<const ScheduleResult>(r), std::move(symbol), std::move(format));
}

inline double Column(const ScheduleRow& row, int column) {
    switch (column) {
        case 0:
            return row.year;
        case 1:
            return static_cast<double>(row.number);
        case 2:
            return row.interest.ToDouble();
        case 3:
            return row.principal.ToDouble();
        case 4:
            return row.balance.ToDouble();
        case 5:
            return row.cumulativeInterest.ToDouble();
        case 6:
            return row.cumulativePrincipal.ToDouble();
        default:
            return row.date;
    }
}

// Row `row` of the view's rows; past the end, an empty row, as the fixed
// table of earlier versions read.
inline double Cell(const ScheduleResult& r, long row, int column) {
    return row >= 0 && static_cast<std::size_t>(row) < r.rows.size()
               ? Column(r.rows[static_cast<std::size_t>(row)], column)
               : 0.0;
}

}  // namespace amortix::testing
