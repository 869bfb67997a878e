# The drum's forward end switch is lost: it runs past its end at 1.6 s and the trainee stops it
# 0.4 s later; after the repair its switch reports the end and the threading goes on.
fwd 70
advance 2000
halt 70
advance 130000
fwd 70
until stage 31 within 60000
advance 3000
fwd 65
until stage 32 within 60000
advance 3000
fwd 61
until stage 33 within 60000
advance 3000
rws 60
until stage 34 within 60000
