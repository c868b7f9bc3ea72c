# Tests of the data sheet, on vocabularies made from the build's template.
foreach(test TestVocabularyModel TestVocabGrid)
  lexmint_add_test(${test} SOURCES ${test}.cpp LINKS lexmint_app lexmint_storetestsupport)
endforeach()
