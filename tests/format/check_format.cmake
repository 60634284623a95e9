# Every hand-written source keeps the one formatting of .clang-format: clang-format
# reports each file it would change. The book generator's output is not hand-written.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
  ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h)
list(REMOVE_ITEM sources src/playbooks/GrownTrees.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" unformatted "${errors}")
  list(TRANSFORM unformatted REPLACE ":[0-9]+:[0-9]+: error: code should be clang-formatted" "")
  list(REMOVE_DUPLICATES unformatted)
  string(REPLACE ";" "\n  " unformatted "${unformatted}")
  message(FATAL_ERROR "not formatted as .clang-format asks:\n  ${unformatted}\n"
                      "format them with: clang-format -i FILE...")
endif()
