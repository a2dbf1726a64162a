# The download engine: progress tracker, jobs against the stand-in, queue model.
brisko_add_test(test_transferprogress SOURCES test_transferprogress.cpp LIBS download)
brisko_add_test(test_tabledownloadmodel
    SOURCES test_tabledownloadmodel.cpp faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS download)
brisko_add_test(test_downloadfile
    SOURCES test_downloadfile.cpp downloadjobfixture.cpp downloadjobfixture.h
        faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS testsupport download core)
brisko_add_test(test_downloadstart
    SOURCES test_downloadstart.cpp downloadjobfixture.cpp downloadjobfixture.h
        faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS testsupport download core)
brisko_add_test(test_speedpacer SOURCES test_speedpacer.cpp LIBS transfer)
# Download jobs against scripted answers of every shape.
brisko_add_test(test_downloadreplies
    SOURCES test_downloadreplies.cpp downloadjobfixture.cpp downloadjobfixture.h
        faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS testsupport download core)
