# The about box and the first-run welcome.
