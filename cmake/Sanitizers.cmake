# AddressSanitizer + UndefinedBehaviorSanitizer, switched on with SV_SANITIZE.
add_library(sv_sanitizers INTERFACE)
if(SV_SANITIZE)
    set(_sv_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(sv_sanitizers INTERFACE ${_sv_san})
    target_link_options(sv_sanitizers INTERFACE ${_sv_san})
endif()
