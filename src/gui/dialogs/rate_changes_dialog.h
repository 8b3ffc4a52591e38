#pragma once
// RateChangesDialog: the rates after the first, at renewal or as a variable
// rate moves: a list of up to 20 changes (year, month, new rate, and whether
// the payment is recalculated or kept), edited through four green boxes. A
// thin window over amortix::RateChangesForm; the tables and the comparison
// screens hand in their own list, which changes only through OK.

#include <QDialog>

#include <memory>
#include <vector>

#include "core/calc/schedule.h"
#include "core/forms/rate_changes_form.h"
#include "shell/screen_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace amortix::gui {

class GridWidget;

// The caller's indicator: red while rate changes are in force.
void ShowRateChangesInForce(QWidget* indicator, bool inForce);

class RateChangesDialog : public QDialog {
    Q_OBJECT
  public:
    // Edits `changes`; `indicator` is the caller's label that shows whether
    // any are in force.
    RateChangesDialog(ScreenContext& context, std::vector<amortix::RateChange>& changes, QWidget* indicator,
                      QWidget* parent);
    ~RateChangesDialog() override;

    GridWidget* RCGrid = nullptr;
    QLabel* RCLabelYear = nullptr;
    QLineEdit* InChangeYear = nullptr;
    QLabel* RCLabelMonth = nullptr;
    QLineEdit* InChangeMonth = nullptr;
    QLabel* RCLabelRate = nullptr;
    QLineEdit* InChangeRate = nullptr;
    QLabel* RCLabelPayment = nullptr;
    QComboBox* ChangePayment = nullptr;
    QPushButton* RCAdd = nullptr;
    QPushButton* RCReplace = nullptr;
    QPushButton* RCRemove = nullptr;
    QPushButton* RCErase = nullptr;
    QPushButton* RCOK = nullptr;

    // OK keeps the list, with a change typed in the boxes and not added yet
    // (refused with its message, the dialog stays open); Escape and the close
    // button keep the list the dialog opened with.
    void done(int result) override;

  private:
    void MakeControls();
    void AttachEntries();
    void LayOut();
    void Add();
    void Replace();
    void Remove();
    void EraseAll();
    // The grid's current row shows its change in the boxes.
    void SelectRow(int row);
    void ShowBoxes(int index);
    void Refresh(int currentRow);
    void EnableEditing();
    int SelectedIndex() const;  // -1 when no change is selected
    // The change the four boxes hold.
    amortix::RateChangesForm::BoxTexts Typed() const;
    // The boxes hold a rate and differ from the selected change.
    bool BoxesHoldANewChange() const;

    ScreenContext context_;
    std::vector<amortix::RateChange>& changes_;
    QWidget* indicator_ = nullptr;
    std::unique_ptr<amortix::RateChangesForm> form_;
};

}  // namespace amortix::gui
