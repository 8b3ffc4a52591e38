#pragma once
// A calculator screen's result boxes as "Copy results" hands them to another
// program: each box's caption, without the padding that lays it out on the
// screen, beside the text the box shows. As tab-separated lines a spreadsheet
// or a text editor takes them; as an HTML table a word processor does.

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/choices.h"
#include "core/calc/schedule.h"
#include "core/format/catalogue.h"
#include "core/forms/afford_form.h"

namespace amortix {

struct ResultLine {
    std::string caption;  // a heading or a sentence alone when `value` is empty
    std::string value;
    bool heading = false;  // a panel's title above its boxes

    bool operator==(const ResultLine&) const = default;
};

// A caption as one line of words: the blanks that place it on the screen
// collapsed, a word broken over two lines ("pay-     ments") whole again.
std::string PlainCaption(std::string_view caption);

// The tables screen's eight result boxes, in the screen's order; none while
// `result` holds no results. Captions and words in the language of `words`.
std::vector<ResultLine> TablesResultLines(const ScheduleResult& result, std::string_view currencySymbol,
                                          const Catalogue& words = EnglishCatalogue());

// The comparison screen's two boxes of the last row, as they show; none when
// both are empty.
std::vector<ResultLine> ComparisonResultLines(std::string_view rateFactorText, std::string_view daysText,
                                              const Catalogue& words = EnglishCatalogue());

// The affordability screen's two panels, each under its title, with the
// lists' choices, and the message line when one is shown.
std::vector<ResultLine> AffordResultLines(const AffordForm& form, Compounding compounding,
                                          Frequency frequency, const Catalogue& words = EnglishCatalogue());

// Caption TAB value, one line each ending in LF; a line without a value is
// its caption alone.
std::string ResultLinesText(const std::vector<ResultLine>& lines);
// A two-column table; headings span both columns.
std::string ResultLinesHtml(const std::vector<ResultLine>& lines);

}  // namespace amortix
