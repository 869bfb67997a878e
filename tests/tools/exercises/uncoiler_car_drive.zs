# The car's drive fails as step 3 begins: its first pulse is refused, the trainee stops it at
# once, waits for the repair and goes on.
fwd 1
advance 1500
halt 1
advance 60000
fwd 1
fwd 2
until stage 4 within 60000
advance 2000
rws 7
until stage 5 within 60000
advance 2000
rws 2
until stage 6 within 60000
advance 2000
rws 1
until stage 7 within 60000
