// amortix-cli read: the content of a settings, table or comparison file as JSON.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/comparison_file.h"
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
                {"costs", StoredCostsJson(t.costs)}};
}

Json ComparisonJson(const ComparisonFileData& c) {
    Json grid1 = Json::array(), grid2 = Json::array(), graph = Json::array();
    for (const auto& row : c.grid1) grid1.push_back(Texts(row));
    for (const auto& row : c.grid2) grid2.push_back(Texts(row));
    for (const ComparisonGraphRow& p : c.graph)
        graph.push_back(Json{{"label", Text(p.label)}, {"totalInterest", p.totalInterest}});
    Json labels = Json::array(), amounts = Json::array();
    for (const auto& row : c.listingLabels) labels.push_back(Texts(row));
    for (const auto& row : c.listingAmounts) amounts.push_back(Texts(row));
    return Json{{"kind", "comparison"},
                {"principal", c.principal},
                {"ratePercent", c.ratePercent},
                {"years", c.years},
                {"compounding", Text(c.compounding)},
                {"frequency", Text(c.frequency)},
                {"dayBasisChoice", c.dayBasisChoice},
                {"view", c.view},
                {"extraYears", c.extraYears},
                {"yearsWithAmounts", c.yearsWithAmounts},
                {"rowCount", c.grid1.size()},
                {"grid2Rows", c.grid2.size()},
                {"grid2Columns", c.grid2Columns},
                {"listingIndex", c.listingIndex},
                {"listingColumn", c.listingColumn},
                {"greatestEntryCount", c.greatestEntryCount},
                {"greatestEntryCount0to4", c.greatestEntryCount0to4},
                {"greatestEntryCount5to9", c.greatestEntryCount5to9},
                {"greatestEntryCount10to11", c.greatestEntryCount10to11},
                {"greatestListingIndex", c.greatestListingIndex},
                {"graphRows", c.graphRows},
                {"extraMonth", c.extraMonth},
                {"grid1", grid1},
                {"grid2", grid2},
                {"graph", graph},
                {"printout", Text(c.printout)},
                {"listingLabels", labels},
                {"listingAmounts", amounts},
                {"rateChanges", StoredRateChangesJson(c.rateChanges)},
                {"rounding", Info(c.rounding).cliName}};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The kind a file's name says it holds, or "auto".
std::string KindFromName(const std::string& path) {
    const std::filesystem::path p(path);
    if (Lower(p.filename().string()) == "personal.mtg") return "settings";
    const std::string ext = Lower(p.extension().string());
    if (ext == ".qmd" || ext == ".qld") return "table";
    if (ext == ".qcd") return "comparison";
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
        const auto c = ParseComparisonFile(bytes);
        return c ? Result::Success(ComparisonJson(c.value())) : Result::Failure(c.error());
    }
    if (kind == "settings") {
        const auto s = ParsePersonalSettings(bytes);
        return s ? Result::Success(SettingsJson(s.value())) : Result::Failure(s.error());
    }
    for (const char* each : {"table", "comparison", "settings"}) {
        Result r = Read(bytes, each);
        if (r) return r;
    }
    return Result::Failure("not a table, comparison or settings file");
}

}  // namespace

Runner AddReadCommand(CLI::App& app) {
    auto options = std::make_shared<ReadOptions>();
    CLI::App* cmd =
        app.add_subcommand("read", "Show a settings, table (.qmd, .qld) or comparison (.qcd) file as JSON");
    cmd->add_option("FILE", options->file, "The file to read")->required();
    cmd->add_option("--kind", options->kind, "What the file holds (auto: by its name, else whatever reads)")
        ->check(CLI::IsMember({"auto", "settings", "table", "comparison"}));
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
