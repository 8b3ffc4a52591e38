#include "core/files/table_file.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

#include "core/calc/limits.h"
#include "core/files/costs_records.h"
#include "core/files/prepayment_records.h"
#include "core/files/rate_change_records.h"
#include "core/files/records.h"
#include "core/files/text_encoding.h"

namespace amortix {

namespace {

// A figure as a message quotes it: as stored, up to ten digits.
std::string FigureText(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::setprecision(10) << value;
    return out.str();
}

constexpr std::size_t kFieldsNow = 15;
constexpr std::size_t kFieldsBefore = 12;

// Record 1 into `data`; the count N of year records that follow.
int ReadFirstRecord(RecordReader& reader, TableFileData& data) {
    const int firstLine = reader.Line();
    const std::span<const RecordField> first = reader.Next(kFieldsNow);
    const std::size_t count = first.size();
    if (count != kFieldsNow && count != kFieldsBefore) {
        throw FormatError("line 1: " + std::to_string(count) + " fields where a table file has " +
                          std::to_string(kFieldsNow) + " (or " + std::to_string(kFieldsBefore) +
                          " in the previous layout)");
    }
    FieldCursor fields(first, firstLine);
    data.principal = fields.ReadDouble();
    data.ratePercent = fields.ReadDouble();
    data.years = fields.ReadDouble();
    data.compounding = fields.ReadText();
    data.frequency = fields.ReadText();
    data.firstPaymentDate = fields.ReadText();
    data.showDates = fields.ReadInteger();
    data.dayBasisChoice = fields.ReadIntegerIn(0, 4);
    data.view = fields.ReadInteger();
    const int years = fields.ReadIntegerIn(0, kMaxTableFileYears);
    data.yearsWithAmounts = fields.ReadIntegerIn(0, kMaxTableFileYears);
    data.mode = static_cast<TableKind>(fields.ReadIntegerIn(1, 2));
    if (count == kFieldsNow) {
        data.daysInYear = fields.ReadSingle();
        data.extraPaymentType = fields.ReadIntegerIn(0, 2);
        data.paymentIncrease = fields.ReadSingle();
    }
    return years;
}

std::vector<TableYearRecord> ReadYearRecords(RecordReader& reader, int years) {
    std::vector<TableYearRecord> records;
    records.reserve(static_cast<std::size_t>(years));
    for (int j = 1; j <= years; ++j) {
        const int line = reader.Line();
        const std::span<const RecordField> record = reader.Next(2);
        if (record.size() != 2) {
            throw FormatError("line " + std::to_string(line) +
                              ": a year record holds a year number and an amount");
        }
        FieldCursor yearFields(record, line);
        TableYearRecord year;
        year.yearNumber = yearFields.ReadCurrency();
        year.amount = yearFields.ReadCurrency();
        records.push_back(year);
    }
    return records;
}

constexpr const char* kLastYearRecord = "the last year record";

}  // namespace

LoadResult<TableFileData> ParseTableFile(std::string_view bytes) {
    using Result = LoadResult<TableFileData>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        TableFileData data;
        const int years = ReadFirstRecord(reader, data);
        data.yearRecords = ReadYearRecords(reader, years);
        // Only the current layout was ever written with rate changes.
        if (data.daysInYear) {
            constexpr std::string_view kLater[] = {kRecurringPrepaymentTag, kOneTimePrepaymentTag,
                                                   kPrepaymentTermsTag, kCostsTag};
            RateChangeRecords changes = ReadRateChangeRecords(reader, kLastYearRecord, kLater);
            data.rateChanges = std::move(changes.changes);
            data.rounding = changes.rounding;
            constexpr std::string_view kCosts[] = {kCostsTag};
            data.prepayments = ReadPrepaymentRecords(reader, kLastYearRecord, kCosts);
            if (!reader.AtEnd()) data.costs = ReadCostsRecord(reader);
        }
        if (!reader.AtEnd()) {
            return Result::Failure("line " + std::to_string(reader.Line()) + ": more data after " +
                                   kLastYearRecord);
        }
        return Result::Success(std::move(data));
    } catch (const FormatError& e) {
        return Result::Failure(e.what());
    }
}

LoadResult<TableFileData> LoadTableFile(const std::string& path) {
    const LoadResult<std::string> file = ReadDataFile(path);
    if (!file) return LoadResult<TableFileData>::Failure(file.error());
    return ParseTableFile(file.value());
}

