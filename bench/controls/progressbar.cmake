add_executable(progressbar_bench ${CMAKE_CURRENT_LIST_DIR}/ProgressBarBench.cpp)
target_link_libraries(progressbar_bench PRIVATE spectrivue_logic benchmark::benchmark)
