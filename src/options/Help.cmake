# The help: its build from data/help and the help window.
