Stop
Stop : x = 1
If a Then Stop
Stop ; note
x = 1
