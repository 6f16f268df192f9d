# Setting.ini, Languages/, Skin/ and service/ are copied beside the executables on every build,
# so a changed language file or picture reaches the build tree without a reconfigure.
file(GLOB_RECURSE BRELVO_RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
set(_stamp ${CMAKE_BINARY_DIR}/resources.stamp)
add_custom_command(
    OUTPUT ${_stamp}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources ${BRELVO_PROGRAM_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${_stamp}
    DEPENDS ${BRELVO_RESOURCE_FILES}
    COMMENT "Copying resources beside the executables")
add_custom_target(brelvo_resources ALL DEPENDS ${_stamp})
