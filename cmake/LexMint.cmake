# Compiler settings shared by every target of the project.
function(lexmint_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
  if(LEXMINT_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_FOREACH
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

if(LEXMINT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# lexmint_add_library(name [WIDGET_FREE] SOURCES ... LINKS ...): one static library per
# subsystem folder. A WIDGET_FREE library may not reach Qt Widgets through any of its links;
# lexmint_check_widget_free() fails the configuration when one does.
function(lexmint_add_library name)
  cmake_parse_arguments(ARG "WIDGET_FREE" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  lexmint_target_defaults(${name})
  if(ARG_WIDGET_FREE)
    set_property(GLOBAL APPEND PROPERTY LEXMINT_WIDGET_FREE_LIBRARIES ${name})
  endif()
endfunction()

# Collects into ${out} every target that ${target} links, directly or through other targets.
function(_lexmint_link_closure target out)
  set(seen "")
  set(pending "${target}")
  while(pending)
    list(POP_FRONT pending current)
    if(NOT TARGET "${current}" OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${current}")
    get_target_property(aliased "${current}" ALIASED_TARGET)
    if(aliased)
      list(APPEND pending "${aliased}")
    endif()
    get_target_property(links "${current}" INTERFACE_LINK_LIBRARIES)
    if(links)
      foreach(link IN LISTS links)
        # Qt's imported targets wrap some links in generator expressions; keep the names.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        string(REGEX REPLACE "^\\$<.*>$" "" link "${link}")
        list(APPEND pending "${link}")
      endforeach()
    endif()
  endwhile()
  set(${out} "${seen}" PARENT_SCOPE)
endfunction()

# Fails the configuration when a library declared WIDGET_FREE links Qt Widgets.
function(lexmint_check_widget_free)
  get_property(libraries GLOBAL PROPERTY LEXMINT_WIDGET_FREE_LIBRARIES)
  foreach(library IN LISTS libraries)
    _lexmint_link_closure(${library} closure)
    foreach(linked IN LISTS closure)
      if(linked MATCHES "^Qt[0-9]*::Widgets(Private)?$")
        message(FATAL_ERROR "${library} is meant to be free of widgets but links ${linked}.")
      endif()
    endforeach()
  endforeach()
endfunction()

# lexmint_add_test_program(name SOURCES ... LINKS ...): one executable per test class.
function(lexmint_add_test_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test lexmint_testsupport ${ARG_LINKS})
  lexmint_target_defaults(${name})
endfunction()

# lexmint_add_test_run(name program [RUNNER command...] [ENVIRONMENT var=value...]): runs the
# test program headless as test `name`, through RUNNER when given (a wrapper that sets up a
# private bus, display or compositor and then runs the test).
function(lexmint_add_test_run name program)
  cmake_parse_arguments(ARG "" "" "RUNNER;ENVIRONMENT" ${ARGN})
  add_test(NAME ${name} COMMAND ${ARG_RUNNER} $<TARGET_FILE:${program}>)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LEXMINT_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;LEXMINT_BUILD_DATA=${LEXMINT_BUILD_DATA_DIR};${ARG_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()

# lexmint_add_test(name SOURCES ... LINKS ... [RUNNER command...] [ENVIRONMENT var=value...]):
# a test program run once.
function(lexmint_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS;RUNNER;ENVIRONMENT" ${ARGN})
  lexmint_add_test_program(${name} SOURCES ${ARG_SOURCES} LINKS ${ARG_LINKS})
  lexmint_add_test_run(${name} ${name} RUNNER ${ARG_RUNNER} ENVIRONMENT ${ARG_ENVIRONMENT})
endfunction()

# Sets ${out} to the sample vocabularies of data/samples/samples.tsv, each as
# "word list|file|title", in the order of the file.
function(lexmint_read_samples out)
  set(list_file "${PROJECT_SOURCE_DIR}/data/samples/samples.tsv")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${list_file}")
  file(STRINGS "${list_file}" lines REGEX "^[^#]")
  set(samples "")
  foreach(line IN LISTS lines)
    string(REPLACE "\t" "|" line "${line}")
    list(APPEND samples "${line}")
  endforeach()
  set(${out} "${samples}" PARENT_SCOPE)
endfunction()
