# One static library per folder of src/, which sees only what its layer may
# use (docs/CONVENTIONS.md, "Layers").
#
#   quizwell_layer(<target> FOLDER <folder under src/> [LINK <libraries>...]
#                  [EXCLUDE <files of the folder>...] [ONLY <files of the folder>...])
#
# ONLY builds the library from those files of the folder alone, for a folder
# whose files go into more than one library (core/scan: the scanner and the
# programs' side of its module).
#
# Headers are included from src/, as "core/model/TestFile.h". A library does
# not get src/ itself as an include path: it gets an include root of its own in
# the build tree that holds its folder alone (a link to src/<folder>), and
# passes it on to whatever links it. So a file sees its own folder and the
# folders of the libraries it links, directly or through them, and an include
# of any other folder fails to compile ("No such file or directory").
function(quizwell_layer target)
  cmake_parse_arguments(LAYER "" "FOLDER" "LINK;EXCLUDE;ONLY" ${ARGN})
  if(NOT LAYER_FOLDER)
    message(FATAL_ERROR "quizwell_layer(${target}): FOLDER is missing")
  endif()
  set(folder ${PROJECT_SOURCE_DIR}/src/${LAYER_FOLDER})
  if(NOT IS_DIRECTORY ${folder})
    message(FATAL_ERROR "quizwell_layer(${target}): src/${LAYER_FOLDER} is no folder")
  endif()

  if(LAYER_ONLY)
    list(TRANSFORM LAYER_ONLY PREPEND ${folder}/ OUTPUT_VARIABLE sources)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  endif()
  foreach(excluded IN LISTS LAYER_EXCLUDE)
    list(REMOVE_ITEM sources ${folder}/${excluded})
  endforeach()

  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${LAYER_FOLDER} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${folder} ${root}/${LAYER_FOLDER} SYMBOLIC)

  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${LAYER_LINK})
  else()  # headers only
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${LAYER_LINK})
  endif()
endfunction()
