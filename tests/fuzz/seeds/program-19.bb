Global g
Type T
Field f
End Type
Function F(p)
Local l
End Function
