# The frameless windows: where the program places them (the window system stood in for)
# and how they drag, by their face and by their titles.
brisko_add_test(test_windowposition SOURCES test_windowposition.cpp LIBS uitestsupport)
brisko_add_test(test_windowdrag SOURCES test_windowdrag.cpp LIBS mainwindowtestsupport)
