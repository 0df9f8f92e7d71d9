# Builds the .deb from the finished build with CPack, checks its file list
# and dependencies, unpacks it into a fresh root and starts the player from
# there. Variables: BUILD, TMP, VERSION, MAN (ON when man pages are built),
# LIBDIR (the library folder under the prefix).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${TMP}")
file(MAKE_DIRECTORY "${TMP}")
get_filename_component(cmake_bin "${CMAKE_COMMAND}" DIRECTORY)
execute_process(COMMAND "${cmake_bin}/cpack" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${TMP}"
                OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
file(GLOB debs "${TMP}/*.deb")
list(LENGTH debs count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no .deb (status ${status}):\n${out}\n${errors}")
endif()

function(expect_in text what)
  foreach(item ${ARGN})
    string(FIND "${text}" "${item}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${what} lacks ${item}:\n${text}")
    endif()
  endforeach()
endfunction()

execute_process(COMMAND dpkg-deb --field "${debs}" Package Version Depends Recommends
                OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
expect_in("${fields}" "the package's fields" "Package: quorlen-player" "Version: ${VERSION}"
          libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0
          libavcodec libavformat libavutil libswscale libswresample libfontconfig1 libwmf librsvg2 libemf2svg
          "timgm6mb-soundfont | sf2-soundfont-gm" "Recommends: fonts-liberation")

execute_process(COMMAND dpkg-deb --contents "${debs}" OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
set(files ./usr/bin/quorlen-player ./usr/bin/quorlen-run ./usr/share/quorlen/games/demo/Config/General
    ./usr/share/applications/org.quorlen.Player.desktop ./usr/share/metainfo/org.quorlen.Player.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/org.quorlen.Player.svg
    ./usr/share/icons/hicolor/16x16/apps/org.quorlen.Player.png
    ./usr/share/icons/hicolor/512x512/apps/org.quorlen.Player.png)
if(MAN)
  list(APPEND files ./usr/share/man/man1/quorlen-player.1 ./usr/share/man/man1/quorlen-run.1)
endif()
expect_in("${contents}" "the package's file list" ${files})
# Of libraries, only the player's own modules, which it loads from its
# library folder.
string(REGEX MATCHALL "\\./usr/lib/[^ \n]*\\.so[^ \n]*" libraries "${contents}")
list(SORT libraries)
set(modules ./usr/${LIBDIR}/quorlen/quorlen-codecs.so ./usr/${LIBDIR}/quorlen/quorlen-media.so
            ./usr/${LIBDIR}/quorlen/quorlen-metafiles.so)
if(NOT "${libraries}" STREQUAL "${modules}")
  message(FATAL_ERROR "the package's libraries are not the player's modules (${modules}):\n${contents}")
endif()

# A fresh root: every library the installed player needs is found, and it
# starts from its installed place.
set(root "${TMP}/root")
execute_process(COMMAND dpkg-deb --extract "${debs}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
foreach(program usr/bin/quorlen-player usr/${LIBDIR}/quorlen/quorlen-media.so usr/${LIBDIR}/quorlen/quorlen-codecs.so
        usr/${LIBDIR}/quorlen/quorlen-metafiles.so)
  execute_process(COMMAND ldd "${root}/${program}" OUTPUT_VARIABLE libs COMMAND_ERROR_IS_FATAL ANY)
  string(FIND "${libs}" "not found" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the installed ${program} misses libraries:\n${libs}")
  endif()
endforeach()
execute_process(COMMAND "${root}/usr/bin/quorlen-player" --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version STREQUAL "quorlen-player ${VERSION}\n")
  message(FATAL_ERROR "the installed player's --version: status ${status}, \"${version}\"")
endif()
