# The media engine: the fetch thread, the subtitle site's pages, unpacking archives with
# the real 7-Zip; the subtitle dialogs against the stand-in of the subtitle site.
brisko_add_test(test_rssfilestemp SOURCES test_rssfilestemp.cpp shortwaits.cpp shortwaits.h
    LIBS media testsupport)
brisko_add_test(test_subtitlepages SOURCES test_subtitlepages.cpp LIBS media)
brisko_add_test(test_subtitleextraction SOURCES test_subtitleextraction.cpp LIBS media devservice)
brisko_add_test(test_searchsubtitleonline SOURCES test_searchsubtitleonline.cpp
    LIBS mediaui uitestsupport)
brisko_add_test(test_subtitledialogs SOURCES test_subtitledialogs.cpp LIBS mediaui uitestsupport)
brisko_add_test(test_rssfeed SOURCES test_rssfeed.cpp LIBS media)
brisko_add_test(test_rssmanager SOURCES test_rssmanager.cpp rssmanagerprobe.h shortwaits.cpp
    shortwaits.h
    LIBS mediaui uitestsupport)
