#include "core/format/catalogue.h"

#include <cstddef>

namespace amortix {

std::string Catalogue::Text(std::string_view english) const {
    return std::string(english);
}

const Catalogue& EnglishCatalogue() {
    static const Catalogue english;
    return english;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                text.append(*(arguments.begin() + index));
                ++i;
                continue;
            }
        }
        text.push_back(c);
    }
    return text;
}

}  // namespace amortix
