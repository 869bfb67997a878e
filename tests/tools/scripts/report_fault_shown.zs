# Malfunctions are timed from when they show. The coil car's forward end switch is lost: the
# trainee's routine stop at 3.3 s comes before anything shows; the car runs on past its end at
# 7.3 s and is stopped 2.2 s later. Mechanism 2's drive fails while it runs: it stops at its
# next tick, and nobody stops it.
advance 3000
fault 1 fwd_end on
fwd 1
advance 300
halt 1
advance 200
fwd 1
advance 6000
halt 1
fwd 2
advance 500
fault 2 drive on
advance 3000
