# The about box, the first-run welcome, the splash window and the program's artwork.
target_sources(lexmint_options PRIVATE
  AboutDialog.cpp AboutDialog.h
  FirstRunDialog.cpp FirstRunDialog.h
  QtBrowserService.cpp QtBrowserService.h
  SplashWindow.cpp SplashWindow.h
  ToolbarIcons.cpp ToolbarIcons.h)
target_link_libraries(lexmint_options PUBLIC lexmint_resources)
target_compile_definitions(lexmint_options PRIVATE
  LEXMINT_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  LEXMINT_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  LEXMINT_VERSION_PATCH=${PROJECT_VERSION_PATCH})
