# Tests of the help.
