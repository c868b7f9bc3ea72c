# The vocabulary properties dialog and the options dialog.
target_sources(lexmint_options PRIVATE
  TabbedDialog.cpp TabbedDialog.h
  PropertiesDialog.cpp PropertiesDialog.h
  OptionsDialog.cpp OptionsDialog.h)
# The options dialog edits the entry form's behaviour bits.
target_link_libraries(lexmint_options PUBLIC lexmint_entries)
