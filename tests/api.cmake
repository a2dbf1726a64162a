brisko_add_test(test_api_records SOURCES test_api_records.cpp LIBS api)
