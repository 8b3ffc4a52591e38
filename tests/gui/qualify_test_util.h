#pragma once
// The program with the qualifying screen open, driven through its real
// widgets with a recording Interaction and file names from a queue.

#include "qualify/qualify_screen.h"
#include "tables_test_util.h"

namespace amortix::gui::test {

using amortix::QualifyBox;
using amortix::QualifyInput;

class QualifyProgram : public FilesProgram<TablesProgram> {
  protected:
    QualifyScreen* OpenQualify() { return q = OpenFrom<QualifyScreen>(app->Menu().MQualify, kQualifyScreen); }
    // Types into a box and leaves it by Enter, which recalculates.
    void Give(QualifyInput id, const QString& keys) {
        Type(q->Input(id), keys);
        QTest::keyClick(q->Input(id), Qt::Key_Return);
        QApplication::processEvents();
    }
    QString Shown(QualifyBox id) const { return q->Result(id)->text(); }
    // The buyer of the engine's tests.
    void Buyer() {
        Give(QualifyInput::Income, "100000");
        Give(QualifyInput::PropertyTax, "3600");
        Give(QualifyInput::Heating, "120");
        Give(QualifyInput::DownPayment, "95000");
    }

    QualifyScreen* q = nullptr;
};

}  // namespace amortix::gui::test