std::string FormatTableFile(const TableFileData& data) {
    // Refuse what the reader would refuse, so every saved file opens again.
    if (data.yearRecords.size() > static_cast<std::size_t>(kMaxTableFileYears))
        throw FormatError("more than 45 year records");
    if (data.dayBasisChoice < 0 || data.dayBasisChoice > 4)
        throw FormatError("day-basis code outside 0 to 4");
    if (data.yearsWithAmounts < 0 || data.yearsWithAmounts > kMaxTableFileYears)
        throw FormatError("count of years with amounts outside 0 to 45");
    if (data.mode != TableKind::Mortgage && data.mode != TableKind::PersonalLoan)
        throw FormatError("kind is neither mortgage nor loan");
    if (!data.daysInYear || !data.extraPaymentType || !data.paymentIncrease)
        throw FormatError("days in year, additional-payment option and percentage are all needed");
    if (*data.extraPaymentType < 0 || *data.extraPaymentType > 2)
        throw FormatError("additional-payment option outside 0 to 2");
    CheckRateChangeRecords(data.rateChanges, data.rounding);
    CheckPrepaymentRecords(data.prepayments);
    if (data.costs) CheckCostsRecord(*data.costs);

    RecordWriter writer;
    writer.WriteDouble(data.principal)
        .WriteDouble(data.ratePercent)
        .WriteDouble(data.years)
        .WriteText(data.compounding)
        .WriteText(data.frequency)
        .WriteText(data.firstPaymentDate)
        .WriteInteger(data.showDates)
        .WriteInteger(data.dayBasisChoice)
        .WriteInteger(data.view)
        .WriteInteger(static_cast<std::int16_t>(data.yearRecords.size()))
        .WriteInteger(data.yearsWithAmounts)
        .WriteInteger(static_cast<std::int16_t>(data.mode))
        .WriteSingle(*data.daysInYear)
        .WriteInteger(*data.extraPaymentType)
        .WriteSingle(*data.paymentIncrease)
        .EndRecord();
    for (const TableYearRecord& year : data.yearRecords)
        writer.WriteCurrency(year.yearNumber).WriteCurrency(year.amount).EndRecord();
    WriteRateChangeRecords(writer, data.rateChanges, data.rounding);
    WritePrepaymentRecords(writer, data.prepayments);
    if (data.costs) WriteCostsRecord(writer, *data.costs);
    return EncodeFileText(writer.Data());
}

bool SaveTableFile(const std::string& path, const TableFileData& data, std::string* error) {
    std::string bytes;
    try {
        bytes = FormatTableFile(data);
    } catch (const FormatError& e) {
        if (error) *error = e.what();
        return false;
    }
    return WriteFileReplacing(path, bytes, error);
}

DayBasis DayBasisFromCode(std::int16_t code, float days) {
    const auto choice = DayBasisChoiceFromCode(code);
    if (choice && *choice != DayBasisChoice::Typed) return DayBasis::Preset(*choice);
    return DayBasis::Typed(days);
}

std::optional<DaySerial> ReadTableFileDate(std::string_view text, const DateReader& shortForm) {
    if (const auto iso = ParseIsoDate(text)) return iso;
    if (shortForm) return shortForm(text);
    return std::nullopt;
}

namespace {

// What the boxes would refuse, the file may not bring in either.
std::optional<std::string> FigureRefusal(const TableFileData& file) {
    const struct {
        const char* name;
        double value, high;
    } figures[] = {{"principal", file.principal, kPrincipalLimit},
                   {"interest rate", file.ratePercent, kRatePercentLimit},
                   {"period in years", file.years, kMortgageYearLimit}};
    for (const auto& f : figures)
        if (!(f.value >= 0 && f.value <= f.high))
            return "the " + std::string(f.name) + " " + FigureText(f.value) + " is outside 0 to " +
                   FigureText(f.high);
    return std::nullopt;
}

}  // namespace

