# The drum's forward end switch is lost and the trainee never stops the drum.
fwd 70
advance 150000
