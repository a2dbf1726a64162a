# The account panel with its storage pie, and the countdown before a power-off.
brisko_add_test(test_pieview SOURCES test_pieview.cpp LIBS mainwindow)
brisko_add_test(test_dialogturnoff SOURCES test_dialogturnoff.cpp LIBS mainwindowtestsupport)
brisko_add_test(test_forminfo SOURCES test_forminfo.cpp LIBS mainwindowtestsupport)
