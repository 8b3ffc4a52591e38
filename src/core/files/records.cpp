#include "core/files/records.h"

#include "core/files/text_encoding.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace amortix {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A number text taken apart: sign, the digits before and after the point,
// and the exponent (saturated, so a hostile exponent cannot overflow).
struct NumberParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    long exponent = 0;
    std::string_view unsignedText;  // the text without a leading "+", for from_chars
};

NumberParts SplitNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) throw FormatError("not a number");
    NumberParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    // from_chars takes a "-" but not a "+".
    parts.unsignedText = text.substr(text[0] == '+' ? 1 : 0);
    const std::size_t wholeStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    parts.whole = text.substr(wholeStart, i - wholeStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        parts.fraction = text.substr(fracStart, i - fracStart);
    }
    if (parts.whole.empty() && parts.fraction.empty()) throw FormatError("not a number");
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        long exponent = 0;
        while (i < text.size() && IsDigit(text[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == expStart) throw FormatError("not a number");
        parts.exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) throw FormatError("not a number");
    return parts;
}

template <typename T>
T ParseFloating(std::string_view text) {
    const NumberParts parts = SplitNumber(text);
    T value{};
    const char* first = parts.unsignedText.data();
    const char* last = first + parts.unsignedText.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) throw FormatError("number out of range");
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) throw FormatError("not a number");
    return value;
}

template <typename T>
std::string NumberText(T value) {
    if (!std::isfinite(value)) throw FormatError("a number that is not finite cannot be written");
    if (value == 0) return "0";  // also for -0
    // Plain fixed notation for every amount, rate and count a person types;
    // the exponent form only for the extremes, where fixed would run long.
    char buf[64];
    const T magnitude = std::fabs(value);
    if (magnitude >= T(1e-5) && magnitude < T(1e15)) {
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        if (res.ec == std::errc()) return std::string(buf, res.ptr);
    }
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string out(buf, res.ptr);
    for (char& c : out)
        if (c == 'e') c = 'E';
    return out;
}

}  // namespace

// ---- number texts ----------------------------------------------------------

double ParseRecordDouble(std::string_view text) {
    return ParseFloating<double>(text);
}
float ParseRecordSingle(std::string_view text) {
    return ParseFloating<float>(text);
}

Currency ParseRecordCurrency(std::string_view text) {
    const NumberParts parts = SplitNumber(text);
    // The digits without leading zeros; value = digits x 10^scale ticks.
    std::string digits;
    digits.reserve(parts.whole.size() + parts.fraction.size());
    for (const std::string_view run : {parts.whole, parts.fraction})
        for (const char c : run)
            if (!(digits.empty() && c == '0')) digits.push_back(c);
    if (digits.empty()) return Currency();
    const long n = static_cast<long>(digits.size());
    const long scale = parts.exponent - static_cast<long>(parts.fraction.size()) + 4;
    constexpr std::uint64_t kMaxPositive =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::uint64_t limit = parts.negative ? kMaxPositive + 1 : kMaxPositive;
    const auto outOfRange = [] { return FormatError("amount out of range"); };

    // Keep the digits down to the fourth decimal and round the rest half to even.
    const long keep = n + std::min(scale, 0L);
    if (keep > 19 || (scale > 0 && n + scale > 19)) throw outOfRange();
    std::uint64_t ticks = 0;
    for (long k = 0; k < keep; ++k) ticks = ticks * 10 + static_cast<std::uint64_t>(digits[k] - '0');
    if (scale > 0) {
        for (long k = 0; k < scale; ++k)
            if (__builtin_mul_overflow(ticks, std::uint64_t{10}, &ticks)) throw outOfRange();
    } else if (keep >= 0 && keep < n) {
        const char first = digits[static_cast<std::size_t>(keep)];
        bool restNonZero = false;
        for (long k = keep + 1; k < n && !restNonZero; ++k) restNonZero = digits[k] != '0';
        const bool up = first > '5' || (first == '5' && (restNonZero || (ticks & 1u)));
        if (up) ++ticks;
    }
    if (ticks > limit) throw outOfRange();
    if (!parts.negative) return Currency::FromTicks(static_cast<std::int64_t>(ticks));
    if (ticks == kMaxPositive + 1) return Currency::FromTicks(std::numeric_limits<std::int64_t>::min());
    return Currency::FromTicks(-static_cast<std::int64_t>(ticks));
}

std::string DoubleText(double value) {
    return NumberText(value);
}
std::string SingleText(float value) {
    return NumberText(value);
}

