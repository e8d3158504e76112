sv_logic_test(slidermath_tests SliderMathTest.cpp)
sv_widget_test(slider_tests SliderTest.cpp)
