# kumora_folder_library(NAME [DEPENDENCIES...]): one static library from every
# .cpp of the calling folder, header-only while there is none. Headers are
# included by their path from the project's root ("core/board.h"), so the
# library publishes the root to the targets that link it.
get_filename_component(KUMORA_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

function(kumora_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARGN})
    target_include_directories(${name} PUBLIC ${KUMORA_ROOT})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARGN})
    target_include_directories(${name} INTERFACE ${KUMORA_ROOT})
  endif()
endfunction()
