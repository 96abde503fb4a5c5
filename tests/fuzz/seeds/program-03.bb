Function Foo%(a, b$)
Local y
End Function
Global g, h[10], c.Point
