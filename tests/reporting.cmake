# Transfer statistics and usage analytics.
brisko_add_test(test_briskologger SOURCES test_briskologger.cpp LIBS testsupport core)
brisko_add_test(test_ganalytics SOURCES test_ganalytics.cpp LIBS testsupport core)
