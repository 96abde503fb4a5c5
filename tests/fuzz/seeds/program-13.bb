Global a, b = 3, c$ = "x"
Dim m(10), n(20)
Function F(p, q = 5) ; note
x = 1 : Global g = 5
