# Tests of the vocabulary options panel.
lexmint_add_test(TestVocOptions SOURCES TestVocOptions.cpp LINKS lexmint_options)
