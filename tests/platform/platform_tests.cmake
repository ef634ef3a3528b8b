# Platform facilities: single-instance guard, code pages, INI files, file system, program
# launch, the scripted dialogs and clock; and the Qt dialogs and clock of the program.
ledgerleaf_test(platform_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/code_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_system_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ini_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/instance_guard_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/launcher_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scripted_clock_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scripted_dialogs_test.cpp
  LIBS ll_platform)

ledgerleaf_test(platform_widgets_tests QT
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_clock_test.cpp
  LIBS ll_platform_widgets Qt6::Test)
