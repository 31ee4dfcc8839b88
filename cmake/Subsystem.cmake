# The project's static libraries, each said once.
#
# ombrana_library(<name> [NO_MOC] [FROM_ROOT] SOURCES <files...> [LIBS <libraries...>])
#   A static library. Its users include its headers from src/
#   ("app/WindowRegistry.h"), or with FROM_ROOT from the project's root
#   ("tests/support/WindowTestSupport.h", "bench/core/Statistics.h").
#   NO_MOC: nothing for moc to do (standard C++, or Qt without Q_OBJECT).
#
# ombrana_subsystem(<prefix> [CORE <files...>] [CORE_LIBS <libraries...>]
#                            UI <files...> [UI_LIBS <libraries...>])
#   One subsystem of the program: <prefix>_core, standard C++ only, and
#   <prefix>_ui, its windows, over that core and the window frame
#   (ombrana_ui). The "ombrana" subsystem is the frame itself.

function(ombrana_library name)
  cmake_parse_arguments(L "NO_MOC;FROM_ROOT" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  if(L_FROM_ROOT)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  else()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  endif()
  if(L_LIBS)
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  endif()
  if(L_NO_MOC)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  endif()
endfunction()

function(ombrana_subsystem prefix)
  cmake_parse_arguments(S "" "" "CORE;CORE_LIBS;UI;UI_LIBS" ${ARGN})
  set(ui_libs ${S_UI_LIBS})
  if(S_CORE)
    ombrana_library(${prefix}_core NO_MOC SOURCES ${S_CORE} LIBS ${S_CORE_LIBS})
    list(PREPEND ui_libs ${prefix}_core)
  endif()
  if(NOT prefix STREQUAL "ombrana")
    list(APPEND ui_libs ombrana_ui)
  endif()
  ombrana_library(${prefix}_ui SOURCES ${S_UI} LIBS ${ui_libs})
endfunction()
