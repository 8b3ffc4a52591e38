// amortix-cli read: the content of a settings, table or comparison file as JSON.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/comparison_file.h"
#include "core/files/qualify_file.h"
#include "core/files/settings_file.h"
#include "core/files/table_file.h"

namespace amortix::cli {

namespace {

struct ReadOptions {
    std::string file;
    std::string kind = "auto";
};

// The readers hand over UTF-8, whatever the file's encoding was.
Json Text(const std::string& text) {
    return Json(text);
}

Json Texts(const auto& row) {
    Json out = Json::array();
    for (const std::string& cell : row) out.push_back(Text(cell));
    return out;
}

Json SettingsJson(const PersonalSettings& s) {
    return Json{{"kind", "settings"},
                {"printerFontChoice", s.printerFontChoice},
                {"userName", Text(s.userName)},
                {"currencySymbol", Text(s.currencySymbol)},
                {"compoundSetting", s.compoundSetting}};
}

Json OptionalSingle(const std::optional<float>& value) {
    return value ? Json(ShortestDouble(*value)) : Json(nullptr);
}

// The rate changes by meaning, with the command line's names for the choices.
Json StoredRateChangesJson(const std::vector<RateChange>& changes) {
    Json out = Json::array();
    for (const RateChange& c : changes)
        out.push_back(Json{{"year", c.year},
                           {"month", c.month},
                           {"rate", c.ratePercent},
                           {"paymentChange", Info(c.payment).cliName}});
    return out;
}

Json OptionalDouble(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

// The prepayments by meaning, with the command line's names for the choices.
Json StoredPrepaymentsJson(const Prepayments& p) {
    const RecurringPrepayment& r = p.recurring;
    const bool open = r.toYear == 0;
    const Json recurring = r.amount > Currency() ? Json{{"amount", r.amount.ToDouble()},
                                                        {"fromYear", r.fromYear},
                                                        {"fromMonth", r.fromMonth},
                                                        {"toYear", open ? Json(nullptr) : Json(r.toYear)},
                                                        {"toMonth", open ? Json(nullptr) : Json(r.toMonth)}}
                                                 : Json(nullptr);
    Json oneTime = Json::array();
    for (const OneTimePrepayment& o : p.oneTime)
        oneTime.push_back(Json{{"year", o.year}, {"month", o.month}, {"amount", o.amount.ToDouble()}});
    return Json{{"recurring", recurring},
                {"oneTime", oneTime},
                {"effect", Info(p.effect).cliName},
                {"yearlyLimit", OptionalDouble(p.yearlyLimitPercent)},
                {"increaseLimit", OptionalDouble(p.increaseLimitPercent)}};
}

// The costs by meaning, with the command line's names for the choices.
Json StoredCostsJson(const std::optional<Costs>& costs) {
    if (!costs) return nullptr;
    const Costs& c = *costs;
    return Json{{"price", OptionalDouble(c.price)},
                {"downPayment", c.downPayment},
                {"points", c.pointsPercent},
                {"pointsPaid", Info(c.pointsPaid).cliName},
                {"lenderFees", c.lenderFees},
                {"lenderFeesPaid", Info(c.lenderFeesPaid).cliName},
                {"closingCosts", c.closingCosts},
                {"closingCostsPaid", Info(c.closingCostsPaid).cliName},
                {"insurance", Info(c.insurance).cliName},
                {"canadianPremium", OptionalDouble(c.canadianPremiumPercent)},
                {"premiumTax", c.premiumTaxPercent},
                {"usInsurance", c.usAnnualPercent},
                {"propertyTax", c.propertyTaxYearly},
                {"homeInsurance", c.homeInsuranceYearly},
                {"condoFees", c.condoFeesMonthly},
                {"heating", c.heatingMonthly},
                {"termYears", c.termYears}};
}

Json TableJson(const TableFileData& t) {
    Json years = Json::array();
    for (const TableYearRecord& y : t.yearRecords)
        years.push_back(Json{{"yearNumber", y.yearNumber.ToDouble()}, {"amount", y.amount.ToDouble()}});
    return Json{{"kind", "table"},
                {"layout", t.daysInYear ? "current" : "previous"},
                {"mode", t.mode == TableKind::PersonalLoan ? "loan" : "mortgage"},
                {"principal", t.principal},
                {"ratePercent", t.ratePercent},
                {"years", t.years},
                {"compounding", Text(t.compounding)},
                {"frequency", Text(t.frequency)},
                {"firstPaymentDate", Text(t.firstPaymentDate)},
                {"showDates", t.showDates},
                {"dayBasisChoice", t.dayBasisChoice},
                {"view", t.view},
                {"extraYears", t.yearRecords.size()},
                {"yearsWithAmounts", t.yearsWithAmounts},
                {"daysInYear", OptionalSingle(t.daysInYear)},
                {"extraPaymentType", t.extraPaymentType ? Json(*t.extraPaymentType) : Json(nullptr)},
                {"paymentIncrease", OptionalSingle(t.paymentIncrease)},
                {"yearRecords", years},
                {"rateChanges", StoredRateChangesJson(t.rateChanges)},
                {"rounding", Info(t.rounding).cliName},
                {"prepayments", StoredPrepaymentsJson(t.prepayments)},
                {"costs", StoredCostsJson(t.costs)}};
}

Json ComparisonJson(const ComparisonFile& c) {
    const ComparisonInputs& in = c.inputs;
    const ComparisonState& s = c.state;
    Json grid1 = Json::array(), grid2 = Json::array(), graph = Json::array();
    for (int r = 1; r <= s.rowCount; ++r) grid1.push_back(Texts(s.grid1[static_cast<std::size_t>(r)]));
    for (const auto& row : s.grid2) grid2.push_back(Texts(row));
    for (const GraphPoint& p : s.graphPoints)
        graph.push_back(Json{{"label", Text(p.label)}, {"totalInterest", p.value}});
    Json labels = Json::array(), amounts = Json::array();
    for (const auto& row : s.listingLabels) labels.push_back(Texts(row));
    for (const auto& row : s.listingAmounts) amounts.push_back(Texts(row));
    return Json{{"kind", "comparison"},
                {"principal", in.principal},
                {"ratePercent", in.ratePercent},
                {"years", in.years},
                {"compounding", Info(in.compounding).listText},
                {"frequency", Info(in.frequency).listText},
                {"dayBasisChoice", Code(in.dayBasis.choice)},
                {"view", c.view},
                {"extraYears", in.extra.years},
                {"yearsWithAmounts", c.yearsWithAmounts},
                {"rowCount", s.rowCount},
                {"grid2Rows", s.grid2Rows},
                {"grid2Columns", s.grid2Columns},
                {"listingIndex", s.listingIndex},
                {"listingColumn", s.listingColumn},
                {"greatestEntryCount", s.greatestEntries},
                {"greatestEntryCount0to4", s.greatestEntriesByGroup[0]},
                {"greatestEntryCount5to9", s.greatestEntriesByGroup[1]},
                {"greatestEntryCount10to11", s.greatestEntriesByGroup[2]},
                {"greatestListingIndex", s.greatestListingIndex},
                {"graphRows", s.rowsToGraph},
                {"extraMonth", in.extra.month.StoredCode()},
                {"grid1", grid1},
                {"grid2", grid2},
                {"graph", graph},
                {"printout", Text(s.printout)},
                {"listingLabels", labels},
                {"listingAmounts", amounts},
                {"rateChanges", StoredRateChangesJson(in.rateChanges)},
                {"rounding", Info(in.rounding).cliName},
                {"prepayments", StoredPrepaymentsJson(in.prepayments)}};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The qualifying screen's inputs, by their meaning (amounts as numbers,
// percentages in percent).
Json QualifyJson(const QualifyInputs& q) {
    const QualifyLimits& l = q.limits;
    return {
        {"kind", "qualifying"},
        {"rules", std::string(Info(q.rules).cliName)},
        {"income", q.income},
        {"income2", q.income2},
        {"debts", q.debtsMonthly},
        {"cardBalances", q.cardBalances},
        {"propertyTax", q.propertyTaxYearly},
        {"homeInsurance", q.homeInsuranceYearly},
        {"heating", q.heatingMonthly},
        {"condoFees", q.condoFeesMonthly},
        {"downPayment", q.downPayment},
        {"rate", q.ratePercent},
        {"compounding", std::string(Info(q.compounding).cliName)},
        {"frequency", std::string(Info(q.frequency).cliName)},
        {"years", q.years},
        {"limits",
         {{"gds", l.gdsPercent},
          {"tds", l.tdsPercent},
          {"stressTest", l.stressTest},
          {"stressAdd", l.stressAddPoints},
          {"stressFloor", l.stressFloorPercent},
          {"balancePercent", l.balancePercent},
          {"mortgageInsurance", l.mortgageInsurancePercent}}},
    };
}

// The kind a file's name says it holds, or "auto".
std::string KindFromName(const std::string& path) {
    const std::filesystem::path p(path);
    if (Lower(p.filename().string()) == "personal.mtg") return "settings";
    const std::string ext = Lower(p.extension().string());
    if (ext == ".qmd" || ext == ".qld") return "table";
    if (ext == ".qcd") return "comparison";
    if (ext == ".qqd") return "qualifying";
    return "auto";
}

// The file as JSON, or the reason it cannot be read as `kind`.
LoadResult<Json> Read(std::string_view bytes, const std::string& kind) {
    using Result = LoadResult<Json>;
    if (kind == "table") {
        const auto t = ParseTableFile(bytes);
        return t ? Result::Success(TableJson(t.value())) : Result::Failure(t.error());
    }
    if (kind == "comparison") {
        // The file holds no typed days; they are not shown.
        const auto c = ParseComparisonFile(bytes, DayBasis::Preset(DayBasisChoice::Days365).days);
        return c ? Result::Success(ComparisonJson(c.value())) : Result::Failure(c.error());
    }
    if (kind == "settings") {
        const auto s = ParsePersonalSettings(bytes);
        return s ? Result::Success(SettingsJson(s.value())) : Result::Failure(s.error());
    }
    if (kind == "qualifying") {
        const auto q = ParseQualifyFile(bytes);
        return q ? Result::Success(QualifyJson(q.value())) : Result::Failure(q.error());
    }
    for (const char* each : {"table", "comparison", "qualifying", "settings"}) {
        Result r = Read(bytes, each);
        if (r) return r;
    }
    return Result::Failure("not a table, comparison, qualifying or settings file");
}

}  // namespace

Runner AddReadCommand(CLI::App& app) {
    auto options = std::make_shared<ReadOptions>();
    CLI::App* cmd = app.add_subcommand(
        "read", "Show a settings, table (.qmd, .qld), comparison (.qcd) or qualifying (.qqd) file as JSON");
    cmd->add_option("FILE", options->file, "The file to read")->required();
    cmd->add_option("--kind", options->kind, "What the file holds (auto: by its name, else whatever reads)")
        ->check(CLI::IsMember({"auto", "settings", "table", "comparison", "qualifying"}));
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        const std::string kind = options->kind == "auto" ? KindFromName(options->file) : options->kind;
        const LoadResult<std::string> bytes = ReadDataFile(options->file);
        LoadResult<Json> json = bytes ? Read(bytes.value(), kind) : LoadResult<Json>::Failure(bytes.error());
        if (!json) {
            std::cerr << "amortix-cli: " << options->file << ": " << json.error() << '\n';
            return 1;
        }
        std::cout << json.value().dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        return 0;
    };
}

}  // namespace amortix::cli
