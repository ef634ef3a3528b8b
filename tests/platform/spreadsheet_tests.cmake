# The spreadsheet of the exports: cell addresses, the texts and widths of an .xlsx workbook,
# and the workbook file itself (read back through zlib).
find_package(ZLIB REQUIRED)
ledgerleaf_test(spreadsheet_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/spreadsheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zip_entry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zip_entry.h
  LIBS ll_spreadsheet ZLIB::ZLIB)
