#include "program_main.h"

#include <cstdio>
#include <cstdlib>

#include "catalogue_build.h"
#include "main_window.h"
#include "program_state.h"
#include "xcgui.h"

namespace {

constexpr const char* kArchivePassword = "Q4tR8wZ2kM6pX1vB";

// A failed start is said once, in a box where a screen exists, and never
// reported as success.
[[noreturn]] void StartupFailed(bool canShowBox) {
    if (canShowBox) {
        XC_MessageBox(u"加载模块失败！", u"错误：");
    } else {
        std::fputs("错误：加载模块失败！\n", stderr);
    }
    XExitXCGUI();
    std::exit(1);
}

}  // namespace

int ProgramMain(int, char**) {
    // 1. State exists from static initialisation; clean-up runs at exit on every path.
    std::atexit(AtExitCleanup);
    // 2-3. Creating the toolkit without a platform would abort: check first.
    if (!XC_PlatformAvailable()) StartupFailed(false);
    // 4.
    archivePassword = kArchivePassword;
    // 5. Failures are not reported; a missing table answers no rows.
    BuildCatalogue();
    // 6.
    if (!RunMainWindow()) StartupFailed(true);
    // 7. AtExitCleanup runs when the process ends.
    return 0;
}
