# Start-up time and peak memory of the real program against a bare Qt window, in a real X server.
find_package(X11 QUIET)
if(X11_FOUND AND TARGET tavrel)
    qt_add_executable(bench_bare_window bare_window.cpp)
    set_target_properties(bench_bare_window PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)
    target_link_libraries(bench_bare_window PRIVATE Qt6::Widgets tavrel_warnings)

    add_executable(bench_startup_probe startup_probe.cpp)
    target_link_libraries(bench_startup_probe PRIVATE X11::X11 tavrel_warnings)
endif()
