target_sources(spectrivue_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBarModel.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBarModel.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBarDrawing.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBarDrawing.h)
target_sources(spectrivue_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/XP_ProgressBar.cpp ${CMAKE_CURRENT_LIST_DIR}/XP_ProgressBar.h)
