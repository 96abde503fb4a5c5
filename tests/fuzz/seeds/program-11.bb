Local m
