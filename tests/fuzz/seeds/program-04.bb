.start
Include "lib.bb"
Include ""
Const K = 5, L$ = "x"
Dim m#(10, 20)
Type Point
Field x#, y#, tags$[4]
End Type
Field z
Global a : Local b
