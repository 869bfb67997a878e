# An examination with a malfunction: the report names the lesson, the fault and the first stop.
advance 3000
mode 0
lesson exam
fault 1 drive on
fwd 1
advance 1000
halt 1
advance 500
fault clear
advance 1000
