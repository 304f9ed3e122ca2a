# Release packages of a Windows build: a portable zip and a per-user installer (NSIS, made from
# cmake/NSIS.template.in), both named after the project version and the word size of the build:
#   cpack --config <build folder>/CPackConfig.cmake -B <output folder>
# scripts/package.sh builds both Windows presets and packs them.

# The word-list tool travels with the game, built as a Windows program too.
add_executable(make_wordlist ${PROJECT_SOURCE_DIR}/tools/make_wordlist.cpp)
lexiblast_warnings(make_wordlist)

configure_file(${PROJECT_SOURCE_DIR}/docs/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE WIN32)

install(TARGETS lexiblast make_wordlist RUNTIME DESTINATION .)
install(FILES ${LEXIBLAST_WORD_LIST} ${PROJECT_SOURCE_DIR}/data/words.lst.copyright
              ${PROJECT_SOURCE_DIR}/docs/lexihelp.htm ${CMAKE_BINARY_DIR}/README.txt
        DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Lexiblast)
set(CPACK_PACKAGE_VENDOR "Quillmoor Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lexiblast)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Lexiblast)
set(CPACK_STRIP_FILES ON) # the release build keeps its debugging information out of the packages
set(CPACK_NSIS_DISPLAY_NAME Lexiblast)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/src/resources/lexiblast.ico)
include(CPack)
