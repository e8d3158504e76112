include_guard(GLOBAL)
target_sources(spectrivue_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FrmGradeCreator.cpp ${CMAKE_CURRENT_LIST_DIR}/FrmGradeCreator.h
    ${CMAKE_CURRENT_LIST_DIR}/FrmMaxGrid.cpp ${CMAKE_CURRENT_LIST_DIR}/FrmMaxGrid.h)
