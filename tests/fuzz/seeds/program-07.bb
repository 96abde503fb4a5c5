Function F()
If a Then
x = 1
Else If b Then
x = 2
Else
End If
Select a
Case 1
      ; kept
End Select
If a Then b = 1
End Function
Next
Next
