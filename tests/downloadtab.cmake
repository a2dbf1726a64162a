# The download tab: local names, the history file, the add-links dialog, the commands,
# and whole downloads through the tab.
brisko_add_test(test_localfilename SOURCES test_localfilename.cpp LIBS download)
brisko_add_test(test_downloadhistory
    SOURCES test_downloadhistory.cpp downloadtabsession.cpp downloadtabsession.h
            downloadtabprobe.h
    LIBS uitestsupport downloadui)
brisko_add_test(test_dialogdownload
    SOURCES test_dialogdownload.cpp downloadtabsession.cpp downloadtabsession.h
            downloadtabprobe.h
    LIBS uitestsupport downloadui)
brisko_add_test(test_formdownload
    SOURCES test_formdownload.cpp downloadtabsession.cpp downloadtabsession.h
            downloadtabprobe.h faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS uitestsupport downloadui)
brisko_add_test(test_downloadtransfers
    SOURCES test_downloadtransfers.cpp downloadtabsession.cpp downloadtabsession.h
            downloadtabprobe.h faketransferenvironment.cpp faketransferenvironment.h shortwaits.cpp shortwaits.h
    LIBS uitestsupport downloadui)
