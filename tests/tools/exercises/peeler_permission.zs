# The peeler's permission goes as step 11 begins: its pulse is refused, the trainee waits for it
# to come back and goes on.
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
advance 120000
rws 10
advance 1000
until stage 12 within 120000
advance 3000
fwd 3
advance 1000
fwd 15
advance 1000
until stage 13 within 120000
