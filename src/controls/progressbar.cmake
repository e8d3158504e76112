target_sources(spectrivue_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBarModel.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBarModel.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBarDrawing.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBarDrawing.h)
target_sources(spectrivue_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgressBar.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgressBar.h)
