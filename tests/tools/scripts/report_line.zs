# Every step passed up to the bell; the trainee rings it and runs the line at working speed; the
# line then completes step 41 by itself: by=line, and the score counts only the trainee's steps.
# trainee: Пётр
mode 0
advance 5000
pass
until stage 2
advance 1000
pass
until stage 3
advance 1000
pass
until stage 4
advance 1000
pass
until stage 5
advance 1000
pass
until stage 6
advance 1000
pass
until stage 7
advance 1000
pass
until stage 8
advance 1000
pass
until stage 9
advance 1000
pass
until stage 10
advance 1000
pass
until stage 11
advance 1000
pass
until stage 12
advance 1000
pass
until stage 13
advance 1000
pass
until stage 14
advance 1000
pass
until stage 15
advance 1000
pass
until stage 16
advance 1000
pass
until stage 17
advance 1000
pass
until stage 18
advance 1000
pass
until stage 19
advance 1000
pass
until stage 20
advance 1000
pass
until stage 21
advance 1000
pass
until stage 22
advance 1000
pass
until stage 23
advance 1000
pass
until stage 24
advance 1000
pass
until stage 25
advance 1000
pass
until stage 26
advance 1000
pass
until stage 27
advance 1000
pass
until stage 28
advance 1000
pass
until stage 29
advance 1000
pass
until stage 30
advance 1000
pass
until stage 31
advance 1000
pass
until stage 32
advance 1000
pass
until stage 33
advance 1000
pass
until stage 34
advance 1000
pass
until stage 35
advance 1000
pass
until stage 36
advance 1000
pass
until stage 37
advance 1000
pass
until stage 38
advance 1000
pass
until stage 39
advance 1000
beep down
until stage 40
beep up
advance 2000
key Frame_45_Key_Back_RS press left
advance 500
key Frame_45_Key_Back_RS release left
until stage 42 within 900000
advance 1000
