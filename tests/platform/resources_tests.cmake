# The compiled-in artwork: sizes, the window shape's key colour, icon transparency, text bands.
if(TARGET ll_resources)
  ledgerleaf_test(resources_tests QT
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/resources_test.cpp
    LIBS ll_resources Qt6::Gui)
endif()
