# The uncoiler drive pulls the strip only once the peeler is lowered onto the coil; past the
# peeler the head stops, since the peeler is not raised again.
newcoil
fwd 3
advance 1000
show strip
show coils
fwd 10
advance 3000
show strip
show mech 10
show coils
