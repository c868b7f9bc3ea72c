# Tests of the mistaken-answer and result dialogs.
lexmint_add_test(TestResultChart SOURCES TestResultChart.cpp LINKS lexmint_testing)
lexmint_add_test(TestResultDialogs SOURCES TestResultDialogs.cpp
  LINKS lexmint_testing lexmint_storetestsupport)
