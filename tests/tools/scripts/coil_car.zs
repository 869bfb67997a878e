# The coil car runs 40 ticks of 100 ms to its forward end, carrying its table; its limit
# switch is read at the extra tick that follows.
advance 5000   # the start-up state settles
fwd 1
advance 4000
show mech 1
show mech 2
advance 200
show mech 1
show picture Image2_0
fwd 300
