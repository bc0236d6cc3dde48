#!/usr/bin/env bash
# Install what is missing, build, then run the whole suite under a virtual X server,
# then the sanitized build's tests (AddressSanitizer and UndefinedBehaviorSanitizer
# over the unit tests and a few scenario tests, in build-asan/). Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
scripts/setup.sh --sanitized
export ALSOFT_DRIVERS=null
status=0
(cd build && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" "$@") || status=1

# A sanitizer report ends the program (a test, or the game it runs) with status 86.
# Leaks: Mesa, X11, OpenAL and the engine keep memory to the end on their own; the
# suppressions name those libraries, so a leak of our own still fails the run.
export ASAN_OPTIONS="exitcode=86:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="exitcode=86:suppressions=$root/tests/sanitizer/leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:exitcode=86:print_stacktrace=1"
echo "Sanitized tests (build-asan):"
(cd build-asan && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" "$@") || status=1
exit "$status"
