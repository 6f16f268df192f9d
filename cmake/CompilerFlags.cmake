# One interface target carries the flags every project target is built with.
add_library(brelvo_flags INTERFACE)
target_compile_options(brelvo_flags INTERFACE -Wall -Wextra -Wpedantic -Werror)

if(BRELVO_SANITIZE)
    set(_sanitize_flags -fsanitize=${BRELVO_SANITIZE} -fno-omit-frame-pointer)
    if(BRELVO_SANITIZE MATCHES "undefined")
        list(APPEND _sanitize_flags -fno-sanitize-recover=undefined)
    endif()
    # With the sanitizers' instrumentation g++ 12 reports maybe-uninitialized inside the
    # standard library's <regex>; the warning stays on in the default build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        list(APPEND _sanitize_compile_only -Wno-maybe-uninitialized)
    endif()
    target_compile_options(brelvo_flags INTERFACE ${_sanitize_flags} ${_sanitize_compile_only})
    target_link_options(brelvo_flags INTERFACE ${_sanitize_flags})
    target_compile_definitions(brelvo_flags INTERFACE BRELVO_SANITIZED=1)
endif()

target_compile_definitions(brelvo_flags INTERFACE
    BRELVO_VERSION_TEXT="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK}")
