#pragma once
// TablesScreen: the mortgage and personal-loan calculator. The user types the
// principal, rate and period, picks the compounding and the payment frequency,
// and Calculate fills the result boxes and the schedule grid. One form serves
// both modes (AppState::TablesMode, read when the form is created).
//
// The calculation, every text and every rule of the boxes and dialogs are the
// engine's (core/schedule.h, core/tables_form.h); this form wires them to the
// widgets and to the shared state.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/calc/schedule.h"
#include "core/forms/tables_form.h"
#include "shell/screen_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace amortix::gui {

class GridWidget;
class QuickHelp;

class TablesScreen : public QWidget {
    Q_OBJECT
  public:
    // What the file, printing and graph subsystems plug in. A command left
    // empty does nothing beyond the checks the screen makes itself (nothing to
    // print, nothing to save, nothing to draw).
    struct Commands {
        std::function<void(TablesScreen&)> saveFile;  // runs only with results
        std::function<void(TablesScreen&)> loadFile;
        std::function<void(TablesScreen&)> print;       // runs only with results
        std::function<void(TablesScreen&)> showGraph;   // runs only with results
        std::function<void(TablesScreen&)> remember;    // as Exit leaves the screen
        std::function<void(TablesScreen&)> exportFile;  // runs only with results
    };

    // How the schedule is shown and what the last calculation laid out.
    using ViewState = amortix::TablesForm::View;

    explicit TablesScreen(ScreenContext& context, Commands commands = {});
    ~TablesScreen() override;

    // Empties the result boxes and the grid below its header; closes the
    // quick help unless it was just opened.
    void ClearResults();
    // The Calculate button.
    void Calculate();

    ViewState& View() { return form_.Settings(); }
    const ViewState& View() const { return form_.Settings(); }
    // The figures of the three boxes, the view and the last calculation.
    const amortix::TablesForm& Form() const { return form_; }

    // The last calculation while its results are on screen, else null.
    const amortix::ScheduleResult* Results() const { return form_.Results(); }
    // The inputs Calculate hands to the engine, from the shared state and the lists.
    amortix::ScheduleInputs Inputs() const;
    // Shows `in` in every box, list, view and setting (switching the screen to
    // its kind) and calculates, as after opening a saved table.
    void Restore(const amortix::ScheduleInputs& in);
    // The same without calculating: the screen as it was left.
    void RestoreInputs(const amortix::ScheduleInputs& in);
    // The costs an opened table holds (Costs{} for none), before Restore.
    void RestoreCosts(const amortix::Costs& costs);

    // Inputs.
    QLabel* Label1 = nullptr;
    QLineEdit* InPrincipal = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* InRate = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* InTerm = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* Comperiod = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* FreqPmt = nullptr;
    QLabel* Label17 = nullptr;
    QComboBox* Rounding = nullptr;  // exact, or as lenders round

    // Results.
    QLabel* Label4 = nullptr;
    QLineEdit* InMonthPI = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* PPpercent = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* PeriodicR = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* InDays = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* NumPmtsYear = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* EndMortYear = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* AllPayments = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* TotSavd = nullptr;
    // Against the same mortgage without any prepayment; empty without prepayments.
    QLabel* Label18 = nullptr;
    QLineEdit* PrepaySavd = nullptr;
    QLabel* Label19 = nullptr;
    QLineEdit* PaidOffSooner = nullptr;
    QLabel* AddPmtsOn = nullptr;
    QLabel* RateChangesOn = nullptr;
    QLabel* CostsOn = nullptr;

    // Views and the grid.
    QLabel* Label12 = nullptr;
    QRadioButton* Option1 = nullptr;  // all payments
    QRadioButton* Option2 = nullptr;  // annual totals
    GridWidget* MGrid = nullptr;
    QPlainTextEdit* MTextBox = nullptr;

    // Buttons.
    QPushButton* MCalc = nullptr;
    QPushButton* MHelp = nullptr;
    QPushButton* MTerm = nullptr;
    QPushButton* MDateNumber = nullptr;
    QPushButton* MAddPrePay = nullptr;
    QPushButton* MRateChanges = nullptr;
    QPushButton* MCosts = nullptr;
    QPushButton* MShowIRF = nullptr;
    QPushButton* MSaveFile = nullptr;
    QPushButton* MLoadFile = nullptr;
    QPushButton* MPrinter = nullptr;
    QPushButton* MGraphs = nullptr;
    QPushButton* MExport = nullptr;
    QPushButton* MCopy = nullptr;  // the result boxes to the clipboard
    QPushButton* MExit = nullptr;

  private:
    // The constructor's steps: the controls, their entry pattern and order,
    // the layout, and the grid's size once Load laid it out.
    void MakeControls();
    void AttachEntries();
    void LayOut();
    void FitGrid();
    void Load();
    // Caption, labels, lists and default inputs of the screen's kind.
    void ShowKindDefaults();
    // What the lists and the shared state hold for a calculation.
    amortix::TablesForm::Shared Shared() const;
    void LayOutGrid();
    void FillGrid(const std::shared_ptr<const amortix::ScheduleResult>& result);
    void ChooseView(amortix::ScheduleView view);
    void EraseAdditionalPayments();
    void ToggleQuickHelp();
    void ChooseTerm();
    void ToggleDates();
    void OpenAdditionalPayments();
    void OpenRateChanges();
    void OpenCosts();
    void OpenDaysInYear();
    void SaveFile();
    void Print();
    void ShowGraph();
    void ExportFile();
    void CopyResults();
    void Exit();

    ScreenContext context_;
    Commands commands_;
    amortix::TablesForm form_;
    QuickHelp* quickHelp_ = nullptr;  // owned by MTextBox
    std::vector<int> laidOutWidths_;  // twips, the grid's columns before any figure widened them
};

}  // namespace amortix::gui
