#pragma once
// The program with the comparison screen open, driven through its real
// widgets with a recording Interaction.

#include "compare/comparison_screen.h"
#include "tables_test_util.h"

namespace amortix::gui::test {

class ComparisonProgram : public TablesProgram {
  protected:
    ComparisonScreen* OpenComparison() {
        return c = OpenFrom<ComparisonScreen>(app->Menu().CompMort, kComparisonScreen);
    }
    // Exit to Menu, answering Yes when unsaved rows make it ask.
    void LeaveComparison() {
        auto& recorded = static_cast<RecordingInteraction&>(app->Interact());
        const bool asks = c->Form().Unsaved() && c->Form().Table().State().rowCount > 0;
        if (asks) recorded.answers.push_front(amortix::kAnswerYes);
        Click(c->MCExit);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        c = nullptr;
    }

    // A click on Calculate, which first takes the focus from the box being left.
    void CalculateRow() { Click(c->MCCalc); }

    // Types the inputs of one row and picks its lists (-1 keeps a list as it is).
    void Row(const char* principal, const char* rate, const char* term, int compounding = -1,
             int frequency = -1) {
        if (principal) Type(c->InPrincipal, principal);
        if (rate) Type(c->InRate, rate);
        if (term) Type(c->InTerm, term);
        if (compounding >= 0) Choose(c->ComPeriod, compounding);
        if (frequency >= 0) Choose(c->FreqPmt, frequency);
    }

    // Additional payments as the dialog leaves them (the boxes show the
    // stored inputs afterwards): amounts by year, the
    // month option (0 for month 1) and a percentage.
    void AdditionalPayments(const std::vector<std::pair<int, double>>& amounts, int monthOption = 0,
                            double percent = 0) {
        amortix::AdditionalPayments& p = c->Form().Extra();
        p.years = static_cast<std::int16_t>(c->Form().Years());
        for (int y = 1; y <= p.years; ++y)
            p.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
        p.amount.fill(Currency());
        for (const auto& [year, amount] : amounts)
            p.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
        p.month = amortix::Month{static_cast<std::int16_t>(monthOption + 1)};
        p.increase = static_cast<float>(percent / 100.0);
        p.rowCount = p.CountYearsWithAmounts();
        p.kind = amounts.size() > 0 && percent > 0 ? amortix::ExtraPaymentKind::Both
                 : amounts.size() > 0              ? amortix::ExtraPaymentKind::YearAmounts
                                                   : amortix::ExtraPaymentKind::Percentage;
        c->Display();
    }

    ComparisonScreen* c = nullptr;
};

}  // namespace amortix::gui::test
