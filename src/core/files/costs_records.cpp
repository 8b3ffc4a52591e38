#include "core/files/costs_records.h"

#include <string>

#include "core/calc/limits.h"

namespace amortix {

namespace {

constexpr std::size_t kCostsFields = 18;

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Reads the fields in order, each held to its range.
class CostsFields {
  public:
    CostsFields(std::span<const RecordField> fields, int line) : fields_(fields), cursor_(fields, line) {
        cursor_.ReadAny();  // the tag
    }

    double Amount() { return Within(kPrincipalLimit, "outside 0 to 9999999.99"); }
    double Percent() { return Within(kCostPercentLimit, "outside 0 to 25"); }
    // An empty field stands for a figure not given.
    bool Empty() {
        if (fields_[next_].kind != RecordField::Kind::Empty) return false;
        Take().ReadAny();
        return true;
    }
    FeePayment Paid() {
        const RecordField& f = Take().ReadAny();
        const auto paid = f.kind == RecordField::Kind::Quoted ? FindFeePayment(f.text) : std::nullopt;
        if (!paid)
            Fail("neither " + Quoted(kFeePayments[0].listText) + " nor " + Quoted(kFeePayments[1].listText));
        return *paid;
    }
    InsuranceKind Insurance() {
        const RecordField& f = Take().ReadAny();
        const auto kind = f.kind == RecordField::Kind::Quoted ? FindInsuranceKind(f.text) : std::nullopt;
        if (!kind) Fail("no such insurance");
        return *kind;
    }
    std::int16_t Term() { return Take().ReadWholeSingleIn(1, kCostTermLimit); }
    [[noreturn]] void Fail(const std::string& what) const { cursor_.Fail(what); }

  private:
    FieldCursor& Take() {
        ++next_;
        return cursor_;
    }
    double Within(double high, const char* outside) {
        const double value = Take().ReadDouble();
        if (!(value >= 0 && value <= high)) Fail(outside);
        return value;
    }

    std::span<const RecordField> fields_;
    FieldCursor cursor_;
    std::size_t next_ = 1;
};

Costs ReadCosts(std::span<const RecordField> fields, int line) {
    CostsFields f(fields, line);
    Costs c;
    if (!f.Empty()) c.price = f.Amount();
    c.downPayment = f.Amount();
    if (c.price ? !(c.downPayment < *c.price) : c.downPayment != 0)
        f.Fail(c.price ? "a down payment not below the price" : "a down payment without a price");
    c.pointsPercent = f.Percent();
    c.pointsPaid = f.Paid();
    c.lenderFees = f.Amount();
    c.lenderFeesPaid = f.Paid();
    c.closingCosts = f.Amount();
    c.closingCostsPaid = f.Paid();
    c.insurance = f.Insurance();
    if (!f.Empty()) c.canadianPremiumPercent = f.Percent();
    c.premiumTaxPercent = f.Percent();
    c.usAnnualPercent = f.Percent();
    c.propertyTaxYearly = f.Amount();
    c.homeInsuranceYearly = f.Amount();
    c.condoFeesMonthly = f.Amount();
    c.heatingMonthly = f.Amount();
    c.termYears = f.Term();
    if (!c.Given()) f.Fail("a costs record without any cost");
    return c;
}

}  // namespace

Costs ReadCostsRecord(RecordReader& reader) {
    const int line = reader.Line();
    const std::span<const RecordField> fields = reader.Next(kCostsFields);
    if (fields.size() != kCostsFields)
        throw FormatError("line " + std::to_string(line) + ": a costs record holds its tag and " +
                          std::to_string(kCostsFields - 1) + " fields");
    Costs costs = ReadCosts(fields, line);
    if (!reader.AtEnd())
        throw FormatError("line " + std::to_string(reader.Line()) + ": more data after the costs");
    return costs;
}

void CheckCostsRecord(const Costs& costs) {
    if (CostsRefusal(costs))
        throw FormatError(
            "costs outside the ranges a calculation takes (amounts 0 to 9,999,999.99, "
            "percentages 0 to 25, term 1 to 10 years, a down payment below the price)");
    if (!costs.Given()) throw FormatError("a costs record without any cost");
}

void WriteCostsRecord(RecordWriter& writer, const Costs& c) {
    writer.WriteText(kCostsTag);
    if (c.price)
        writer.WriteDouble(*c.price);
    else
        writer.WriteEmpty();
    writer.WriteDouble(c.downPayment)
        .WriteDouble(c.pointsPercent)
        .WriteText(Info(c.pointsPaid).listText)
        .WriteDouble(c.lenderFees)
        .WriteText(Info(c.lenderFeesPaid).listText)
        .WriteDouble(c.closingCosts)
        .WriteText(Info(c.closingCostsPaid).listText)
        .WriteText(Info(c.insurance).listText);
    if (c.canadianPremiumPercent)
        writer.WriteDouble(*c.canadianPremiumPercent);
    else
        writer.WriteEmpty();
    writer.WriteDouble(c.premiumTaxPercent)
        .WriteDouble(c.usAnnualPercent)
        .WriteDouble(c.propertyTaxYearly)
        .WriteDouble(c.homeInsuranceYearly)
        .WriteDouble(c.condoFeesMonthly)
        .WriteDouble(c.heatingMonthly)
        .WriteInteger(c.termYears)
        .EndRecord();
}

}  // namespace amortix
