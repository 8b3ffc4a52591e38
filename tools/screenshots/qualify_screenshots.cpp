// Pictures of the qualifying screen for the documentation. Runs only when
// AMORTIX_SCREENSHOTS names a folder; scripts/qualify_screenshots.sh runs them
// under Xvfb.

#include "qualify_test_util.h"
#include "screenshots.h"

namespace amortix::gui {
namespace {

using QualifyScreenshots = test::Screenshots<test::QualifyProgram>;

TEST_F(QualifyScreenshots, TheBuyerOfTheGuide) {
    OpenQualify();
    Buyer();
    Enter(q->Input(amortix::QualifyInput::Income));
    Save("qualify");
}

}  // namespace
}  // namespace amortix::gui
