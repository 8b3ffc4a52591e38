#include "core/files/prepayment_records.h"

#include <algorithm>
#include <string>

#include "core/calc/limits.h"

namespace amortix {

namespace {

constexpr std::size_t kRecurringFields = 6;
constexpr std::size_t kOneTimeFields = 4;
constexpr std::size_t kTermsFields = 4;
constexpr std::size_t kLongestRecord = kRecurringFields;

std::string LineText(int line) {
    return "line " + std::to_string(line) + ": ";
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A tag as a message may quote it: short and on one line, else not at all.
std::string TagInMessage(std::string_view tag) {
    constexpr std::size_t kLongest = 30;
    if (tag.size() > kLongest) return "";
    for (const char c : tag)
        if (static_cast<unsigned char>(c) < 0x20) return "";
    return " " + Quoted(tag);
}

bool IsEmpty(std::span<const RecordField> fields, std::size_t index) {
    return fields[index].kind == RecordField::Kind::Empty;
}

Currency ReadAmount(FieldCursor& cursor) {
    const Currency amount = cursor.ReadCurrency();
    if (!(amount >= Currency() && amount <= Currency::FromDouble(kPrepaymentAmountLimit)))
        cursor.Fail("an amount outside 0 to 9999999.99");
    return amount;
}

std::int16_t ReadYear(FieldCursor& cursor) {
    return cursor.ReadWholeSingleIn(1, kPrepaymentYearLimit);
}

std::int16_t ReadMonth(FieldCursor& cursor) {
    return cursor.ReadWholeSingleIn(1, 12);
}

RecurringPrepayment ReadRecurring(std::span<const RecordField> fields, int line) {
    if (fields.size() != kRecurringFields)
        throw FormatError(LineText(line) +
                          "an every-payment record holds its tag, an amount, a year and month "
                          "from and a year and month to (empty: to the end)");
    FieldCursor cursor(fields, line);
    cursor.ReadAny();  // the tag
    RecurringPrepayment r;
    r.amount = ReadAmount(cursor);
    // No amount is what a file without the record means; it is never written.
    if (r.amount == Currency()) cursor.Fail("an every-payment record without an amount");
    r.fromYear = ReadYear(cursor);
    r.fromMonth = ReadMonth(cursor);
    if (IsEmpty(fields, 4) && IsEmpty(fields, 5)) return r;
    r.toYear = ReadYear(cursor);
    r.toMonth = ReadMonth(cursor);
    if (r.toYear * 12 + r.toMonth < r.fromYear * 12 + r.fromMonth) cursor.Fail("an end before the start");
    return r;
}

OneTimePrepayment ReadOneTime(std::span<const RecordField> fields, int line) {
    if (fields.size() != kOneTimeFields)
        throw FormatError(LineText(line) + "a one-time amount holds its tag, a year, a month and an amount");
    FieldCursor cursor(fields, line);
    cursor.ReadAny();  // the tag
    OneTimePrepayment o;
    o.year = ReadYear(cursor);
    o.month = ReadMonth(cursor);
    o.amount = ReadAmount(cursor);
    return o;
}

std::optional<double> ReadLimit(FieldCursor& cursor, std::span<const RecordField> fields, std::size_t index) {
    if (IsEmpty(fields, index)) {
        cursor.ReadAny();
        return std::nullopt;
    }
    const double percent = cursor.ReadDouble();
    if (!(percent >= 0 && percent <= kPrepaymentLimitPercentLimit)) cursor.Fail("a limit outside 0 to 100");
    return percent;
}

void ReadTerms(std::span<const RecordField> fields, int line, Prepayments& p) {
    if (fields.size() != kTermsFields)
        throw FormatError(LineText(line) + "the prepayment terms hold their tag, " +
                          Quoted(kPrepaymentEffects[0].listText) + " or " +
                          Quoted(kPrepaymentEffects[1].listText) +
                          ", and the yearly and payment-increase limits in percent");
    FieldCursor cursor(fields, line);
    cursor.ReadAny();  // the tag
    const RecordField& effect = cursor.ReadAny();
    const auto found = std::find_if(kPrepaymentEffects.begin(), kPrepaymentEffects.end(),
                                    [&](const PrepaymentEffectInfo& e) { return e.listText == effect.text; });
    if (effect.kind != RecordField::Kind::Quoted || found == kPrepaymentEffects.end())
        cursor.Fail("no such effect of a prepayment");
    p.effect = found->id;
    p.yearlyLimitPercent = ReadLimit(cursor, fields, 2);
    p.increaseLimitPercent = ReadLimit(cursor, fields, 3);
    if (p.effect == PrepaymentEffect::ShortenTerm && !p.yearlyLimitPercent && !p.increaseLimitPercent)
        cursor.Fail("prepayment terms that say nothing");
}

bool TermsWritten(const Prepayments& p) {
    return p.effect != PrepaymentEffect::ShortenTerm || p.yearlyLimitPercent || p.increaseLimitPercent;
}

}  // namespace

Prepayments ReadPrepaymentRecords(RecordReader& reader, std::string_view lastRecord,
                                  std::span<const std::string_view> laterTags) {
    Prepayments p;
    // Each kind in its place: every payment, the one-time amounts, the terms.
    int stage = 0;
    while (!reader.AtEnd() && !reader.NextTaggedWith(laterTags)) {
        const int line = reader.Line();
        const std::span<const RecordField> fields = reader.Next(kLongestRecord);
        if (fields[0].kind != RecordField::Kind::Quoted)
            throw FormatError(LineText(line) + "more data after " + std::string(lastRecord));
        const std::string_view tag = fields[0].text;
        if (tag == kRecurringPrepaymentTag) {
            if (stage > 0) throw FormatError(LineText(line) + "an every-payment record out of place");
            p.recurring = ReadRecurring(fields, line);
            stage = 1;
        } else if (tag == kOneTimePrepaymentTag) {
            if (stage > 1) throw FormatError(LineText(line) + "a one-time amount after the prepayment terms");
            if (p.oneTime.size() == static_cast<std::size_t>(kOneTimePrepaymentLimit))
                throw FormatError(LineText(line) + "more than " + std::to_string(kOneTimePrepaymentLimit) +
                                  " one-time amounts");
            p.oneTime.push_back(ReadOneTime(fields, line));
            stage = 1;
        } else if (tag == kPrepaymentTermsTag) {
            if (stage > 1) throw FormatError(LineText(line) + "second prepayment terms");
            ReadTerms(fields, line, p);
            stage = 2;
        } else {
            throw FormatError(LineText(line) + "unknown record" + TagInMessage(tag));
        }
    }
    return p;
}

void CheckPrepaymentRecords(const Prepayments& p) {
    // The calculation's own check (message 49), so a plan it refuses is never stored.
    if (PrepaymentRefusal(p))
        throw FormatError(
            "prepayments outside the ranges a calculation takes (amounts 0 to 9,999,999.99, years 1 to 40, "
            "months 1 to 12, an end not before the start, at most 100 one-time amounts, limits 0 to 100 %)");
    if (p.effect != PrepaymentEffect::ShortenTerm && p.effect != PrepaymentEffect::LowerPayment)
        throw FormatError("a prepayment neither shortens the term nor lowers the payment");
}

void WritePrepaymentRecords(RecordWriter& writer, const Prepayments& p) {
    const RecurringPrepayment& r = p.recurring;
    if (r.amount > Currency()) {
        writer.WriteText(kRecurringPrepaymentTag)
            .WriteCurrency(r.amount)
            .WriteInteger(r.fromYear)
            .WriteInteger(r.fromMonth);
        if (r.toYear == 0)
            writer.WriteEmpty().WriteEmpty();
        else
            writer.WriteInteger(r.toYear).WriteInteger(r.toMonth);
        writer.EndRecord();
    }
    for (const OneTimePrepayment& o : p.oneTime)
        writer.WriteText(kOneTimePrepaymentTag)
            .WriteInteger(o.year)
            .WriteInteger(o.month)
            .WriteCurrency(o.amount)
            .EndRecord();
    if (!TermsWritten(p)) return;
    writer.WriteText(kPrepaymentTermsTag).WriteText(Info(p.effect).listText);
    for (const std::optional<double>& limit : {p.yearlyLimitPercent, p.increaseLimitPercent}) {
        if (limit)
            writer.WriteDouble(*limit);
        else
            writer.WriteEmpty();
    }
    writer.EndRecord();
}

}  // namespace amortix
