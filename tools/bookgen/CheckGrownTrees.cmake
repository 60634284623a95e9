# Grows the book trees afresh into GROWN and fails unless they equal the checked-in
# CHECKED_IN byte for byte, so that the file never drifts from what the generator writes.
#   cmake -DBOOKGEN=<bookgen> -DCHECKED_IN=<GrownTrees.cpp> -DGROWN=<file> -P CheckGrownTrees.cmake
execute_process(COMMAND ${BOOKGEN} ${GROWN} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "bookgen failed (exit ${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CHECKED_IN} ${GROWN}
                RESULT_VARIABLE differ)
if(differ)
  # The start is enough to see what changed; a changed generator can rewrite thousands of lines.
  execute_process(COMMAND diff -u ${CHECKED_IN} ${GROWN} COMMAND head -n 40
                  OUTPUT_VARIABLE difference)
  message("${CHECKED_IN} differs from what bookgen grows now; the first lines of the "
          "difference:\n${difference}")
  message(FATAL_ERROR "the checked-in trees are stale; regenerate them with\n"
                      "  ${BOOKGEN} ${CHECKED_IN}")
endif()
message(STATUS "${CHECKED_IN} is what bookgen grows")
