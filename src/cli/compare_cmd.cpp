// amortix-cli compare: rows of the comparison screen, calculated one after
// another as if each were entered and Calculate pressed.

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/comparison.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/print/line_printer.h"
#include "core/print/report.h"

namespace amortix::cli {

namespace {

struct CompareOptions {
    std::vector<std::string> rows;
    std::string currency = "$";
    std::string format = "text";
    ReportOptions report;
};

// One --row's options, read by a parser of their own.
TableOptions ParseRow(const std::string& text) {
    TableOptions o;
    CLI::App parser{"comparison row", "--row"};
    parser.set_help_flag();
    AddTableOptions(parser, o);
    parser.remove_option(parser.get_option("--currency"));  // one symbol for the whole comparison
    try {
        parser.parse(text, false);
    } catch (const CLI::ParseError& e) {
        throw UsageError("--row '" + text + "': " + e.what());
    }
    return o;
}

ComparisonInputs RowInputs(const TableOptions& o, const std::string& currency,
                           std::vector<Message>& messages) {
    ComparisonInputs in;  // the screen's opening figures
    in.principal = o.principal.value_or(in.principal);
    in.ratePercent = o.rate.value_or(in.ratePercent);
    in.years = MortgageYears(o.years.value_or(in.years));
    in.compounding = CompoundingOption(o.compounding);
    in.frequency = FrequencyOption(o.frequency);
    in.dayBasis = DayBasisFrom(o);
    in.extra = AdditionalPaymentsFrom(o, in.years, messages);
    in.currencySymbol = currency;
    return in;
}

// Short column titles for a terminal; the grid's own headers wrap in a tall row.
constexpr std::array<const char*, kGrid1Columns> kTextHeaders = {
    "Row",     "Days",      "Compounding", "Frequency", "Period", "Retired",
    "Pmts/yr", "Principal", "Rate",        "Payment",   "Incr %", "Total interest"};

// The rows that hold any text, as right-aligned columns.
void PrintGrid(const TextTable& cells) {
    std::vector<const std::vector<std::string>*> shown;
    for (const auto& row : cells)
        if (std::any_of(row.begin(), row.end(), [](const std::string& c) { return !c.empty(); }))
            shown.push_back(&row);
    std::vector<std::size_t> widths;
    for (const auto* row : shown)
        for (std::size_t c = 0; c < row->size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], static_cast<std::size_t>(TextColumns((*row)[c])));
        }
    for (const auto* row : shown) {
        std::string line;
        for (std::size_t c = 0; c < row->size(); ++c) {
            if (widths[c] == 0) continue;
            line.append("  ");
            line.append(RightJustify((*row)[c], static_cast<int>(widths[c])));
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << line << '\n';
    }
}

TextTable Grid1Cells(const ComparisonState& s) {
    TextTable cells;
    for (const auto& row : s.grid1) cells.emplace_back(row.begin(), row.end());
    return cells;
}

}  // namespace

Runner AddCompareCommand(CLI::App& app) {
    auto options = std::make_shared<CompareOptions>();
    CLI::App* cmd = app.add_subcommand("compare", "Mortgage comparison, one row per --row");
    cmd->add_option("--row", options->rows,
                    "Options of one row (repeatable): --principal --rate --years --compounding --frequency "
                    "--days/--days-typed --extra --extra-month --increase")
        ->required()
        ->allow_extra_args(false);
    cmd->add_option("--currency", options->currency, "Currency symbol");
    cmd->add_option("--format", options->format, "text, json or report (the printed report)")
        ->check(CLI::IsMember({"text", "json", "report"}));
    options->report.Add(*cmd);
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        options->report.Check(options->format);
        // Every row is read before any is calculated, so a bad one prints nothing.
        std::vector<Message> messages;
        std::vector<ComparisonInputs> rows;
        std::vector<std::vector<Message>> rowMessages;
        for (const std::string& text : options->rows) {
            std::vector<Message> before;
            rows.push_back(RowInputs(ParseRow(text), options->currency, before));
            rowMessages.push_back(std::move(before));
        }

        Comparison comparison;
        std::string inDays, periodicR;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            messages.insert(messages.end(), rowMessages[r].begin(), rowMessages[r].end());
            const ComparisonRun run = comparison.Calculate(rows[r]);
            messages.insert(messages.end(), run.messages.begin(), run.messages.end());
            if (run.labelsSet) {
                inDays = run.InDays;
                periodicR = run.PeriodicR;
            }
        }
        const ComparisonState& s = comparison.State();

        if (options->format == "report")
            return EmitReport(RenderComparisonReport(PrintDataFor(s, options->report.HeaderLine()),
                                                     options->report.FontChoice()),
                              messages);
        if (options->format == "json") {
            std::cout << Json{{"messages", MessagesJson(messages)},
                              {"MCGrid1", Grid1Cells(s)},
                              {"MCGrid2", s.grid2},
                              {"InDays", inDays},
                              {"PeriodicR", periodicR},
                              {"printout", s.printout},
                              {"graph", GraphJson(comparison.Graph())}}
                             .dump(2)
                      << '\n';
            return 0;
        }
        TextTable grid1 = Grid1Cells(s);
        grid1[0].assign(kTextHeaders.begin(), kTextHeaders.end());
        PrintGrid(grid1);
        if (s.listingIndex > 0) {
            std::cout << "\n* Additional payments applied\n";
            PrintGrid(s.grid2);
        }
        std::cout << '\n'
                  << "Days in year: " << inDays << '\n'
                  << "Interest rate factor: " << periodicR << '\n';
        PrintMessages(std::cout, messages);
        return 0;
    };
}

}  // namespace amortix::cli
