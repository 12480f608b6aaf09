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
#
# The include roots cannot stop an include that climbs out with "..": the
# compiler looks beside the including file first. So every build runs the
# layer check (tests/layers/check-layers.py) over src/, tests/, bench/ and
# fuzz/ before any library compiles, and fails on any include it refuses.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB_RECURSE quizwell_checked_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp
  ${PROJECT_SOURCE_DIR}/tests/*.h ${PROJECT_SOURCE_DIR}/tests/*.cpp
  ${PROJECT_SOURCE_DIR}/bench/*.h ${PROJECT_SOURCE_DIR}/bench/*.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/*.h ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
set(quizwell_layer_stamp ${CMAKE_BINARY_DIR}/layers/checked)
add_custom_command(OUTPUT ${quizwell_layer_stamp}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/layers/check-layers.py ${PROJECT_SOURCE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${quizwell_layer_stamp}
  DEPENDS ${quizwell_checked_sources} ${PROJECT_SOURCE_DIR}/tests/layers/check-layers.py
          ${PROJECT_SOURCE_DIR}/docs/CONVENTIONS.md
  COMMENT "Checking every include against the layers")
add_custom_target(quizwell_layer_check DEPENDS ${quizwell_layer_stamp})

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
  add_dependencies(${target} quizwell_layer_check)
endfunction()
