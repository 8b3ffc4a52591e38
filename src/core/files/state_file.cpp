#include "core/files/state_file.h"

#include <algorithm>
#include <cmath>

#include "core/calc/limits.h"
#include "core/files/records.h"
#include "core/files/text_encoding.h"

namespace amortix {

namespace {

constexpr std::string_view kFrameTag = "Frame";
constexpr std::string_view kRecentTag = "Recent";
constexpr std::string_view kAffordTag = "Affordability";
// A frame's place and size in pixels, on any arrangement of screens.
constexpr int kFrameCoordinateLimit = 100000;
constexpr double kAffordPaymentLimit = 1e9;

std::string Where(int line) {
    return "line " + std::to_string(line) + ": ";
}

int ReadCoordinate(FieldCursor& fields, int lo) {
    const double value = fields.ReadDouble();
    if (!(value >= lo && value <= kFrameCoordinateLimit) || value != std::floor(value))
        fields.Fail("a frame coordinate outside its range");
    return static_cast<int>(value);
}

double ReadFigure(FieldCursor& fields, double high, std::string_view what) {
    const double value = fields.ReadDouble();
    if (!(value >= 0 && value <= high)) fields.Fail(std::string(what) + " outside its range");
    return value;
}

FramePlace ReadFrame(FieldCursor& fields) {
    FramePlace frame;
    frame.x = ReadCoordinate(fields, -kFrameCoordinateLimit);
    frame.y = ReadCoordinate(fields, -kFrameCoordinateLimit);
    frame.width = ReadCoordinate(fields, 1);
    frame.height = ReadCoordinate(fields, 1);
    frame.maximized = fields.ReadIntegerIn(0, 1) == 1;
    return frame;
}

AffordState ReadAfford(FieldCursor& fields) {
    AffordState a;
    a.solve = static_cast<AffordSolve>(fields.ReadIntegerIn(0, 2));
    a.figures.principal = ReadFigure(fields, kPrincipalLimit, "the principal");
    a.figures.ratePercent = ReadFigure(fields, kRatePercentLimit, "the rate");
    a.figures.years = ReadFigure(fields, kMortgageYearLimit, "the years");
    a.figures.payment = ReadFigure(fields, kAffordPaymentLimit, "the payment");
    const auto compounding = FindCompounding(fields.ReadText());
    if (!compounding) fields.Fail("no such compounding");
    const auto frequency = FindFrequency(fields.ReadText());
    if (!frequency) fields.Fail("no such frequency");
    a.compounding = *compounding;
    a.frequency = *frequency;
    return a;
}

// The tags in the order they may come, and how many fields each holds.
struct Kind {
    std::string_view tag;
    std::size_t fields;
    int order;
};
constexpr Kind kKinds[] = {{kFrameTag, 6, 0}, {kRecentTag, 2, 1}, {kAffordTag, 8, 2}};

}  // namespace

LoadResult<ProgramState> ParseProgramState(std::string_view bytes) {
    using Result = LoadResult<ProgramState>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        ProgramState state;
        int reached = -1;
        while (!reader.AtEnd()) {
            const int line = reader.Line();
            const std::span<const RecordField> record = reader.Next(8);
            const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const Kind& k) {
                return !record.empty() && record[0].kind == RecordField::Kind::Quoted &&
                       record[0].text == k.tag;
            });
            if (kind == std::end(kKinds))
                throw FormatError(Where(line) + "not a record of the program's state");
            if (record.size() != kind->fields)
                throw FormatError(Where(line) + "a " + std::string(kind->tag) + " record of " +
                                  std::to_string(record.size()) + " fields");
            const bool again = kind->order == reached && kind->tag != kRecentTag;
            if (kind->order < reached || again) throw FormatError(Where(line) + "a record out of its order");
            reached = kind->order;
            FieldCursor fields(record.subspan(1), line);
            if (kind->tag == kFrameTag) {
                state.frame = ReadFrame(fields);
            } else if (kind->tag == kRecentTag) {
                if (state.recentFiles.size() >= static_cast<std::size_t>(kRecentFileLimit))
                    throw FormatError(Where(line) + "more than 8 recent files");
                state.recentFiles.push_back(fields.ReadText());
                if (state.recentFiles.back().empty()) throw FormatError(Where(line) + "an empty file name");
            } else {
                state.afford = ReadAfford(fields);
            }
        }
        return Result::Success(std::move(state));
    } catch (const FormatError& e) {
        return Result::Failure(e.what());
    }
}

std::string FormatProgramState(const ProgramState& state) {
    if (state.recentFiles.size() > static_cast<std::size_t>(kRecentFileLimit))
        throw FormatError("more than 8 recent files");
    RecordWriter writer;
    if (const auto& f = state.frame) {
        writer.WriteText(kFrameTag)
            .WriteDouble(f->x)
            .WriteDouble(f->y)
            .WriteDouble(f->width)
            .WriteDouble(f->height)
            .WriteInteger(f->maximized ? 1 : 0)
            .EndRecord();
    }
    for (const std::string& path : state.recentFiles)
        writer.WriteText(kRecentTag).WriteText(path).EndRecord();
    if (const auto& a = state.afford) {
        writer.WriteText(kAffordTag)
            .WriteInteger(static_cast<std::int16_t>(a->solve))
            .WriteDouble(a->figures.principal)
            .WriteDouble(a->figures.ratePercent)
            .WriteDouble(a->figures.years)
            .WriteDouble(a->figures.payment)
            .WriteText(Info(a->compounding).listText)
            .WriteText(Info(a->frequency).listText)
            .EndRecord();
    }
    std::string bytes = EncodeFileText(writer.Data());
    // Refuse what the reader would refuse, so the state always reads back.
    if (const auto back = ParseProgramState(bytes); !back || !(back.value() == state))
        throw FormatError(back ? "the state does not read back as written" : back.error());
    return bytes;
}

void AddRecentFile(ProgramState& state, const std::string& path) {
    try {
        RecordWriter().WriteText(path);
    } catch (const FormatError&) {
        return;
    }
    if (path.empty()) return;
    auto& files = state.recentFiles;
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > static_cast<std::size_t>(kRecentFileLimit))
        files.resize(static_cast<std::size_t>(kRecentFileLimit));
}

}  // namespace amortix
