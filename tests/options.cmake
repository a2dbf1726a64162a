# The options dialog with its four pages, the restart it offers, and the about box.
brisko_add_test(test_options SOURCES test_options.cpp LIBS mainwindowtestsupport)
