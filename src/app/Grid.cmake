# The data sheet: its model over the "Vocabulary" source and its view.
target_sources(lexmint_app PRIVATE
  ColumnLayout.cpp ColumnLayout.h
  CellEditorDelegate.cpp CellEditorDelegate.h
  VocabularyModel.cpp VocabularyModel.h
  VocabGrid.cpp VocabGrid.h)
