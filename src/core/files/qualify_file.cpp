#include "core/files/qualify_file.h"

#include <array>
#include <span>

#include "core/files/records.h"
#include "core/files/text_encoding.h"

namespace amortix {

namespace {

constexpr std::string_view kKindTag = "Qualifying";
constexpr std::int16_t kLayout = 1;

struct RecordKind {
    std::string_view tag;
    std::size_t fields;  // the tag included
};

constexpr std::array<RecordKind, 5> kRecords = {{
    {kKindTag, 2},
    {"Rules", 9},
    {"Borrowers", 5},
    {"Home", 6},
    {"Mortgage", 5},
}};

std::string Where(int line) {
    return "line " + std::to_string(line) + ": ";
}

// The next record, which must be `kind`, its fields after the tag.
FieldCursor Expect(RecordReader& reader, const RecordKind& kind) {
    const int line = reader.Line();
    if (reader.AtEnd())
        throw FormatError(Where(line) + "the " + std::string(kind.tag) + " record is missing");
    const std::span<const RecordField> record = reader.Next(kind.fields);
    if (record.empty() || record[0].kind != RecordField::Kind::Quoted || record[0].text != kind.tag)
        throw FormatError(Where(line) + "not the " + std::string(kind.tag) + " record");
    if (record.size() != kind.fields)
        throw FormatError(Where(line) + "a " + std::string(kind.tag) + " record holds " +
                          std::to_string(kind.fields - 1) + " fields");
    return FieldCursor(record.subspan(1), line);
}

template <class Find>
auto Listed(FieldCursor& f, Find find, const char* what) {
    const std::string text = f.ReadText();
    const auto id = find(text);
    if (!id) f.Fail(std::string("no such ") + what);
    return *id;
}

void ReadRules(FieldCursor f, QualifyInputs& in) {
    in.rules = Listed(f, FindQualifyRules, "rules");
    QualifyLimits& l = in.limits;
    l.gdsPercent = f.ReadDouble();
    l.tdsPercent = f.ReadDouble();
    l.stressTest = f.ReadIntegerIn(0, 1) == 1;
    l.stressAddPoints = f.ReadDouble();
    l.stressFloorPercent = f.ReadDouble();
    l.balancePercent = f.ReadDouble();
    l.mortgageInsurancePercent = f.ReadDouble();
}

QualifyInputs Read(RecordReader& reader) {
    if (Expect(reader, kRecords[0]).ReadIntegerIn(kLayout, kLayout) != kLayout)
        throw FormatError("another layout");
    QualifyInputs in;
    ReadRules(Expect(reader, kRecords[1]), in);
    FieldCursor b = Expect(reader, kRecords[2]);
    in.income = b.ReadDouble();
    in.income2 = b.ReadDouble();
    in.debtsMonthly = b.ReadDouble();
    in.cardBalances = b.ReadDouble();
    FieldCursor h = Expect(reader, kRecords[3]);
    in.propertyTaxYearly = h.ReadDouble();
    in.homeInsuranceYearly = h.ReadDouble();
    in.heatingMonthly = h.ReadDouble();
    in.condoFeesMonthly = h.ReadDouble();
    in.downPayment = h.ReadDouble();
    FieldCursor m = Expect(reader, kRecords[4]);
    in.ratePercent = m.ReadDouble();
    in.compounding = Listed(m, FindCompounding, "compounding");
    in.frequency = Listed(m, FindFrequency, "frequency");
    in.years = m.ReadIntegerIn(1, kQualifyYearLimit);
    if (!reader.AtEnd()) throw FormatError(Where(reader.Line()) + "more data after the last record");
    if (QualifyRefusal(in)) throw FormatError("a figure outside the ranges a calculation takes");
    return in;
}

}  // namespace

LoadResult<QualifyInputs> ParseQualifyFile(std::string_view bytes) {
    using Result = LoadResult<QualifyInputs>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        return Result::Success(Read(reader));
    } catch (const FormatError& e) {
        return Result::Failure(e.what());
    } catch (const CalcError& e) {
        return Result::Failure(e.what());
    }
}

LoadResult<QualifyInputs> LoadQualifyFile(const std::string& path) {
    const LoadResult<std::string> bytes = ReadDataFile(path);
    if (!bytes) return LoadResult<QualifyInputs>::Failure(bytes.error());
    return ParseQualifyFile(bytes.value());
}

std::string FormatQualifyFile(const QualifyInputs& in) {
    if (QualifyRefusal(in)) throw FormatError("a figure outside the ranges a calculation takes");
    const QualifyLimits& l = in.limits;
    RecordWriter w;
    w.WriteText(kKindTag).WriteInteger(kLayout).EndRecord();
    w.WriteText(kRecords[1].tag)
        .WriteText(Info(in.rules).listText)
        .WriteDouble(l.gdsPercent)
        .WriteDouble(l.tdsPercent)
        .WriteInteger(l.stressTest ? 1 : 0)
        .WriteDouble(l.stressAddPoints)
        .WriteDouble(l.stressFloorPercent)
        .WriteDouble(l.balancePercent)
        .WriteDouble(l.mortgageInsurancePercent)
        .EndRecord();
    w.WriteText(kRecords[2].tag)
        .WriteDouble(in.income)
        .WriteDouble(in.income2)
        .WriteDouble(in.debtsMonthly)
        .WriteDouble(in.cardBalances)
        .EndRecord();
    w.WriteText(kRecords[3].tag)
        .WriteDouble(in.propertyTaxYearly)
        .WriteDouble(in.homeInsuranceYearly)
        .WriteDouble(in.heatingMonthly)
        .WriteDouble(in.condoFeesMonthly)
        .WriteDouble(in.downPayment)
        .EndRecord();
    w.WriteText(kRecords[4].tag)
        .WriteDouble(in.ratePercent)
        .WriteText(Info(in.compounding).listText)
        .WriteText(Info(in.frequency).listText)
        .WriteInteger(static_cast<std::int16_t>(in.years))
        .EndRecord();
    return w.Data();
}

}  // namespace amortix
