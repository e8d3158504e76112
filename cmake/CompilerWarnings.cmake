# Warnings for every target of the project, as one INTERFACE target.
add_library(sv_warnings INTERFACE)
target_compile_options(sv_warnings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wnon-virtual-dtor>
    $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
if(SV_WARNINGS_AS_ERRORS)
    target_compile_options(sv_warnings INTERFACE $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>)
endif()
