# The release build is hardened as distribution packages are: position-independent executable,
# stack protector, fortified library calls, read-only relocations bound at start.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(_sv_release $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options($<${_sv_release}:-D_FORTIFY_SOURCE=2> $<${_sv_release}:-fstack-protector-strong>)
add_link_options($<${_sv_release}:LINKER:-z,relro,-z,now>)
