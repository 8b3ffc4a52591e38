#include "core/settings_file.h"

#include "core/records.h"
#include "core/text_file.h"

namespace amortix {

LoadResult<PersonalSettings> ReadPersonalSettings(const std::string& path) {
    using Result = LoadResult<PersonalSettings>;
    const LoadResult<std::string> file = ReadDataFile(path);
    if (!file) return Result::Failure(file.error());
    try {
        RecordReader reader(file.value());
        // Only the first four fields count; whatever follows is left alone.
        FieldCursor fields(reader.Leading(4), reader.Line());
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

std::optional<PersonalSettings> LoadPersonalSettings(const std::string& path) {
    LoadResult<PersonalSettings> result = ReadPersonalSettings(path);
    if (!result) return std::nullopt;
    return std::move(result.value());
}

bool SavePersonalSettings(const std::string& path, const PersonalSettings& settings) {
    std::string data;
    try {
        RecordWriter writer;
        writer.WriteInteger(settings.printerFontChoice)
            .WriteText(settings.userName)
            .WriteText(settings.currencySymbol)
            .WriteInteger(settings.compoundSetting)
            .EndRecord();
        data = writer.Data();
    } catch (const FormatError&) {
        return false;
    }
    return WriteFileReplacing(path, data);
}

}  // namespace amortix
