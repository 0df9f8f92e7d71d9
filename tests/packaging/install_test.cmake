# Installs the build into a scratch prefix and plays from there: the demo's
# walkthrough with the installed quorlen-run, and the installed player
# started without a game, which must find the installed demo (and, copied
# into another game's folder, that game). Variables: BUILD, SOURCE, TMP,
# PLAYER and CHECK (ON when quorlen-player and quorlen-check are built), MAN
# (ON when the man pages are), LIBDIR (the library folder under the prefix).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${TMP}")
set(prefix "${TMP}/prefix")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status})")
endif()

set(expected share/quorlen/games/demo/Config/General share/quorlen/games/demo/Frames)
set(programs quorlen-run)
if(PLAYER)
  list(APPEND programs quorlen-player)
  list(APPEND expected share/applications/org.quorlen.Player.desktop
       share/metainfo/org.quorlen.Player.metainfo.xml share/icons/hicolor/scalable/apps/org.quorlen.Player.svg
       share/icons/hicolor/48x48/apps/org.quorlen.Player.png share/icons/hicolor/256x256/apps/org.quorlen.Player.png
       ${LIBDIR}/quorlen/quorlen-media.so ${LIBDIR}/quorlen/quorlen-codecs.so ${LIBDIR}/quorlen/quorlen-metafiles.so)
endif()
if(CHECK)
  list(APPEND programs quorlen-check)
endif()
# Each program, with its manual page where those are built.
foreach(program ${programs})
  list(APPEND expected bin/${program})
  if(MAN)
    list(APPEND expected share/man/man1/${program}.1)
  endif()
endforeach()
foreach(path ${expected})
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "${path} is not installed")
  endif()
endforeach()

# The walkthrough, played on the installed demo itself (through a link named
# as in the scenario, so that the transcript is the same).
file(MAKE_DIRECTORY "${TMP}/run")
file(CREATE_LINK "${prefix}/share/quorlen/games/demo" "${TMP}/run/game" SYMBOLIC)
execute_process(COMMAND "${prefix}/bin/quorlen-run" game "${SOURCE}/tests/scenarios/demo/walkthrough.script"
                WORKING_DIRECTORY "${TMP}/run" OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ "${SOURCE}/tests/scenarios/demo/walkthrough.expected" walkthrough)
if(NOT status EQUAL 0 OR NOT actual STREQUAL walkthrough)
  file(WRITE "${TMP}/walkthrough.txt" "${actual}")
  execute_process(COMMAND diff -u "${SOURCE}/tests/scenarios/demo/walkthrough.expected" "${TMP}/walkthrough.txt")
  message(FATAL_ERROR "the installed quorlen-run plays the walkthrough differently (status ${status})\n${errors}")
endif()

if(NOT PLAYER)
  return()
endif()
# The player without a folder, its first line telling which game it found:
# the settings are read under the game's key.
file(WRITE "${TMP}/leave.script" "click frmWelcome.Image7\n")
function(start_player program expected_line what)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env SDL_VIDEODRIVER=offscreen SDL_RENDER_DRIVER=software SDL_AUDIODRIVER=dummy
            "XDG_CONFIG_HOME=${TMP}/config" "XDG_DATA_HOME=${TMP}/data" "${program}" --window --script "${TMP}/leave.script"
    WORKING_DIRECTORY "${TMP}" OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
  string(FIND "${out}" "${expected_line}" at)
  if(NOT status EQUAL 0 OR NOT at EQUAL 0)
    message(FATAL_ERROR "${what}: status ${status}, transcript:\n${out}\n${errors}")
  endif()
endfunction()
start_player("${prefix}/bin/quorlen-player" "setting read \"Games\" \"GullrockLight\""
             "the installed player without a game in its folder plays the installed demo")
# It plays a copy in the user's data folder, where saved games can be
# written; the copy keeps them when it is brought up to date.
set(copy "${TMP}/data/quorlen/games/demo")
if(NOT EXISTS "${copy}/Config/General")
  message(FATAL_ERROR "the installed demo is not copied to the user's data folder")
endif()
file(WRITE "${copy}/Mine.sav" "kept")
file(REMOVE "${copy}/Config/General")
start_player("${prefix}/bin/quorlen-player" "setting read \"Games\" \"GullrockLight\""
             "the installed player, starting again")
if(NOT EXISTS "${copy}/Config/General" OR NOT EXISTS "${copy}/Mine.sav")
  message(FATAL_ERROR "the demo's copy in the user's data folder is not brought up to date, or loses its saved games")
endif()
file(COPY "${SOURCE}/tests/scenarios/startup/game/" DESTINATION "${TMP}/tale")
file(COPY "${prefix}/bin/quorlen-player" DESTINATION "${TMP}/tale")
start_player("${TMP}/tale/quorlen-player" "setting read \"Games\" \"tale1\""
             "the player in a game's folder plays that game")
