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
# bus, so this part runs in a private X server and a private D-Bus with the AT-SPI bus started (by asking it for
# its address). The settings back end is kept in memory, away from the user's settings.
find_program(TAVREL_XVFB_RUN xvfb-run)
find_program(TAVREL_DBUS_RUN_SESSION dbus-run-session)
find_program(TAVREL_DBUS_SEND dbus-send)
find_file(TAVREL_A11Y_BUS_SERVICE org.a11y.Bus.service PATHS /usr/share/dbus-1/services NO_DEFAULT_PATH)
if(TAVREL_XVFB_RUN AND TAVREL_DBUS_RUN_SESSION AND TAVREL_DBUS_SEND AND TAVREL_A11Y_BUS_SERVICE)
    add_test(NAME tst_accessibility_bus
        COMMAND ${TAVREL_XVFB_RUN} -a -s "-screen 0 1280x1024x24 -nolisten tcp"
            ${TAVREL_DBUS_RUN_SESSION} -- sh -c
            "\"$0\" --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null \
             && exec \"$1\" focusIsAnnounced"
            ${TAVREL_DBUS_SEND} $<TARGET_FILE:tst_accessibility>)
    set_tests_properties(tst_accessibility_bus PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1;GSETTINGS_BACKEND=memory" TIMEOUT 120)
else()
    message(STATUS "tst_accessibility_bus left out: it needs xvfb-run, dbus-run-session, dbus-send and at-spi2-core")
endif()
