# program: zun-trainer 0.1
# trainee: Пётр
mode 0
advance 100
rws 72
advance 1900
newcoil
advance 2000
fwd 10
advance 2000
rws 5
advance 3000
pass
advance 8000
