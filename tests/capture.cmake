# Browser link capture: the native-messaging host as a browser runs it, the helper object
# and its registration, and the host driven by a real Chromium.
brisko_add_test(test_nativehost SOURCES test_nativehost.cpp LIBS platform)
add_dependencies(test_nativehost briskohost)
target_compile_definitions(test_nativehost PRIVATE BRISKOHOST_PATH="$<TARGET_FILE:briskohost>")
brisko_add_test(test_briskomonitor SOURCES test_briskomonitor.cpp LIBS capture ${CMAKE_DL_LIBS})
add_dependencies(test_briskomonitor BriskoMonitor)
target_compile_definitions(test_briskomonitor PRIVATE
    BRISKOMONITOR_PATH="$<TARGET_FILE:BriskoMonitor>")
brisko_add_test(test_browsercapture SOURCES test_browsercapture.cpp LIBS Qt5::Core)
add_dependencies(test_browsercapture briskohost)
target_compile_definitions(test_browsercapture PRIVATE BRISKOHOST_PATH="$<TARGET_FILE:briskohost>"
    BRISKO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
