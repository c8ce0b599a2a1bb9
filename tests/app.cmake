# End-to-end tests of the whole application in its real windows.
tavrel_add_test(tst_app SOURCES tst_app.cpp apptesthelpers.h LIBRARIES tavrel_app)

# The built program in a real X server, driven with real X input.
if(UNIX AND NOT APPLE)
    add_test(NAME smoke_real_x COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/smoke.sh $<TARGET_FILE:tavrel>)
    set_tests_properties(smoke_real_x PROPERTIES TIMEOUT 180)
endif()

# Robustness: many rounds of reading and Back, and whatever the settings store may hold.
tavrel_add_test(tst_rounds SOURCES tst_rounds.cpp apptesthelpers.h LIBRARIES tavrel_app)
tavrel_add_test(tst_settings_fuzz SOURCES tst_settings_fuzz.cpp apptesthelpers.h LIBRARIES tavrel_shell)
if(UNIX AND NOT APPLE)
    add_test(NAME package_deb COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(package_deb PROPERTIES TIMEOUT 300)
endif()
