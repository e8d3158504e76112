sv_logic_test(slidermodel_tests SliderModelTest.cpp)
sv_widget_test(slider_tests SliderTest.cpp)
