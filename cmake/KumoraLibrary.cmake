# Headers are included by their path from the project's root ("rules/board.h").
# A target sees the headers of its own folder and of the libraries it links,
# and no others: each folder is published through a folder of the build tree
# that holds a link to it alone, so that including a header of a library the
# target does not link fails to compile.
get_filename_component(KUMORA_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# kumora_folder_headers(TARGET SCOPE [FOLDER]): TARGET sees FOLDER (a path from
# the project's root; the calling folder when left out) with SCOPE PUBLIC,
# PRIVATE or INTERFACE.
function(kumora_folder_headers target scope)
  if(ARGC GREATER 2)
    set(folder ${ARGV2})
  else()
    file(RELATIVE_PATH folder ${KUMORA_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(published ${CMAKE_BINARY_DIR}/include/${folder})
  set(link ${published}/${folder})
  if(NOT IS_SYMLINK ${link})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${KUMORA_ROOT}/${folder} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${published})
endfunction()

# kumora_folder_library(NAME [DEPENDENCIES...]): one static library from every
# .cpp of the calling folder, header-only while there is none. It publishes
# its folder's headers and links its dependencies publicly.
function(kumora_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARGN})
    kumora_folder_headers(${name} PUBLIC)
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARGN})
    kumora_folder_headers(${name} INTERFACE)
  endif()
endfunction()
