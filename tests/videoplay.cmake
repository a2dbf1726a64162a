# Playing downloads: the play dialog with its offline play, and the file password prompt.
brisko_add_test(test_dialogplayvideo
    SOURCES test_dialogplayvideo.cpp downloadjobfixture.cpp downloadjobfixture.h
        faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS uitestsupport testsupport mediaui)
brisko_add_test(test_popupinputpassword SOURCES test_popupinputpassword.cpp
    LIBS uitestsupport mediaui)
