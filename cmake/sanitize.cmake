# -DBRISKO_SANITIZE=address,undefined builds everything with those sanitizers (a developer
# tree; scripts/test-sanitize makes one). Every finding stops the program, so a test with
# one fails. The tests get the options and the suppressions of Qt's own leaks through
# BRISKO_SANITIZER_ENV, which brisko_add_test puts into their environment.
set(BRISKO_SANITIZE "" CACHE STRING "Sanitizers to build with, for example address,undefined")
set(BRISKO_SANITIZER_ENV "")
if(BRISKO_SANITIZE)
    add_compile_options(-fsanitize=${BRISKO_SANITIZE} -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${BRISKO_SANITIZE})
    set(_supp ${CMAKE_SOURCE_DIR}/tests/sanitizer)
    set(BRISKO_SANITIZER_ENV
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:strict_init_order=1"
        "LSAN_OPTIONS=suppressions=${_supp}/lsan-qt.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${_supp}/ubsan-qt.supp")
endif()
