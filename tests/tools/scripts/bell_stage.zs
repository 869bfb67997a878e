# Put the line into the state of the sound signal, pass it with the bell held, then wait in vain
# for the working-speed stage, which nobody starts.
mode 1
advance 1000
step 39
advance 3000
show stage
mode 0
advance 1000
trace on
beep down
until stage 40 within 100
beep up
show stage
until stage 41 within 500
