#include "core/files/rate_change_records.h"

#include <string>

#include "core/calc/limits.h"

namespace amortix {

namespace {

constexpr std::size_t kRateChangeFields = 5;
constexpr std::size_t kRoundingFields = 2;

std::string LineText(int line) {
    return "line " + std::to_string(line) + ": ";
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// "Recalculate" or "Keep", from the list texts, joined by `word`.
std::string PaymentTexts(std::string_view word) {
    std::string out;
    for (const RateChangePaymentInfo& p : kRateChangePayments) {
        if (!out.empty()) out.append(" ").append(word).append(" ");
        out.append(Quoted(p.listText));
    }
    return out;
}

// A tag as a message may quote it: short and on one line, else not at all.
std::string TagInMessage(std::string_view tag) {
    constexpr std::size_t kLongest = 30;
    if (tag.size() > kLongest) return "";
    for (const char c : tag)
        if (static_cast<unsigned char>(c) < 0x20) return "";
    return " " + Quoted(tag);
}

RateChange ReadRateChange(std::span<const RecordField> fields, int line) {
    if (fields.size() != kRateChangeFields)
        throw FormatError(LineText(line) + "a rate change holds its tag, a year, a month, a rate and " +
                          PaymentTexts("or"));
    FieldCursor cursor(fields, line);
    cursor.ReadAny();  // the tag
    RateChange change;
    change.year = cursor.ReadWholeSingleIn(1, static_cast<int>(kMortgageYearLimit));
    change.month = cursor.ReadWholeSingleIn(1, 12);
    // The first payment's rate is the table's own rate.
    if (change.year == 1 && change.month == 1) cursor.Fail("year 1 month 1 is the first rate itself");
    change.ratePercent = cursor.ReadDouble();
    if (!(change.ratePercent >= 0 && change.ratePercent <= kRatePercentLimit))
        cursor.Fail("outside 0 to " + std::to_string(static_cast<int>(kRatePercentLimit)));
    const RecordField& payment = cursor.ReadAny();
    const auto kind =
        payment.kind == RecordField::Kind::Quoted ? FindRateChangePayment(payment.text) : std::nullopt;
    if (!kind) cursor.Fail("neither " + PaymentTexts("nor"));
    change.payment = *kind;
    return change;
}

void ReadRounding(std::span<const RecordField> fields, int line) {
    const std::string lender = Quoted(Info(Rounding::Lender).listText);
    if (fields.size() != kRoundingFields)
        throw FormatError(LineText(line) + "a rounding record holds its tag and " + lender);
    FieldCursor cursor(fields, line);
    cursor.ReadAny();  // the tag
    // Exact rounding is what a file without the record means; it is never written.
    const RecordField& text = cursor.ReadAny();
    if (text.kind != RecordField::Kind::Quoted || FindRounding(text.text) != Rounding::Lender)
        cursor.Fail("not " + lender);
}

}  // namespace

RateChangeRecords ReadRateChangeRecords(RecordReader& reader, std::string_view lastRecord,
                                        std::span<const std::string_view> laterTags) {
    RateChangeRecords out;
    bool rounded = false;
    while (!reader.AtEnd() && !reader.NextTaggedWith(laterTags)) {
        const int line = reader.Line();
        const std::span<const RecordField> fields = reader.Next(kRateChangeFields);
        if (fields[0].kind != RecordField::Kind::Quoted)
            throw FormatError(LineText(line) + "more data after " + std::string(lastRecord));
        const std::string_view tag = fields[0].text;
        if (tag == kRateChangeTag) {
            if (rounded) throw FormatError(LineText(line) + "a rate change after the rounding record");
            if (out.changes.size() == static_cast<std::size_t>(kRateChangeLimit))
                throw FormatError(LineText(line) + "more than " + std::to_string(kRateChangeLimit) +
                                  " rate changes");
            out.changes.push_back(ReadRateChange(fields, line));
        } else if (tag == kRoundingTag) {
            if (rounded) throw FormatError(LineText(line) + "a second rounding record");
            ReadRounding(fields, line);
            rounded = true;
            out.rounding = Rounding::Lender;
        } else {
            throw FormatError(LineText(line) + "unknown record" + TagInMessage(tag));
        }
    }
    return out;
}

void CheckRateChangeRecords(const std::vector<RateChange>& changes, Rounding rounding) {
    // The calculation's own check (message 46), so a plan it refuses is never stored.
    if (RateChangeRefusal(changes))
        throw FormatError("rate changes outside the ranges a calculation takes (more than " +
                          std::to_string(kRateChangeLimit) + ", or a year, month or rate out of range)");
    for (const RateChange& c : changes)
        if (c.payment != RateChangePayment::Recalculate && c.payment != RateChangePayment::Keep)
            throw FormatError("a rate change's payment is neither recalculated nor kept");
    if (rounding != Rounding::Exact && rounding != Rounding::Lender)
        throw FormatError("rounding is neither exact nor as lenders do");
}

void WriteRateChangeRecords(RecordWriter& writer, const std::vector<RateChange>& changes, Rounding rounding) {
    for (const RateChange& c : changes) {
        writer.WriteText(kRateChangeTag)
            .WriteInteger(c.year)
            .WriteInteger(c.month)
            .WriteDouble(c.ratePercent)
            .WriteText(Info(c.payment).listText)
            .EndRecord();
    }
    if (rounding == Rounding::Lender)
        writer.WriteText(kRoundingTag).WriteText(Info(Rounding::Lender).listText).EndRecord();
}

}  // namespace amortix
