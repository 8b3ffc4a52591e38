#pragma once
// AffordScreen: the mortgage affordability calculator. The user picks which of
// principal, monthly payment or period to find, gives the other figures in the
// green boxes, and reads the answer in the white box beside the chosen option
// and in the accelerated panel. Leaving an edited box recalculates.
//
// The solver and every text are the engine's (core/calc/afford.h,
// core/forms/afford_form.h): this view forwards the events to its
// AffordForm and shows the form's texts.

#include <QWidget>

#include <array>
#include <functional>
#include <utility>

#include "core/calc/afford.h"
#include "core/files/state_file.h"
#include "core/forms/afford_form.h"
#include "shell/screen_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace amortix::gui {

class QuickHelp;

class AffordScreen : public QWidget {
    Q_OBJECT
  public:
    // What the printing and file subsystems plug in: print runs after the
    // user answered Yes to question 1; left empty, the question is all there is.
    struct Commands {
        std::function<void(AffordScreen&)> print;
        std::function<void(AffordScreen&)> remember;    // as Exit leaves the screen
        std::function<void(AffordScreen&)> exportFile;  // the figures of the last run
    };

    explicit AffordScreen(ScreenContext& context, Commands commands = {});
    ~AffordScreen() override;

    // The Calculate button: solves for the chosen figure and fills the boxes.
    void Calculate();
    // Closes the quick help unless it was just opened; marks the box edited.
    void CloseQuickHelp();

    // The figures, the figure to find and every box's text.
    const amortix::AffordForm& Form() const { return form_; }
    // What the screen holds, to open with it next time.
    amortix::AffordState Remembered() const;
    // Shows those figures, lists and the figure to find, and calculates.
    void Restore(const amortix::AffordState& remembered);

    QGroupBox* Frame1 = nullptr;
    QRadioButton* MFPrincipalOpt = nullptr;
    QRadioButton* MFPaymentOpt = nullptr;
    QRadioButton* MfTermOpt = nullptr;

    QGroupBox* Frame2 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* MFInPrincipal = nullptr;
    QLabel* Label17 = nullptr;
    QLineEdit* MFInRate = nullptr;
    QLabel* Label18 = nullptr;
    QLineEdit* MFInTerm = nullptr;
    QLabel* Label19 = nullptr;
    QLineEdit* MFInMthPayment = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* MFCompPeriod = nullptr;
    QLabel* Label20 = nullptr;
    QLineEdit* TotalPmts = nullptr;

    QGroupBox* Frame3 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* MFFreqPmt = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MFNumPmts = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* MFDaysinYear = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* MFNumYrs = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* MFPiPmt = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* MFTotIntSaved = nullptr;
    QLabel* Label21 = nullptr;
    QLineEdit* MFTotIntPaid = nullptr;

    QPlainTextEdit* MsgText = nullptr;
    QPlainTextEdit* MFTextBox = nullptr;

    QPushButton* MFCalc = nullptr;
    QPushButton* MFHelp = nullptr;
    QPushButton* MFShowIRF = nullptr;
    QPushButton* Printr = nullptr;
    QPushButton* MFExport = nullptr;
    QPushButton* MFCopy = nullptr;  // the boxes to the clipboard
    QPushButton* MFExit = nullptr;

    QSize sizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The constructor's steps: the controls, their entry pattern and order,
    // and the layout.
    void MakeControls();
    void MakeSolveOptions();  // what to find
    void AttachEntries();
    void AttachTerm();
    void LayOut();
    void Load();
    void ChooseSolve(amortix::AffordSolve solve);
    void ShowSolve();
    // A box's figure was stored: recalculate; the box shows the returned text.
    QString Store(amortix::AffordBox box);
    // Writes the boxes a calculation reaches from the form.
    void ShowTexts();
    std::array<std::pair<amortix::AffordBox, QLineEdit*>, amortix::kAffordBoxCount> Boxes() const;
    QLineEdit* BoxFor(amortix::AffordBox box) const;
    void ToggleQuickHelp();
    void OpenDaysInYear();
    void Print();
    void ExportFile();
    void CopyResults();
    void Exit();

    ScreenContext context_;
    Commands commands_;
    amortix::AffordForm form_;
    QuickHelp* quickHelp_ = nullptr;  // owned by MFTextBox
};

}  // namespace amortix::gui
