# An examination with a malfunction: the report names the lesson, the fault, when it showed (the
# refused pulse) and the first stop after that.
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
