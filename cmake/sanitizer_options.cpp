// The run-time options of the sanitizer build, built into each of its programs so that a test
// run, a desktop run and a developer's run of one binary behave alike without an environment:
// Qt's own start-up allocations are reported as leaks, so leak detection is off; every other
// finding stops the program with its stack. An ASAN_OPTIONS or UBSAN_OPTIONS in the
// environment still overrides them.

extern "C" const char* __asan_default_options() { return "detect_leaks=0:abort_on_error=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
