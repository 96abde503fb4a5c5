Function F()
Local a
Local b
