# Tests of the data sheet.
