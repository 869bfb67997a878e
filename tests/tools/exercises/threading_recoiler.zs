# The separator's forward end switch is lost the first time it runs forward: it runs past its
# end, the trainee stops it and waits for the repair.
advance 3000
fwd 3
advance 1000
fwd 15
advance 1000
fwd 25
advance 1000
until stage 22 within 120000
advance 3000
fwd 27
advance 1000
until stage 23 within 120000
advance 3000
fwd 46
advance 1000
rws 25
advance 1000
fwd 31
advance 1000
until stage 24 within 120000
advance 3000
fwd 49
advance 1000
advance 6000
halt 49
advance 1000
advance 300000
fwd 49
advance 1000
until stage 25 within 400000
advance 3000
fwd 25
advance 1000
fwd 31
advance 1000
fwd 46
advance 1000
fwd 62
advance 1000
until stage 26 within 120000
advance 3000
fwd 25
advance 1000
fwd 31
advance 1000
fwd 46
advance 1000
fwd 61
advance 1000
until stage 27 within 120000
advance 3000
fwd 25
advance 1000
fwd 31
advance 1000
fwd 46
advance 1000
until stage 28 within 120000
advance 3000
rws 61
advance 1000
until stage 29 within 120000
advance 3000
fwd 25
advance 1000
fwd 31
advance 1000
fwd 46
advance 1000
fwd 71
advance 1000
fwd 60
advance 1000
until stage 30 within 120000
