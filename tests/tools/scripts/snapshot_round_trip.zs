# A snapshot saved and loaded again: the line is back where it was, and goes on as it went.
advance 3000
newcoil
fwd 1
advance 2000
snapshot save snapshot_round_trip.zss
show time
advance 1000
show mech 1
snapshot load snapshot_round_trip.zss
show time
advance 1000
show mech 1
