# Installs the build into a scratch prefix and checks that every file lands in its place,
# and that the way from the installed program to its pages leads to them.
#   -DBUILD_DIR=... -DPREFIX=... -DPAGES_FROM_PROGRAM=... -DVERSION=...
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(GNUInstallDirs)
set(bin ${PREFIX}/${CMAKE_INSTALL_BINDIR})
set(share ${PREFIX}/${CMAKE_INSTALL_DATADIR})
set(expected
    ${bin}/wuzi ${bin}/pbrain-wuzi
    ${share}/applications/wuzi.desktop
    ${share}/icons/hicolor/scalable/apps/wuzi.svg
    ${share}/metainfo/localhost.wuzi.wuzi.metainfo.xml)
foreach(page huayue.htm puyue.htm 10kill1.htm 10kill2.htm 10kill3.htm 10kill4.htm 10kill5.htm pages.css)
  list(APPEND expected ${bin}/${PAGES_FROM_PROGRAM}/${page})
endforeach()
foreach(path ${expected})
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

foreach(program wuzi pbrain-wuzi)
  file(READ ${bin}/${program} head LIMIT 4 HEX)
  if(NOT head STREQUAL "7f454c46")
    message(FATAL_ERROR "${program} is not an executable")
  endif()
endforeach()

file(READ ${share}/applications/wuzi.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=wuzi" "Icon=wuzi" "Name[zh_CN]=五子棋")
  string(FIND "\n${entry}" "\n${line}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "wuzi.desktop lacks the line ${line}")
  endif()
endforeach()

# Found by its name in either language.
string(REGEX MATCH "\nKeywords=([^\n]*)" keywords "\n${entry}")
set(keywords ";${CMAKE_MATCH_1}")
foreach(keyword 五子棋 gomoku renju)
  if(NOT keywords MATCHES ";${keyword};")
    message(FATAL_ERROR "wuzi.desktop lacks the keyword ${keyword}")
  endif()
endforeach()

# Software centres show the version built (metainfo_valid checks the rest).
file(READ ${share}/metainfo/localhost.wuzi.wuzi.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the AppStream metadata has no release ${VERSION}")
endif()

file(READ ${share}/icons/hicolor/scalable/apps/wuzi.svg icon)
if(NOT icon MATCHES "<svg[^>]*viewBox=\"0 0 256 256\"" OR NOT icon MATCHES "</svg>[ \n]*$")
  message(FATAL_ERROR "wuzi.svg is not a whole square SVG picture")
endif()