std::string CurrencyText(Currency value) {
    const std::int64_t ticks = value.Ticks();
    // The magnitude as unsigned, so the most negative amount has one too.
    const std::uint64_t magnitude =
        ticks < 0 ? ~static_cast<std::uint64_t>(ticks) + 1 : static_cast<std::uint64_t>(ticks);
    const std::uint64_t scale = static_cast<std::uint64_t>(Currency::kScale);
    std::string out;
    if (ticks < 0) out.push_back('-');
    out.append(std::to_string(magnitude / scale));
    std::uint64_t fraction = magnitude % scale;
    if (fraction != 0) {
        char decimals[4];
        for (int k = 3; k >= 0; --k) {
            decimals[k] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int used = 4;
        while (decimals[used - 1] == '0') --used;
        out.push_back('.');
        out.append(decimals, static_cast<std::size_t>(used));
    }
    return out;
}

// ---- reader ----------------------------------------------------------------

void RecordReader::Fail(const char* what) const {
    std::string message = "line ";
    message.append(std::to_string(line_));
    message.append(": ");
    message.append(what);
    throw FormatError(message);
}

RecordReader::RecordReader(std::string_view data) : data_(data), contentEnd_(data.size()) {
    while (contentEnd_ > 0 && (IsBlank(data_[contentEnd_ - 1]) || IsLineEnd(data_[contentEnd_ - 1])))
        --contentEnd_;
}

bool RecordReader::NextTaggedWith(std::span<const std::string_view> tags) const {
    if (tags.empty()) return false;
    RecordReader ahead = *this;
    const RecordField& first = ahead.Leading(1)[0];
    if (first.kind != RecordField::Kind::Quoted) return false;
    for (const std::string_view tag : tags)
        if (first.text == tag) return true;
    return false;
}

RecordField RecordReader::ReadField() {
    // Pointer scans: the files are small, but the fuzz tests read many.
    const char* const begin = data_.data();
    const char* const end = begin + data_.size();
    const char* p = begin + pos_;
    while (p < end && IsBlank(*p)) ++p;
    pos_ = static_cast<std::size_t>(p - begin);
    RecordField field;
    if (p < end && *p == '"') {
        const char* const text = p + 1;
        const auto* close =
            static_cast<const char*>(std::memchr(text, '"', static_cast<std::size_t>(end - text)));
        if (!close) Fail("a text has no closing quote");
        field.kind = RecordField::Kind::Quoted;
        field.text = std::string_view(text, static_cast<std::size_t>(close - text));
        // Keep the line count right across the line ends inside the text.
        for (const char* k = text; k < close; ++k) {
            if (*k == '\n' || (*k == '\r' && (k + 1 == close || k[1] != '\n'))) ++line_;
        }
        p = close + 1;
        while (p < end && IsBlank(*p)) ++p;
        pos_ = static_cast<std::size_t>(p - begin);
        if (p < end && *p != ',' && !IsLineEnd(*p)) Fail("characters follow a closing quote");
        return field;
    }
    const char* const start = p;
    while (p < end && *p != ',' && !IsLineEnd(*p)) {
        if (*p == '"') {
            pos_ = static_cast<std::size_t>(p - begin);
            Fail("a quote inside an unquoted field");
        }
        ++p;
    }
    pos_ = static_cast<std::size_t>(p - begin);
    const std::string_view bare = TrimBlanks(std::string_view(start, static_cast<std::size_t>(p - start)));
    if (!bare.empty()) {
        field.kind = RecordField::Kind::Bare;
        field.text = bare;
    }
    return field;
}

std::span<const RecordField> RecordReader::Next(std::size_t maxFields) {
    if (pos_ >= data_.size()) Fail("the file ends too early");
    std::vector<RecordField>& fields = fields_;
    fields.clear();
    for (;;) {
        if (fields.size() >= maxFields) Fail("a record holds too many fields");
        fields.push_back(ReadField());
        if (pos_ >= data_.size()) break;
        const char c = data_[pos_++];
        if (c == ',') continue;
        // A line end: CR LF, LF or CR.
        if (c == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
        ++line_;
        break;
    }
    return fields;
}

std::span<const RecordField> RecordReader::Leading(std::size_t count) {
    if (pos_ >= data_.size()) Fail("the file ends too early");
    std::vector<RecordField>& fields = fields_;
    fields.clear();
    while (fields.size() < count) {
        if (!fields.empty()) {
            if (pos_ >= data_.size() || data_[pos_] != ',') Fail("a record holds too few fields");
            ++pos_;
        }
        fields.push_back(ReadField());
    }
    return fields;
}

// ---- field cursor ----------------------------------------------------------

void FieldCursor::Fail(std::string_view what) const {
    std::string message = "line ";
    message.append(std::to_string(line_));
    message.append(", field ");
    message.append(std::to_string(next_));
    message.append(": ");
    message.append(what);
    throw FormatError(message);
}

const RecordField& FieldCursor::Take() {
    if (next_ >= fields_.size()) {
        ++next_;
        Fail("missing");
    }
    return fields_[next_++];
}

namespace {

// The characters of a number field, or why there are none.
const char* NumberProblem(const RecordField& field) {
    switch (field.kind) {
        case RecordField::Kind::Empty:
            return "empty where a number belongs";
        case RecordField::Kind::Quoted:
            return "a text where a number belongs";
        case RecordField::Kind::Bare:
            return nullptr;
    }
    return "not a number";
}

}  // namespace

double FieldCursor::ReadDouble() {
    const RecordField& field = Take();
    if (const char* problem = NumberProblem(field)) Fail(problem);
    try {
        return ParseRecordDouble(field.text);
    } catch (const FormatError& e) {
        Fail(e.what());
    }
}

float FieldCursor::ReadSingle() {
    const RecordField& field = Take();
    if (const char* problem = NumberProblem(field)) Fail(problem);
    try {
        return ParseRecordSingle(field.text);
    } catch (const FormatError& e) {
        Fail(e.what());
    }
}

double FieldCursor::ReadVariantNumber() {
    if (next_ < fields_.size() && fields_[next_].kind == RecordField::Kind::Empty) {
        ++next_;
        return 0.0;
    }
    return ReadDouble();
}

std::int16_t FieldCursor::ReadInteger() {
    const double value = ReadDouble();
    const double rounded = std::nearbyint(value);  // ties to even
    if (rounded < -32768.0 || rounded > 32767.0) Fail("not a 16-bit whole number");
    return static_cast<std::int16_t>(rounded);
}

Currency FieldCursor::ReadCurrency() {
    const RecordField& field = Take();
    if (const char* problem = NumberProblem(field)) Fail(problem);
    try {
        return ParseRecordCurrency(field.text);
    } catch (const FormatError& e) {
        Fail(e.what());
    }
}

std::string FieldCursor::ReadText() {
    return std::string(Take().text);
}

const RecordField& FieldCursor::ReadAny() {
    return Take();
}

std::int16_t FieldCursor::ReadIntegerIn(int lo, int hi) {
    const std::int16_t value = ReadInteger();
    if (value < lo || value > hi) {
        Fail("outside " + std::to_string(lo) + " to " + std::to_string(hi));
    }
    return value;
}

std::int16_t FieldCursor::ReadWholeSingleIn(int lo, int hi) {
    const float value = ReadSingle();
    if (value != std::floor(value) || value < static_cast<float>(lo) || value > static_cast<float>(hi)) {
        Fail("not a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    }
    return static_cast<std::int16_t>(value);
}

// ---- writer ----------------------------------------------------------------

void RecordWriter::Separate() {
    if (fieldOnLine_) data_.push_back(',');
    fieldOnLine_ = true;
}

RecordWriter& RecordWriter::WriteDouble(double value) {
    const std::string text = DoubleText(value);
    Separate();
    data_.append(text);
    return *this;
}

RecordWriter& RecordWriter::WriteSingle(float value) {
    const std::string text = SingleText(value);
    Separate();
    data_.append(text);
    return *this;
}

RecordWriter& RecordWriter::WriteInteger(std::int16_t value) {
    Separate();
    data_.append(std::to_string(value));
    return *this;
}

RecordWriter& RecordWriter::WriteCurrency(Currency value) {
    Separate();
    data_.append(CurrencyText(value));
    return *this;
}

RecordWriter& RecordWriter::WriteText(std::string_view text) {
    if (text.find('"') != std::string_view::npos)
        throw FormatError("a text holding a double quote cannot be written");
    if (text.find('\0') != std::string_view::npos)
        throw FormatError("a text holding a NUL cannot be written");
    if (!IsUtf8(text)) throw FormatError("a text that is not UTF-8 cannot be written");
    Separate();
    data_.push_back('"');
    data_.append(text);
    data_.push_back('"');
    return *this;
}

RecordWriter& RecordWriter::WriteEmpty() {
    Separate();
    return *this;
}

RecordWriter& RecordWriter::EndRecord() {
    data_.append("\r\n");
    fieldOnLine_ = false;
    return *this;
}

}  // namespace amortix
