Type A
Field p
End Type
Type B
Field x, y
End Type
