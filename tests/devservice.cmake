# The local stand-in of the service.
brisko_add_test(test_devservice SOURCES test_devservice.cpp LIBS testsupport PkgConfig::CURL)
brisko_add_test(test_devservice_files SOURCES test_devservice_files.cpp LIBS testsupport api)
