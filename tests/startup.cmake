# Start-up and the single running copy, translations, the simple download dialog,
# self-update and media players.
brisko_add_test(test_simpledownloaddialog SOURCES test_simpledownloaddialog.cpp
    LIBS uitestsupport app)
brisko_add_test(test_mediaplayer SOURCES test_mediaplayer.cpp LIBS uitestsupport app)
brisko_add_test(test_updatehelper SOURCES test_updatehelper.cpp LIBS uitestsupport coreui)
# Runs two copies of briskotool and reads the translations built beside it.
brisko_add_test(test_startup SOURCES test_startup.cpp LIBS uitestsupport app mainwindow)
add_dependencies(test_startup briskotool translations)
target_compile_definitions(test_startup PRIVATE BRISKOTOOL_PATH="$<TARGET_FILE:briskotool>"
    BRISKO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
