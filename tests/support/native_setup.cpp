// Linked into every native test program: Qt draws off screen unless the environment names another
// platform, and LeakSanitizer reads the project's suppressions (leaks that libraries under Qt
// leave for the process's end, named by library).
#include <cstdlib>

namespace {

[[maybe_unused]] const bool offScreen = setenv("QT_QPA_PLATFORM", "offscreen", 0) == 0;

} // namespace

extern "C" const char* __lsan_default_options() {
    return "suppressions=" OAMCALC_LEAK_SUPPRESSIONS ":print_suppressions=0";
}
