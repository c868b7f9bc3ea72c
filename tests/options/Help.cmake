# Tests of the help: topics by context number, pop-up texts, the contents, the search, the links
# of the manual, and a missing help.
lexmint_add_test(TestHelp SOURCES TestHelp.cpp LINKS lexmint_options)
add_dependencies(TestHelp lexmint_help)
