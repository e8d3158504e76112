target_sources(spectrivue_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBarMath.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBarMath.h)
target_sources(spectrivue_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBar.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBar.h)
