#pragma once
// How test messages show the engine's choices: by their command-line names.

#include <ostream>

#include "core/calc/choices.h"

namespace amortix {

inline std::ostream& operator<<(std::ostream& os, Frequency f) {
    return os << Info(f).cliName;
}
inline std::ostream& operator<<(std::ostream& os, Compounding c) {
    return os << Info(c).cliName;
}
inline std::ostream& operator<<(std::ostream& os, DayBasisChoice c) {
    return os << Info(c).caption;
}
inline std::ostream& operator<<(std::ostream& os, Month m) {
    return os << "month " << m.number;
}

}  // namespace amortix
