# Fails for every source that includes a file by a path leading out of its folder
# ("../x.h"): such an include reaches any layer, whatever the include roots allow.
file(GLOB_RECURSE sources ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/tests/*.cpp
     ${ROOT}/tests/*.h ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h ${ROOT}/tools/*.cpp
     ${ROOT}/tools/*.h)
set(offenders "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\./")
  if(lines)
    file(RELATIVE_PATH name ${ROOT} ${source})
    list(APPEND offenders "${name}: ${lines}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n  " offenders "${offenders}")
  message(FATAL_ERROR "includes by a relative path:\n  ${offenders}")
endif()
