# Tests of the XKB layout identifiers.
lexmint_add_test(TestX11LayoutIds SOURCES TestX11LayoutIds.cpp LINKS lexmint_keyboards_x11)
