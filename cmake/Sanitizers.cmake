# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# -DKIRAVELO_SANITIZE=ON builds everything, tools and tests included, with
# AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer. Any
# report ends the program with a failure, so a test that triggers one fails.
option(KIRAVELO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(KIRAVELO_SANITIZE)
    # One check is left recoverable so that it can be suppressed for Qt's own inline
    # container code alone (tests/sanitizers/ubsan.supp); every other report is fatal.
    set(KIRAVELO_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined -fsanitize-recover=nonnull-attribute)
    add_compile_options(${KIRAVELO_SANITIZE_FLAGS})
    add_link_options(-fsanitize=address,undefined)
    # Read by every test (tests/CMakeLists.txt) and by anything else run from the build.
    set(KIRAVELO_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:halt_on_error=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/ubsan.supp"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
endif()
