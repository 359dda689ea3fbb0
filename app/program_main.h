// The program's entry: start-up, the window's life, and the end.
#pragma once

// Runs the start-up steps in order and returns the exit status.
int ProgramMain(int argc, char** argv);
