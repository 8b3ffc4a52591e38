#include "core/files/comparison_file.h"

#include <algorithm>

#include "core/calc/limits.h"
#include "core/files/rate_change_records.h"
#include "core/files/records.h"
#include "core/files/table_file.h"
#include "core/files/text_encoding.h"

namespace amortix {

namespace {

constexpr std::size_t kFirstRecordFields = 24;

// Bounds of the counters, shared by the reader and the writer so that every
// saved file opens again. They keep a hostile file from sending the screen's
// listing or grid indexes out of their tables.
constexpr int kMaxListingIndex = kListingIndexes;  // one past the last column once it is used
constexpr int kMaxEntryCount = kListingRows - 1;

std::string LineText(int line) {
    return "line " + std::to_string(line) + ": ";
}

// The next record, which must hold exactly `count` fields.
FieldCursor Record(RecordReader& reader, std::size_t count, const char* what) {
    const int line = reader.Line();
    const std::span<const RecordField> fields = reader.Next(count);
    if (fields.size() != count) throw FormatError(LineText(line) + "expected " + what);
    return FieldCursor(fields, line);
}

void CheckRange(int value, int lo, int hi, const char* what) {
    if (value < lo || value > hi) {
        throw FormatError(std::string(what) + " outside " + std::to_string(lo) + " to " + std::to_string(hi));
    }
}

void CheckForWriting(const ComparisonFileData& d) {
    const int rows = static_cast<int>(d.grid1.size());
    CheckRange(rows, 0, kComparisonRowLimit, "row count");
    if (d.graph.size() != d.grid1.size()) throw FormatError("one graph row per comparison row is needed");
    CheckRange(static_cast<int>(d.grid2.size()), 0, kGrid2MaxRows, "lower grid row count");
    CheckRange(d.grid2Columns, 0, kGrid2MaxColumns, "lower grid column count");
    for (const auto& row : d.grid2)
        if (row.size() != static_cast<std::size_t>(d.grid2Columns))
            throw FormatError("a lower grid row does not hold the column count of texts");
    CheckRange(d.dayBasisChoice, 0, 4, "day-basis code");
    CheckRange(d.extraYears, 0, kMaxTableFileYears, "years of the additional-payments table");
    CheckRange(d.yearsWithAmounts, 0, kMaxTableFileYears, "count of years with amounts");
    CheckRange(d.listingIndex, 0, kMaxListingIndex, "listing index");
    CheckRange(d.listingColumn, 0, kGrid2MaxColumns, "listing column");
    CheckRange(d.greatestEntryCount, 0, kMaxEntryCount, "greatest entry count");
    CheckRange(d.greatestEntryCount0to4, 0, kMaxEntryCount, "greatest entry count of indexes 0 to 4");
    CheckRange(d.greatestEntryCount5to9, 0, kMaxEntryCount, "greatest entry count of indexes 5 to 9");
    CheckRange(d.greatestEntryCount10to11, 0, kMaxEntryCount, "greatest entry count of indexes 10 and 11");
    CheckRange(d.greatestListingIndex, 0, kListingIndexes - 1, "greatest listing index");
    CheckRange(d.graphRows, 0, kComparisonRowLimit, "rows to graph");
    CheckRange(d.extraMonth, 0, 12, "month of the additional payments");
    CheckRateChangeRecords(d.rateChanges, d.rounding);
}

}  // namespace

namespace {

// Record 1 into `d`; the row counts of the upper and lower grids.
std::pair<int, int> ReadFirstRecord(RecordReader& reader, ComparisonFileData& d) {
    FieldCursor first = Record(reader, kFirstRecordFields, "24 fields in the first record");
    d.principal = first.ReadDouble();
    d.ratePercent = first.ReadDouble();
    d.years = first.ReadDouble();
    d.compounding = first.ReadText();
    d.frequency = first.ReadText();
    d.dayBasisChoice = first.ReadIntegerIn(0, 4);
    d.view = first.ReadInteger();
    d.extraYears = first.ReadIntegerIn(0, kMaxTableFileYears);
    d.yearsWithAmounts = first.ReadIntegerIn(0, kMaxTableFileYears);
    const int rows = first.ReadWholeSingleIn(0, kComparisonRowLimit);
    const int grid2Rows = first.ReadWholeSingleIn(0, kGrid2MaxRows);
    d.grid2Columns = first.ReadWholeSingleIn(0, kGrid2MaxColumns);
    first.ReadAny();  // always empty
    d.listingIndex = first.ReadWholeSingleIn(0, kMaxListingIndex);
    d.listingColumn = first.ReadWholeSingleIn(0, kGrid2MaxColumns);
    d.greatestEntryCount = first.ReadWholeSingleIn(0, kMaxEntryCount);
    d.greatestEntryCount0to4 = first.ReadWholeSingleIn(0, kMaxEntryCount);
    d.greatestEntryCount5to9 = first.ReadWholeSingleIn(0, kMaxEntryCount);
    d.greatestEntryCount10to11 = first.ReadWholeSingleIn(0, kMaxEntryCount);
    d.greatestListingIndex = first.ReadWholeSingleIn(0, kListingIndexes - 1);
    d.graphRows = first.ReadIntegerIn(0, kComparisonRowLimit);
    d.extraMonth = first.ReadIntegerIn(0, 12);
    first.ReadAny();  // the fixed text "O"
    first.ReadAny();  // the number 0
    return {rows, grid2Rows};
}

// The sections after record 1, up to the listing tables.
void ReadSections(RecordReader& reader, int rows, int grid2Rows, ComparisonFileData& d) {
    d.grid1.resize(static_cast<std::size_t>(rows));
    for (Grid1Row& row : d.grid1)
        for (std::string& cell : row) cell = Record(reader, 1, "one cell text of the upper grid").ReadText();

    d.grid2.resize(static_cast<std::size_t>(grid2Rows));
    for (auto& row : d.grid2) {
        row.resize(static_cast<std::size_t>(d.grid2Columns));
        for (std::string& cell : row) cell = Record(reader, 1, "one cell text of the lower grid").ReadText();
    }

    d.graph.resize(static_cast<std::size_t>(rows));
    for (ComparisonGraphRow& point : d.graph) {
        FieldCursor fields = Record(reader, 2, "a graph label and a total interest");
        point.label = fields.ReadText();
        point.totalInterest = fields.ReadVariantNumber();
    }

    // However many lines each row has in it: the text is one record.
    const int printoutLine = reader.Line();
    const std::span<const RecordField> printout = reader.Next(1);
    if (printout.size() != 1 || printout[0].kind == RecordField::Kind::Bare)
        throw FormatError(LineText(printoutLine) + "expected the printout text");
    d.printout.assign(printout[0].text);

    for (int r = 0; r < kListingRows; ++r) {
        for (int c = 0; c < kListingIndexes; ++c) {
            FieldCursor fields = Record(reader, 2, "a label and an amount of the listing");
            d.listingLabels[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = fields.ReadText();
            d.listingAmounts[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = fields.ReadText();
        }
    }
}

}  // namespace

LoadResult<ComparisonFileData> ParseComparisonFile(std::string_view bytes) {
    using Result = LoadResult<ComparisonFileData>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        ComparisonFileData d;
        const auto [rows, grid2Rows] = ReadFirstRecord(reader, d);
        ReadSections(reader, rows, grid2Rows, d);
        // The rest of the file, to its end.
        RateChangeRecords changes = ReadRateChangeRecords(reader, "the listing tables");
        d.rateChanges = std::move(changes.changes);
        d.rounding = changes.rounding;
        return Result::Success(std::move(d));
    } catch (const FormatError& e) {
        return Result::Failure(e.what());
    }
}

LoadResult<ComparisonFileData> LoadComparisonFile(const std::string& path) {
    const LoadResult<std::string> file = ReadDataFile(path);
    if (!file) return LoadResult<ComparisonFileData>::Failure(file.error());
    return ParseComparisonFile(file.value());
}

std::string FormatComparisonFile(const ComparisonFileData& d) {
    CheckForWriting(d);
    RecordWriter writer;
    writer.WriteDouble(d.principal)
        .WriteDouble(d.ratePercent)
        .WriteDouble(d.years)
        .WriteText(d.compounding)
        .WriteText(d.frequency)
        .WriteInteger(d.dayBasisChoice)
        .WriteInteger(d.view)
        .WriteInteger(d.extraYears)
        .WriteInteger(d.yearsWithAmounts)
        .WriteSingle(static_cast<float>(d.grid1.size()))
        .WriteSingle(static_cast<float>(d.grid2.size()))
        .WriteSingle(d.grid2Columns)
        .WriteEmpty()
        .WriteSingle(d.listingIndex)
        .WriteSingle(d.listingColumn)
        .WriteSingle(d.greatestEntryCount)
        .WriteSingle(d.greatestEntryCount0to4)
        .WriteSingle(d.greatestEntryCount5to9)
        .WriteSingle(d.greatestEntryCount10to11)
        .WriteSingle(d.greatestListingIndex)
        .WriteInteger(d.graphRows)
        .WriteInteger(d.extraMonth)
        .WriteText("O")
        .WriteInteger(0)
        .EndRecord();
    for (const Grid1Row& row : d.grid1)
        for (const std::string& cell : row) writer.WriteText(cell).EndRecord();
    for (const auto& row : d.grid2)
        for (const std::string& cell : row) writer.WriteText(cell).EndRecord();
    for (const ComparisonGraphRow& point : d.graph)
        writer.WriteText(point.label).WriteDouble(point.totalInterest).EndRecord();
    writer.WriteText(d.printout).EndRecord();
    for (int r = 0; r < kListingRows; ++r) {
        for (int c = 0; c < kListingIndexes; ++c) {
            writer.WriteText(d.listingLabels[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])
                .WriteText(d.listingAmounts[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])
                .EndRecord();
        }
    }
    WriteRateChangeRecords(writer, d.rateChanges, d.rounding);
    return EncodeFileText(writer.Data());
}

bool SaveComparisonFile(const std::string& path, const ComparisonFileData& data, std::string* error) {
    std::string bytes;
    try {
        bytes = FormatComparisonFile(data);
    } catch (const FormatError& e) {
        if (error) *error = e.what();
        return false;
    }
    return WriteFileReplacing(path, bytes, error);
}

ComparisonFileData ComparisonFileFrom(const ComparisonInputs& inputs, const ComparisonState& state) {
    ComparisonFileData file;
    file.principal = inputs.principal;
    file.ratePercent = inputs.ratePercent;
    file.years = inputs.years;
    file.compounding = Info(inputs.compounding).listText;
    file.frequency = Info(inputs.frequency).listText;
    file.dayBasisChoice = Code(inputs.dayBasis.choice);
    file.view = static_cast<std::int16_t>(
        ScheduleView::AllPayments);  // the comparison's rows are all-payment schedules
    file.extraYears = inputs.extra.years;
    file.yearsWithAmounts = inputs.extra.rowCount;
    file.extraMonth = inputs.extra.month.StoredCode();

    const auto rows = static_cast<std::size_t>(std::clamp<int>(state.rowCount, 0, kComparisonRowLimit));
    for (std::size_t r = 1; r <= rows; ++r) file.grid1.push_back(state.grid1[r]);
    // The lower grid as laid out, at least its minimum size.
    const int columns = std::max(state.grid2Columns, kGrid2MinColumns);
    const int grid2Rows = std::max(state.grid2Rows, kGrid2MinRows);
    file.grid2Columns = static_cast<std::int16_t>(columns);
    file.grid2.assign(static_cast<std::size_t>(grid2Rows),
                      std::vector<std::string>(static_cast<std::size_t>(columns)));
    for (std::size_t r = 0; r < file.grid2.size() && r < state.grid2.size(); ++r)
        for (std::size_t c = 0; c < file.grid2[r].size() && c < state.grid2[r].size(); ++c)
            file.grid2[r][c] = state.grid2[r][c];
    for (std::size_t r = 0; r < rows; ++r) {
        const GraphPoint point = r < state.graphPoints.size() ? state.graphPoints[r] : GraphPoint{};
        file.graph.push_back({point.label, point.value});
    }
    file.printout = state.printout;
    file.listingLabels = state.listingLabels;
    file.listingAmounts = state.listingAmounts;
    file.listingIndex = static_cast<std::int16_t>(state.listingIndex);
    file.listingColumn = static_cast<std::int16_t>(state.listingColumn);
    file.greatestEntryCount = static_cast<std::int16_t>(state.greatestEntries);
    file.greatestEntryCount0to4 = static_cast<std::int16_t>(state.greatestEntriesByGroup[0]);
    file.greatestEntryCount5to9 = static_cast<std::int16_t>(state.greatestEntriesByGroup[1]);
    file.greatestEntryCount10to11 = static_cast<std::int16_t>(state.greatestEntriesByGroup[2]);
    file.greatestListingIndex = static_cast<std::int16_t>(state.greatestListingIndex);
    file.graphRows = state.rowsToGraph;
    file.rateChanges = inputs.rateChanges;
    file.rounding = inputs.rounding;
    return file;
}

LoadResult<OpenedComparison> ComparisonFromFile(const ComparisonFileData& file, float typedDays) {
    using Result = LoadResult<OpenedComparison>;
    OpenedComparison opened;
    ComparisonInputs& in = opened.inputs;
    in.principal = file.principal;
    in.ratePercent = file.ratePercent;
    in.years = file.years;
    const auto compounding = FindCompounding(file.compounding);
    if (!compounding) return Result::Failure("no such compounding: " + file.compounding);
    const auto frequency = FindFrequency(file.frequency);
    if (!frequency) return Result::Failure("no such frequency: " + file.frequency);
    in.compounding = *compounding;
    in.frequency = *frequency;
    in.dayBasis = DayBasisFromCode(file.dayBasisChoice, typedDays);
    // The amounts are not stored, so none is in force: the count of years
    // with amounts stays 0 rather than lighting the indicator for nothing.
    in.extra.years = file.extraYears;
    in.extra.month = Month::FromStoredCode(file.extraMonth);
    if (RateChangeRefusal(file.rateChanges)) return Result::Failure("rate changes no calculation takes");
    in.rateChanges = file.rateChanges;
    in.rounding = file.rounding;

    // The rows come back as texts alone: a file's texts are what was shown,
    // and an older or hand-written file's need not read back as figures.
    ComparisonState& state = opened.state;
    state.rowCount = static_cast<std::int16_t>(file.grid1.size());
    for (std::size_t r = 0; r < file.grid1.size(); ++r) state.grid1[r + 1] = file.grid1[r];
    state.grid2Rows = static_cast<int>(file.grid2.size());
    state.grid2Columns = file.grid2Columns;
    state.grid2 = file.grid2;
    state.listingLabels = file.listingLabels;
    state.listingAmounts = file.listingAmounts;
    state.listingIndex = file.listingIndex;
    state.listingColumn = file.listingColumn;
    state.greatestEntries = file.greatestEntryCount;
    state.greatestEntriesByGroup = {file.greatestEntryCount0to4, file.greatestEntryCount5to9,
                                    file.greatestEntryCount10to11};
    state.greatestListingIndex = file.greatestListingIndex;
    state.printout = file.printout;
    for (const ComparisonGraphRow& row : file.graph)
        state.graphPoints.push_back({row.label, 0, row.totalInterest});
    state.graphTitle = kSavedComparisonGraphTitle;
    state.rowsToGraph = file.graphRows;
    if (!CanRestoreComparison(state)) return Result::Failure("counts that no comparison can have");
    return Result::Success(std::move(opened));
}

}  // namespace amortix
