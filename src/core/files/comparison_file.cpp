#include "core/files/comparison_file.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/limits.h"
#include "core/files/prepayment_records.h"
#include "core/files/rate_change_records.h"
#include "core/files/records.h"
#include "core/files/table_file.h"
#include "core/files/text_encoding.h"

namespace amortix {

namespace {

constexpr std::size_t kFirstRecordFields = 24;

// Bounds of the counters, as the screen's comparison keeps them
// (CanRestoreComparison). They keep a hostile file from sending the screen's
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

// The choice whose list text the field holds; the lists offer no other.
template <class Id>
Id ReadListText(FieldCursor& fields, std::optional<Id> (*find)(std::string_view), const char* what) {
    const std::optional<Id> id = find(fields.ReadText());
    if (!id) fields.Fail(std::string("not a ") + what + " the lists offer");
    return *id;
}

// Whatever a read would refuse, so that every saved file opens again.
void CheckForWriting(const ComparisonFile& f) {
    const ComparisonInputs& in = f.inputs;
    if (Info(in.compounding).id != in.compounding) throw FormatError("a compounding the lists do not offer");
    if (Info(in.frequency).id != in.frequency) throw FormatError("a frequency the lists do not offer");
    CheckRange(Code(in.dayBasis.choice), 0, 4, "day-basis code");
    CheckRange(in.extra.years, 0, kMaxTableFileYears, "years of the additional-payments table");
    CheckRange(f.yearsWithAmounts, 0, kMaxTableFileYears, "count of years with amounts");
    CheckRange(in.extra.month.number, 1, 12, "month of the additional payments");
    // The counters within the reader's bounds, the rows to graph among the
    // rows, the listing within the lower grid.
    if (!CanRestoreComparison(f.state)) throw FormatError("counts that no comparison can have");
    CheckRateChangeRecords(in.rateChanges, in.rounding);
    CheckPrepaymentRecords(in.prepayments);
}

// Record 1 into `f`; the row counts of the upper and lower grids.
std::pair<int, int> ReadFirstRecord(RecordReader& reader, float typedDays, ComparisonFile& f) {
    FieldCursor first = Record(reader, kFirstRecordFields, "24 fields in the first record");
    ComparisonInputs& in = f.inputs;
    ComparisonState& s = f.state;
    in.principal = first.ReadDouble();
    in.ratePercent = first.ReadDouble();
    in.years = first.ReadDouble();
    in.compounding = ReadListText(first, FindCompounding, "compounding");
    in.frequency = ReadListText(first, FindFrequency, "frequency");
    in.dayBasis = DayBasisFromCode(first.ReadIntegerIn(0, 4), typedDays);
    f.view = first.ReadInteger();
    in.extra.years = first.ReadIntegerIn(0, kMaxTableFileYears);
    f.yearsWithAmounts = first.ReadIntegerIn(0, kMaxTableFileYears);
    const int rows = first.ReadWholeSingleIn(0, kComparisonRowLimit);
    const int grid2Rows = first.ReadWholeSingleIn(0, kGrid2MaxRows);
    s.grid2Columns = first.ReadWholeSingleIn(0, kGrid2MaxColumns);
    first.ReadAny();  // always empty
    s.listingIndex = first.ReadWholeSingleIn(0, kMaxListingIndex);
    s.listingColumn = first.ReadWholeSingleIn(0, kGrid2MaxColumns);
    s.greatestEntries = first.ReadWholeSingleIn(0, kMaxEntryCount);
    for (int& greatest : s.greatestEntriesByGroup) greatest = first.ReadWholeSingleIn(0, kMaxEntryCount);
    s.greatestListingIndex = first.ReadWholeSingleIn(0, kListingIndexes - 1);
    s.rowsToGraph = first.ReadIntegerIn(0, kComparisonRowLimit);
    in.extra.month = Month::FromStoredCode(first.ReadIntegerIn(0, 12));
    first.ReadAny();  // the fixed text "O"
    first.ReadAny();  // the number 0
    return {rows, grid2Rows};
}

// The sections after record 1, up to the listing tables. The rows come back
// as texts alone: a file's texts are what was shown, and an older or
// hand-written file's need not read back as figures.
void ReadSections(RecordReader& reader, int rows, int grid2Rows, ComparisonState& s) {
    s.rowCount = static_cast<std::int16_t>(rows);
    for (int r = 1; r <= rows; ++r)
        for (std::string& cell : s.grid1[static_cast<std::size_t>(r)])
            cell = Record(reader, 1, "one cell text of the upper grid").ReadText();

    s.grid2Rows = grid2Rows;
    s.grid2.assign(static_cast<std::size_t>(grid2Rows),
                   std::vector<std::string>(static_cast<std::size_t>(s.grid2Columns)));
    for (auto& row : s.grid2)
        for (std::string& cell : row) cell = Record(reader, 1, "one cell text of the lower grid").ReadText();

    for (int r = 0; r < rows; ++r) {
        FieldCursor fields = Record(reader, 2, "a graph label and a total interest");
        GraphPoint& point = s.graphPoints.emplace_back();
        point.label = fields.ReadText();
        point.value = fields.ReadVariantNumber();
    }

    // However many lines each row has in it: the text is one record.
    const int printoutLine = reader.Line();
    const std::span<const RecordField> printout = reader.Next(1);
    if (printout.size() != 1 || printout[0].kind == RecordField::Kind::Bare)
        throw FormatError(LineText(printoutLine) + "expected the printout text");
    s.printout.assign(printout[0].text);

    for (std::size_t r = 0; r < kListingRows; ++r) {
        for (std::size_t c = 0; c < kListingIndexes; ++c) {
            FieldCursor fields = Record(reader, 2, "a label and an amount of the listing");
            s.listingLabels[r][c] = fields.ReadText();
            s.listingAmounts[r][c] = fields.ReadText();
        }
    }
    s.graphTitle = kSavedComparisonGraphTitle;
}

void WriteFirstRecord(RecordWriter& writer, const ComparisonFile& f) {
    const ComparisonInputs& in = f.inputs;
    const ComparisonState& s = f.state;
    writer.WriteDouble(in.principal)
        .WriteDouble(in.ratePercent)
        .WriteDouble(in.years)
        .WriteText(Info(in.compounding).listText)
        .WriteText(Info(in.frequency).listText)
        .WriteInteger(Code(in.dayBasis.choice))
        .WriteInteger(f.view)
        .WriteInteger(in.extra.years)
        .WriteInteger(f.yearsWithAmounts)
        .WriteSingle(static_cast<float>(s.rowCount))
        .WriteSingle(static_cast<float>(s.grid2Rows))
        .WriteSingle(static_cast<float>(s.grid2Columns))
        .WriteEmpty()
        .WriteSingle(static_cast<float>(s.listingIndex))
        .WriteSingle(static_cast<float>(s.listingColumn))
        .WriteSingle(static_cast<float>(s.greatestEntries));
    for (const int greatest : s.greatestEntriesByGroup) writer.WriteSingle(static_cast<float>(greatest));
    writer.WriteSingle(static_cast<float>(s.greatestListingIndex))
        .WriteInteger(s.rowsToGraph)
        .WriteInteger(in.extra.month.StoredCode())
        .WriteText("O")
        .WriteInteger(0)
        .EndRecord();
}

// The text of a cell of the lower grid; empty where the grid holds none.
const std::string& Grid2Cell(const ComparisonState& s, std::size_t r, std::size_t c) {
    static const std::string kEmpty;
    return r < s.grid2.size() && c < s.grid2[r].size() ? s.grid2[r][c] : kEmpty;
}

void WriteSections(RecordWriter& writer, const ComparisonState& s) {
    const auto rows = static_cast<std::size_t>(s.rowCount);
    for (std::size_t r = 1; r <= rows; ++r)
        for (const std::string& cell : s.grid1[r]) writer.WriteText(cell).EndRecord();
    // The screen's lower grid is laid out to at least its minimum size
    // (ComparisonTable), so its counts are stored as they are, as a read
    // file's own are.
    for (std::size_t r = 0; r < static_cast<std::size_t>(s.grid2Rows); ++r)
        for (std::size_t c = 0; c < static_cast<std::size_t>(s.grid2Columns); ++c)
            writer.WriteText(Grid2Cell(s, r, c)).EndRecord();
    // One graph row per comparison row, as the graph shows them.
    for (std::size_t r = 0; r < rows; ++r) {
        const GraphPoint point = r < s.graphPoints.size() ? s.graphPoints[r] : GraphPoint{};
        writer.WriteText(point.label).WriteDouble(point.value).EndRecord();
    }
    writer.WriteText(s.printout).EndRecord();
    for (std::size_t r = 0; r < kListingRows; ++r)
        for (std::size_t c = 0; c < kListingIndexes; ++c)
            writer.WriteText(s.listingLabels[r][c]).WriteText(s.listingAmounts[r][c]).EndRecord();
}

}  // namespace

LoadResult<ComparisonFile> ParseComparisonFile(std::string_view bytes, float typedDays) {
    using Result = LoadResult<ComparisonFile>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        ComparisonFile f;
        const auto [rows, grid2Rows] = ReadFirstRecord(reader, typedDays, f);
        ReadSections(reader, rows, grid2Rows, f.state);
        // The rest of the file, to its end.
        RateChangeRecords changes = ReadRateChangeRecords(reader, "the listing tables", kPrepaymentTags);
        f.inputs.rateChanges = std::move(changes.changes);
        f.inputs.rounding = changes.rounding;
        f.inputs.prepayments = ReadPrepaymentRecords(reader, "the listing tables");
        if (PrepaymentRefusal(f.inputs.prepayments))
            return Result::Failure("prepayments no calculation takes");
        if (!CanRestoreComparison(f.state)) return Result::Failure("counts that no comparison can have");
        return Result::Success(std::move(f));
    } catch (const FormatError& e) {
        return Result::Failure(e.what());
    }
}

LoadResult<ComparisonFile> LoadComparisonFile(const std::string& path, float typedDays) {
    const LoadResult<std::string> file = ReadDataFile(path);
    if (!file) return LoadResult<ComparisonFile>::Failure(file.error());
    return ParseComparisonFile(file.value(), typedDays);
}

std::string FormatComparisonFile(const ComparisonFile& comparison) {
    CheckForWriting(comparison);
    RecordWriter writer;
    WriteFirstRecord(writer, comparison);
    WriteSections(writer, comparison.state);
    WriteRateChangeRecords(writer, comparison.inputs.rateChanges, comparison.inputs.rounding);
    WritePrepaymentRecords(writer, comparison.inputs.prepayments);
    return EncodeFileText(writer.Data());
}

bool SaveComparisonFile(const std::string& path, const ComparisonFile& comparison, std::string* error) {
    std::string bytes;
    try {
        bytes = FormatComparisonFile(comparison);
    } catch (const FormatError& e) {
        if (error) *error = e.what();
        return false;
    }
    return WriteFileReplacing(path, bytes, error);
}

}  // namespace amortix
