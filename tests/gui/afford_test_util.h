#pragma once
// The program with the affordability screen open, driven through its real
// widgets with a recording Interaction.

#include "afford/afford_screen.h"
#include "tables_test_util.h"

namespace amortix::gui::test {

class AffordProgram : public TablesProgram {
  protected:
    AffordScreen* OpenAfford() {
        return a = OpenFrom<AffordScreen>(app->Menu().MFindFactor, kAffordabilityScreen);
    }

    // Types into a box and leaves it by Enter, which recalculates.
    void Give(QLineEdit* box, const QString& keys) {
        Type(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::processEvents();
    }

    void ExitAfford() {
        Click(a->MFExit);
        QApplication::processEvents();
    }

    AffordScreen* a = nullptr;
};

}  // namespace amortix::gui::test
