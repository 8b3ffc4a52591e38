#pragma once
// The numbered message and question texts: every notice the user sees is
// chosen by name from these tables. The numbers are the ones the user guide
// and the state's MessageNumber show, so a name keeps its number for good.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/catalogue.h"

namespace amortix {

enum class Message : int {
    NothingToPrint = 1,
    NothingToGraph = 2,
    WrongOrMissingEntry = 3,
    WrongEntry = 4,
    YearsLimit = 5,
    NoData = 7,
    ThreeBoxesNeeded = 8,
    OldFileFormat = 9,
    InvalidDate = 10,
    FileNotFound = 13,
    BadTableFileName = 14,
    NoRecordsToSave = 15,
    MonthsLimit = 16,
    DaysInYearRange = 19,
    RowLimit = 22,
    MissingEntry = 24,
    BadLoanFileName = 25,
    CannotCalculate = 26,
    BadComparisonFileName = 29,
    DateFormat = 30,  // %1 is today's date in the system's short form
    TermReset = 34,
    PercentLimit = 35,
    SettingsNotSaved = 36,
    PictureNotSaved = 37,
    AdditionalPaymentsErased = 38,
    PrincipalRange = 39,
    RateRange = 40,
    PeriodRange = 41,
    LoanPeriodRange = 42,
    RateChangeNotReached = 43,
    PaymentBelowInterest = 44,
    NotRepaidInLimit = 45,
    RateChangeRange = 46,
    YearlyPrepaymentLimit = 47,  // the result names the year and by how much
    PaymentIncreaseLimit = 48,   // likewise
    PrepaymentRange = 49,
    CostsRange = 50,
    DownPaymentRange = 51,
    DownPaymentBelowMinimum = 52,  // the result names the minimum
    InsuredPriceLimit = 53,
    InsuranceNeedsPrice = 54,
    InsuredPeriodLimit = 55,
    InsuranceForMortgages = 56,
    FeesTakeTheLoan = 57,
    CannotExport = 58,
    QualifyRange = 59,
    QualifiesForNothing = 60,
    DownPaymentLimitsPrice = 61,
    BadQualifyFileName = 62,
};

struct MessageRow {
    Message message;
    std::string_view text;
};

inline constexpr std::array kMessageTexts{
    MessageRow{Message::NothingToPrint, AMX_TEXT("No data to print. Calculate.")},
    MessageRow{Message::NothingToGraph, AMX_TEXT("No data to graph. Calculate.")},
    MessageRow{Message::WrongOrMissingEntry, AMX_TEXT("Wrong or missing entry, try again.")},
    MessageRow{Message::WrongEntry, AMX_TEXT("Wrong entry, try again.")},
    MessageRow{Message::YearsLimit, AMX_TEXT("Wrong entry, 40 Years limit.")},
    MessageRow{Message::NoData, AMX_TEXT("No Data to work with. Calculate.")},
    MessageRow{Message::ThreeBoxesNeeded, AMX_TEXT("All three boxes must contain figures")},
    MessageRow{Message::OldFileFormat, AMX_TEXT("Wrong format, if in previous format will open it.")},
    MessageRow{Message::InvalidDate, AMX_TEXT("Not a valid date, try again.")},
    MessageRow{Message::FileNotFound,
               AMX_TEXT("File not found or wrong format. Check Filename and/or Directory.")},
    MessageRow{Message::BadTableFileName, AMX_TEXT("Bad Filename. Must be in the form MYFILE.QMD")},
    MessageRow{Message::NoRecordsToSave, AMX_TEXT("No Records to save.")},
    MessageRow{Message::MonthsLimit, AMX_TEXT("Wrong entry, 480 Month limit.")},
    MessageRow{Message::DaysInYearRange, AMX_TEXT("Must be between 363 and 365.25 days")},
    MessageRow{Message::RowLimit, AMX_TEXT("8 Row limit.")},
    MessageRow{Message::MissingEntry, AMX_TEXT("Check, missing entry.")},
    MessageRow{Message::BadLoanFileName, AMX_TEXT("Bad filename, must be in the form MYFILE.QLD")},
    MessageRow{Message::CannotCalculate, AMX_TEXT("Cannot calculate.")},
    MessageRow{Message::BadComparisonFileName, AMX_TEXT("Bad filename, must be in the form MYFILE.QCD")},
    MessageRow{Message::DateFormat, AMX_TEXT("Correct date format is %1")},
    MessageRow{
        Message::TermReset,
        AMX_TEXT(
            "Term now greater than the number of years to final payment. Term will be reset to All Years.")},
    MessageRow{Message::PercentLimit, AMX_TEXT("100% limit.")},
    MessageRow{Message::SettingsNotSaved,
               AMX_TEXT("Cannot save the personal settings. They are kept until the program ends.")},
    MessageRow{Message::PictureNotSaved,
               AMX_TEXT("Cannot save the picture. Check the folder and the free space.")},
    MessageRow{
        Message::AdditionalPaymentsErased,
        AMX_TEXT(
            "The period changed: the additional payments were erased. Enter them again for the new period.")},
    MessageRow{Message::PrincipalRange, AMX_TEXT("Principal amount: from 0.01 to 9,999,999.99.")},
    MessageRow{Message::RateRange, AMX_TEXT("Annual interest rate: from 0 to 100%.")},
    MessageRow{Message::PeriodRange, AMX_TEXT("Amortization period: from 1 to 40 years.")},
    MessageRow{Message::LoanPeriodRange, AMX_TEXT("Payback period: from 1 to 480 months.")},
    MessageRow{Message::RateChangeNotReached,
               AMX_TEXT("A rate change falls after the final payment: it does not apply.")},
    MessageRow{Message::PaymentBelowInterest, AMX_TEXT("After a rate change the payment does not cover the "
                                                       "interest. Choose Recalculate or a lower rate.")},
    MessageRow{Message::NotRepaidInLimit,
               AMX_TEXT("With these rate changes the loan is not repaid within 40 years.")},
    MessageRow{Message::RateChangeRange, AMX_TEXT("Rate change: year 1 to 40 and month 1 to 12 after the "
                                                  "first payment, rate 0 to 100%, at most 20.")},
    MessageRow{Message::YearlyPrepaymentLimit, AMX_TEXT("The prepayments of a year go over the lender's "
                                                        "yearly limit. The schedule shows them as entered.")},
    MessageRow{
        Message::PaymentIncreaseLimit,
        AMX_TEXT("The payment increase goes over the lender's limit. The schedule shows it as entered.")},
    MessageRow{
        Message::PrepaymentRange,
        AMX_TEXT("Prepayment: amounts 0 to 9,999,999.99, year 1 to 40, month 1 to 12, the end not before the "
                 "start, at most 100 one-time amounts, limits 0 to 100%.")},
    MessageRow{Message::CostsRange, AMX_TEXT("Costs: amounts from 0 to 9,999,999.99, percentages from 0 to "
                                             "25%, the term from 1 to 10 years.")},
    MessageRow{Message::DownPaymentRange, AMX_TEXT("Down payment: from 0 to less than the purchase price.")},
    MessageRow{
        Message::DownPaymentBelowMinimum,
        AMX_TEXT("The down payment is below the minimum for an insured mortgage: 5% of the first $500,000 of "
                 "the price and 10% of the rest.")},
    MessageRow{
        Message::InsuredPriceLimit,
        AMX_TEXT("A home of $1,500,000 or more cannot have an insured mortgage: put down 20% or more.")},
    MessageRow{Message::InsuranceNeedsPrice,
               AMX_TEXT("Default insurance needs the purchase price and the down payment.")},
    MessageRow{Message::InsuredPeriodLimit,
               AMX_TEXT("An insured mortgage in Canada is amortized over 30 years at most.")},
    MessageRow{Message::InsuranceForMortgages,
               AMX_TEXT("Default insurance is for mortgages, not personal loans.")},
    MessageRow{
        Message::FeesTakeTheLoan,
        AMX_TEXT("The prepaid finance charges take the whole loan: there is no annual percentage rate.")},
    MessageRow{Message::CannotExport,
               AMX_TEXT("Cannot export the file. Check the folder and the free space.")},
    MessageRow{
        Message::QualifyRange,
        AMX_TEXT(
            "Qualifying: amounts from 0 to 9,999,999.99, the rate and the limits from 0 to 100%, 1 to 40 "
            "years.")},
    MessageRow{
        Message::QualifiesForNothing,
        AMX_TEXT("The income qualifies for no mortgage: the housing costs and debts alone reach the limit.")},
    MessageRow{
        Message::DownPaymentLimitsPrice,
        AMX_TEXT(
            "The down payment is below the minimum for the price the income would buy: the figures are for "
            "the largest price it allows.")},
    MessageRow{Message::BadQualifyFileName, AMX_TEXT("Bad filename, must be in the form MYFILE.QQD")},
};

// The number a message is known by (in the state, the guide and the CLI).
constexpr int MessageNumber(Message message) {
    return static_cast<int>(message);
}

// The numbers of `messages`, in order.
std::vector<int> MessageNumbers(const std::vector<Message>& messages);
std::optional<int> MessageNumber(std::optional<Message> message);

// The text of `message` in the language of `words`; DateFormat ends with
// `todayShortDate`. A value with no row gives an empty text.
std::string MessageText(Message message, std::string_view todayShortDate = {},
                        const Catalogue& words = EnglishCatalogue());

enum class Question : int {
    ContinuePrintout = 1,
    PrintInColor = 2,
    SaveBeforeErasing = 3,
    EraseAdditionalPayments = 4,
    LeaveComparison = 5,
};

constexpr int QuestionNumber(Question question) {
    return static_cast<int>(question);
}

// The text of `question`, or an empty text for a value with no row (the
// question box then keeps its design-time caption).
std::string QuestionText(Question question, const Catalogue& words = EnglishCatalogue());

// Answers a question box hands back.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 0;

}  // namespace amortix
