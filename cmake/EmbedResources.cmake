# vellmor_embed_resources(<target> FILES <file>...)
# Builds a static library <target> holding the files' bytes, found at run time
# by bare file name through FindEmbeddedResource() (resources/EmbeddedResources.h).
function(vellmor_embed_resources target)
  cmake_parse_arguments(ARG "" "" "FILES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${out} "-DFILES=${ARG_FILES}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    DEPENDS ${ARG_FILES} ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    COMMENT "Embedding resources into ${target}"
    VERBATIM)
  add_library(${target} STATIC ${out})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/resources)
endfunction()
