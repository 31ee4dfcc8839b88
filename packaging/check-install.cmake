# Installs the build into PREFIX and checks that every installed file of the
# program is there, and that the printing module lies where the program
# looks for it: run as
# `cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DMODULE=... -DFROM_PROGRAM=... -P`
# (MODULE: the printing module's path under PREFIX; FROM_PROGRAM: its
# folder as the program sees it from its own).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path IN ITEMS
    bin/ombrana
    share/applications/${APP_ID}.desktop
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/metainfo/${APP_ID}.metainfo.xml
    ${MODULE})
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
get_filename_component(module_name "${MODULE}" NAME)
if(NOT EXISTS "${PREFIX}/bin/${FROM_PROGRAM}/${module_name}")
  message(FATAL_ERROR "the program looks for ${module_name} in bin/${FROM_PROGRAM}, where the install did not put it")
endif()
file(READ "${PREFIX}/share/applications/${APP_ID}.desktop" entry)
if(NOT entry MATCHES "\nExec=ombrana\n" OR NOT entry MATCHES "\nIcon=${APP_ID}\n")
  message(FATAL_ERROR "the desktop entry does not start the installed program with its icon")
endif()
file(REMOVE_RECURSE "${PREFIX}")
