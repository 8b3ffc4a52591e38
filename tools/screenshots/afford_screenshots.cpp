// Pictures of the affordability screen for the documentation. Runs only when
// AMORTIX_SCREENSHOTS names a folder; scripts/afford_screenshots.sh runs them
// under Xvfb at 96 and 144 DPI.

#include <QDir>
#include <QImage>

#include "afford_test_util.h"

namespace amortix::gui {
namespace {

class AffordScreenshots : public test::AffordProgram {
  protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("AMORTIX_SCREENSHOTS");
        if (folder_.isEmpty()) GTEST_SKIP() << "AMORTIX_SCREENSHOTS names no folder";
        suffix_ = qEnvironmentVariable("AMORTIX_SCREENSHOT_SUFFIX");
        QDir().mkpath(folder_);
        AffordProgram::SetUp();
    }

    void Save(const QString& name) {
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents();
            QTest::qWait(20);
        }
        EXPECT_TRUE(app->Frame().grab().toImage().save(QDir(folder_).filePath(name + suffix_ + ".png")));
    }

    QString folder_;
    QString suffix_;
};

TEST_F(AffordScreenshots, EachOptionAndAFailure) {
    OpenAfford();
    Save("afford-payment");

    Click(a->MFPrincipalOpt);
    Give(a->MFInMthPayment, "1000");
    Save("afford-principal");

    Click(a->MfTermOpt);
    Type(a->MFInPrincipal, "100000");
    Give(a->MFInMthPayment, "700");
    Save("afford-years");

    Give(a->MFInMthPayment, "560");
    Save("afford-too-small");

    Click(a->MFHelp);
    Save("afford-quick-help");
}

}  // namespace
}  // namespace amortix::gui
