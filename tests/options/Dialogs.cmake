# Tests of the about box and the first-run welcome.
