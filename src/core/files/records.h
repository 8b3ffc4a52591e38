#pragma once
// Comma-separated text records, the form of the settings, table and
// comparison files: fields separated by commas, texts in double quotes (they
// may span lines), numbers as plain decimal text with ".", lines ended by
// CR LF. The reader works on decoded text and the writer produces UTF-8; the
// file's bytes go through text_encoding.h.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/money.h"

namespace amortix {

// Data that does not have the form its reader expects, or a value that the
// writer cannot put into a record. The text says where and what.
class FormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One field as read; its text is a view into the reader's data.
struct RecordField {
    enum class Kind : std::uint8_t {
        Empty,   // nothing between the separators
        Quoted,  // a text between double quotes
        Bare,    // unquoted characters: a number as written
    };
    Kind kind = Kind::Empty;
    std::string_view text;  // the quoted content, or the bare characters without surrounding blanks

    bool operator==(const RecordField&) const = default;
};

// Splits data into records. A record is one line; a quoted text may hold line
// ends and runs to its closing quote. CR LF, LF and CR all end a line.
class RecordReader {
  public:
    explicit RecordReader(std::string_view data);

    // The fields of the next record, valid until the next call. Throws
    // FormatError at the end of the data, on a text without its closing quote,
    // on characters after a closing quote or a quote inside a bare field, and
    // when the record holds more than `maxFields` fields (which bounds what a
    // hostile file can make us hold).
    std::span<const RecordField> Next(std::size_t maxFields);

    // The first `count` fields of the next record; what follows them is not
    // looked at. Throws like Next, and when the record holds fewer fields.
    std::span<const RecordField> Leading(std::size_t count);

    // True when nothing but blanks, tabs and line ends remain. Constant time,
    // so a loop that asks before each record stays linear.
    bool AtEnd() const { return pos_ >= contentEnd_; }

    // Whether the next record's first field is a quoted text equal to one of
    // `tags`; the reader stays where it is.
    bool NextTaggedWith(std::span<const std::string_view> tags) const;

    // The line on which the next record starts (1 for the first).
    int Line() const { return line_; }

  private:
    RecordField ReadField();
    [[noreturn]] void Fail(const char* what) const;

    std::string_view data_;
    std::size_t pos_ = 0;
    std::size_t contentEnd_ = 0;  // one past the last character that is not a blank or a line end
    int line_ = 1;
    std::vector<RecordField> fields_;  // reused from record to record
};

// Converts the fields of one record in order, each as its type asks; every
// failure names the line and the field.
class FieldCursor {
  public:
    // The fields must outlive the cursor.
    FieldCursor(std::span<const RecordField> fields, int line) : fields_(fields), line_(line) {}
    FieldCursor(std::initializer_list<RecordField>, int) = delete;  // would dangle

    double ReadDouble();
    float ReadSingle();
    // A 16-bit whole number; a fraction is rounded half to even, as a stored
    // integer is, and a value outside -32768..32767 is a format error.
    std::int16_t ReadInteger();
    // Exact to four decimals, rounded half to even beyond that.
    Currency ReadCurrency();
    // A quoted text, an empty field ("") or bare characters as written.
    std::string ReadText();
    // A variant holding a number; an empty one reads as 0.
    double ReadVariantNumber();
    // A field taken as it is (variant and ignored fields).
    const RecordField& ReadAny();

    // A 16-bit whole number within lo..hi; anything else is a format error.
    std::int16_t ReadIntegerIn(int lo, int hi);
    // A single-precision field holding a whole number within lo..hi.
    std::int16_t ReadWholeSingleIn(int lo, int hi);

    std::size_t Size() const { return fields_.size(); }
    [[noreturn]] void Fail(std::string_view what) const;

  private:
    const RecordField& Take();

    std::span<const RecordField> fields_;
    std::size_t next_ = 0;
    int line_ = 0;
};

// Builds records. Numbers are written as the shortest plain decimal text that
// reads back to the same value; texts go between quotes unchanged.
class RecordWriter {
  public:
    RecordWriter& WriteDouble(double value);  // throws FormatError when not finite
    RecordWriter& WriteSingle(float value);   // throws FormatError when not finite
    RecordWriter& WriteInteger(std::int16_t value);
    RecordWriter& WriteCurrency(Currency value);
    // Throws FormatError for a text holding a double quote (it could not be
    // read back and would shift every later field), a NUL or bytes that are
    // not UTF-8 (the file would no longer open as written).
    RecordWriter& WriteText(std::string_view text);
    RecordWriter& WriteEmpty();
    // Ends the record with CR LF.
    RecordWriter& EndRecord();

    const std::string& Data() const { return data_; }

  private:
    void Separate();

    std::string data_;
    bool fieldOnLine_ = false;
};

// The number texts the writer uses: "100000", "10.125", "0.05", "1E+300".
std::string DoubleText(double value);
std::string SingleText(float value);
// Up to four decimals, trailing zeros dropped; whole values have no point.
std::string CurrencyText(Currency value);

// Number texts as the reader takes them: optional sign, digits with an
// optional "." (".05" and "5." included), optional exponent ("1E-03"),
// blanks around. Throw FormatError otherwise or when out of range.
double ParseRecordDouble(std::string_view text);
float ParseRecordSingle(std::string_view text);
Currency ParseRecordCurrency(std::string_view text);

}  // namespace amortix
