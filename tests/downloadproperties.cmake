# The download properties dialog, with a password-protected download end to end.
brisko_add_test(test_dialogfileinfo
    SOURCES test_dialogfileinfo.cpp downloadtabsession.cpp downloadtabsession.h
            downloadtabprobe.h shortwaits.cpp shortwaits.h
    LIBS uitestsupport downloadui)
