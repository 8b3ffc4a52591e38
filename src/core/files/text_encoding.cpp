#include "core/files/text_encoding.h"

#include <array>
#include <cstdint>

#include "core/files/records.h"
#include "core/files/text_file.h"

namespace amortix {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Code page 1252 at 0x80..0x9F; the five unassigned bytes keep their C1 code
// points, so that every byte decodes to something and nothing is lost.
constexpr std::array<char16_t, 32> k1252At80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        unsigned lo = 0x80, hi = 0xBF;  // bounds of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            if (b == 0xE0) lo = 0xA0;  // overlong
            if (b == 0xED) hi = 0x9F;  // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            if (b == 0xF0) lo = 0x90;  // overlong
            if (b == 0xF4) hi = 0x8F;  // beyond U+10FFFF
        } else {
            return false;
        }
        if (end - p <= more) return false;
        if (p[1] < lo || p[1] > hi) return false;
        for (int k = 2; k <= more; ++k)
            if ((p[k] & 0xC0) != 0x80) return false;
        p += more + 1;
    }
    return true;
}

std::string DecodeFileText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) throw FormatError("not a text file");
    if (IsUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b >= 0x80 && b <= 0x9F ? k1252At80[b - 0x80u] : b);
    }
    return out;
}

std::string EncodeFileText(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        throw FormatError("a text holding a NUL cannot be written");
    if (!IsUtf8(text)) throw FormatError("a text that is not UTF-8 cannot be written");
    if (text.starts_with(kByteOrderMark))
        throw FormatError("a byte-order mark at the start cannot be written");
    if (text.size() > kMaxDataFileBytes) throw FormatError("the data is too large for one file");
    return std::string(text);
}

}  // namespace amortix
