# Quick find.
target_sources(lexmint_entries PRIVATE QuickFind.cpp QuickFind.h)
