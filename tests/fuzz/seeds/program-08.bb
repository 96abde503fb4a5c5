Function F()
        x = 1
End Function
