# Tests of the test window and the drill.
lexmint_add_test(TestAnswerJudge SOURCES TestAnswerJudge.cpp LINKS lexmint_testing)
lexmint_add_test(TestTestRun SOURCES TestTestRun.cpp
  LINKS lexmint_testing lexmint_storetestsupport)
lexmint_add_test(TestTestWindow SOURCES TestTestWindow.cpp
  LINKS lexmint_testing lexmint_storetestsupport)
