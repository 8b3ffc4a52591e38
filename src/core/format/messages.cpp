#include "core/format/messages.h"

namespace amortix {

std::string MessageText(int number, std::string_view todayShortDate) {
    switch (number) {
        case 1:
            return "No data to print. Calculate.";
        case 2:
            return "No data to graph. Calculate.";
        case 3:
            return "Wrong or missing entry, try again.";
        case 4:
            return "Wrong entry, try again.";
        case 5:
            return "Wrong entry, 40 Years limit.";
        case 7:
            return "No Data to work with. Calculate.";
        case 8:
            return "All three boxes must contain figures";
        case 9:
            return "Wrong format, if in previous format will open it.";
        case 10:
            return "Not a valid date, try again.";
        case 13:
            return "File not found or wrong format. Check Filename and/or Directory.";
        case 14:
            return "Bad Filename. Must be in the form MYFILE.QMD";
        case 15:
            return "No Records to save.";
        case 16:
            return "Wrong entry, 480 Month limit.";
        case 19:
            return "Must be between 363 and 365.25 days";
        case 22:
            return "8 Row limit.";
        case 24:
            return "Check, missing entry.";
        case 25:
            return "Bad filename, must be in the form MYFILE.QLD";
        case 26:
            return "Cannot calculate.";
        case 29:
            return "Bad filename, must be in the form MYFILE.QCD";
        case 30:
            return "Correct date format is " + std::string(todayShortDate);
        case 34:
            return "Term now greater than the number of years to final payment. Term will be reset to All "
                   "Years.";
        case 35:
            return "100% limit.";
        default:
            return {};
    }
}

std::string QuestionText(int number) {
    switch (number) {
        case 1:
            return " Continue with Printout.";
        case 2:
            return " Print in Color.";
        case 3:
            return " file in memory will be erased. Do you wish to go back and save it to Disk?.";
        default:
            return {};
    }
}

}  // namespace amortix
