# Upload engine and the stand-in's upload locations.
brisko_add_test(test_devservice_upload SOURCES test_devservice_upload.cpp
    LIBS testsupport api PkgConfig::CURL)
