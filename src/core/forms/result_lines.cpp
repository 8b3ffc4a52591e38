#include "core/forms/result_lines.h"

#include <cctype>
#include <initializer_list>
#include <utility>

#include "core/format/numfmt.h"
#include "core/forms/comparison_form.h"
#include "core/forms/prepayments_form.h"
#include "core/forms/schedule_texts.h"
#include "core/forms/tables_form.h"

namespace amortix {

namespace {

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

ResultLine Line(std::string_view caption, std::string_view value) {
    return {PlainCaption(caption), Trim(value)};
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A tab or line break inside a text would split the line it is copied in.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return out;
}

}  // namespace

std::string PlainCaption(std::string_view caption) {
    std::string words;
    bool blank = false;
    for (const char c : caption) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = !words.empty();
            continue;
        }
        // "pay-     ments": the hyphen only broke the word over two lines.
        const bool broken = blank && words.size() >= 2 && words.back() == '-' &&
                            IsWordChar(words[words.size() - 2]) && IsWordChar(c);
        if (broken)
            words.pop_back();
        else if (blank)
            words += ' ';
        blank = false;
        words += c;
    }
    return words;
}

std::vector<ResultLine> TablesResultLines(const ScheduleResult& result, std::string_view currencySymbol,
                                          const Catalogue& words) {
    if (!result.calculated) return {};
    const ScheduleBoxTexts t = BoxTexts(result, currencySymbol, words);
    const TablesDefaults kind = DefaultsFor(result.mode, currencySymbol);
    const auto line = [&words](std::string_view caption, std::string_view value) {
        return Line(words.Text(caption), value);
    };
    std::vector<ResultLine> lines = {
        line(kTablesLabel4, t.payment),         Line(t.increaseCaption, t.increaseAmount),
        line(kTablesLabel14, t.rateFactor),     line(kTablesLabel15, t.daysInYear),
        line(kTablesLabel9, t.paymentsPerYear), line(kind.label11, t.yearsToFinal),
        line(kind.label8, t.totalPaid),         line(kTablesLabel5, t.interestSaved)};
    // The prepayments' boxes hold something only while prepayments are in force.
    const PrepaymentBoxTexts prepaid = PrepaymentResultTexts(result, currencySymbol, words);
    if (!prepaid.interestSaved.empty()) {
        lines.push_back(line(kTablesLabel18, prepaid.interestSaved));
        lines.push_back(line(kTablesLabel19, prepaid.payoffEarlier));
    }
    return lines;
}

std::vector<ResultLine> ComparisonResultLines(std::string_view rateFactorText, std::string_view daysText,
                                              const Catalogue& words) {
    if (Trim(rateFactorText).empty() && Trim(daysText).empty()) return {};
    return {Line(words.Text(kComparisonLabel9), rateFactorText),
            Line(words.Text(kComparisonLabel10), daysText)};
}

std::vector<ResultLine> AffordResultLines(const AffordForm& form, Compounding compounding,
                                          Frequency frequency, const Catalogue& words) {
    using B = AffordBox;
    const auto box = [&form, &words](std::string_view caption, B which) {
        return Line(words.Text(caption), form.Text(which));
    };
    const auto choice = [&words](std::string_view caption, std::string_view listText) {
        return Line(words.Text(caption), words.Text(listText));
    };
    std::vector<ResultLine> lines{
        {words.Text(kAffordFrame2), {}, true},
        box(kAffordLabel16, B::Principal),
        box(kAffordLabel17, B::Rate),
        box(kAffordLabel18, B::Years),
        box(kAffordLabel19, B::Payment),
        choice(kAffordLabel7, Info(compounding).listText),
        box(kAffordLabel20, B::TotalInterest),
        {words.Text(kAffordFrame3), {}, true},
        choice(kAffordLabel1, Info(frequency).listText),
        box(kAffordLabel2, B::PaymentsPerYear),
        box(kAffordLabel3, B::DaysInYear),
        box(kAffordLabel6, B::YearsToFinal),
        box(kAffordLabel8, B::EachPayment),
        box(kAffordLabel4, B::InterestSaved),
        box(kAffordLabel21, B::AcceleratedTotalInterest),
    };
    if (form.MessageShown()) lines.push_back({PlainCaption(form.MessageLine()), {}, false});
    return lines;
}

std::string ResultLinesText(const std::vector<ResultLine>& lines) {
    std::string out;
    for (const ResultLine& line : lines) {
        out += OneLine(line.caption);
        if (!line.value.empty()) out += '\t' + OneLine(line.value);
        out += '\n';
    }
    return out;
}

std::string ResultLinesHtml(const std::vector<ResultLine>& lines) {
    std::string out = "<table>\n";
    for (const ResultLine& line : lines) {
        if (line.heading)
            out += "<tr><th colspan=\"2\">" + Escaped(line.caption) + "</th></tr>\n";
        else if (line.value.empty())
            out += "<tr><td colspan=\"2\">" + Escaped(line.caption) + "</td></tr>\n";
        else
            out += "<tr><td>" + Escaped(line.caption) + "</td><td>" + Escaped(line.value) + "</td></tr>\n";
    }
    out += "</table>\n";
    return out;
}

}  // namespace amortix
