#pragma once
// AdditionalPaymentsDialog: the additional payments, a percentage increase of every payment
// and lump sums in chosen years, paid in one month of the year; on its second
// page the prepayments: an amount added to every payment over a span of
// months, one-time amounts at any year and month, what a one-time amount does
// and the lender's limits. A thin window over amortix::PrePayForm and
// amortix::PrepaymentsForm, which hold every rule; the payments the caller
// hands in (the tables screen's or the comparison's) hold the first form's
// state after every action, the prepayments change only through OK.

#include <QDialog>

#include <array>
#include <memory>

#include "core/calc/choices.h"
#include "core/calc/schedule.h"
#include "core/forms/prepayments_form.h"
#include "shell/screen_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace amortix {
class PrePayForm;
}  // namespace amortix

namespace amortix::gui {

class GridWidget;

// The caller's indicator (AddPmtsOn, MCAddPmtsOn): red while additional
// payments are in force, else the button-face colour.
inline constexpr QRgb kAdditionalPaymentsOn = 0xfff80000;  // RGB 248, 0, 0
void ShowAdditionalPaymentsInForce(QWidget* indicator, bool inForce);

class AdditionalPaymentsDialog : public QDialog {
    Q_OBJECT
  public:
    // Edits `payments` for a period of `periodYears` and `prepayments`;
    // `indicator` is the caller's label that shows whether payments are in force.
    AdditionalPaymentsDialog(ScreenContext& context, amortix::AdditionalPayments& payments,
                             amortix::Prepayments& prepayments, double periodYears, QWidget* indicator,
                             QWidget* parent);
    ~AdditionalPaymentsDialog() override;

    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 3> PPOption{};
    QGroupBox* Frame3 = nullptr;
    QLineEdit* InPercent = nullptr;
    QGroupBox* Frame4 = nullptr;
    GridWidget* PGrid = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 12> InMth{};
    QPushButton* DoNotUse = nullptr;
    QPushButton* UsePrePay = nullptr;

    // The two pages: the percentage and the years, and the prepayments.
    QTabWidget* PrePayTabs = nullptr;
    QWidget* YearsPage = nullptr;
    QWidget* PrepaymentsPage = nullptr;
    // An amount added to every payment, from a year and month to a year and month.
    QGroupBox* EveryFrame = nullptr;
    QLabel* LabelEveryAmount = nullptr;
    QLineEdit* InEveryAmount = nullptr;
    QLabel* LabelFromYear = nullptr;
    QLineEdit* InFromYear = nullptr;
    QLabel* LabelFromMonth = nullptr;
    QLineEdit* InFromMonth = nullptr;
    QLabel* LabelToYear = nullptr;
    QLineEdit* InToYear = nullptr;
    QLabel* LabelToMonth = nullptr;
    QLineEdit* InToMonth = nullptr;
    // The one-time amounts: the list and the boxes of the one being typed.
    QGroupBox* OnceFrame = nullptr;
    GridWidget* OnceGrid = nullptr;
    QLabel* LabelOnceYear = nullptr;
    QLineEdit* InOnceYear = nullptr;
    QLabel* LabelOnceMonth = nullptr;
    QLineEdit* InOnceMonth = nullptr;
    QLabel* LabelOnceAmount = nullptr;
    QLineEdit* InOnceAmount = nullptr;
    QPushButton* OnceAdd = nullptr;
    QPushButton* OnceReplace = nullptr;
    QPushButton* OnceRemove = nullptr;
    // What a one-time amount does, and the lender's limits.
    QGroupBox* TermsFrame = nullptr;
    QLabel* LabelEffect = nullptr;
    QComboBox* InEffect = nullptr;
    QLabel* LabelYearlyLimit = nullptr;
    QLineEdit* InYearlyLimit = nullptr;
    QLabel* LabelIncreaseLimit = nullptr;
    QLineEdit* InIncreaseLimit = nullptr;

    // OK (and Enter) keeps what the form shows: the years with amounts are
    // counted and the indicator set; the prepayments' boxes are read (a
    // one-time amount typed and not added is added), and a figure out of
    // range is message 49 with the dialog left open as it was. Escape and
    // the close button put back what the caller had when the dialog opened.
    void done(int result) override;

  private:
    void ChooseKind(amortix::ExtraPaymentKind kind);
    void EraseAll();
    void TypeInGrid(int code);
    void KeyDownInGrid(int key);
    // Shows what the form holds and hands it to the shared state.
    void Display();
    void RefreshGrid();

    // The prepayments page.
    void MakePrepaymentsPage();
    void AttachPrepaymentEntries();
    QWidget* LayOutPrepaymentsPage();
    void ShowTerms();
    void AddOnce();
    void ReplaceOnce();
    void RemoveOnce();
    void SelectOnceRow(int row);
    void ShowOnceBoxes(int index);
    void RefreshOnceGrid(int currentRow);
    void EnableOnceEditing();
    int SelectedOnce() const;  // -1 when no amount is selected
    amortix::PrepaymentsForm::TermsTexts TermsTyped() const;
    amortix::PrepaymentsForm::OneTimeTexts OnceTyped() const;
    // The boxes hold an amount that differs from the selected one.
    bool OnceBoxesHoldANewAmount() const;
    // OK's reading of the prepayments page; false leaves the dialog open.
    bool TakePrepayments();

    ScreenContext context_;
    amortix::AdditionalPayments& payments_;
    const amortix::AdditionalPayments opened_;  // what Cancel puts back
    QWidget* indicator_ = nullptr;
    std::unique_ptr<amortix::PrePayForm> form_;
    amortix::Prepayments& prepayments_;
    std::unique_ptr<amortix::PrepaymentsForm> prepayForm_;
    bool accepted_ = false;
};

}  // namespace amortix::gui
