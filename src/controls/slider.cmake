target_sources(spectrivue_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SliderModel.cpp ${CMAKE_CURRENT_LIST_DIR}/SliderModel.h)
target_sources(spectrivue_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Slider.cpp ${CMAKE_CURRENT_LIST_DIR}/Slider.h)
