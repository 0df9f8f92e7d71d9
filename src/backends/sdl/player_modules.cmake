# The desktop player's own shared modules: the heavy media and metafile
# libraries, loaded when a game first needs them. In the build tree each
# sits next to quorlen-player (src/app), and next to every test or
# benchmark program that loads it; installed, in the library folder
# (lib/quorlen), which the player finds from its own place.
include_guard(GLOBAL)

function(quorlen_player_module target file)
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${file} SUFFIX .so
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/src/app
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # Only its entry points are shown; every library it needs is linked (not
  # checked in sanitized builds, whose run time clang links only into the
  # programs).
  if(NOT APPLE AND NOT WIN32)
    target_link_options(${target} PRIVATE LINKER:--exclude-libs,ALL)
    if(NOT QUORLEN_SANITIZE AND NOT QUORLEN_FUZZ)
      target_link_options(${target} PRIVATE LINKER:--no-undefined)
    endif()
  endif()
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/quorlen)
  set_property(GLOBAL APPEND PROPERTY QUORLEN_PLAYER_MODULES ${target})
endfunction()

# Puts every module next to `program` (a link; a copy on Windows) once both
# are built.
function(quorlen_place_modules program)
  get_property(modules GLOBAL PROPERTY QUORLEN_PLAYER_MODULES)
  set(place create_symlink)
  if(WIN32)
    set(place copy_if_different)
  endif()
  foreach(module ${modules})
    add_dependencies(${program} ${module})
    add_custom_command(TARGET ${program} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E ${place} $<TARGET_FILE:${module}>
              $<TARGET_FILE_DIR:${program}>/$<TARGET_FILE_NAME:${module}>)
  endforeach()
endfunction()
