# Run by cpack on the staged files: drops the .comment and .note sections of the program, which a
# plain strip keeps and Debian's dh_strip removes.
find_program(STRIP strip REQUIRED)
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}/usr/lib/games/kaldora/*)
foreach(program ${programs})
  execute_process(COMMAND ${STRIP} --remove-section=.comment --remove-section=.note ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
