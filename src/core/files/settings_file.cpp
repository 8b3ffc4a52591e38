#include "core/files/settings_file.h"

#include "core/files/records.h"
#include "core/files/text_encoding.h"
#include "core/files/text_file.h"

namespace amortix {

LoadResult<PersonalSettings> ParsePersonalSettings(std::string_view bytes) {
    using Result = LoadResult<PersonalSettings>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        // Only the first four fields count; whatever follows is left alone.
        const int line = reader.Line();
        FieldCursor fields(reader.Leading(4), line);
        PersonalSettings settings;
        // Values outside the choices would select option buttons that do not exist.
        settings.printerFontChoice = fields.ReadIntegerIn(0, 1);
        settings.userName = fields.ReadText();
        settings.currencySymbol = fields.ReadText();
        settings.compoundSetting = fields.ReadIntegerIn(0, 4);
        return Result::Success(std::move(settings));
    } catch (const FormatError& e) {
        return Result::Failure(e.what());
    }
}

LoadResult<PersonalSettings> ReadPersonalSettings(const std::string& path) {
    const LoadResult<std::string> file = ReadDataFile(path);
    if (!file) return LoadResult<PersonalSettings>::Failure(file.error());
    return ParsePersonalSettings(file.value());
}

std::optional<PersonalSettings> LoadPersonalSettings(const std::string& path) {
    LoadResult<PersonalSettings> result = ReadPersonalSettings(path);
    if (!result) return std::nullopt;
    return std::move(result.value());
}

std::string FormatPersonalSettings(const PersonalSettings& settings) {
    // The reader refuses other choices; so does the writer.
    if (settings.printerFontChoice < 0 || settings.printerFontChoice > 1)
        throw FormatError("printer font choice outside 0 to 1");
    if (settings.compoundSetting < 0 || settings.compoundSetting > 4)
        throw FormatError("compounding outside 0 to 4");
    RecordWriter writer;
    writer.WriteInteger(settings.printerFontChoice)
        .WriteText(settings.userName)
        .WriteText(settings.currencySymbol)
        .WriteInteger(settings.compoundSetting)
        .EndRecord();
    return EncodeFileText(writer.Data());
}

bool SavePersonalSettings(const std::string& path, const PersonalSettings& settings) {
    std::string data;
    try {
        data = FormatPersonalSettings(settings);
    } catch (const FormatError&) {
        return false;
    }
    return WriteFileReplacing(path, data);
}

}  // namespace amortix
