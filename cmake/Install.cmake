# Where an installed Quizwell puts its files (FHS and freedesktop places, under
# CMAKE_INSTALL_PREFIX): the programs in bin, the bundled web pages and the
# sample tests in share/quizwell, which the programs find from bin/../share, and
# the desktop entries, MIME type, AppStream metadata, icons and manual pages
# where the desktop looks for them.
include(GNUInstallDirs)

set(QUIZWELL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quizwell)
set(QUIZWELL_DATA_SOURCE ${PROJECT_SOURCE_DIR}/data)

foreach(program qwtestm qwtest qwtool)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The scanner's module, which the programs load from bin/../lib/quizwell at
# the first page they read.
install(TARGETS quizwell_scanner LIBRARY DESTINATION ${QUIZWELL_MODULE_DIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/web/ DESTINATION ${QUIZWELL_DATA_DIR}/help/web)

# The sample tests the build makes beside the programs; the working folder in
# the user's home is filled from here on its first run.
file(GLOB QUIZWELL_SAMPLE_TEXTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.TXT)
foreach(text IN LISTS QUIZWELL_SAMPLE_TEXTS)
  get_filename_component(name ${text} NAME_WE)
  install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}.QWT DESTINATION ${QUIZWELL_DATA_DIR}/examples)
endforeach()

install(FILES ${QUIZWELL_DATA_SOURCE}/org.quizwell.Maker.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(TARGET qwtest)
  install(FILES ${QUIZWELL_DATA_SOURCE}/org.quizwell.Engine.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
install(FILES ${QUIZWELL_DATA_SOURCE}/quizwell.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${QUIZWELL_DATA_SOURCE}/org.quizwell.Maker.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${QUIZWELL_DATA_SOURCE}/icons/quizwell.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME org.quizwell.Maker.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${QUIZWELL_DATA_SOURCE}/icons/quizwell-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME org.quizwell.Maker.png)
endforeach()

# Manual pages and the package's own documents, compressed as the system keeps
# them (gzip -n: the same bytes on every build).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(QUIZWELL_COMPRESSED)
function(quizwell_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${GZIP_PROGRAM} ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
  set(QUIZWELL_COMPRESSED ${QUIZWELL_COMPRESSED} ${output} PARENT_SCOPE)
endfunction()

set(QUIZWELL_MAN_BUILD ${CMAKE_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${QUIZWELL_MAN_BUILD})
foreach(page qwtestm qwtest qwtool)
  if(TARGET ${page})
    quizwell_gzip(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${QUIZWELL_MAN_BUILD}/${page}.1.gz)
    install(FILES ${QUIZWELL_MAN_BUILD}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
quizwell_gzip(${QUIZWELL_DATA_SOURCE}/changelog ${QUIZWELL_MAN_BUILD}/changelog.gz)
add_custom_target(quizwell_compressed ALL DEPENDS ${QUIZWELL_COMPRESSED})

set(QUIZWELL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quizwell)
install(FILES ${QUIZWELL_DATA_SOURCE}/copyright DESTINATION ${QUIZWELL_DOC_DIR})
install(FILES ${QUIZWELL_MAN_BUILD}/changelog.gz DESTINATION ${QUIZWELL_DOC_DIR})

# Everything the install rules take, for a build that makes only those.
add_custom_target(quizwell_installed DEPENDS quizwell_compressed)
foreach(target qwtestm qwtest qwtool quizwell_scanner sample_tests quizwell_web_pages)
  if(TARGET ${target})
    add_dependencies(quizwell_installed ${target})
  endif()
endforeach()
