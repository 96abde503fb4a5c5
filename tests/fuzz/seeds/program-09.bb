Function F()
Local a
Local b
End Function
Field z
