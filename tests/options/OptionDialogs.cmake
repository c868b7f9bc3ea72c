# Tests of the properties dialog with its vocabulary options panel, and of the options dialog.
lexmint_add_test(TestPropertiesDialog SOURCES TestPropertiesDialog.cpp
  LINKS lexmint_options lexmint_storetestsupport)
lexmint_add_test(TestOptionsDialog SOURCES TestOptionsDialog.cpp LINKS lexmint_options)
