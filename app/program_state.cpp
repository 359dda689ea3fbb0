#include "program_state.h"

#include "db_state.h"

const char* archivePassword = "";
int windowAlpha = 255;

namespace {
int cleanupRuns = 0;
}

void AtExitCleanup() {
    if (cleanupRuns > 0) return;
    ++cleanupRuns;
    ReleaseCatalogueState();
}

int AtExitCleanupRuns() { return cleanupRuns; }
