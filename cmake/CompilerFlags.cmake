# One interface target carries the flags every project target is built with.
add_library(brelvo_flags INTERFACE)
target_compile_options(brelvo_flags INTERFACE -Wall -Wextra -Wpedantic -Werror)

if(BRELVO_SANITIZE)
    set(_sanitize_flags -fsanitize=${BRELVO_SANITIZE} -fno-omit-frame-pointer)
    if(BRELVO_SANITIZE MATCHES "undefined")
        list(APPEND _sanitize_flags -fno-sanitize-recover=undefined)
    endif()
    target_compile_options(brelvo_flags INTERFACE ${_sanitize_flags})
    target_link_options(brelvo_flags INTERFACE ${_sanitize_flags})
    target_compile_definitions(brelvo_flags INTERFACE BRELVO_SANITIZED=1)
endif()

target_compile_definitions(brelvo_flags INTERFACE
    BRELVO_VERSION_TEXT="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK}")