TableFileData TableFileFromInputs(const ScheduleInputs& in) {
    TableFileData data;
    data.principal = in.principal;
    data.ratePercent = in.ratePercent;
    data.years = in.years;
    data.compounding = Info(in.compounding).listText;
    data.frequency = Info(in.frequency).listText;
    data.firstPaymentDate = IsoDate(in.firstPaymentDate);
    data.showDates = in.showDates ? 1 : 0;
    data.dayBasisChoice = Code(in.dayBasis.choice);
    data.view = static_cast<std::int16_t>(in.view == ScheduleView::Annual ? ScheduleView::Annual
                                                                          : ScheduleView::AllPayments);
    data.yearsWithAmounts = in.extra.rowCount;
    data.mode = in.mode;
    data.daysInYear = in.dayBasis.days;
    data.extraPaymentType = Code(in.extra.kind);
    data.paymentIncrease = in.extra.increase;
    const int years = std::clamp<int>(in.extra.years, 0, kMaxTableFileYears);
    for (int j = 1; j <= years; ++j) {
        const auto row = static_cast<std::size_t>(j);
        data.yearRecords.push_back({in.extra.yearNumber[row], in.extra.amount[row]});
    }
    data.rateChanges = in.rateChanges;
    data.rounding = in.rounding;
    data.prepayments = in.prepayments;
    return data;
}

TableFileData TableFileFromInputs(const ScheduleInputs& in, const Costs& costs) {
    TableFileData data = TableFileFromInputs(in);
    if (costs.Given()) data.costs = costs;
    return data;
}

LoadResult<Costs> CostsFromTableFile(const TableFileData& file) {
    if (!file.costs) return LoadResult<Costs>::Success(Costs{});
    if (CostsRefusal(*file.costs) || !file.costs->Given())
        return LoadResult<Costs>::Failure("costs no calculation takes");
    return LoadResult<Costs>::Success(*file.costs);
}

LoadResult<ScheduleInputs> InputsFromTableFile(const TableFileData& file, const ScheduleInputs& current,
                                               const DateReader& shortForm) {
    using Result = LoadResult<ScheduleInputs>;
    if (auto refusal = FigureRefusal(file)) return Result::Failure(*refusal);
    ScheduleInputs in = current;
    const auto date = ReadTableFileDate(file.firstPaymentDate, shortForm);
    if (!date)
        return Result::Failure("the first payment date \"" + file.firstPaymentDate + "\" is not a date");
    in.firstPaymentDate = *date;
    in.mode = file.mode;
    in.principal = file.principal;
    in.ratePercent = file.ratePercent;
    in.years = file.years;
    const auto compounding = FindCompounding(file.compounding);
    if (!compounding) return Result::Failure("no such compounding: " + file.compounding);
    const auto frequency = FindFrequency(file.frequency);
    if (!frequency) return Result::Failure("no such frequency: " + file.frequency);
    in.compounding = *compounding;
    in.frequency = *frequency;
    in.showDates = file.showDates == 1;
    in.view = file.view == static_cast<std::int16_t>(ScheduleView::Annual) ? ScheduleView::Annual
                                                                           : ScheduleView::AllPayments;

    // A file of the previous layout keeps the days typed before the open.
    const float days = file.daysInYear.value_or(current.dayBasis.days);
    if (file.dayBasisChoice == 4 && !(days >= 363.0f && days <= 365.25f))
        return Result::Failure("typed days in year outside 363 to 365.25");
    in.dayBasis = DayBasisFromCode(file.dayBasisChoice, days);

    AdditionalPayments& extra = in.extra;
    extra.yearNumber.fill(Currency());
    extra.amount.fill(Currency());
    for (std::size_t j = 0; j < file.yearRecords.size(); ++j) {
        extra.yearNumber[j + 1] = file.yearRecords[j].yearNumber;
        extra.amount[j + 1] = file.yearRecords[j].amount;
    }
    extra.years = static_cast<std::int16_t>(file.yearRecords.size());
    extra.rowCount = file.yearsWithAmounts;
    if (file.extraPaymentType) {
        const auto kind = ExtraPaymentKindFromCode(*file.extraPaymentType);
        if (!kind) return Result::Failure("no such additional-payment option");
        extra.kind = *kind;
    }
    if (file.paymentIncrease) {
        // The form caps the percentage at 100; a negative one would lower the payments.
        if (!(*file.paymentIncrease >= 0.0f && *file.paymentIncrease <= 1.0f))
            return Result::Failure("percentage increase outside 0 to 100");
        extra.increase = *file.paymentIncrease;
    }
    // The file's own plan, also when it has none: the screen's is not kept.
    if (RateChangeRefusal(file.rateChanges)) return Result::Failure("rate changes no calculation takes");
    in.rateChanges = file.rateChanges;
    in.rounding = file.rounding;
    if (PrepaymentRefusal(file.prepayments)) return Result::Failure("prepayments no calculation takes");
    in.prepayments = file.prepayments;
    return Result::Success(std::move(in));
}

}  // namespace amortix
