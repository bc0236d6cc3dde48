#!/usr/bin/env bash
# Install what is missing, build, then run the whole suite under a virtual X server,
# then the sanitized build's tests (AddressSanitizer and UndefinedBehaviorSanitizer
# over the unit tests and a few scenario tests, in build-asan/). Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
scripts/setup.sh --sanitized
export ALSOFT_DRIVERS=null
# -noreset: an X server resets when its last client leaves, and a game starting in that
# moment finds no display; with tests running side by side that happened now and then.
xvfb_args="-screen 0 1280x1024x24 -noreset"
status=0
(cd build && xvfb-run -a -s "$xvfb_args" ctest --output-on-failure -j"$(nproc)" "$@") || status=1

# A sanitizer report ends the program (a test, or the game it runs) with status 86.
# Leaks are checked apart, below: LeakSanitizer's tracer now and then crashes on the
# threads of Mesa's software rasteriser when a game with a window ends.
export ASAN_OPTIONS="exitcode=86:detect_leaks=0:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:exitcode=86:print_stacktrace=1"
echo "Sanitized tests (build-asan):"
(cd build-asan && xvfb-run -a -s "$xvfb_args" ctest --output-on-failure -j"$(nproc)" "$@") || status=1
# The leak check: the sanitized game without a window through menus and holes (suppressions:
# libraries that keep memory to the end on their own).
echo "Leak check (build-asan):"
(cd build-asan/game/Bin &&
  ASAN_OPTIONS="exitcode=86:detect_leaks=1" \
  LSAN_OPTIONS="suppressions=$root/tests/sanitizer/leaks.supp:print_suppressions=0" \
  ./tallowick --replay "$root/tests/sanitizer/leak_check.txt" --null-video >/dev/null 2>leak_check.log) ||
  { status=1; grep -v '^Loaded' build-asan/game/Bin/leak_check.log | tail -60; }
exit "$status"
