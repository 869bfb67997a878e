# A fixed key turned right is a reverse pulse to its mechanism and stays turned; a spring-return
# key held is a stop and a forward pulse, and let go a stop. The drum close-up opens with the jaw.
advance 3000   # the start-up state settles
key Frame_45_Key_Fix_1 press right
advance 2000
show mech 5
show key Frame_45_Key_Fix_1
show picture Image5_0
key Frame_45_Key_Back_1 press left
advance 500
show key Frame_45_Key_Back_1
key Frame_45_Key_Back_1 release left
show mech 3
show key Frame_45_Key_Back_1
key Frame_45_Key_Back_8 press left
show mech 0
key Frame_Lamp5 press left
