# Tests of the result window and its Tree-of-Life diagram. Included from tests/CMakeLists.txt.

set(_display_tests ${CMAKE_CURRENT_LIST_DIR})

tavrel_add_test(tst_display SOURCES ${_display_tests}/tst_display.cpp LIBRARIES tavrel_ui)
tavrel_add_test(tst_diagram SOURCES ${_display_tests}/tst_diagram.cpp LIBRARIES tavrel_ui)

# What is drawn must stay sharp on high-density screens: the drawing tests once more at a scale factor of 2.
add_test(NAME tst_display_scaled COMMAND tst_display chakraPicturesAreSharp layout)
add_test(NAME tst_diagram_scaled COMMAND tst_diagram painting spheres)
set_tests_properties(tst_display_scaled tst_diagram_scaled PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2" TIMEOUT 300)
