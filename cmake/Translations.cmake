# The interface in the teacher's language: the Qt Linguist files of
# translations/, compiled to .qm by lrelease and built into the programs as
# resources under :/i18n, where the programs' start (src/programs/Translation.cpp)
# loads the one of the desktop's language. Qt's own texts (its dialogs and
# buttons) come from the system's qtbase translations.
find_package(Qt6 REQUIRED COMPONENTS Core LinguistTools)

set(QUIZWELL_LANGUAGES de es pl ar)
set(QUIZWELL_TS_FILES)
foreach(language IN LISTS QUIZWELL_LANGUAGES)
  list(APPEND QUIZWELL_TS_FILES ${PROJECT_SOURCE_DIR}/translations/quizwell_${language}.ts)
endforeach()

# The translations and their loader, a library of the programs' folder linked
# into each window program. `cmake --build build --target update_translations` refreshes
# the .ts files from the sources of the windows and the programs.
function(quizwell_translations target)
  quizwell_layer(${target} FOLDER programs ONLY Translation.cpp LINK Qt6::Core)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.h
       ${PROJECT_SOURCE_DIR}/src/programs/*.cpp)
  qt_add_translations(${target} TS_FILES ${QUIZWELL_TS_FILES} SOURCES ${sources} RESOURCE_PREFIX /i18n
                      LUPDATE_OPTIONS -no-obsolete -locations absolute)
endfunction()
