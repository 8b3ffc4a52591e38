#pragma once
// ComparisonScreen: up to eight variants of one mortgage side by side. The
// user enters a mortgage and each Calculate appends one row to the upper grid;
// the additional payments a row applied are listed under its number in the
// lower grid.
//
// The calculation, the texts, the listing, the printout text and the graph
// data are the engine's (core/calc/comparison.h, core/forms/comparison_form.h);
// the screen owns that engine object and wires it to the widgets.

#include <QWidget>

#include <functional>

#include "core/forms/comparison_form.h"
#include "shell/screen_close.h"
#include "shell/screen_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace amortix::gui {

class GridWidget;
class QuickHelp;

class ComparisonScreen : public QWidget, public ScreenCloseCheck {
    Q_OBJECT
  public:
    // What the file, printing and graph subsystems plug in. A command left
    // empty does nothing beyond the checks the screen makes itself.
    struct Commands {
        std::function<void(ComparisonScreen&)> saveFile;  // runs only with rows
        std::function<void(ComparisonScreen&)> loadFile;
        std::function<void(ComparisonScreen&)> print;       // runs only with rows to graph
        std::function<void(ComparisonScreen&)> showGraph;   // runs only with rows to graph
        std::function<void(ComparisonScreen&)> remember;    // as Exit leaves the screen
        std::function<void(ComparisonScreen&)> exportFile;  // runs only with rows
    };

    explicit ComparisonScreen(ScreenContext& context, Commands commands = {});
    ~ComparisonScreen() override;

    // The comparison with its inputs, rows, listing, printout text and graph
    // data. After changing it (an opened file), Display shows it.
    amortix::ComparisonForm& Form() { return form_; }
    const amortix::ComparisonForm& Form() const { return form_; }
    // Shows the form's inputs in the boxes and its rows in both grids.
    void Display();
    // What the boxes and lists hold, as the next row would be calculated.
    amortix::ComparisonInputs Inputs() const;
    // Shows an opened comparison: its inputs in the boxes and lists, its rows
    // as saved, no additional amounts and empty result boxes. False, with
    // nothing changed, for a state no comparison can have.
    bool Restore(const amortix::ComparisonInputs& inputs, amortix::ComparisonState comparison);

    // The screen's ClearResults: removes no results; closes the quick help
    // unless it was just opened.
    void CloseQuickHelp();
    // The Calculate button.
    void Calculate();

    // With rows not saved since they were added, deleted or opened, asks
    // whether to leave them (question 5), unless the program keeps them for
    // the next visit.
    bool MayClose() override;

    // Inputs.
    QLabel* Label1 = nullptr;
    QLineEdit* InPrincipal = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* InRate = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* InTerm = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* ComPeriod = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* FreqPmt = nullptr;
    QLabel* Label11 = nullptr;
    QComboBox* MCRounding = nullptr;  // exact, or as lenders round

    // Results of the last row and the additional-payments indicator.
    QLabel* Label9 = nullptr;
    QLineEdit* PeriodicR = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* InDays = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* MCAddPmtsOn = nullptr;
    QLabel* MCRateChangesOn = nullptr;

    // The grids and the quick help that takes the upper grid's place.
    GridWidget* MCGrid1 = nullptr;
    GridWidget* MCGrid2 = nullptr;
    QPlainTextEdit* MCTextBox = nullptr;

    // Buttons.
    QPushButton* MCCalc = nullptr;
    QPushButton* MCHelp = nullptr;
    QPushButton* MCAddPrePay = nullptr;
    QPushButton* MCRateChanges = nullptr;
    QPushButton* MCShowIRF = nullptr;
    QPushButton* MCDeleteRow = nullptr;
    QPushButton* MCGraphs = nullptr;
    QPushButton* MCPrinter = nullptr;
    QPushButton* CSaveFile = nullptr;
    QPushButton* CLoadFile = nullptr;
    QPushButton* MCExport = nullptr;
    QPushButton* MCCopy = nullptr;  // the result boxes to the clipboard
    QPushButton* MCExit = nullptr;

  private:
    // The constructor's steps: the controls, their entry pattern and order,
    // the layout once Load filled the lists, and the grids' sizes.
    void MakeControls();
    void AttachEntries();
    void LayOut();
    void FitGrids();
    void Load();
    void LayoutGrid1();
    void LayoutGrid2();
    void ShowGrid1();
    void ShowGrid2();
    void LeaveTerm();
    void EraseAdditionalPayments();
    void ToggleQuickHelp();
    void OpenAdditionalPayments();
    void OpenRateChanges();
    // What the lists and the day basis hold for the next row.
    amortix::ComparisonForm::Choices Choices() const;
    void OpenDaysInYear();
    // Removes the grid's current row (the button and the Delete key).
    void DeleteRow();
    void SaveFile();
    void Print();
    void ShowGraph();
    void ExportFile();
    void CopyResults();
    void Exit();

    ScreenContext context_;
    Commands commands_;
    amortix::ComparisonForm form_;
    QuickHelp* quickHelp_ = nullptr;  // owned by MCTextBox
};

}  // namespace amortix::gui
