# The entry form.
target_sources(lexmint_entries PRIVATE
  EntryText.cpp EntryText.h EntryForm.cpp EntryForm.h EntryForms.cpp EntryForms.h)
