function f()
end function
;[block
x = 1
;[end
