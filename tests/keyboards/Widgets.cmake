# Tests of the keyboard selection dialog and the installed-layout lists.
lexmint_add_test(TestKeyboardChoices SOURCES TestKeyboardChoices.cpp LINKS lexmint_keyboards)
lexmint_add_test(TestKeyboardSelectDialog SOURCES TestKeyboardSelectDialog.cpp
  LINKS lexmint_keyboards_widgets)
