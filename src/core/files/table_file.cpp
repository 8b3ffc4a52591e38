#include "core/files/table_file.h"

#include <cmath>

#include "core/files/records.h"
#include "core/files/text_encoding.h"

namespace amortix {

namespace {

constexpr std::size_t kFieldsNow = 15;
constexpr std::size_t kFieldsBefore = 12;

}  // namespace

LoadResult<TableFileData> ParseTableFile(std::string_view bytes) {
    using Result = LoadResult<TableFileData>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        const int firstLine = reader.Line();
        const std::span<const RecordField> first = reader.Next(kFieldsNow);
        const std::size_t count = first.size();
        if (count != kFieldsNow && count != kFieldsBefore) {
            return Result::Failure("line 1: " + std::to_string(count) + " fields where a table file has " +
                                   std::to_string(kFieldsNow) + " (or " + std::to_string(kFieldsBefore) +
                                   " in the previous layout)");
        }
        FieldCursor fields(first, firstLine);
        TableFileData data;
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
        data.mode = static_cast<TablesMode>(fields.ReadIntegerIn(1, 2));
        if (count == kFieldsNow) {
            data.daysInYear = fields.ReadSingle();
            data.extraPaymentType = fields.ReadIntegerIn(0, 2);
            data.paymentIncrease = fields.ReadSingle();
        }
        data.yearRecords.reserve(static_cast<std::size_t>(years));
        for (int j = 1; j <= years; ++j) {
            const int line = reader.Line();
            const std::span<const RecordField> record = reader.Next(2);
            if (record.size() != 2) {
                return Result::Failure("line " + std::to_string(line) +
                                       ": a year record holds a year number and an amount");
            }
            FieldCursor yearFields(record, line);
            TableYearRecord year;
            year.yearNumber = yearFields.ReadCurrency();
            year.amount = yearFields.ReadCurrency();
            data.yearRecords.push_back(year);
        }
        if (!reader.AtEnd()) {
            return Result::Failure("line " + std::to_string(reader.Line()) +
                                   ": more data after the last year record");
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
    if (data.mode != TablesMode::Mortgage && data.mode != TablesMode::PersonalLoan)
        throw FormatError("kind is neither mortgage nor loan");
    if (!data.daysInYear || !data.extraPaymentType || !data.paymentIncrease)
        throw FormatError("days in year, additional-payment option and percentage are all needed");
    if (*data.extraPaymentType < 0 || *data.extraPaymentType > 2)
        throw FormatError("additional-payment option outside 0 to 2");

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
    if (code >= 0 && code <= 3) return DayBasis::Preset(code);
    return DayBasis::Typed(days);
}

}  // namespace amortix
