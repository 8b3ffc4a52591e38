#include "core/files/settings_file.h"

#include "core/files/records.h"
#include "core/files/text_encoding.h"
#include "core/files/text_file.h"

namespace amortix {
namespace {

// The language a fifth field names. Files from before there was a choice end
// after four fields, and older readers ignored a fifth, so nothing there is
// an error: it only fails to choose.
Language FifthFieldLanguage(RecordReader reader) {
    try {
        const RecordField& field = reader.Leading(5)[4];
        if (field.kind != RecordField::Kind::Quoted) return Language::Automatic;
        for (const LanguageInfo& info : kLanguages)
            if (!info.fileCode.empty() && field.text == info.fileCode) return info.id;
    } catch (const FormatError&) {
        // Four fields: the desktop's language.
    }
    return Language::Automatic;
}

}  // namespace

LoadResult<PersonalSettings> ParsePersonalSettings(std::string_view bytes) {
    using Result = LoadResult<PersonalSettings>;
    if (bytes.size() > kMaxDataFileBytes) return Result::Failure("the file is too large to be one of ours");
    try {
        const std::string text = DecodeFileText(bytes);
        RecordReader reader(text);
        RecordReader withLanguage = reader;
        // Only the first four fields count; whatever follows is left alone.
        const int line = reader.Line();
        FieldCursor fields(reader.Leading(4), line);
        PersonalSettings settings;
        // Values outside the choices would select option buttons that do not exist.
        settings.printerFontChoice = fields.ReadIntegerIn(0, 1);
        settings.userName = fields.ReadText();
        settings.currencySymbol = fields.ReadText();
        settings.compoundSetting = fields.ReadIntegerIn(0, 4);
        settings.language = FifthFieldLanguage(withLanguage);
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
        .WriteInteger(settings.compoundSetting);
    // A file without a choice stays as every earlier version wrote it.
    for (const LanguageInfo& info : kLanguages)
        if (info.id == settings.language && !info.fileCode.empty()) writer.WriteText(info.fileCode);
    writer.EndRecord();
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
