# One step of the Windows program's test under Wine; see CMakeLists.txt. Any fault is fatal.
#   cmake -DWINE=wine -DWORK=FOLDER -DZIP=FILE -DSETUP=FILE -DFOLDER=NAME \
#         -DSTEP=unpack|bench|uci|play|install -P WineTest.cmake
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM=FILE -DSTEP=dlls -P WineTest.cmake

cmake_minimum_required(VERSION 3.21)

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
set(drive "${WORK}/prefix/drive_c")

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

# The keys of the registry that the installer writes, its own and Windows' list of programs
# to uninstall, that are there.
function(installer_keys out)
  set(found "")
  foreach(key "The Ostrand developers"
              "Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrand Chess")
    execute_process(COMMAND "${WINE}" reg query "HKLM\\Software\\${key}" RESULT_VARIABLE status
                    OUTPUT_QUIET ERROR_QUIET)
    if(status EQUAL 0)
      list(APPEND found "${key}")
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
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
  set(system "KERNEL32|msvcrt|USER32|GDI32|COMCTL32|comdlg32|gdiplus|ole32|SHELL32|SHLWAPI")
  string(APPEND system "|WINMM|ADVAPI32|WS2_32|api-ms-win-.*")
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
elseif(STEP STREQUAL "install")
  # The installer, run twice as an update runs it, lays out the zip's files and links to them;
  # its uninstaller takes them all away again and leaves the player's saved game.
  set(folder "${drive}/Program Files/Ostrand Chess")
  set(menu "${drive}/ProgramData/Microsoft/Windows/Start Menu/Programs/Ostrand Chess")
  file(GLOB roaming "${drive}/users/*/AppData/Roaming")
  list(FILTER roaming EXCLUDE REGEX "/Public/")
  set(saved "${roaming}/Ostrand Chess/Board.txt")
  file(WRITE "${saved}" "a saved game\n")
  foreach(time first second)
    execute_process(COMMAND "${WINE}" "${SETUP}" /S TIMEOUT 120 COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  file(GLOB installed RELATIVE "${folder}" "${folder}/*")
  file(GLOB unpacked_files RELATIVE "${unpacked}/${FOLDER}" "${unpacked}/${FOLDER}/*")
  list(APPEND unpacked_files Uninstall.exe)
  list(SORT installed)
  list(SORT unpacked_files)
  if(NOT installed STREQUAL unpacked_files)
    message(FATAL_ERROR "installed: ${installed}\nthe zip and the uninstaller: ${unpacked_files}")
  endif()
  file(GLOB links RELATIVE "${menu}" "${menu}/*.lnk")
  message("Start menu: ${links}")
  foreach(link "Ostrand Chess.lnk" "Ostrand Chess engine (command prompt).lnk" "Read me.lnk"
               Uninstall.lnk)
    if(NOT link IN_LIST links)
      message(FATAL_ERROR "no ${link} in the Start menu")
    endif()
  endforeach()
  installer_keys(keys)
  list(LENGTH keys count)
  if(NOT count EQUAL 2)
    message(FATAL_ERROR "the installer wrote only these keys: ${keys}")
  endif()
  set(program "${folder}/ostrand-engine.exe")
  run_engine(output "" bench --depth 4)
  expect("${output}" "\nbench: 365912 nodes ")
  # The uninstaller runs on from a copy of itself: wait until it has removed its own folder.
  execute_process(COMMAND "${WINE}" "${folder}/Uninstall.exe" /S TIMEOUT 60
                  COMMAND_ERROR_IS_FATAL ANY)
  foreach(tick RANGE 600)
    if(NOT EXISTS "${folder}" AND NOT EXISTS "${menu}")
      break()
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 0.1)
  endforeach()
  foreach(left "${folder}" "${menu}")
    if(EXISTS "${left}")
      file(GLOB_RECURSE files "${left}/*")
      message(FATAL_ERROR "the uninstaller left ${left}: ${files}")
    endif()
  endforeach()
  installer_keys(keys)
  if(keys)
    message(FATAL_ERROR "the uninstaller left keys in the registry: ${keys}")
  endif()
  if(NOT EXISTS "${saved}")
    message(FATAL_ERROR "the uninstaller removed the saved game")
  endif()
else()
  message(FATAL_ERROR "unknown step '${STEP}'")
endif()
