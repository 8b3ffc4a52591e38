#pragma once
// The tables an export writes, made from the calculations' own figures (never
// from the texts a screen shows): the schedule, the comparison's rows and the
// affordability figures, each with its inputs and results.

#include <string>
#include <vector>

#include "core/calc/afford.h"
#include "core/calc/comparison.h"
#include "core/calc/schedule.h"
#include "core/export/table.h"
#include "core/format/messages.h"

namespace amortix {

// A calculated schedule and what it was calculated from.
struct ScheduleExport {
    const ScheduleInputs& inputs;
    const ScheduleResult& result;
    // Every message raised on the way, in order (the result's own included).
    std::vector<Message> messages;
};

// The inputs and results, one a row.
Table ScheduleSummaryTable(const ScheduleExport& schedule);
// The rows of the view shown (every payment or the year totals, as far as the
// term shown reaches); none when nothing was calculated.
Table ScheduleRowsTable(const ScheduleResult& result);
// Summary, Schedule, and Rate changes when there are any.
std::vector<Table> ScheduleSheets(const ScheduleExport& schedule);

// The figures of the comparison's rows, in order. A row opened from a file has
// only its texts and is left out: calculating it again gives it figures.
std::vector<ComparisonRow> ComparisonRowsOf(const ComparisonState& state);
// One row a comparison row, its inputs and results.
Table ComparisonRowsTable(const std::vector<ComparisonRow>& rows);
// Comparison, Additional payments, and Rate changes when any row has some.
std::vector<Table> ComparisonSheets(const std::vector<ComparisonRow>& rows);

// The columns of a rate-change listing, and the cells of one change under them.
std::vector<std::string> RateChangeHeaders();
std::vector<Cell> RateChangeCells(const AppliedRateChange& change);
// Each message as a field: "Message N" and its text.
Record MessageFields(const std::vector<Message>& messages);

// One run of the affordability solver: the lists and the figure to find as
// given, and the figures the run left.
struct AffordExport {
    AffordInputs inputs;
    AffordResult result;
};

// The figures in the screen's order; a figure the run emptied (failed) is an
// empty cell, and the message line follows.
Record AffordRecord(const AffordExport& afford);

}  // namespace amortix
