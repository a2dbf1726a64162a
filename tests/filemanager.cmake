# The file manager: its rows, keys and sort proxy without widgets, and the tab against the
# stand-in.
brisko_add_test(test_filetable SOURCES test_filetable.cpp LIBS filemanager)
brisko_add_test(test_formmanage SOURCES test_formmanage.cpp LIBS mainwindowtestsupport
    uitestsupport filemanagerui)
brisko_add_test(test_formmanageops SOURCES test_formmanageops.cpp LIBS mainwindowtestsupport
    uitestsupport filemanagerui)
brisko_add_test(test_filedialogs SOURCES test_filedialogs.cpp LIBS mainwindowtestsupport
    uitestsupport filemanagerui)
