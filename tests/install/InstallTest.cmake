# Installs the build into a fresh DESTDIR, under a prefix with a space in it, and runs the
# installed programs from there. The console program must find its tables under share/ (none
# lie beside it) and name every folder it looked in once they are gone. The window must keep
# its saved game in the player's data folder, not beside itself, and load it back from there.
#   cmake -D BUILD_DIR=... -D WORK=... -D PLUGINS=... -D APP_ID=... -P InstallTest.cmake

function(fail text)
  message(FATAL_ERROR "${text}")
endfunction()

function(expect_text haystack needle what)
  string(FIND "${haystack}" "${needle}" at)
  if(at EQUAL -1)
    fail("${what}: '${needle}' not found in:\n${haystack}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(root "${WORK}/root")
set(prefix "/opt/Ostrand Chess")
set(installed "${root}${prefix}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${root}"
                        ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
  fail("cmake --install failed:\n${output}")
endif()

# Everything lands below the prefix, where desktops and packagers expect it.
set(expected bin/ostrand-chess bin/ostrand-engine
    share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man6/ostrand-chess.6.gz share/man/man6/ostrand-engine.6.gz
    share/doc/ostrand-chess/COPYING share/doc/ostrand-chess/README.md
    share/doc/ostrand-chess/changelog.gz share/doc/ostrand-chess/copyright)
file(GLOB manuals RELATIVE "${SOURCE_DIR}/docs" "${SOURCE_DIR}/docs/*.md" "${SOURCE_DIR}/docs/*.png")
foreach(manual ${manuals})
  list(APPEND expected share/doc/ostrand-chess/docs/${manual})
endforeach()
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(stage 1 2 3 4)
  foreach(letter P K B R X Q)
    list(APPEND expected share/ostrand-chess/${letter}${stage}.txt)
  endforeach()
endforeach()
list(APPEND expected share/ostrand-chess/Openings.txt)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(TRANSFORM expected PREPEND "${prefix}/")
string(REGEX REPLACE "^/" "" expected "${expected}")
string(REPLACE ";/" ";" expected "${expected}")
list(SORT expected)
list(SORT files)
if(NOT files STREQUAL expected)
  fail("installed files differ:\n  got ${files}\n  expected ${expected}")
endif()

set(bin "${installed}/bin")
set(tables "${installed}/share/ostrand-chess")
execute_process(COMMAND "${bin}/ostrand-engine" bench --depth 4
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(result OR NOT errors STREQUAL "")
  fail("installed bench failed (${result}):\n${output}${errors}")
endif()
expect_text("${output}" "bench: 365912 nodes" "installed bench")

# The opening book lies beside the tables: the answer comes from it, without a search.
file(WRITE "${WORK}/book.txt" "setoption name OwnBook value true\nposition startpos\ngo depth 4\n")
execute_process(COMMAND "${bin}/ostrand-engine" uci INPUT_FILE "${WORK}/book.txt"
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT output MATCHES "^bestmove (e2e4|d2d4|c2c4|g1f3)\n$")
  fail("the installed engine did not play from its book:\n${output}")
endif()

# Without the tables the message names both places looked in.
file(RENAME "${tables}" "${tables}.away")
file(WRITE "${WORK}/new-game.txt" "NewGame\n")
execute_process(COMMAND "${bin}/ostrand-engine" play INPUT_FILE "${WORK}/new-game.txt"
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(RENAME "${tables}.away" "${tables}")
expect_text("${output}" "message: " "no tables")
expect_text("${output}" "${bin} or ${tables}" "no tables")

# The window, with the player's folders in the work folder.
set(home "${WORK}/home")
set(data "${home}/data")
file(MAKE_DIRECTORY "${home}" "${WORK}/runtime")
file(CHMOD "${WORK}/runtime" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND ${CMAKE_COMMAND} -E env "HOME=${home}" "XDG_DATA_HOME=${data}"
                        "XDG_CONFIG_HOME=${home}/config" "XDG_CACHE_HOME=${home}/cache"
                        "XDG_STATE_HOME=${home}/state" "XDG_RUNTIME_DIR=${WORK}/runtime"
                        QT_QPA_PLATFORM=offscreen "QT_PLUGIN_PATH=${PLUGINS}"
                        QT_QPA_GENERIC_PLUGINS=ostrand-save-load "${bin}/ostrand-chess"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
  fail("the installed window failed (${result}):\n${output}")
endif()
expect_text("${output}" "saved, played on and loaded back" "installed window")

set(saved "${data}/ostrand-chess/Board.txt")
if(NOT EXISTS "${saved}")
  fail("no saved game at ${saved}:\n${output}")
endif()
file(GLOB_RECURSE strays RELATIVE "${root}" "${root}/*Board.txt*")
if(strays)
  fail("a saved game was written into the installation: ${strays}")
endif()
# The engine reads it back: the one move the engine had played when it was saved.
file(WRITE "${WORK}/load.txt" "load ${saved}\ncount\n")
execute_process(COMMAND "${bin}/ostrand-engine" play INPUT_FILE "${WORK}/load.txt"
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT output STREQUAL "OK\n1\n")
  fail("the saved game does not load:\n${output}")
endif()
