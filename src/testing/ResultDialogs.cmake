# The mistaken-answer and result dialogs.
target_sources(lexmint_testing PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MistakeDialog.cpp ${CMAKE_CURRENT_LIST_DIR}/MistakeDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/ResultChart.cpp ${CMAKE_CURRENT_LIST_DIR}/ResultChart.h
  ${CMAKE_CURRENT_LIST_DIR}/ResultDialog.cpp ${CMAKE_CURRENT_LIST_DIR}/ResultDialog.h)
