sv_logic_test(progressbar_tests ${CMAKE_CURRENT_LIST_DIR}/ProgressBarMathTest.cpp)
sv_widget_test(progressbar_widget_tests ${CMAKE_CURRENT_LIST_DIR}/ProgressBarWidgetTest.cpp)
