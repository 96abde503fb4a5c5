Global a, b, c
Local x, y
Type T ;[Block
