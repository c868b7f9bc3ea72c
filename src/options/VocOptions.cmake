# The vocabulary options panel.
target_sources(lexmint_options PRIVATE VocOptions.cpp VocOptions.h)
target_link_libraries(lexmint_options PUBLIC lexmint_keyboards_widgets)
