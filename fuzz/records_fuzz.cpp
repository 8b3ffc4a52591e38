// Records: any bytes split into records without a crash or a hang, and every
// record the writer takes back reads as it was read.

#include "core/files/records.h"
#include "fuzz_check.h"

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordReader reader(fuzz::Bytes(data, size));
    try {
        while (!reader.AtEnd()) {
            const std::vector<RecordField> fields = [&] {
                const auto span = reader.Next(64);
                return std::vector<RecordField>(span.begin(), span.end());
            }();
            RecordWriter writer;
            try {
                for (const RecordField& f : fields) {
                    if (f.kind == RecordField::Kind::Empty)
                        writer.WriteEmpty();
                    else
                        writer.WriteText(f.text);
                }
                writer.EndRecord();
            } catch (const FormatError&) {
                continue;  // a text the writer refuses (a NUL, bytes that are not UTF-8)
            }
            RecordReader again(writer.Data());
            const auto back = again.Next(64);
            fuzz::Check(back.size() == fields.size(), "a written record reads with another field count");
            for (std::size_t k = 0; k < fields.size(); ++k) {
                fuzz::Check(back[k].text == fields[k].text, "a written field reads with another text");
                fuzz::Check((back[k].kind == RecordField::Kind::Empty) ==
                                (fields[k].kind == RecordField::Kind::Empty),
                            "an empty field reads as a text, or the reverse");
            }
            fuzz::Check(again.AtEnd(), "a written record leaves data behind");
        }
    } catch (const FormatError&) {}
    return 0;
}
