# Tests of the installed-layout lists of the keyboard selection dialog.
lexmint_add_test(TestKeyboardChoices SOURCES TestKeyboardChoices.cpp LINKS lexmint_keyboards)
