# Tests of the about box, the first-run welcome, the splash window and the artwork.
lexmint_add_test(TestAboutAndWelcome SOURCES TestAboutAndWelcome.cpp LINKS lexmint_options)
target_compile_definitions(TestAboutAndWelcome PRIVATE LEXMINT_PROJECT_VERSION="${PROJECT_VERSION}")
# The welcome offers the sample vocabularies that the data build puts beside the program.
add_dependencies(TestAboutAndWelcome lexmint_data)

lexmint_add_test(TestArtwork SOURCES TestArtwork.cpp LINKS lexmint_options)
