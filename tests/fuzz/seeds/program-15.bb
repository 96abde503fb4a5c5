Function f(x)
Local y
End Function
Local m
