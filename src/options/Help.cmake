# The help: the manual in data/help turned into a compressed help file and its collection, and
# the help window that shows them.

find_program(LEXMINT_QHELPGENERATOR qhelpgenerator
  HINTS /usr/lib/qt6/libexec "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}")
if(NOT LEXMINT_QHELPGENERATOR)
  message(FATAL_ERROR "qhelpgenerator (Qt 6) not found; install the package qt6-documentation-tools.")
endif()

set(lexmint_help_source "${PROJECT_SOURCE_DIR}/data/help")
file(GLOB lexmint_help_inputs CONFIGURE_DEPENDS
  "${lexmint_help_source}/*.html" "${lexmint_help_source}/*.css")
list(APPEND lexmint_help_inputs
  "${lexmint_help_source}/lexmint.qhp" "${lexmint_help_source}/lexmint.qhcp")

# The generator writes the .qch beside the project files, so it runs on a copy of the sources
# in the build tree. The collection refers to the .qch by a path relative to itself; both files
# are then copied side by side into the program folder, where that path still holds.
set(lexmint_help_stage "${CMAKE_CURRENT_BINARY_DIR}/help")
set(lexmint_help_files "${LEXMINT_BUILD_DATA_DIR}/lexmint.qch" "${LEXMINT_BUILD_DATA_DIR}/lexmint.qhc")
add_custom_command(
  OUTPUT ${lexmint_help_files}
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${lexmint_help_stage}"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${lexmint_help_source}" "${lexmint_help_stage}"
  COMMAND ${CMAKE_COMMAND} -E chdir "${lexmint_help_stage}"
          "${LEXMINT_QHELPGENERATOR}" lexmint.qhcp -o lexmint.qhc
  COMMAND ${CMAKE_COMMAND} -E make_directory "${LEXMINT_BUILD_DATA_DIR}"
  COMMAND ${CMAKE_COMMAND} -E copy "${lexmint_help_stage}/lexmint.qch"
          "${lexmint_help_stage}/lexmint.qhc" "${LEXMINT_BUILD_DATA_DIR}"
  DEPENDS ${lexmint_help_inputs}
  COMMENT "Making the help file"
  VERBATIM)
add_custom_target(lexmint_help ALL DEPENDS ${lexmint_help_files})
install(FILES ${lexmint_help_files} DESTINATION "${LEXMINT_DATA_SUBDIR}")

target_sources(lexmint_options PRIVATE
  HelpBrowser.cpp HelpBrowser.h
  HelpCollection.cpp HelpCollection.h
  HelpPopups.cpp HelpPopups.h
  HelpWindow.cpp HelpWindow.h
  QtHelpService.cpp QtHelpService.h)
target_link_libraries(lexmint_options PUBLIC Qt6::Help)
