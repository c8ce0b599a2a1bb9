# Tests of the shell services: message boxes and web links, settings store and scrambling, update reminder and
# the single-instance lock. Included from tests/CMakeLists.txt.

set(_shell_tests ${CMAKE_CURRENT_LIST_DIR})

tavrel_add_test(tst_shell_messages SOURCES ${_shell_tests}/tst_shell_messages.cpp LIBRARIES tavrel_shell)
tavrel_add_test(tst_shell_settings SOURCES ${_shell_tests}/tst_shell_settings.cpp LIBRARIES tavrel_shell)
tavrel_add_test(tst_shell_reminder SOURCES ${_shell_tests}/tst_shell_reminder.cpp LIBRARIES tavrel_shell)

if(NOT UNIX)
    return()
endif()

# A copy of the application's lock in a process of its own, which the single-instance test starts and kills.
qt_add_executable(tavrel_lockholder ${_shell_tests}/lockholder.cpp)
set_target_properties(tavrel_lockholder PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)
target_link_libraries(tavrel_lockholder PRIVATE tavrel_shell tavrel_warnings)

tavrel_add_test(tst_shell_singleinstance SOURCES ${_shell_tests}/tst_shell_singleinstance.cpp LIBRARIES tavrel_shell)
add_dependencies(tst_shell_singleinstance tavrel_lockholder)
target_compile_definitions(tst_shell_singleinstance PRIVATE
    TAVREL_LOCKHOLDER="$<TARGET_FILE:tavrel_lockholder>")
