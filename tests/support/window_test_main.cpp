// The main function of the suites that drive the real window: the catalogue
// and the window are built once, then the cases run in order on them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "catalogue_build.h"
#include "main_window.h"
#include "program_state.h"
#include "xcgui.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    archivePassword = "Q4tR8wZ2kM6pX1vB";
    BuildCatalogue();
    if (!SetUpMainWindow()) {
        std::fprintf(stderr, "the main window could not be set up\n");
        return 1;
    }
    const int rc = RUN_ALL_TESTS();
    XExitXCGUI();
    return rc;
}
