# The download engine: progress tracker, jobs against the stand-in, queue model.
brisko_add_test(test_transferprogress SOURCES test_transferprogress.cpp LIBS download)
brisko_add_test(test_tabledownloadmodel
    SOURCES test_tabledownloadmodel.cpp fakedownloadenvironment.cpp fakedownloadenvironment.h
    LIBS download)
