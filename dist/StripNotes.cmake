# Run by cpack on the staged files: like Debian's own packaging, drop the compiler's .comment
# and .note sections from the stripped programs.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/ostrand-chess"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/ostrand-engine")
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_OSTRAND_OBJCOPY} --remove-section=.comment
                          --remove-section=.note ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
