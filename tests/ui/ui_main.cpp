#include <gtest/gtest.h>

#include <cstdlib>

#include "xc_life.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!XInitXCGUI()) return 1;
    const int rc = RUN_ALL_TESTS();
    XExitXCGUI();
    return rc;
}
