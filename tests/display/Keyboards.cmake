# Keyboard switching on a real X server with several XKB layouts.
find_package(X11 REQUIRED COMPONENTS Xtst)
lexmint_add_display_test(TestKeyboardsOnX11
  SOURCES TestKeyboardsOnX11.cpp XkbProbe.cpp XkbProbe.h
  LINKS lexmint_entries lexmint_storetestsupport lexmint_keyboards_x11 X11::X11 X11::Xtst)
