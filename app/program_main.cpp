#include "program_main.h"

#include <cstdlib>

#include "catalogue_build.h"
#include "program_state.h"

namespace {
constexpr const char* kArchivePassword = "Q4tR8wZ2kM6pX1vB";
}

int ProgramMain(int, char**) {
    // 1. State exists from static initialisation; clean-up runs at exit on every path.
    std::atexit(AtExitCleanup);
    // 2-3. The UI platform check belongs to the window and arrives with it.
    // 4.
    archivePassword = kArchivePassword;
    // 5. Failures are not reported; a missing table answers no rows.
    BuildCatalogue();
    // 6. The main window arrives with the UI layer.
    // 7. AtExitCleanup runs when the process ends.
    return 0;
}
