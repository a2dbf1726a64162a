brisko_add_test(test_api_records SOURCES test_api_records.cpp LIBS api)
brisko_add_test(test_api_service SOURCES test_api_service.cpp LIBS testsupport api)
brisko_add_test(test_file_session_api SOURCES test_file_session_api.cpp LIBS testsupport api)
brisko_add_test(test_api_async SOURCES test_api_async.cpp LIBS testsupport api)
