# -DBRISKO_SANITIZE=address,undefined (or thread) builds everything with those sanitizers (a
# developer tree; scripts/test-sanitize makes one). Every finding stops the program, so a
# test with one fails. The tests get each sanitizer's options and its suppressions of what
# Qt's own libraries do through BRISKO_SANITIZER_ENV, which brisko_add_test puts into their
# environment.
set(BRISKO_SANITIZE "" CACHE STRING "Sanitizers to build with, for example address,undefined")
set(BRISKO_SANITIZER_ENV "")
if(BRISKO_SANITIZE)
    add_compile_options(-fsanitize=${BRISKO_SANITIZE} -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${BRISKO_SANITIZE})
    set(_supp ${CMAKE_SOURCE_DIR}/tests/sanitizer)
    string(REPLACE "," ";" _sanitizers "${BRISKO_SANITIZE}")
    if("address" IN_LIST _sanitizers)
        list(APPEND BRISKO_SANITIZER_ENV
            "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:strict_init_order=1"
            "LSAN_OPTIONS=suppressions=${_supp}/lsan-qt.supp:print_suppressions=0")
    endif()
    if("undefined" IN_LIST _sanitizers)
        list(APPEND BRISKO_SANITIZER_ENV
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${_supp}/ubsan-qt.supp")
    endif()
    if("thread" IN_LIST _sanitizers)
        list(APPEND BRISKO_SANITIZER_ENV
            "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:print_suppressions=0:suppressions=${_supp}/tsan-qt.supp")
        # Every target made after this links the library that shows Qt's mutexes, thread
        # ends and event queues to ThreadSanitizer (tests/sanitizer/qtlocksync.cpp); it
        # comes before Qt on each link line, so its definitions take the place of Qt's for
        # our calls.
        find_package(Qt5 5.15 REQUIRED COMPONENTS Core)
        add_library(qtlocksync SHARED ${_supp}/qtlocksync.cpp ${_supp}/qtpoolsync.cpp)
        # The pool's hand-over reads its own state before it can tell the sanitizer what
        # ordered it (qtpoolsync.cpp).
        set_source_files_properties(${_supp}/qtpoolsync.cpp PROPERTIES
            COMPILE_OPTIONS -fno-sanitize=thread)
        target_link_libraries(qtlocksync PRIVATE Qt5::Core ${CMAKE_DL_LIBS})
        link_libraries(qtlocksync)
    endif()
endif()
