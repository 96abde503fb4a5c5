Global a
.start
x = 1 : .notalabel
