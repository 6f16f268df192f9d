# Every test runs through tests/run_isolated, which starts it in a network namespace of its own
# with only a loopback interface: nothing a test does can reach this machine's real network.
# Where no namespace can be made the wrapper exits 77 and ctest reports the test as skipped.
set(BRELVO_ISOLATE ${CMAKE_SOURCE_DIR}/tests/run_isolated)

function(brelvo_add_test)
    cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "COMMAND;LABELS;ENVIRONMENT" ${ARGN})
    add_test(NAME ${ARG_NAME} COMMAND ${BRELVO_ISOLATE} ${ARG_COMMAND})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES
        SKIP_RETURN_CODE 77
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABELS}"
        ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()

# A GoogleTest binary split into shards so that ctest -j runs the shards side by side.
function(brelvo_add_gtest target shards)
    cmake_parse_arguments(ARG "" "TIMEOUT" "LABELS;ENVIRONMENT" ${ARGN})
    math(EXPR _last "${shards} - 1")
    foreach(_index RANGE ${_last})
        brelvo_add_test(NAME ${target}_${_index}
            COMMAND $<TARGET_FILE:${target}>
            TIMEOUT ${ARG_TIMEOUT}
            LABELS ${ARG_LABELS}
            ENVIRONMENT GTEST_TOTAL_SHARDS=${shards} GTEST_SHARD_INDEX=${_index} ${ARG_ENVIRONMENT})
    endforeach()
endfunction()
