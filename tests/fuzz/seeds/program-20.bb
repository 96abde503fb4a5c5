Global g
