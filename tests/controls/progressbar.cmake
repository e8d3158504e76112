sv_logic_test(progressbar_tests ${CMAKE_CURRENT_LIST_DIR}/ProgressBarTest.cpp)
sv_widget_test(progressbar_widget_tests ${CMAKE_CURRENT_LIST_DIR}/XP_ProgressBarTest.cpp)
