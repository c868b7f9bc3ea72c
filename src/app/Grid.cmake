# The data sheet: its model over the "Vocabulary" source and its view.
