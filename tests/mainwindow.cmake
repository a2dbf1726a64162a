# The login dialog and the main window: login rules and the remembered account, the
# window's frame, tray, status and power-off, the account cycle end to end, and link
# capture (messages of other copies, drops, paste, text files, two real copies).
add_library(mainwindowtestsupport STATIC
    mainwindowsession.cpp mainwindowsession.h modalanswerer.cpp modalanswerer.h mainformprobe.h)
target_link_libraries(mainwindowtestsupport PUBLIC uitestsupport mainwindow Qt5::Test)

brisko_add_test(test_loginform SOURCES test_loginform.cpp LIBS mainwindowtestsupport)
brisko_add_test(test_mainform SOURCES test_mainform.cpp LIBS mainwindowtestsupport)
# The windows' own service calls at a scripted latency, and the end of a login's re-logins.
brisko_add_test(test_windowcalls SOURCES test_windowcalls.cpp LIBS mainwindowtestsupport)
# Starts two copies of briskotool besides the in-process cases.
brisko_add_test(test_linkcapture SOURCES test_linkcapture.cpp LIBS mainwindowtestsupport)
add_dependencies(test_linkcapture briskotool)
target_compile_definitions(test_linkcapture PRIVATE BRISKOTOOL_PATH="$<TARGET_FILE:briskotool>")
# The built translations in the main window's menus, and the toolkit's own.
brisko_add_test(test_translations SOURCES test_translations.cpp LIBS mainwindowtestsupport app)
add_dependencies(test_translations translations)
target_compile_definitions(test_translations PRIVATE BRISKO_LANG_DIR="${CMAKE_BINARY_DIR}/bin/lang"
    BRISKO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" BRISKO_LUPDATE="${BRISKO_LUPDATE}")
# The scan that refreshes the catalogues, run by the test into copies of them.
list(JOIN BRISKO_LUPDATE_ARGS "|" BRISKO_LUPDATE_ARGS_TEXT)
target_compile_definitions(test_translations PRIVATE
    BRISKO_LUPDATE_ARGS="${BRISKO_LUPDATE_ARGS_TEXT}")
# Frameless windows under a real X server and window manager: runs only when
# BRISKO_TEST_WM_DISPLAY names a display with one (Xvfb with openbox, say), skipped otherwise.
brisko_add_test(test_windowmanager SOURCES test_windowmanager.cpp LIBS mainwindow uitestsupport xcb)
# The ends of the program, each in a child process of its own (quits, restarts, the
# self-update's end, signals), and an account's teardown that a hidden dialog holds.
brisko_add_test(test_programend SOURCES test_programend.cpp shortwaits.cpp shortwaits.h
    LIBS mainwindowtestsupport app)
