#pragma once
// Qualifying files (.qqd): the inputs of the qualifying screen, never its
// results (they are calculated again on opening). Tagged records, one a
// line, in this order and each once:
//
//   "Qualifying",1                                          the kind and its layout
//   "Rules","RULES",GDS,TDS,STRESS TEST,ADD,FLOOR,BALANCES,MORTGAGE INSURANCE
//   "Borrowers",INCOME,INCOME 2,DEBTS,CARD BALANCES
//   "Home",PROPERTY TAX,HOME INSURANCE,HEATING,CONDO FEES,DOWN PAYMENT
//   "Mortgage",RATE,"COMPOUNDING","FREQUENCY",YEARS
//
// RULES is the list's text ("Canada", "United States"), STRESS TEST 1 or 0,
// percentages in percent, amounts in currency units, the lists' texts as
// they show them. The reader takes only what a calculation takes (message
// 59's ranges) and nothing after the last record; inputs added later come in
// records of their own after these, written only when given.

#include <string>
#include <string_view>

#include "core/calc/qualify.h"
#include "core/files/text_file.h"

namespace amortix {

inline constexpr std::string_view kQualifyFileExtension = ".qqd";

LoadResult<QualifyInputs> ParseQualifyFile(std::string_view bytes);
LoadResult<QualifyInputs> LoadQualifyFile(const std::string& path);
// The file's bytes; throws FormatError for inputs the reader would refuse.
std::string FormatQualifyFile(const QualifyInputs& inputs);

}  // namespace amortix
