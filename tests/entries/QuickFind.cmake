# Tests of quick find.
lexmint_add_test(TestQuickFind SOURCES TestQuickFind.cpp
  LINKS lexmint_entries lexmint_storetestsupport)
