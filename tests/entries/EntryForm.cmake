# Tests of the entry form.
lexmint_add_test(TestEntryText SOURCES TestEntryText.cpp LINKS lexmint_entries)
lexmint_add_test(TestEntryForm SOURCES TestEntryForm.cpp
  LINKS lexmint_entries lexmint_storetestsupport)
