# One step of the Windows program's test under Wine; see CMakeLists.txt. Any fault is fatal.
#   cmake -DWINE=wine -DWORK=FOLDER -DZIP=FILE -DFOLDER=NAME -DSTEP=unpack|bench|uci|play \
#         -P WineTest.cmake
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM=FILE -DSTEP=dlls -P WineTest.cmake

# A prefix of its own in the build folder, no display, no dialog (the .NET and HTML runtimes
# that a first start offers to install are switched off), no debugging output.
set(ENV{WINEPREFIX} "${WORK}/prefix")
set(ENV{HOME} "${WORK}/home")
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
set(ENV{LANG} C.UTF-8)
unset(ENV{LC_ALL})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

set(unpacked "${WORK}/Échecs")
set(program "${unpacked}/${FOLDER}/ostrand-engine.exe")

# Runs the program from WORK, not its own folder, with INPUT on standard input; stores its
# standard output, without carriage returns, in the variable OUT.
function(run_engine out input)
  file(WRITE "${WORK}/${STEP}-input.txt" "${input}")
  execute_process(COMMAND "${WINE}" "${program}" ${ARGN}
    WORKING_DIRECTORY "${WORK}" INPUT_FILE "${WORK}/${STEP}-input.txt"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
  list(JOIN ARGN " " command)
  message("ostrand-engine.exe ${command}:\n${output}${errors}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "ostrand-engine.exe ${command} ended with '${status}'")
  endif()
  string(REPLACE "\r" "" output "${output}")
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

function(expect output pattern)
  if(NOT output MATCHES "${pattern}")
    message(FATAL_ERROR "expected '${pattern}'")
  endif()
endfunction()

if(STEP STREQUAL "dlls")
  execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE headers
                  COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  string(REPLACE ";" "\n" list "${imports}")
  message("${PROGRAM} imports:\n${list}")
  set(system "KERNEL32|msvcrt|USER32|ADVAPI32|SHELL32|WS2_32|api-ms-win-.*")
  foreach(import ${imports})
    if(NOT import MATCHES "^DLL Name: (${system})\\.dll$")
      message(FATAL_ERROR "${import} is not part of Windows")
    endif()
  endforeach()
elseif(STEP STREQUAL "unpack")
  file(REMOVE_RECURSE "${unpacked}")
  file(MAKE_DIRECTORY "${unpacked}" "${WORK}/home")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${ZIP}" WORKING_DIRECTORY "${unpacked}"
                  COMMAND_ERROR_IS_FATAL ANY)
  foreach(file ostrand-engine.exe README.txt COPYING.txt)
    if(NOT EXISTS "${unpacked}/${FOLDER}/${file}")
      message(FATAL_ERROR "the zip holds no ${FOLDER}/${file}")
    endif()
  endforeach()
  execute_process(COMMAND "${WINE}" wineboot --init TIMEOUT 240 COMMAND_ERROR_IS_FATAL ANY)
elseif(STEP STREQUAL "bench")
  # The tables must have been found beside the program for the signature to come out.
  run_engine(output "" bench --depth 4)
  expect("${output}" "\nbench: 365912 nodes ")
elseif(STEP STREQUAL "uci")
  # quit during the search ends it: the move of the first iteration, then the program exits.
  run_engine(output "uci\nisready\nposition startpos moves e2e4\ngo movetime 200\nquit\n" uci)
  expect("${output}" "\nuciok\nreadyok\n")
  set(replies a7a6 a7a5 b7b6 b7b5 c7c6 c7c5 d7d6 d7d5 e7e6 e7e5 f7f6 f7f5 g7g6 g7g5 h7h6 h7h5
              b8a6 b8c6 g8f6 g8h6)
  string(REPLACE ";" "|" replies "${replies}")
  expect("${output}" "\nbestmove (${replies})\n$")
elseif(STEP STREQUAL "play")
  # Commands with Windows line ends read as with Unix ones; a second save replaces the first.
  set(commands NewGame 5254 count fen "save game.txt" Force "save game.txt" NewGame
               "load game.txt" count)
  string(REPLACE ";" "\n" unix "${commands};")
  string(REPLACE ";" "\r\n" windows "${commands};")
  file(REMOVE "${WORK}/game.txt")
  run_engine(from_unix "${unix}" play --depth 2)
  file(REMOVE "${WORK}/game.txt")
  run_engine(from_windows "${windows}" play --depth 2)
  if(NOT from_windows STREQUAL from_unix)
    message(FATAL_ERROR "play answers commands with Windows line ends otherwise")
  endif()
  expect("${from_unix}"
         "^OK\n[1-8][1-8][1-8][1-8]\n2\n[^\n]+ w [^\n]+ 2\nOK\n[1-8]+\nOK\nOK\nOK\n3\n$")
else()
  message(FATAL_ERROR "unknown step '${STEP}'")
endif()
