target_sources(spectrivue_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SliderMath.cpp ${CMAKE_CURRENT_LIST_DIR}/SliderMath.h)
target_sources(spectrivue_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Slider.cpp ${CMAKE_CURRENT_LIST_DIR}/Slider.h)
