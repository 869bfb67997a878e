# An examinee who does each step's operations a few seconds apart; steps 15 and 17 follow
# the step before by themselves.
newcoil
until stage 2 within 60000
advance 3000
rws 5
advance 1000
until stage 3 within 120000
advance 3000
fwd 1
advance 1000
fwd 2
advance 1000
until stage 4 within 120000
advance 3000
rws 7
advance 1000
until stage 5 within 120000
advance 3000
rws 2
advance 1000
until stage 6 within 120000
advance 3000
rws 1
advance 1000
until stage 7 within 120000
advance 3000
fwd 5
advance 1000
until stage 8 within 120000
advance 3000
rws 3
advance 1000
until stage 9 within 120000
advance 3000
fwd 10
advance 1000
until stage 10 within 120000
advance 3000
fwd 3
advance 1000
until stage 11 within 120000
advance 3000
rws 10
advance 1000
until stage 12 within 120000
advance 3000
fwd 3
advance 1000
fwd 15
advance 1000
until stage 13 within 120000
advance 3000
fwd 20
advance 1000
until stage 14 within 120000
advance 3000
fwd 22
advance 1000
until stage 16 within 120000
advance 3000
rws 9
advance 1000
until stage 18 within 120000
advance 3000
rws 20
advance 1000
fwd 18
advance 1000
until stage 19 within 120000
advance 3000
fwd 19
advance 1000
advance 2000
advance 1000
halt 19
advance 1000
until stage 20 within 120000
advance 3000
rws 22
advance 1000
until stage 21 within 120000
