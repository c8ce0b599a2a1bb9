# End-to-end tests of the whole application in its real windows.
tavrel_add_test(tst_app SOURCES tst_app.cpp apptesthelpers.h LIBRARIES tavrel_app)
