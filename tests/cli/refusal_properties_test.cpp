// The command line refuses what the window refuses, with the same numbered
// messages: random figures in and out of range (principal, rate, a
// mortgage's years or a loan's months, rate changes), the window's messages
// worked out by the engine's own checks, the command line's read from its
// JSON. Each case is a process, so the count stays small in the test run.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/calc/limits.h"
#include "core/forms/tables_form.h"

namespace amortix {
namespace {

struct Figures {
    TableKind mode = TableKind::Mortgage;
    double principal = 0;
    double ratePercent = 0;
    double period = 0;  // a mortgage's years, a loan's months
    std::vector<RateChange> changes;
};

std::string Decimals(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Whole units, hundredths or thousandths of them, from `lo` to `hi` (both
// included), as the generator of a figure typed to that many decimals.
rc::Gen<double> Typed(std::int64_t lo, std::int64_t hi, double unit) {
    return rc::gen::map(rc::gen::inRange<std::int64_t>(lo, hi + 1),
                        [unit](std::int64_t n) { return static_cast<double>(n) / unit; });
}

Figures AnyFigures() {
    Figures f;
    f.mode = *rc::gen::element(TableKind::Mortgage, TableKind::PersonalLoan);
    f.principal = *rc::gen::weightedOneOf<double>({{6, Typed(1, 999'999'999, 100)},
                                                   {1, rc::gen::just(0.0)},
                                                   {2, Typed(1'000'000'000, 100'000'000'000, 100)}});
    f.ratePercent = *rc::gen::weightedOneOf<double>({{6, Typed(0, 100'000, 1000)},
                                                     {2, Typed(100'001, 10'000'000, 1000)},
                                                     {1, Typed(-100'000, -1, 1000)}});
    const std::int64_t top = f.mode == TableKind::Mortgage ? 40 : 480;
    // Whole as the box takes them, to the hundredth as the option does, and
    // near the limit most of all.
    f.period = *rc::gen::weightedOneOf<double>({{4, Typed(0, top, 1)},
                                                {1, Typed(top + 1, 2 * top, 1)},
                                                {2, Typed(0, 150 * top, 100)},
                                                {2, Typed(100 * top - 100, 100 * top + 100, 100)}});
    const int count =
        *rc::gen::weightedOneOf<int>({{6, rc::gen::inRange(0, 4)}, {1, rc::gen::inRange(19, 23)}});
    for (int c = 0; c < count; ++c) {
        RateChange change;
        change.year = static_cast<std::int16_t>(
            *rc::gen::weightedOneOf<int>({{8, rc::gen::inRange(1, 41)}, {1, rc::gen::inRange(-2, 46)}}));
        change.month = static_cast<std::int16_t>(
            *rc::gen::weightedOneOf<int>({{8, rc::gen::inRange(1, 13)}, {1, rc::gen::inRange(0, 14)}}));
        change.ratePercent =
            *rc::gen::weightedOneOf<double>({{8, Typed(0, 30'000, 1000)}, {1, Typed(-5000, 110'000, 1000)}});
        change.payment = *rc::gen::element(RateChangePayment::Recalculate, RateChangePayment::Keep);
        f.changes.push_back(change);
    }
    return f;
}

std::string Arguments(const Figures& f) {
    const bool mortgage = f.mode == TableKind::Mortgage;
    // Every value after "=", so that a minus sign is not taken for an option.
    std::string args = std::string("schedule --format json --mode=") + (mortgage ? "mortgage" : "loan") +
                       " --principal=" + Decimals(f.principal, 2) + " --rate=" + Decimals(f.ratePercent, 3) +
                       (mortgage ? " --years=" : " --months=") + Decimals(f.period, 2);
    for (const RateChange& c : f.changes) {
        args += " --rate-change=" + std::to_string(c.year) + "/" + std::to_string(c.month) + ":" +
                Decimals(c.ratePercent, 3);
        if (c.payment == RateChangePayment::Keep) args += ":keep";
    }
    return args;
}

// What the window says, in its order: the boxes as each figure is left (the
// principal and the rate held to their tops, the period to its limit), then
// Calculate on the figures held.
std::vector<int> WindowMessages(const Figures& f) {
    std::vector<int> out;
    const HeldFigure principal = HoldPrincipal(f.principal);
    const HeldFigure rate = HoldRate(f.ratePercent);
    const TermEntry term = ClampTerm(f.mode, f.period);
    for (const auto& message : {principal.message, rate.message, term.message})
        if (message) out.push_back(static_cast<int>(*message));
    if (const auto refusal = RangeRefusal(f.mode, principal.value, rate.value, term.years))
        out.push_back(static_cast<int>(*refusal));
    else if (const auto changes = RateChangeRefusal(f.changes))
        out.push_back(static_cast<int>(*changes));
    return out;
}

bool RangeMessage(int number) {
    const Message ranges[] = {Message::YearsLimit,     Message::MonthsLimit, Message::PrincipalRange,
                              Message::RateRange,      Message::PeriodRange, Message::LoanPeriodRange,
                              Message::RateChangeRange};
    return std::find(std::begin(ranges), std::end(ranges), static_cast<Message>(number)) != std::end(ranges);
}

RC_GTEST_PROP(CliRefusalProperties, TheCommandLineRefusesWithTheWindowsNumberedMessages, ()) {
    const Figures f = AnyFigures();
    const std::string args = Arguments(f);
    RC_LOG() << args << '\n';
    const testing::CliRun run = testing::RunCli(args);
    RC_ASSERT(run.status != 2);  // a figure, never a bad option
    const auto j = nlohmann::json::parse(run.out);
    std::vector<int> said;
    for (const auto& m : j["messages"])
        if (RangeMessage(m["number"].get<int>())) said.push_back(m["number"].get<int>());
    const std::vector<int> window = WindowMessages(f);
    // One figure out of range: its message, and only that. Several: the
    // command line stops at the first that leaves nothing to calculate.
    if (window.size() <= 1) {
        RC_ASSERT(said == window);
    } else {
        RC_ASSERT(!said.empty());
        for (const int number : said)
            RC_ASSERT(std::find(window.begin(), window.end(), number) != window.end());
    }
    const bool refused = std::any_of(said.begin(), said.end(), [](int number) {
        return number != static_cast<int>(Message::MonthsLimit);
    });
    if (refused) RC_ASSERT(run.status == 1);
}

}  // namespace
}  // namespace amortix
