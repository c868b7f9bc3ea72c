# The test window and the drill.
target_sources(lexmint_testing PRIVATE
  AnswerJudge.cpp AnswerJudge.h TestRun.cpp TestRun.h TestWindow.cpp TestWindow.h)
