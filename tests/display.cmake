# Tests of the result window and its Tree-of-Life diagram. Included from tests/CMakeLists.txt.

set(_display_tests ${CMAKE_CURRENT_LIST_DIR})

tavrel_add_test(tst_display SOURCES ${_display_tests}/tst_display.cpp LIBRARIES tavrel_ui)
tavrel_add_test(tst_diagram SOURCES ${_display_tests}/tst_diagram.cpp LIBRARIES tavrel_ui)
tavrel_add_test(tst_accessibility SOURCES ${_display_tests}/tst_accessibility.cpp LIBRARIES tavrel_ui)

# What is drawn must stay sharp on high-density screens: the drawing tests once more at a scale factor of 2.
add_test(NAME tst_display_scaled COMMAND tst_display chakraPicturesAreSharp layout)
add_test(NAME tst_diagram_scaled COMMAND tst_diagram painting spheres)
add_test(NAME tst_accessibility_scaled COMMAND tst_accessibility focusMark)
set_tests_properties(tst_display_scaled tst_diagram_scaled tst_accessibility_scaled PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2" TIMEOUT 300)

# What assistive tools are told as the keyboard moves: Qt speaks to them only once it finds an accessibility
# bus, so this part runs in a private X server on a private message bus with the AT-SPI bus started.
if(UNIX AND NOT APPLE)
    find_program(TAVREL_DBUS_DAEMON dbus-daemon)
    find_program(TAVREL_DBUS_SEND dbus-send)
    find_file(TAVREL_A11Y_BUS_SERVICE org.a11y.Bus.service PATHS /usr/share/dbus-1/services NO_DEFAULT_PATH)
    if(TAVREL_DBUS_DAEMON AND TAVREL_DBUS_SEND AND TAVREL_A11Y_BUS_SERVICE)
        add_test(NAME tst_accessibility_bus
            COMMAND bash ${_display_tests}/a11y-bus.sh $<TARGET_FILE:tst_accessibility> focusIsAnnounced)
        set_tests_properties(tst_accessibility_bus PROPERTIES TIMEOUT 120)
    else()
        message(STATUS "tst_accessibility_bus left out: it needs dbus-daemon, dbus-send and at-spi2-core")
    endif()
endif()
