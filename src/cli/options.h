#pragma once
// Options shared by the commands that describe one mortgage or loan.

#include <CLI/CLI.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calc/schedule.h"

namespace amortix::cli {

// A semantic error in the options: reported on standard error, exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The inputs of the tables and comparison screens as options.
struct TableOptions {
    std::optional<double> principal;
    std::optional<double> rate;
    std::optional<double> years;
    std::optional<double> months;
    std::string compounding = "monthly";
    std::string frequency = "monthly";
    std::optional<std::string> days;
    std::optional<double> daysTyped;
    std::optional<double> increase;
    std::vector<std::string> extra;
    std::optional<int> extraMonth;
    std::vector<std::string> rateChanges;   // YEAR[/MONTH]:RATE[:keep]
    std::optional<std::string> extraEvery;  // AMOUNT[:FROM_YEAR[/MONTH][:TO_YEAR[/MONTH]]]
    std::vector<std::string> extraOnce;     // YEAR/MONTH:AMOUNT
    std::string prepayment = "shorten";
    std::optional<double> prepayLimit;    // percent of the principal a year
    std::optional<double> increaseLimit;  // percent of the payment
    std::string rounding = "exact";
    std::string currency = "$";
};

// Registers the options both commands take.
void AddTableOptions(CLI::App& app, TableOptions& options);

// Checks of a number that name the limit in words: CLI11's own ranges print
// the largest double in full.
CLI::Validator NotNegative();  // "must be 0 or more"
CLI::Validator Positive();     // "must be more than 0"
// Text the JSON output can carry: UTF-8.
CLI::Validator Utf8Text();
// The parts of them other commands share: --compounding and --frequency;
// --days and --days-typed.
void AddListOptions(CLI::App& app, TableOptions& options);
void AddDayBasisOptions(CLI::App& app, TableOptions& options);

// --header and --font of the commands that print a report.
struct ReportOptions {
    std::string header;
    std::string font = "standard";
    CLI::Option* headerOption = nullptr;
    CLI::Option* fontOption = nullptr;

    void Add(CLI::App& app);
    // Refuses --header and --font with another format, and the header "1",
    // which is how a cancelled header dialog answers.
    void Check(const std::string& format) const;
    std::string HeaderLine() const;
    std::int16_t FontChoice() const;
};

// The choices the option names stand for.
Compounding CompoundingOption(const std::string& name);
Frequency FrequencyOption(const std::string& name);
DayBasis DayBasisFrom(const TableOptions& options);

// A mortgage's --years: a period beyond the engine's limit is handed on, so
// the calculation reports it as the screen does (message 5); one that cannot
// be a period at all (beyond kMortgageYearLimit by far, or not a number) is a
// usage error.
double MortgageYears(double years);

// Fills the additional payments for a period of `years`; messages the screen
// would raise (PercentLimit above 100) are appended to `messages`.
// The --rate-change options; their ranges are the calculation's own
// (message 46), so the window and the command line agree. A malformed one is
// a UsageError.
std::vector<RateChange> RateChangesFrom(const TableOptions& options);

AdditionalPayments AdditionalPaymentsFrom(const TableOptions& options, double years,
                                          std::vector<Message>& messages);

// --extra-every, --extra-once, --prepayment, --prepay-limit and
// --increase-limit; their ranges are the calculation's own (message 49). A
// malformed one is a UsageError.
Prepayments PrepaymentsFrom(const TableOptions& options);

}  // namespace amortix::cli
