# The download engine: progress tracker, jobs against the stand-in, queue model.
brisko_add_test(test_transferprogress SOURCES test_transferprogress.cpp LIBS download)
