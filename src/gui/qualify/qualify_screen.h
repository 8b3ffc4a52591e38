#pragma once
// QualifyScreen: the largest mortgage the income qualifies for, by the
// lenders' debt-service ratios. Green boxes for the income, debts, costs of
// the home, the mortgage and the rule set's limits; white boxes for the
// results. Leaving an edited box recalculates.
//
// The calculation and every text are the engine's (core/calc/qualify.h,
// core/forms/qualify_form.h): this view forwards the events to its
// QualifyForm and shows the form's texts.

#include <QWidget>

#include <array>
#include <functional>

#include "core/forms/qualify_form.h"
#include "shell/screen_context.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace amortix {
struct ScheduleInputs;
}

namespace amortix::gui {

class QuickHelp;

class QualifyScreen : public QWidget {
    Q_OBJECT
  public:
    // What other subsystems plug in; each runs only with results (print and
    // the tables) or at any time (files).
    struct Commands {
        std::function<void(QualifyScreen&)> print;
        std::function<void(QualifyScreen&)> saveFile;
        std::function<void(QualifyScreen&)> openFile;
        std::function<void(QualifyScreen&)> useInTables;
    };

    explicit QualifyScreen(ScreenContext& context, Commands commands = {});
    ~QualifyScreen() override;

    const amortix::QualifyForm& Form() const { return form_; }
    // Shows an opened file's inputs and calculates.
    void Restore(const amortix::QualifyInputs& opened);
    // The tables screen's mortgage: the largest one, at the contract rate.
    amortix::ScheduleInputs TablesInputs() const;

    // Calculate: the results, and the run's numbered messages.
    void Calculate();

    std::array<QLineEdit*, amortix::kQualifyInputs.size()> inputs{};
    std::array<QLabel*, amortix::kQualifyInputs.size()> inputLabels{};
    std::array<QLineEdit*, amortix::kQualifyBoxes.size()> results{};
    std::array<QLabel*, amortix::kQualifyBoxes.size()> resultLabels{};
    QLineEdit* Input(amortix::QualifyInput id) const { return inputs[static_cast<std::size_t>(id)]; }
    QLineEdit* Result(amortix::QualifyBox id) const { return results[static_cast<std::size_t>(id)]; }

    QGroupBox* QFrameBorrowers = nullptr;
    QGroupBox* QFrameMortgage = nullptr;
    QGroupBox* QFrameResults = nullptr;
    QLabel* QRulesLabel = nullptr;
    QComboBox* QRules = nullptr;
    QLabel* QCompoundingLabel = nullptr;
    QComboBox* QCompPeriod = nullptr;
    QLabel* QFrequencyLabel = nullptr;
    QComboBox* QFreqPmt = nullptr;
    QCheckBox* QStressTest = nullptr;
    QLabel* QNotice = nullptr;
    QPlainTextEdit* QTextBox = nullptr;

    QPushButton* QCalc = nullptr;
    QPushButton* QHelp = nullptr;
    QPushButton* QUseInTables = nullptr;
    QPushButton* QPrint = nullptr;
    QPushButton* QSave = nullptr;
    QPushButton* QOpen = nullptr;
    QPushButton* QExit = nullptr;

    QSize sizeHint() const override;

  private:
    void MakeControls();
    void AttachEntries();
    void LayOut();
    void ShowInputs();
    void ShowResults();
    void ChangeRules();
    void ClearResults();
    void ToggleQuickHelp();
    // Runs a command that needs results: message 1 (print) or 7 without them.
    void WithResults(amortix::Message without, const std::function<void(QualifyScreen&)>& command);
    void Exit();

    ScreenContext context_;
    Commands commands_;
    amortix::QualifyForm form_;
    QuickHelp* quickHelp_ = nullptr;  // owned by QTextBox
};

}  // namespace amortix::gui
