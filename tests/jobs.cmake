# Background job thread and link expansion.
brisko_add_test(test_actionthread SOURCES test_actionthread.cpp joblog.cpp joblog.h
    LIBS testsupport core)
brisko_add_test(test_linkexpansion SOURCES test_linkexpansion.cpp joblog.cpp joblog.h
    LIBS testsupport core)
# Quits a copy of itself (through the main window's programexit) in a child process.
brisko_add_test(test_servicecallrunner SOURCES test_servicecallrunner.cpp
    LIBS testsupport coreui mainwindow)
