# Tests of the data sheet, on vocabularies made from the build's template.
foreach(test TestVocabularyModel TestVocabGrid)
  lexmint_add_test(${test}
    SOURCES ${test}.cpp ../store/StoreFixture.cpp ../store/StoreFixture.h
    LINKS lexmint_app)
  add_dependencies(${test} lexmint_data)
endforeach()
