brisko_add_test(test_userprompt SOURCES test_userprompt.cpp LIBS uitestsupport)
brisko_add_test(test_dialogs SOURCES test_dialogs.cpp LIBS uitestsupport)
brisko_add_test(test_images SOURCES test_images.cpp LIBS coreui)
# The images test reads the sources for the picture names they use.
target_compile_definitions(test_images PRIVATE BRISKO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
