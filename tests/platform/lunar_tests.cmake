# Lunar calendar: the date table against the reference file, and the month calendar control.
if(TARGET ll_lunar)
  ledgerleaf_test(lunar_table_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/lunar_table_test.cpp
    LIBS ll_lunar)
  target_compile_definitions(lunar_table_test PRIVATE
    LUNAR_REFERENCE_FILE="${CMAKE_CURRENT_LIST_DIR}/data/lunar_reference.txt")
endif()
if(TARGET ll_lunar_widget)
  ledgerleaf_test(lunar_calendar_test QT
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/lunar_calendar_test.cpp
    LIBS ll_lunar_widget Qt6::Test)
endif()
