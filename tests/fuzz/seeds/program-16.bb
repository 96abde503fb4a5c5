Function F()
Local a
End Function
Local m
Function G()
End Function
Local n
