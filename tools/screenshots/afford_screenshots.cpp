// Pictures of the affordability screen for the documentation. Runs only when
// AMORTIX_SCREENSHOTS names a folder; scripts/afford_screenshots.sh runs them
// under Xvfb at 96 and 144 DPI.

#include "afford_test_util.h"
#include "screenshots.h"

namespace amortix::gui {
namespace {

using AffordScreenshots = test::Screenshots<test::AffordProgram>;

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
