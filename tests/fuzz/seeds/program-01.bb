Global b
Global a$ = "abc