// Program-wide state of the application shell. The catalogue connection and
// its status live with the catalogue (db_state.h); feature state lives with
// its feature.
#pragma once

// Password of the embedded resource archive.
extern const char* archivePassword;

// Last opacity set from the opacity slider, 100..255.
extern int windowAlpha;

// Releases the program-wide state. Installed at start-up so that it runs once
// at program end on every path; further calls do nothing.
void AtExitCleanup();

// How often AtExitCleanup has done its work (0 or 1).
int AtExitCleanupRuns();
