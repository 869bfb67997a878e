# program: zun-trainer test
# started: 
# trainee: 
# stage 0
window shown
steps shown
key Frame_Krutilka4 press right
advance 357
key Frame_45_Key_Fix_44 press left
tab TabSheet_Post_1
key Frame_45_Key_Fix_25 press right
key Frame_45_Key_Fix_30 move
advance 132
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_27 press left
advance 14
find 2
advance 5
key Frame_45_Key_Fix_6 press left
advance 130
bare TabSheet_Post1_Pult_1
advance 283
hover Image_Fon2
advance 400
key Frame_45_Key_Fix_6 move
advance 736
# stage 1
key Frame_45_Key_Fix_8 move
advance 738
foreground press 192
advance 404
find 9
advance 517
tab TabSheet_Post1_Pult_1
advance 41
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_9 move
hover Image71_0
tab TabSheet_Post1_Pult_4
advance 306
tab TabSheet_Post1_Pult_2
advance 40
step 2
tab TabSheet_Post1_Pult_1
advance 333
find 3
foreground press 803
advance 270
hover Image31_0
advance 328
tab TabSheet_Post1_Pult_4
advance 377
key Frame_45_Key_Fix_28 press left
advance 18
tab TabSheet_Post1_Pult_2
advance 1143
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Back_1 release left
advance 443
key Frame_45_Key_Fix_2 press left
hover Image_Provodka_sprava
key Frame_45_Key_Fix_5 move
advance 83
click Image66_0
key Frame_45_Key_Back_14 move
key Frame_45_Key_Back_9 press left
advance 554
key Frame_45_Key_Back_12 release right
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_10 press left
hover Image111_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 105
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release right
advance 762
pass
advance 251
# stage 2
key Frame_45_Key_Back_1 move
advance 956
key Frame_45_Key_Fix_9 move
advance 347
hover Image3_0
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_24 press left
advance 164
hover Image_Fon2
key Frame_45_Key_Fix_25 press left
hover Image111_0
tab TabSheet_Post1_Pult_1
advance 214
find 5
advance 446
tab TabSheet_Post1_Pult_4
hover Image38_0
key Frame_45_Key_Fix_22 press right
advance 142
hover Image25_0
advance 444
tab TabSheet_Post1_Pult_1
advance 826
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_4 move
advance 404
key Frame_45_Key_Fix_2 move
advance 52
key Frame_45_Key_Fix_3 press left
advance 30
pass
key Frame_45_Key_Fix_9 move
find 6
tab TabSheet_Post1_Pult_4
advance 133
bare TabSheet_Post1_Pult_4
advance 720
key Frame_45_Key_Fix_29 press left
advance 323
key Frame_45_Key_Fix_22 press left
hover Image5_1
advance 108
key Frame_45_Key_Fix_28 move
advance 302
key Frame_45_Key_Fix_30 press left
advance 739
# stage 4
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_14 move
find 6
drag press 58
advance 186
key Frame_45_Key_Fix_9 move
drag move -300
advance 213
tab TabSheet_Post1_Pult_3
advance 791
foreground press 723
key Frame_45_Key_Back_2 move
key Frame_45_Key_Back_2 release right
advance 64
hover Image_Fon2
key Frame_45_Key_Fix_20 press left
advance 229
key Frame_45_Key_Back_2 move
advance 325
click Image25_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
hover Image22_3
key Frame_45_Key_Back_15 move
advance 435
foreground press 68
key Frame_45_Key_Back_15 move
hover Image3_0
hover Image_Fon2
key Frame_45_Key_Back_15 press right
advance 314
foreground press 803
key Frame_45_Key_Back_15 press left
advance 662
key Frame_45_Key_Back_15 release right
advance 334
key Frame_45_Key_Back_15 move
window scroll 0 0
find 40
foreground press 763
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 466
key Frame_45_Key_Back_15 release left
hover Label_SizeMot_Perc
key Frame_45_Key_Back_15 press left
advance 474
key Frame_45_Key_Back_15 release left
hover Image_Fon2
advance 562
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 157
hover Image61_0
advance 413
find 9
key Frame_45_Key_Fix_18 move
tab TabSheet_Roga
advance 919
key Frame_45_Key_Back_15 release left
advance 177
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
advance 1067
key Frame_45_Key_Fix_17 move
click Image3_0
key Frame_45_Key_Fix_8 press right
advance 948
key Frame_45_Key_Fix_1 press left
advance 491
key Frame_45_Key_Fix_4 move
hover Image105_0
advance 290
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_4 move
advance 248
find 2
advance 987
key Frame_45_Key_Fix_1 move
advance 130
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_11 move
advance 263
key Frame_45_Key_Fix_7 press right
advance 432
key Frame_45_Key_Fix_6 move
advance 92
click Image5_3
key Frame_45_Key_Fix_3 press left
advance 797
hover Image105_0
key Frame_45_Key_Fix_7 move
find 3
advance 352
key Frame_45_Key_Fix_3 move
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
advance 340
foreground press 68
advance 634
key Frame_45_Key_Fix_60 move
hover Label_SizeRaz_Int
advance 115
key Frame_45_Key_Fix_59 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
hover Image108_0
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 476
key Frame_45_Key_Back_15 move
click Image3_0
advance 163
tab TabSheet_Post1_Pult_2
advance 225
hover Image1
hover Label_Baraban_Razmativatela
advance 629
tab TabSheet_Post1_Pult_3
advance 1559
key Frame_45_Key_Fix_20 press right
advance 91
find 2
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_11 press left
tab TabSheet_Post_2
advance 137
key Frame_45_Key_Back_12 press left
advance 251
key Frame_45_Key_Fix_54 press right
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 71
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
hover Image_Fon2
advance 524
key Frame_45_Key_Back_15 press left
hover Image_Ograda
advance 725
key Frame_45_Key_Back_15 release left
hover Image3_0
advance 476
pass
advance 334
key Frame_45_Key_Fix_15 move
hover Image_Operator
tab TabSheet_Post1_Pult_1
foreground press 234
key Frame_45_Key_Fix_9 move
advance 103
# stage 5
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_11 press right
key Frame_45_Key_Fix_7 move
hover Image105_0
advance 737
key Frame_45_Key_Fix_11 move
tab TabSheet_Post1_Pult_3
hover Image_Reductor_motalki
tab TabSheet_Post_2
key Frame_45_Key_Back_11 press left
advance 355
pass
key Frame_45_Key_Fix_6 move
advance 64
key Frame_45_Key_Fix_7 press left
advance 384
key Frame_45_Key_Fix_11 press left
advance 528
drag press 58
advance 1115
# stage 6
tab TabSheet_Post1_Pult_3
advance 736
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 416
foreground press 42
key Frame_45_Key_Fix_20 move
pass
hover Image_Fon2
advance 800
key Frame_45_Key_Fix_8 move
advance 915
hover Image149_0
advance 492
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 move
advance 46
tab TabSheet_Post1_Pult_3
tab TabSheet_Roga
advance 450
hover Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Back_15 move
pass
advance 1957
# stage 8
key Frame_45_Key_Fix_9 move
advance 346
mode 1
step 30
# stage 30
hover Image173_0
advance 506
# stage 31
key Frame_45_Key_Fix_10 press left
advance 26
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press right
find 1
advance 337
key Frame_45_Key_Fix_10 move
advance 55
key Frame_45_Key_Fix_9 press left
hover Image56_0
key Frame_45_Key_Fix_5 press left
advance 260
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_2 press left
advance 261
hover Image65_0
key Frame_45_Key_Fix_2 move
advance 141
key Frame_45_Key_Back_1 release left
advance 1669
hover Image55_3
key Frame_45_Key_Fix_11 press left
advance 395
click Image64_0
hover Image27_0
key Frame_45_Key_Back_8 move
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_9 press left
advance 119
tab TabSheet_Post_1
advance 602
hover Image31_0
advance 1148
key Frame_45_Key_Fix_10 press left
advance 85
hover Image55_3
advance 196
hover Image13_Polosa_Body
advance 492
key Frame_45_Key_Fix_1 press left
hover Image53_0
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_2 press left
tab TabSheet_Post1_Pult_3
key Frame_Button1 press left
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_14 press left
tab TabSheet_Post1_Pult_3
advance 437
hover Label_Post_Kromko
advance 165
key Frame_45_Key_Fix_19 move
key Frame_45_Key_Fix_20 move
advance 2
key Frame_Button2 release left
advance 754
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
advance 387
key Frame_45_Key_Fix_59 move
tab TabSheet_Post_2
key Frame_45_Key_Fix_52 move
hover Image75_0
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
step 30
# stage 30
hover Image170_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
hover Image_Rolik
advance 573
key Frame_90_Key_2 move
find 5
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_15 press left
hover Image51_0
key Frame_45_Key_Fix_18 press left
advance 766
key Frame_45_Key_Fix_16 press right
key Frame_45_Key_Fix_12 press right
advance 538
key Frame_45_Key_Fix_14 press left
hover Image_Post_Kromko
hover Image172_0
key Frame_45_Key_Fix_13 press left
hover Label_Baraban_Motalki
advance 144
find 40
step 30
tab TabSheet_Roga
advance 704
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 643
key Frame_45_Key_Back_15 press left
advance 1081
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
click Image31_0
key Frame_45_Key_Fix_36 press right
advance 580
hover Image70_3
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 284
key Frame_45_Key_Back_15 move
hover Image2_0
advance 476
hover Image_Fon2
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
foreground press 68
click Image_Fon2
key Frame_45_Key_Back_15 move
advance 402
key Frame_45_Key_Back_15 move
advance 498
hover Image170_0
advance 579
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
click Image70_3
key Frame_45_Key_Back_8 release left
tab TabSheet_Post2_Pult_2
tab TabSheet_Post2_Pult_3
advance 430
key Frame_45_Key_Back_7 release left
key Frame_45_Key_Back_9 move
tab TabSheet_Post2_Pult_2
advance 199
hover Image_FixRolLow
hover Label_Baraban_Motalki
advance 635
key Frame_45_Key_Back_RS move
hover Image171_0
hover Image8_Polosa_Body
key Frame_45_Key_Fix_50 press left
advance 576
find 40
key Frame_45_Key_Fix_45 move
key Frame_Button6 press left
advance 793
tab TabSheet_RM_Kromkomotalka
hover Image149_0
hover Image27_0
hover Image111_0
advance 1216
key Frame_45_Key_Fix_59 move
advance 442
key Frame_45_Key_Fix_33 press left
advance 122
find 5
advance 1098
key Frame_45_Key_Fix_3 move
advance 268
key Frame_45_Key_Fix_6 move
find 6
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_10 move
hover Image171_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_57 press left
advance 395
key Frame_45_Key_Fix_58 press right
advance 409
hover Image_Fon2
key Frame_45_Key_Fix_59 move
tab TabSheet_Roga
tab TabSheet_Post_1
click Image66_0
advance 514
key Frame_Button8 press left
key Frame_45_Key_Fix_53 move
advance 368
key Frame_45_Key_Back_11 release left
advance 329
key Frame_45_Key_Back_11 move
advance 122
tab TabSheet_RM_Kromkomotalka
advance 617
key Frame_45_Key_Fix_58 move
advance 256
tab TabSheet_Roga
advance 374
find 40
bare TabSheet_Roga
tab TabSheet_Post_1
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_5 move
hover Image38_0
tab TabSheet_Post1_Pult_2
advance 198
tab TabSheet_RM_Kromkomotalka
advance 264
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_58 press left
advance 599
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 900
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 526
click Image118_0
tab TabSheet_Post1_Pult_1
advance 656
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_2 move
advance 498
hover Image170_0
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_10 move
advance 839
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_57 move
click Image55_0
hover Image51_0
key Frame_45_Key_Fix_33 press left
advance 529
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_57 move
advance 334
hover Image_Operator
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_33 press left
advance 363
key Frame_90_Key_2 move
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_60 move
hover Image70_3
click Image10_0
advance 774
key Frame_45_Key_Fix_13 move
advance 553
key Frame_45_Key_Fix_14 move
advance 469
key Frame_45_Key_Fix_18 press left
advance 108
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_13 move
hover Image_wall
advance 404
key Frame_45_Key_Fix_18 move
advance 470
tab TabSheet_Post_2
click Image61_0
key Frame_45_Key_Back_7 move
tab TabSheet_Post2_Pult_1
advance 529
key Frame_Button4 press right
advance 456
hover Image_Provodka_sprava
advance 1198
key Frame_45_Key_Fix_39 press left
tab TabSheet_Post_1
advance 300
tab TabSheet_RM_Kromkomotalka
advance 509
tab TabSheet_Roga
advance 597
hover Image118_0
advance 165
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
hover Image105_0
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 398
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 922
key Frame_45_Key_Back_15 move
advance 446
click Image2_0
advance 315
key Frame_45_Key_Back_1 press left
advance 185
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_3 press right
key Frame_45_Key_Fix_4 move
tab TabSheet_Post_2
hover Image28_0
advance 517
hover Image75_0
advance 174
key Frame_45_Key_Fix_31 press left
tab TabSheet_RM_Kromkomotalka
advance 25
hover Label_SizeMot_Int
advance 212
find 3
advance 380
hover Image170_0
advance 342
tab TabSheet_Roga
advance 443
step 29
# stage 29
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
hover Image111_0
advance 217
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_59 press right
hover Image_Fon_Sleva
hover Image15_1
advance 170
key Frame_45_Key_Fix_58 move
advance 257
key Frame_45_Key_Fix_57 move
advance 351
tab TabSheet_Post_1
advance 380
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_2 press left
advance 107
hover Image65_0
foreground press 439
advance 141
bare TabSheet_Post1_Pult_1
advance 72
key Frame_45_Key_Fix_10 press left
advance 135
key Frame_45_Key_Fix_1 move
tab TabSheet_Post1_Pult_4
advance 624
key Frame_45_Key_Fix_29 press right
key Frame_45_Key_Back_3 release right
tab TabSheet_Roga
advance 561
key Frame_45_Key_Back_15 press left
advance 473
click Image111_0
key Frame_45_Key_Fix_15 press left
advance 390
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_12 move
bare TabSheet_Post1_Pult_2
foreground press 500
advance 14
tab TabSheet_RM_Kromkomotalka
advance 346
foreground press 763
advance 302
hover Image53_1
advance 561
key Frame_45_Key_Fix_58 press left
hover Image108_0
key Frame_45_Key_Fix_60 move
advance 347
click Image4_Line_Left_tEnd
advance 132
key Frame_45_Key_Fix_58 move
advance 407
hover Image_Operator
advance 595
tab TabSheet_Post_2
advance 289
key Frame_Button4 press left
advance 11
hover Image_Rolik
tab TabSheet_Post2_Pult_2
tab TabSheet_Post_1
advance 331
hover Image_Post_Kromko
advance 138
find 1
key Frame_45_Key_Fix_3 press right
key Frame_45_Key_Fix_3 move
advance 427
key Frame_45_Key_Fix_7 move
hover Image106_0
key Frame_45_Key_Fix_4 press left
advance 593
hover Button1
advance 640
key Frame_45_Key_Fix_3 press left
hover Image66_0
advance 751
key Frame_45_Key_Fix_9 press left
advance 172
click Image31_0
advance 245
hover Image1
hover Label_SizeRaz_Int
key Frame_45_Key_Fix_36 press right
advance 275
key Frame_45_Key_Fix_38 move
advance 795
hover Image7_Polosa_Body
hover Image53_1
advance 925
find 1
advance 386
key Frame_45_Key_Fix_5 press right
key Frame_45_Key_Fix_2 press left
advance 316
key Frame_45_Key_Fix_11 press left
advance 243
hover Image107_0
key Frame_45_Key_Fix_4 move
advance 661
key Frame_45_Key_Fix_8 move
hover Label_Post_Kromko
advance 426
key Frame_45_Key_Fix_6 press left
advance 141
key Frame_45_Key_Back_1 release right
advance 477
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 299
click Image_Invisible_9
advance 229
key Frame_45_Key_Fix_13 press left
advance 472
key Frame_45_Key_Fix_14 press left
advance 354
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
advance 227
tab TabSheet_Roga
advance 317
click Image55_0
advance 1582
hover Image131_0
advance 215
key Frame_45_Key_Fix_57 move
foreground press 575
advance 1239
click Image31_0
advance 1301
key Frame_45_Key_Fix_38 move
advance 1318
key Frame_Button4 release right
tab TabSheet_Post2_Pult_2
advance 199
click Image10_0
advance 415
tab TabSheet_Post1_Pult_4
advance 134
tab TabSheet_Post_2
advance 814
key Frame_45_Key_Fix_Tolchok press left
advance 756
key Frame_Button7 release left
advance 552
key Frame_45_Key_Fix_NormStop press left
advance 1085
hover Image107_0
advance 1036
hover Image108_0
key Frame_45_Key_Fix_NormStop press right
key Frame_45_Key_Fix_47 press left
advance 158
key Frame_Button6 press left
advance 69
key Frame_45_Key_Fix_50 move
advance 105
key Frame_45_Key_Fix_45 press left
mode 0
advance 966
# stage 30
key Frame_45_Key_Back_12 press left
tab TabSheet_Post2_Pult_2
advance 932
find 1
advance 353
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_3 press left
advance 62
key Frame_45_Key_Fix_4 press left
advance 130
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_1 press right
advance 205
key Frame_45_Key_Fix_8 press left
advance 296
key Frame_45_Key_Fix_4 press left
hover Image60_0
advance 326
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 554
key Frame_45_Key_Back_15 release right
advance 140
pass
key Frame_45_Key_Back_14 press left
advance 493
bare TabSheet_Post2_Pult_3
tab TabSheet_RM_Kromkomotalka
advance 106
tab TabSheet_Post_1
advance 209
key Frame_45_Key_Back_1 press left
advance 138
hover Image10_0
key Frame_45_Key_Back_1 release left
bare TabSheet_Post_1
find 6
advance 159
hover Image_Fon2
hover Image_Vnutrennosti_Rulona_Razmativatela
advance 761
# stage 31
hover Image66_0
key Frame_45_Key_Back_11 press left
tab TabSheet_Roga
advance 335
key Frame_45_Key_Back_15 move
advance 916
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
advance 1228
hover Image_Fon2
pass
key Frame_45_Key_Fix_55 press left
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_14 press right
key Frame_45_Key_Back_7 move
key Frame_45_Key_Fix_52 press left
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_41 press left
hover Image_Fon2
key Frame_45_Key_Fix_39 move
advance 1805
# stage 33
hover Image38_0
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
click Image49_0
advance 150
key Frame_45_Key_Fix_36 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 1158
key Frame_45_Key_Back_15 press right
advance 52
tab TabSheet_RM_Kromkomotalka
advance 435
hover Image_wall
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_58 press left
advance 160
find 6
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_7 press left
hover Label_Podval
advance 229
find 7
advance 477
find 8
advance 798
hover Label_Podval
advance 172
key Frame_45_Key_Fix_18 move
advance 291
key Frame_45_Key_Fix_14 move
advance 165
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_12 move
advance 483
key Frame_45_Key_Fix_16 move
advance 326
pass
tab TabSheet_Post_1
advance 1575
key Frame_45_Key_Fix_12 move
advance 1245
# stage 34
key Frame_45_Key_Fix_39 press right
key Frame_45_Key_Fix_37 move
advance 218
hover Image118_0
key Frame_45_Key_Fix_37 press left
advance 478
click Image19_0
advance 615
step 33
key Frame_45_Key_Fix_22 press left
advance 195
foreground press 68
tab TabSheet_RM_Kromkomotalka
advance 87
key Frame_45_Key_Fix_59 move
advance 347
tab TabSheet_Post_1
hover Image75_0
advance 445
key Frame_45_Key_Fix_30 move
advance 245
tab TabSheet_Roga
advance 499
foreground press 803
key Frame_45_Key_Back_15 release left
find 7
advance 427
key Frame_45_Key_Fix_14 move
advance 287
tab TabSheet_Post1_Pult_4
advance 288
key Frame_45_Key_Back_3 release left
advance 503
key Frame_45_Key_Fix_26 press right
advance 198
key Frame_45_Key_Fix_27 press right
advance 243
key Frame_45_Key_Fix_23 press left
tab TabSheet_Post1_Pult_2
advance 1059
pass
key Frame_45_Key_Fix_40 press left
hover Image46_0
key Frame_90_Key_1 press right
advance 315
# stage 35
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Fix_54 press left
hover Image131_2
key Frame_45_Key_Back_7 move
advance 114
mode 1
step 30
# stage 30
advance 241
# stage 31
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Back_12 release left
advance 283
key Frame_45_Key_Back_8 move
key Frame_45_Key_Back_9 move
advance 724
tab TabSheet_Post2_Pult_2
find 6
advance 1099
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_11 move
advance 863
key Frame_45_Key_Fix_1 press right
advance 382
hover Image2_0
advance 428
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 press left
advance 491
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_14 press right
advance 695
key Frame_45_Key_Fix_12 move
advance 728
tab TabSheet_Post1_Pult_4
hover Image_Fon2
advance 1139
key Frame_45_Key_Fix_22 move
key Frame_45_Key_Fix_23 press left
advance 1176
key Frame_45_Key_Fix_29 move
advance 700
key Frame_45_Key_Fix_22 move
tab TabSheet_Post1_Pult_2
hover Image131_2
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_11 press left
advance 294
key Frame_45_Key_Fix_2 press right
key Frame_45_Key_Back_1 move
hover Image_Fon2
key Frame_45_Key_Back_1 press right
foreground press 723
tab TabSheet_Post1_Pult_3
advance 1025
click Image31_2
key Frame_45_Key_Back_4 move
advance 635
foreground press 849
advance 140
key Frame_45_Key_Fix_38 move
advance 312
tab TabSheet_Post2_Pult_2
advance 377
tab TabSheet_Post2_Pult_3
hover Image_Fon2
advance 532
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_12 release left
advance 601
hover Image64_0
key Frame_45_Key_Back_11 release left
find 40
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Back_14 release right
advance 720
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_10 press left
key Frame_45_Key_Back_12 press left
advance 343
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
advance 652
click Image75_0
advance 359
key Frame_45_Key_Back_11 press right
advance 825
bare TabSheet_Post_2
foreground press 803
key Frame_45_Key_Fix_53 press left
advance 10
key Frame_45_Key_Fix_56 move
advance 726
hover Image_Provodka_sprava
tab TabSheet_Post_1
advance 460
click Image_Post_Kromko
click Image48_0
advance 269
key Frame_45_Key_Fix_36 press left
hover Image28_3
key Frame_90_Key_1 move
advance 501
step 32
# stage 32
key Frame_45_Key_Fix_41 move
key Frame_Button4 release right
hover Image_Kromka_2
foreground press 234
advance 368
find 9
key Frame_45_Key_Fix_13 press left
advance 720
key Frame_45_Key_Fix_13 press left
foreground press 68
advance 266
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
hover Image54_0
key Frame_45_Key_Fix_59 move
hover Image60_0
advance 479
key Frame_45_Key_Fix_59 move
advance 394
key Frame_45_Key_Fix_61 move
tab TabSheet_Post_1
advance 663
key Frame_45_Key_Fix_14 press left
advance 513
tab TabSheet_Post1_Pult_3
advance 211
key Frame_45_Key_Back_2 release right
advance 23
key Frame_45_Key_Fix_21 press left
advance 259
key Frame_45_Key_Fix_20 move
step 31
# stage 31
advance 207
key Frame_45_Key_Fix_19 move
hover Image61_0
key Frame_45_Key_Fix_20 move
key Frame_45_Key_Fix_21 move
hover Image66_0
advance 397
key Frame_45_Key_Fix_21 press left
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_9 move
advance 530
click Image4_Line_Left_tEnd
advance 46
key Frame_45_Key_Fix_10 move
advance 372
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_2 move
advance 1010
hover Image4_Line_Left_tEnd
advance 42
key Frame_45_Key_Fix_3 press left
advance 258
key Frame_45_Key_Fix_10 press left
click Image2_0
advance 336
hover Image131_2
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 press left
advance 694
key Frame_45_Key_Fix_27 press right
advance 399
key Frame_45_Key_Fix_30 press right
advance 90
key Frame_45_Key_Fix_23 press left
hover Image61_0
advance 297
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_30 move
advance 453
key Frame_45_Key_Back_3 move
find 9
key Frame_45_Key_Fix_15 move
advance 1493
step 30
# stage 30
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_15 move
advance 978
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Back_3 move
advance 500
hover Image49_0
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Fix_22 move
key Frame_45_Key_Fix_23 move
advance 424
key Frame_45_Key_Fix_30 move
tab TabSheet_Roga
advance 1212
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_1
click Image27_3
key Frame_45_Key_Fix_23 press left
hover Image28_3
tab TabSheet_Post1_Pult_1
advance 493
hover Image131_2
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_60 move
advance 44
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_33 move
advance 579
find 40
hover Image61_0
key Frame_45_Key_Fix_61 press left
hover Image171_0
advance 464
key Frame_45_Key_Fix_33 press left
tab TabSheet_Roga
advance 176
key Frame_45_Key_Back_15 move
advance 212
key Frame_45_Key_Back_15 move
hover Image_Post_Kromko
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 917
key Frame_45_Key_Back_15 press left
advance 450
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 157
hover Image70_3
advance 289
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
hover Image56_0
tab TabSheet_Post_2
advance 261
hover Label10
advance 28
hover Image170_0
tab TabSheet_Post2_Pult_2
advance 737
key Frame_Button_Beep press left
advance 1782
key Frame_Button_Beep press left
click Image65_0
advance 318
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_39 move
tab TabSheet_Post2_Pult_2
advance 602
key Frame_Button7 release left
key Frame_Button_Beep press right
key Frame_Krutilka3 press right
step 29
# stage 29
bare TabSheet_Post2_Pult_2
advance 587
key Frame_45_Key_Fix_48 move
key Frame_Button6 release right
key Frame_Button7 release left
advance 48
key Frame_45_Key_Fix_44 move
advance 190
key Frame_Button_Beep release right
bare TabSheet_Post2_Pult_2
hover Image_Fon2
advance 222
tab TabSheet_Post2_Pult_3
hover Image4_Line_Left_tEnd
step 30
# stage 30
advance 672
key Frame_45_Key_Back_7 release left
advance 326
key Frame_45_Key_Back_7 release left
advance 50
hover Image171_0
advance 339
key Frame_45_Key_Back_12 release right
tab TabSheet_Post2_Pult_1
advance 550
hover Image2_0
key Frame_45_Key_Fix_37 move
advance 395
tab TabSheet_Post2_Pult_3
advance 524
find 5
advance 130
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_11 move
hover Label_Baraban_Motalki
advance 237
key Frame_45_Key_Fix_8 press left
advance 88
hover Image171_0
advance 11
hover Image61_0
advance 141
key Frame_45_Key_Fix_10 move
advance 485
click Image64_0
foreground press 500
bare TabSheet_Post2_Pult_3
advance 486
bare TabSheet_Post2_Pult_3
advance 207
key Frame_45_Key_Back_11 press right
hover Image1
advance 800
key Frame_45_Key_Fix_54 press left
advance 640
key Frame_45_Key_Back_14 move
key Frame_Button8 press left
key Frame_45_Key_Fix_51 press left
hover Image_Operator
find 1
advance 1557
tab TabSheet_Post_2
key Frame_45_Key_Back_9 press right
advance 774
key Frame_45_Key_Fix_53 move
tab TabSheet_Post2_Pult_2
advance 1063
find 2
advance 128
tab TabSheet_Post1_Pult_3
advance 249
key Frame_45_Key_Back_2 move
hover Image107_0
advance 566
key Frame_45_Key_Back_2 move
advance 1358
click Image46_0
tab TabSheet_Post2_Pult_2
hover Image1
key Frame_45_Key_Back_5 release left
advance 1756
hover Image108_0
key Frame_45_Key_Back_5 release left
advance 315
hover Image_Provodka_sprava
advance 396
key Frame_Button7 press right
key Frame_45_Key_Back_RS move
key Frame_45_Key_Fix_43 move
key Frame_45_Key_Fix_Tolchok move
advance 716
key Frame_45_Key_Fix_45 press left
advance 920
hover Image111_0
advance 1614
find 6
advance 163
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_4 move
advance 143
key Frame_45_Key_Fix_5 move
advance 713
hover Image1
key Frame_45_Key_Fix_11 press right
closeup Panel_5_mech press 211
advance 65
key Frame_45_Key_Back_1 move
advance 1137
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_11 press left
advance 372
find 6
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_11 press left
step 31
# stage 31
advance 37
key Frame_45_Key_Fix_8 move
advance 937
tab TabSheet_Roga
drag press 58
key Frame_45_Key_Back_15 move
advance 286
key Frame_45_Key_Back_15 move
advance 494
key Frame_45_Key_Back_15 move
advance 692
tab TabSheet_Post_2
tab TabSheet_Roga
tab TabSheet_Post_1
step 32
# stage 32
key Frame_45_Key_Fix_8 press left
foreground press 188
find 7
hover Image19_0
advance 317
tab TabSheet_Post_2
click Image_Fon2
advance 113
key Frame_45_Key_Fix_47 move
advance 662
key Frame_Krutilka2 press left
advance 687
key Frame_45_Key_Fix_44 move
advance 1130
hover Image66_0
key Frame_Krutilka4 press left
foreground press 42
click Image_Fon2
key Frame_45_Key_Fix_46 move
advance 2238
key Frame_Button_Beep release left
advance 911
key Frame_45_Key_Fix_NormStop press right
tab TabSheet_Post_1
advance 151
hover Image15_1
key Frame_45_Key_Fix_15 press left
advance 441
click Image2_0
advance 11
hover Image48_0
advance 49
key Frame_45_Key_Fix_2 move
advance 337
tab TabSheet_Post1_Pult_2
tab TabSheet_Roga
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
advance 104
tab TabSheet_Post_2
advance 217
key Frame_45_Key_Back_5 release right
key Frame_45_Key_Back_5 move
advance 341
key Frame_Krutilka2 press right
key Frame_Button_Beep release right
hover Image60_0
find 5
key Frame_45_Key_Fix_6 press right
advance 586
key Frame_45_Key_Fix_9 move
advance 1059
key Frame_45_Key_Fix_8 press left
advance 158
tab TabSheet_Post_2
advance 452
hover Image108_0
advance 276
key Frame_45_Key_Fix_Tolchok move
key Frame_45_Key_Back_RS move
click Image24_0
advance 139
key Frame_45_Key_Fix_22 press right
advance 828
key Frame_45_Key_Fix_22 press right
bare TabSheet_Post1_Pult_4
advance 572
tab TabSheet_Roga
advance 114
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 202
key Frame_45_Key_Back_15 press right
advance 274
tab TabSheet_Post_1
key Frame_45_Key_Fix_25 move
advance 332
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_24 press left
advance 1235
tab TabSheet_Post1_Pult_3
advance 439
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_Button1 press right
advance 165
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 move
advance 1006
key Frame_45_Key_Fix_28 move
foreground press 132
hover Image107_0
advance 418
hover Image107_0
advance 1266
key Frame_45_Key_Fix_22 move
key Frame_45_Key_Back_3 release right
advance 249
key Frame_45_Key_Fix_24 move
tab TabSheet_Roga
advance 485
click Image19_0
advance 1028
key Frame_45_Key_Fix_29 press left
tab TabSheet_Post1_Pult_3
advance 2120
hover Image106_0
advance 1037
click Image131_2
key Frame_45_Key_Fix_38 press left
advance 337
key Frame_45_Key_Back_4 press left
advance 1551
key Frame_45_Key_Fix_32 press left
key Frame_45_Key_Fix_36 move
step 31
# stage 31
key Frame_Button4 release right
advance 194
tab TabSheet_Post2_Pult_3
advance 674
bare TabSheet_Post2_Pult_3
advance 541
tab TabSheet_Post2_Pult_2
advance 754
hover Image_Fon2
key Frame_45_Key_Fix_45 press right
advance 419
hover Image61_0
advance 449
key Frame_45_Key_Fix_43 move
advance 413
hover Image61_0
advance 1164
key Frame_45_Key_Fix_NormStop press left
hover Image64_0
advance 381
hover Image_Operator
advance 846
drag press 58
advance 321
hover Image_Operator
key Frame_Krutilka4 press left
drag release
tab TabSheet_Post_1
find 2
advance 661
key Frame_45_Key_Fix_5 press left
advance 100
key Frame_45_Key_Fix_6 press right
advance 84
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_4 move
advance 571
key Frame_45_Key_Fix_2 move
advance 326
hover Image118_0
foreground press 803
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_7 move
advance 425
hover Image28_3
advance 256
find 3
tab TabSheet_Post_2
advance 1206
drag press 58
advance 342
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Fix_53 press left
mode 1
step 30
# stage 30
tab TabSheet_Post_1
hover Image131_1
tab TabSheet_Post_2
advance 905
key Frame_45_Key_Back_10 release left
advance 410
key Frame_45_Key_Back_11 press right
advance 215
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_7 release right
find 6
key Frame_45_Key_Fix_2 move
hover Image70_3
advance 710
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_11 press left
advance 1154
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_7 move
advance 447
click Image24_0
key Frame_45_Key_Fix_29 press right
key Frame_45_Key_Fix_27 press left
advance 763
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_21 move
advance 469
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
key Frame_Button3 release left
advance 121
tab TabSheet_Post1_Pult_1
foreground press 763
advance 388
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_2 move
advance 791
key Frame_45_Key_Back_1 release left
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_20 press right
key Frame_45_Key_Fix_20 press left
advance 676
hover Image64_0
advance 1679
key Frame_45_Key_Back_2 move
advance 1009
find 1
advance 192
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Fix_8 move
advance 228
key Frame_45_Key_Fix_8 press left
advance 938
key Frame_45_Key_Fix_7 move
advance 226
tab TabSheet_RM_Kromkomotalka
hover Label_Post_Kromko
advance 1015
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_33 move
advance 175
click Image1_0
key Frame_45_Key_Fix_7 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press left
advance 150
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_60 press left
advance 784
tab TabSheet_Post_2
key Frame_45_Key_Back_9 move
tab TabSheet_RM_Kromkomotalka
advance 120
tab TabSheet_Post_2
advance 448
key Frame_45_Key_Fix_55 move
advance 1934
key Frame_45_Key_Fix_53 press left
tab TabSheet_Roga
advance 789
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 185
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 87
key Frame_45_Key_Back_15 move
advance 380
tab TabSheet_RM_Kromkomotalka
advance 502
find 9
advance 321
key Frame_45_Key_Fix_18 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
hover Image_wall
key Frame_45_Key_Back_15 move
advance 456
key Frame_45_Key_Back_15 move
hover Image131_1
advance 347
key Frame_45_Key_Back_15 move
advance 63
key Frame_45_Key_Back_15 move
advance 446
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
advance 1063
hover Image173_0
key Frame_45_Key_Back_15 press left
find 7
advance 1921
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_13 press right
advance 384
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_19 move
key Frame_Krutilka1 press left
hover Image70_3
advance 22
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 897
find 1
advance 969
key Frame_45_Key_Fix_1 press left
hover Image170_0
key Frame_45_Key_Fix_8 press left
advance 211
hover Image_Post_Kromko
advance 1205
bare TabSheet_Post1_Pult_1
advance 273
key Frame_45_Key_Back_1 press left
hover Image70_3
advance 156
find 0
advance 867
key Frame_45_Key_Fix_10 press left
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_2
find 1
key Frame_45_Key_Fix_10 press left
advance 1268
hover Image170_0
advance 586
key Frame_45_Key_Fix_10 move
click Image53_0
advance 704
hover Image57_3
tab TabSheet_Post2_Pult_2
advance 394
key Frame_Krutilka2 press left
advance 113
hover Image27_3
key Frame_45_Key_Fix_46 press left
tab TabSheet_Roga
advance 155
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
find 5
advance 457
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_8 press right
advance 129
hover Image131_1
key Frame_45_Key_Fix_10 move
hover Label_Post_Kromko
advance 633
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Back_1 press left
advance 204
hover Image2
hover Image1
key Frame_45_Key_Fix_3 press left
advance 469
find 6
key Frame_45_Key_Back_1 move
advance 408
tab TabSheet_Post1_Pult_2
advance 1107
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Fix_24 move
advance 234
hover Image56_0
key Frame_45_Key_Fix_25 move
hover Label_Podval
advance 632
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_28 move
advance 343
key Frame_45_Key_Fix_24 press left
advance 808
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_23 move
advance 1596
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Fix_28 move
advance 906
key Frame_45_Key_Fix_29 move
advance 117
click Image64_0
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 240
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_59 move
advance 64
tab TabSheet_Post_1
key Frame_45_Key_Fix_22 move
key Frame_45_Key_Fix_27 press right
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_24 press left
click Image31_1
advance 228
tab TabSheet_Roga
advance 1193
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_1
hover Label_Baraban_Motalki
advance 310
key Frame_45_Key_Fix_27 move
advance 831
key Frame_45_Key_Fix_22 press right
find 5
key Frame_45_Key_Fix_7 press right
click Image149_0
advance 636
key Frame_45_Key_Fix_35 move
key Frame_45_Key_Fix_38 press left
key Frame_45_Key_Fix_31 move
key Frame_90_Key_1 press left
tab TabSheet_Post2_Pult_3
advance 324
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 125
key Frame_45_Key_Back_7 release left
advance 398
tab TabSheet_Roga
hover Image38_0
advance 453
tab TabSheet_Post_1
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_5 move
advance 240
hover Image105_0
advance 1004
key Frame_45_Key_Fix_7 press right
key Frame_45_Key_Fix_1 move
advance 576
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_1 press left
advance 2541
key Frame_45_Key_Back_1 release right
find 2
advance 41
key Frame_45_Key_Fix_1 move
advance 190
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_18 press left
advance 401
hover Image108_0
advance 475
key Frame_45_Key_Fix_13 move
advance 1502
click Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Fix_18 move
advance 787
tab TabSheet_Post1_Pult_1
hover Image1
key Frame_45_Key_Fix_6 press left
advance 126
key Frame_45_Key_Fix_1 move
advance 459
hover Image57_3
advance 1284
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
foreground press 68
click Image_Fon2
advance 2732
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
bare TabSheet_Post_1
key Frame_45_Key_Fix_1 press right
key Frame_45_Key_Fix_11 press left
hover Image170_0
advance 815
click Image25_3
advance 415
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_28 press left
hover Label_Baraban_Motalki
hover Image107_0
advance 959
key Frame_45_Key_Back_3 press right
advance 135
key Frame_45_Key_Fix_27 move
advance 273
key Frame_45_Key_Fix_24 press right
advance 102
closeup Panel_5_mech press 231
advance 396
find 9
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_17 move
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 move
advance 1129
hover Image1
key Frame_45_Key_Fix_23 press left
hover Image105_0
hover Image56_0
advance 691
closeup Panel_5_mech move 215
tab TabSheet_Post1_Pult_3
advance 239
key Frame_Krutilka1 press left
advance 504
hover Image_Invisible_9
advance 649
tab TabSheet_Post1_Pult_1
advance 439
bare TabSheet_Post1_Pult_1
advance 445
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_10 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press right
advance 658
key Frame_45_Key_Fix_61 press left
advance 577
key Frame_45_Key_Fix_33 move
advance 487
hover Button1
advance 223
hover Image_Operator
advance 92
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_60 move
hover Image_Operator
advance 333
hover Image_Fon2
key Frame_45_Key_Fix_33 press left
click Image2
key Frame_45_Key_Fix_57 press left
advance 244
hover Image70_3
tab TabSheet_Post_1
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_6 move
tab TabSheet_Post_2
key Frame_45_Key_Back_12 release left
advance 741
tab TabSheet_Roga
drag release
advance 999
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 move
key Frame_90_Key_2 move
advance 155
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_57 move
advance 398
stop
advance 88
find 5
key Frame_45_Key_Back_1 move
advance 132
find 6
advance 647
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_11 move
advance 459
hover Image1
advance 260
key Frame_45_Key_Fix_2 move
advance 933
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_16 press left
closeup Panel_70_mech press 189
tab TabSheet_Post1_Pult_4
advance 461
key Frame_45_Key_Fix_27 press left
find 7
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_10 move
advance 257
hover Image_wall
tab TabSheet_Post_2
find 6
advance 569
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Back_1 release left
tab TabSheet_Post_2
advance 551
find 9
click Image2
key Frame_45_Key_Fix_17 move
bare TabSheet_Post_1
advance 472
key Frame_45_Key_Fix_14 move
hover Image52_0
key Frame_45_Key_Fix_15 press right
advance 1664
key Frame_45_Key_Fix_17 press left
advance 472
hover Image56_0
advance 231
tab TabSheet_Post1_Pult_3
advance 252
key Frame_Button1 press left
advance 179
find 7
advance 460
key Frame_45_Key_Fix_17 press left
advance 800
key Frame_45_Key_Fix_16 move
advance 467
key Frame_45_Key_Fix_17 press left
advance 415
key Frame_45_Key_Fix_15 press left
bare TabSheet_Post1_Pult_2
click Image111_0
hover Label_Podval
advance 23
key Frame_45_Key_Fix_12 press left
hover Image172_0
key Frame_45_Key_Fix_15 press right
find 6
advance 9
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
advance 316
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
advance 456
hover Label_Baraban_Motalki
hover Image_wall
advance 583
tab TabSheet_Post_2
click Image131_1
advance 498
hover Image106_0
advance 438
key Frame_45_Key_Fix_39 move
advance 306
key Frame_45_Key_Fix_40 move
advance 499
key Frame_45_Key_Fix_35 move
tab TabSheet_Post2_Pult_2
advance 191
key Frame_45_Key_Back_RS press left
key Frame_Button6 release left
key Frame_45_Key_Fix_48 move
advance 31
tab TabSheet_Post2_Pult_1
advance 671
key Frame_45_Key_Back_4 move
advance 257
find 5
advance 180
tab TabSheet_RM_Kromkomotalka
advance 63
key Frame_45_Key_Fix_61 press right
bare TabSheet_RM_Kromkomotalka
advance 73
key Frame_45_Key_Fix_33 move
advance 415
key Frame_45_Key_Fix_61 move
advance 100
key Frame_45_Key_Fix_57 move
advance 1261
hover Image5_3
closeup Panel_70_mech press 114
find 5
drag release
advance 287
hover Image54_0
advance 588
tab TabSheet_RM_Kromkomotalka
advance 751
tab TabSheet_Post_2
advance 1218
tab TabSheet_Roga
advance 493
key Frame_45_Key_Back_15 press left
advance 137
key Frame_45_Key_Back_15 release left
advance 163
key Frame_45_Key_Back_15 release right
advance 291
hover Image56_0
hover Image55_3
advance 358
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_2
advance 281
key Frame_90_Key_1 move
tab TabSheet_Post_1
advance 655
bare TabSheet_Post1_Pult_1
tab TabSheet_Post1_Pult_3
advance 347
tab TabSheet_RM_Kromkomotalka
advance 443
hover Image171_0
advance 486
key Frame_45_Key_Fix_58 move
advance 225
find 40
key Frame_45_Key_Fix_59 press left
advance 1207
tab TabSheet_Roga
advance 86
tab TabSheet_Post_1
advance 401
key Frame_45_Key_Fix_19 press right
key Frame_45_Key_Back_2 release left
advance 549
hover Image76_1
advance 841
key Frame_Button1 press left
key Frame_45_Key_Fix_21 press left
bare TabSheet_Post1_Pult_3
advance 690
hover Image57_3
hover Image55_3
advance 366
key Frame_45_Key_Back_2 release left
key Frame_Button2 press left
advance 941
hover Image16_Polosa_Body
advance 246
key Frame_Button3 release left
foreground press 132
key Frame_Button1 press left
key Frame_Button3 release right
advance 940
bare TabSheet_Post_1
key Frame_45_Key_Fix_21 press left
advance 254
hover Label_Baraban_Motalki
hover Image_Invisible_9
key Frame_Krutilka1 press left
advance 367
tab TabSheet_Post_2
advance 655
hover Image61_0
key Frame_45_Key_Fix_40 press right
advance 524
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
key Frame_Button1 release right
key Frame_45_Key_Fix_19 press left
advance 721
hover Image172_0
advance 714
tab TabSheet_Post1_Pult_4
advance 1665
click Image53_1
key Frame_45_Key_Fix_38 move
advance 332
hover Image75_0
click Image74_0
bare TabSheet_Post2_Pult_3
advance 89
hover Image36_Polosa_Body
advance 753
key Frame_Button8 release left
key Frame_45_Key_Back_7 press left
mode 1
step 30
advance 156
key Frame_45_Key_Back_13 press left
key Frame_45_Key_Back_12 press left
advance 503
key Frame_45_Key_Fix_54 press right
foreground press 100
advance 360
hover Image25_0
advance 380
click Image10_0
advance 2271
key Frame_45_Key_Fix_13 press left
advance 303
hover Image173_0
key Frame_45_Key_Fix_14 press left
advance 371
key Frame_45_Key_Fix_17 press left
hover Image75_0
advance 608
key Frame_45_Key_Fix_17 press left
advance 635
tab TabSheet_Roga
advance 619
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press right
advance 423
tab TabSheet_Post_2
hover Image111_0
advance 803
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Fix_55 move
advance 521
key Frame_45_Key_Back_10 press right
advance 652
tab TabSheet_Post_1
tab TabSheet_RM_Kromkomotalka
hover Image172_0
advance 757
key Frame_45_Key_Fix_58 move
advance 571
find 9
key Frame_45_Key_Fix_18 press left
hover Image_wall
advance 718
key Frame_45_Key_Fix_14 press right
advance 855
key Frame_45_Key_Fix_18 press right
advance 339
hover Label_SizeMot_Int
key Frame_45_Key_Fix_14 press right
advance 542
hover Image172_0
advance 3
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_15 press left
advance 223
key Frame_45_Key_Fix_15 move
hover Image_Fon2
advance 287
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 1026
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
click Image24_0
hover Image2
key Frame_45_Key_Fix_24 move
tab TabSheet_Post_2
advance 482
key Frame_45_Key_Fix_52 press left
hover Label_Post_Kromko
advance 466
key Frame_45_Key_Back_11 move
advance 479
key Frame_45_Key_Back_7 release left
advance 340
key Frame_45_Key_Back_11 press left
advance 473
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_14 move
advance 317
bare TabSheet_Post2_Pult_3
advance 152
key Frame_45_Key_Back_7 press right
hover Label_Podval
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 153
key Frame_45_Key_Back_10 move
advance 106
hover Image52_0
tab TabSheet_Post_1
key Frame_45_Key_Fix_30 press left
advance 763
key Frame_45_Key_Fix_25 press left
tab TabSheet_RM_Kromkomotalka
advance 463
hover Image_wall
tab TabSheet_Post_1
hover Image75_0
hover Image27_0
advance 250
click Image53_1
key Frame_90_Key_1 press left
foreground press 100
advance 203
hover Image55_3
advance 379
hover Image56_0
advance 678
key Frame_45_Key_Fix_41 move
advance 446
key Frame_45_Key_Fix_32 press left
advance 433
hover Image_Operator
click Image131_2
advance 473
key Frame_45_Key_Fix_36 move
advance 546
hover Label_Post_Kromko
key Frame_Button4 release right
advance 279
tab TabSheet_Post2_Pult_2
advance 239
key Frame_45_Key_Fix_50 move
advance 504
bare TabSheet_Post2_Pult_2
hover Image31_2
advance 396
tab TabSheet_Post2_Pult_3
advance 393
tab TabSheet_Post_1
advance 405
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Fix_27 press right
key Frame_45_Key_Back_3 move
tab TabSheet_RM_Kromkomotalka
advance 45
key Frame_45_Key_Fix_33 press left
advance 487
hover Image55_3
advance 427
key Frame_45_Key_Fix_33 press right
advance 793
key Frame_90_Key_2 press left
hover Image52_0
advance 1208
foreground press 68
click Image_Fon2
tab TabSheet_Post_2
advance 132
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Back_7 press left
key Frame_Button8 press left
foreground press 500
key Frame_45_Key_Fix_51 press left
advance 313
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 312
tab TabSheet_Post2_Pult_2
foreground press 439
advance 210
key Frame_Button_Beep press left
advance 253
find 3
advance 587
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_8 move
advance 2173
hover Image57_3
tab TabSheet_Post1_Pult_3
advance 14
tab TabSheet_Post1_Pult_4
hover Image2_0
advance 404
key Frame_45_Key_Fix_26 move
hover Image54_0
advance 47
key Frame_45_Key_Fix_28 press left
hover Image60_0
advance 181
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_23 move
advance 78
key Frame_45_Key_Fix_22 press left
advance 314
find 6
advance 234
key Frame_45_Key_Fix_4 move
tab TabSheet_Roga
hover Image56_0
hover Image54_0
advance 363
key Frame_45_Key_Back_15 release right
advance 798
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
advance 101
tab TabSheet_RM_Kromkomotalka
advance 1312
tab TabSheet_Post_1
advance 355
key Frame_45_Key_Fix_2 press left
advance 494
tab TabSheet_Post1_Pult_4
advance 1224
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_22 press left
click Image2_0
hover Image24_0
hover Image_Post_Kromko
hover Image131_2
advance 870
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 461
hover Image_Rolik
advance 845
hover Image60_0
advance 60
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 press left
advance 290
hover Image_Provodka_sleva
key Frame_45_Key_Fix_59 press left
key Frame_90_Key_2 press right
advance 641
key Frame_45_Key_Fix_61 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 release right
hover Image_Diagonal_Right_4
key Frame_45_Key_Back_15 move
advance 465
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 102
tab TabSheet_Post_2
advance 224
find 5
advance 166
key Frame_45_Key_Fix_10 move
advance 322
key Frame_45_Key_Fix_11 move
advance 701
key Frame_45_Key_Back_1 release left
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_24 move
advance 406
key Frame_45_Key_Fix_23 press left
tab TabSheet_Post1_Pult_2
advance 384
key Frame_45_Key_Fix_13 move
advance 266
key Frame_45_Key_Fix_13 press right
click Image24_0
advance 365
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_24 press left
advance 313
key Frame_45_Key_Fix_30 press right
advance 1096
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_25 move
hover Image_Diagonal_Right_4
advance 214
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_25 move
click Image65_0
advance 107
key Frame_45_Key_Fix_56 press left
key Frame_45_Key_Fix_52 press left
advance 248
click Image_Post_Kromko
advance 232
bare TabSheet_Post2_Pult_3
advance 757
bare TabSheet_Post2_Pult_3
tab TabSheet_Roga
find 3
advance 421
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
advance 981
tab TabSheet_Roga
advance 350
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 379
tab TabSheet_Post_1
key Frame_45_Key_Fix_4 press left
advance 898
tab TabSheet_Post1_Pult_3
advance 351
hover Image105_0
key Frame_45_Key_Back_2 move
key Frame_Button2 press left
key Frame_45_Key_Fix_20 move
bare TabSheet_Post1_Pult_3
click Image131_2
key Frame_45_Key_Fix_35 move
advance 656
tab TabSheet_RM_Kromkomotalka
hover Label_Podval
advance 211
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_58 move
advance 230
tab TabSheet_Post_1
advance 3
key Frame_45_Key_Fix_20 move
advance 506
tab TabSheet_Post1_Pult_2
advance 203
key Frame_45_Key_Fix_12 move
advance 160
hover Image53_2
hover Label_Post_Kromko
advance 257
click Image46_1
key Frame_45_Key_Fix_32 press left
key Frame_45_Key_Fix_38 press left
advance 126
hover Image_Fon2
advance 578
tab TabSheet_Post2_Pult_2
key Frame_Button6 press left
key Frame_45_Key_Fix_NormStop move
advance 389
key Frame_45_Key_Back_5 move
advance 857
key Frame_45_Key_Fix_45 move
advance 39
hover Image52_0
advance 228
hover Image54_0
advance 346
key Frame_45_Key_Fix_Tolchok move
advance 116
key Frame_45_Key_Fix_43 press right
key Frame_45_Key_Fix_48 press left
hover Image105_0
advance 759
key Frame_45_Key_Fix_44 press left
key Frame_Krutilka4 press right
advance 1030
find 3
advance 582
key Frame_45_Key_Fix_10 press left
hover Image106_0
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_1 move
advance 932
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_6 move
hover Label_Baraban_Razmativatela
hover Image_Provodka_sleva
advance 1332
key Frame_45_Key_Fix_7 move
advance 1193
key Frame_45_Key_Fix_10 move
advance 829
key Frame_45_Key_Fix_5 press right
hover Image57_3
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_10 move
advance 368
click Image75_0
advance 211
hover Image55_3
advance 338
key Frame_45_Key_Fix_53 move
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Back_13 move
hover Image55_3
advance 428
key Frame_45_Key_Back_14 press right
tab TabSheet_Post2_Pult_2
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 447
key Frame_45_Key_Back_5 move
key Frame_Krutilka2 press left
key Frame_45_Key_Back_5 move
hover Image57_3
find 9
key Frame_45_Key_Fix_17 press left
advance 130
hover Image108_0
advance 567
key Frame_45_Key_Fix_15 press left
hover Image_Fon2
advance 761
key Frame_45_Key_Fix_16 move
advance 443
key Frame_45_Key_Fix_13 press right
key Frame_45_Key_Fix_16 move
hover Image5_3
find 40
advance 460
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_61 move
advance 2176
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_60 move
advance 317
key Frame_45_Key_Fix_33 press left
advance 56
key Frame_45_Key_Fix_33 move
advance 336
hover Image106_0
find 3
advance 84
tab TabSheet_Post_2
advance 1644
key Frame_45_Key_Fix_50 press right
key Frame_45_Key_Fix_45 press left
advance 683
tab TabSheet_Roga
advance 602
tab TabSheet_RM_Kromkomotalka
advance 848
key Frame_45_Key_Fix_60 move
advance 29
hover Image108_0
advance 479
key Frame_45_Key_Fix_57 move
advance 384
key Frame_45_Key_Fix_33 move
key Frame_90_Key_2 move
advance 809
key Frame_45_Key_Fix_57 move
advance 192
key Frame_90_Key_2 press right
advance 487
key Frame_45_Key_Fix_57 move
advance 785
key Frame_90_Key_2 move
click Image108_0
find 40
advance 285
key Frame_45_Key_Fix_4 press right
hover Image108_0
advance 318
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 1500
key Frame_45_Key_Back_15 press left
advance 333
hover Image_Fon2
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
advance 785
find 9
advance 342
key Frame_45_Key_Fix_16 move
hover Image54_0
key Frame_45_Key_Fix_15 press left
advance 488
key Frame_45_Key_Fix_18 move
advance 1092
key Frame_45_Key_Fix_15 move
advance 336
key Frame_45_Key_Fix_12 move
hover Image108_0
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_13 press left
advance 158
find 5
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Fix_4 press left
hover Image108_0
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_1 press left
advance 5
key Frame_45_Key_Back_1 release left
tab TabSheet_Post1_Pult_3
tab TabSheet_RM_Kromkomotalka
advance 10
tab TabSheet_Post_1
key Frame_Krutilka1 press right
advance 892
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_14 move
advance 861
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press right
advance 311
find 5
advance 94
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_11 press left
hover Image_wall
key Frame_45_Key_Back_1 release left
advance 99
key Frame_45_Key_Fix_3 move
advance 173
hover Image15_2
advance 488
tab TabSheet_Post1_Pult_2
advance 938
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_16 press right
advance 712
click Image48_1
tab TabSheet_Post_1
advance 291
tab TabSheet_Post1_Pult_1
advance 650
key Frame_45_Key_Back_1 press right
key Frame_45_Key_Fix_9 press left
advance 470
key Frame_45_Key_Fix_2 move
advance 291
hover Image5_3
advance 160
foreground press 192
tab TabSheet_Post1_Pult_2
advance 239
key Frame_45_Key_Fix_17 press right
click Image65_0
key Frame_45_Key_Back_13 release left
advance 595
key Frame_45_Key_Back_11 release left
advance 332
key Frame_45_Key_Fix_56 move
advance 380
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Fix_56 press left
advance 457
key Frame_Button8 press left
tab TabSheet_Post2_Pult_1
hover Image56_0
advance 544
key Frame_45_Key_Fix_40 press left
key Frame_45_Key_Fix_41 press right
key Frame_45_Key_Fix_38 press right
advance 343
click Image64_0
advance 125
key Frame_45_Key_Fix_54 press left
advance 557
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_11 move
key Frame_45_Key_Fix_53 move
advance 354
key Frame_Button8 release left
advance 455
key Frame_45_Key_Fix_54 press left
key Frame_45_Key_Back_7 move
advance 115
hover Image56_0
advance 1418
key Frame_45_Key_Back_7 move
advance 253
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Fix_56 press left
advance 869
key Frame_45_Key_Fix_56 move
advance 1221
key Frame_45_Key_Back_10 move
key Frame_45_Key_Fix_53 move
advance 281
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 381
click Image28_3
key Frame_45_Key_Fix_25 move
advance 18
hover Image107_0
key Frame_45_Key_Fix_25 move
advance 286
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Fix_26 move
advance 922
key Frame_45_Key_Fix_30 move
advance 445
hover Image53_2
mode 1
step 30
advance 1390
key Frame_45_Key_Fix_30 move
tab TabSheet_Post_2
key Frame_45_Key_Fix_54 move
key Frame_45_Key_Back_7 release left
advance 113
find 5
advance 333
hover Image70_3
advance 556
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Fix_26 press left
advance 314
key Frame_45_Key_Fix_28 press left
advance 318
hover Label_SizeMot_Perc
hover Image131_2
hover Image108_0
key Frame_45_Key_Fix_29 press left
advance 1538
key Frame_45_Key_Fix_26 move
advance 395
hover Image171_0
advance 422
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_26 move
advance 377
tab TabSheet_Post1_Pult_3
advance 951
key Frame_45_Key_Fix_21 move
find 3
key Frame_45_Key_Fix_5 move
advance 158
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_5 press left
hover Image28_3
advance 98
key Frame_45_Key_Back_1 release left
tab TabSheet_RM_Kromkomotalka
advance 1467
key Frame_45_Key_Fix_33 press left
click Image46_1
advance 374
key Frame_45_Key_Fix_36 move
advance 1576
hover Image_Post_Kromko
advance 741
key Frame_Button4 release left
tab TabSheet_Post_1
key Frame_45_Key_Fix_3 move
advance 123
key Frame_45_Key_Fix_11 move
advance 421
foreground press 723
tab TabSheet_RM_Kromkomotalka
advance 380
click Image111_0
hover Image5_3
key Frame_45_Key_Fix_16 press left
advance 310
key Frame_45_Key_Fix_14 move
tab TabSheet_Post1_Pult_4
advance 1139
hover Image6_0
key Frame_45_Key_Fix_23 move
advance 1512
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_28 move
advance 187
key Frame_45_Key_Fix_28 move
advance 256
find 5
advance 728
key Frame_45_Key_Fix_6 move
advance 497
key Frame_45_Key_Fix_6 press right
key Frame_45_Key_Fix_8 press right
key Frame_45_Key_Fix_1 move
advance 488
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_1 press right
key Frame_45_Key_Fix_8 move
advance 55
hover Image10_3
click Image_Diagonal_Right_4
advance 233
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_3 press right
advance 2746
find 6
key Frame_45_Key_Fix_11 move
advance 707
tab TabSheet_RM_Kromkomotalka
advance 649
key Frame_45_Key_Fix_60 move
hover Image36_Polosa_Body
advance 829
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_61 press left
advance 1033
hover Image173_0
advance 379
key Frame_90_Key_2 press left
click Image2_0
key Frame_45_Key_Back_1 release left
advance 859
key Frame_45_Key_Fix_6 press right
advance 15
hover Image105_0
advance 1527
hover Image24_0
advance 119
key Frame_45_Key_Fix_6 move
tab TabSheet_Post_2
bare TabSheet_Post_2
advance 298
foreground press 42
hover Image2
key Frame_45_Key_Back_4 press right
key Frame_45_Key_Fix_40 move
key Frame_Button4 release right
key Frame_45_Key_Fix_40 press left
tab TabSheet_Post2_Pult_2
advance 341
key Frame_Krutilka3 press left
advance 16
key Frame_45_Key_Fix_45 press left
advance 540
key Frame_45_Key_Back_5 move
advance 448
key Frame_45_Key_Fix_49 press left
advance 512
hover Image2
advance 219
hover Label_Baraban_Motalki
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_9 release left
advance 978
key Frame_45_Key_Fix_54 move
advance 409
hover Image2
advance 1215
click Image64_0
advance 183
hover Image19_3
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_13 press right
advance 354
key Frame_45_Key_Fix_53 press right
key Frame_Button8 release left
advance 956
hover Label_SizeRaz_Perc
advance 497
hover Image1
advance 155
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 136
hover Image57_3
key Frame_45_Key_Back_12 press right
advance 160
key Frame_45_Key_Back_14 move
advance 1414
key Frame_45_Key_Fix_56 press left
advance 13
hover Image52_0
key Frame_45_Key_Back_13 press left
advance 271
hover Image111_3
advance 770
key Frame_45_Key_Back_9 move
tab TabSheet_RM_Kromkomotalka
advance 93
find 1
key Frame_45_Key_Fix_11 move
hover Image70_3
advance 412
key Frame_45_Key_Fix_1 press left
advance 407
key Frame_45_Key_Fix_11 press right
advance 253
hover Image107_0
advance 312
tab TabSheet_Post1_Pult_2
advance 366
key Frame_45_Key_Fix_12 move
advance 260
click Image24_0
advance 1060
key Frame_45_Key_Fix_27 press left
advance 837
key Frame_45_Key_Fix_22 move
key Frame_45_Key_Fix_25 move
advance 605
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_24 press left
advance 66
click Image6_0
advance 391
hover Image53_2
advance 753
key Frame_45_Key_Fix_11 move
advance 537
key Frame_45_Key_Fix_6 press left
hover Button1
advance 1186
click Image38_3
advance 102
key Frame_Button4 release left
advance 114
key Frame_45_Key_Fix_41 press left
advance 1194
tab TabSheet_Post2_Pult_3
advance 47
hover Label_Baraban_Razmativatela
key Frame_45_Key_Back_10 release left
advance 380
key Frame_45_Key_Back_9 release left
key Frame_45_Key_Fix_53 press left
advance 85
key Frame_45_Key_Fix_56 press left
advance 335
click Image38_3
advance 826
key Frame_45_Key_Fix_40 move
hover Image28_3
advance 538
key Frame_45_Key_Fix_36 move
advance 256
key Frame_45_Key_Fix_32 move
hover Image65_0
advance 392
key Frame_45_Key_Back_4 release right
advance 419
hover Image_Provodka_sprava
advance 445
tab TabSheet_Post_1
advance 176
foreground press 68
click Image_Fon2
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_1 press left
advance 1246
key Frame_45_Key_Fix_7 press left
advance 422
key Frame_45_Key_Fix_9 press left
advance 74
key Frame_45_Key_Back_1 release right
advance 491
key Frame_45_Key_Fix_7 move
advance 905
hover Image70_3
advance 427
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_10 press right
key Frame_45_Key_Fix_11 press left
advance 132
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_8 move
hover Image56_0
advance 659
key Frame_45_Key_Fix_8 press left
advance 817
key Frame_45_Key_Fix_3 move
advance 1244
key Frame_45_Key_Back_1 move
tab TabSheet_Post1_Pult_3
advance 483
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 863
tab TabSheet_RM_Kromkomotalka
advance 422
tab TabSheet_Post_2
advance 7
key Frame_45_Key_Fix_32 press right
advance 768
key Frame_45_Key_Fix_41 move
advance 694
key Frame_Button4 release right
advance 587
key Frame_45_Key_Fix_40 move
advance 598
key Frame_45_Key_Fix_31 move
hover Image15_2
advance 1812
tab TabSheet_Roga
advance 544
find 6
advance 81
key Frame_45_Key_Fix_11 press left
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Back_3 move
advance 444
key Frame_45_Key_Fix_26 press left
advance 624
key Frame_45_Key_Fix_28 press left
tab TabSheet_Post1_Pult_1
hover Image54_0
advance 120
hover Image_Fon2
advance 1211
hover Image70_3
advance 492
tab TabSheet_Post1_Pult_4
tab TabSheet_Post1_Pult_1
advance 563
key Frame_45_Key_Fix_5 press left
advance 484
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_8 move
advance 1032
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_6 press left
advance 150
key Frame_45_Key_Fix_10 press left
advance 404
key Frame_45_Key_Back_1 move
hover Image5_3
key Frame_45_Key_Fix_7 move
advance 141
click Image111_3
key Frame_45_Key_Fix_18 move
advance 315
key Frame_45_Key_Fix_12 press left
advance 551
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_57 press left
advance 642
key Frame_45_Key_Fix_61 move
advance 485
key Frame_45_Key_Fix_61 press left
hover Image171_0
tab TabSheet_Post_2
advance 38
key Frame_45_Key_Back_4 move
advance 840
key Frame_45_Key_Fix_38 move
hover Image64_0
advance 945
key Frame_45_Key_Back_4 press left
hover Image105_0
advance 97
key Frame_45_Key_Fix_35 move
advance 409
hover Image70_3
tab TabSheet_Post2_Pult_2
advance 942
find 5
advance 49
key Frame_45_Key_Fix_10 press left
advance 132
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_6 move
advance 396
key Frame_45_Key_Fix_1 press left
tab TabSheet_Post1_Pult_2
tab TabSheet_RM_Kromkomotalka
advance 456
hover Image75_0
advance 127
key Frame_45_Key_Fix_61 move
click Image55_3
key Frame_45_Key_Fix_58 press right
key Frame_45_Key_Fix_59 move
advance 466
key Frame_45_Key_Fix_59 move
advance 145
click Image24_0
key Frame_45_Key_Fix_29 move
advance 407
tab TabSheet_Post_2
key Frame_45_Key_Fix_46 move
hover Image53_3
advance 324
key Frame_Button6 release left
advance 1601
click Image61_0
advance 3
tab TabSheet_Post2_Pult_1
advance 322
key Frame_45_Key_Fix_37 move
hover Image5_3
advance 1047
key Frame_45_Key_Fix_38 move
advance 379
key Frame_Button4 release left
advance 437
key Frame_45_Key_Fix_41 press left
advance 932
hover Button1
advance 1239
key Frame_90_Key_1 move
advance 321
tab TabSheet_Post2_Pult_3
hover Image108_0
advance 1450
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Fix_56 press right
advance 707
key Frame_45_Key_Fix_56 move
hover Image_Diagonal_Right_4
advance 160
key Frame_45_Key_Back_8 release left
advance 196
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Fix_56 press left
advance 943
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Back_13 press left
key Frame_45_Key_Back_9 move
key Frame_45_Key_Fix_56 move
advance 415
key Frame_45_Key_Back_11 press left
advance 1176
find 40
key Frame_45_Key_Back_13 release right
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_10 release right
advance 419
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Back_14 move
advance 204
hover Image61_0
key Frame_45_Key_Fix_51 move
advance 81
tab TabSheet_Post2_Pult_1
advance 371
hover Image_wall
hover Image149_0
advance 1123
hover Image5_3
advance 567
key Frame_45_Key_Fix_40 press left
advance 697
hover Image53_3
key Frame_45_Key_Fix_36 move
hover Image48_1
advance 1224
find 3
advance 925
key Frame_45_Key_Fix_2 move
advance 804
key Frame_45_Key_Fix_10 move
advance 315
key Frame_45_Key_Fix_4 press left
tab TabSheet_Roga
advance 89
hover Image111_3
tab TabSheet_Post_2
advance 39
key Frame_45_Key_Fix_31 press left
key Frame_45_Key_Fix_38 press left
advance 144
key Frame_45_Key_Fix_35 move
advance 365
hover Image52_0
advance 488
find 5
hover Image173_0
advance 167
hover Image170_0
advance 348
key Frame_45_Key_Fix_2 move
advance 395
key Frame_45_Key_Fix_10 press left
advance 535
tab TabSheet_Post1_Pult_3
advance 819
key Frame_45_Key_Fix_20 press left
advance 903
key Frame_Button3 release right
advance 41
key Frame_Button1 press right
advance 855
hover Image28_3
advance 690
key Frame_Button3 release left
advance 493
hover Image52_0
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_28 press left
advance 908
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_23 move
find 3
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_6 move
advance 310
key Frame_45_Key_Fix_3 move
advance 813
hover Button1
advance 673
hover Image170_0
key Frame_45_Key_Fix_3 move
advance 2375
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_8 move
hover Image_Invisible_9
hover Image107_0
mode 1
step 30
key Frame_45_Key_Fix_9 press left
tab TabSheet_Post1_Pult_3
advance 169
key Frame_45_Key_Fix_20 press right
key Frame_45_Key_Fix_21 move
advance 96
key Frame_Krutilka1 press left
advance 712
key Frame_45_Key_Fix_19 move
advance 103
key Frame_45_Key_Fix_21 press right
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 402
key Frame_45_Key_Back_2 move
advance 53
tab TabSheet_Post_2
advance 1856
click Image71_0
key Frame_45_Key_Fix_56 move
advance 779
key Frame_45_Key_Back_12 press left
advance 384
bare TabSheet_Post2_Pult_3
key Frame_45_Key_Fix_53 move
advance 1546
find 7
key Frame_45_Key_Fix_17 press right
advance 329
hover Image7_Polosa_Body
key Frame_45_Key_Fix_12 press left
advance 1512
tab TabSheet_Post_2
advance 746
key Frame_45_Key_Back_14 release right
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_11 release left
hover Image_Fon2
hover Image48_1
hover Image66_0
click Image64_0
key Frame_45_Key_Back_9 move
key Frame_45_Key_Fix_53 press left
advance 895
key Frame_45_Key_Back_14 press left
advance 444
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Fix_55 press left
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Fix_56 press left
foreground press 273
advance 227
click Image71_0
advance 146
key Frame_45_Key_Back_14 move
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 402
key Frame_45_Key_Back_7 move
advance 1859
key Frame_45_Key_Fix_56 press left
advance 370
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Fix_55 press right
advance 324
key Frame_Button8 press left
key Frame_45_Key_Back_7 press left
click Image27_1
advance 109
hover Image_Provodka_sprava
advance 33
hover Image13_Polosa_Body
tab TabSheet_RM_Kromkomotalka
advance 611
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_59 press left
advance 72
key Frame_45_Key_Fix_60 move
advance 445
key Frame_45_Key_Fix_58 press left
advance 320
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
hover Image24_0
key Frame_45_Key_Back_15 move
advance 243
key Frame_45_Key_Back_15 release left
advance 122
tab TabSheet_Post_1
advance 793
click Image111_0
key Frame_45_Key_Fix_18 press right
key Frame_45_Key_Fix_15 press right
hover Label_Podval
advance 1140
click Label_Post_Kromko
advance 794
hover Image_wall
advance 375
key Frame_45_Key_Fix_16 press left
tab TabSheet_RM_Kromkomotalka
hover Button1
advance 1126
key Frame_45_Key_Fix_61 press right
key Frame_90_Key_2 move
tab TabSheet_Post_1
key Frame_45_Key_Fix_12 press left
advance 92
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_16 press left
advance 400
foreground press 132
advance 361
tab TabSheet_Post_2
key Frame_45_Key_Back_7 press left
advance 251
key Frame_45_Key_Back_10 move
find 40
advance 303
key Frame_45_Key_Fix_56 move
advance 446
key Frame_45_Key_Fix_51 move
advance 298
key Frame_45_Key_Fix_51 press left
advance 304
key Frame_45_Key_Fix_51 move
advance 55
key Frame_45_Key_Back_13 release left
advance 315
key Frame_45_Key_Fix_56 move
advance 493
key Frame_Button8 release left
advance 1547
find 9
key Frame_45_Key_Fix_13 press left
advance 313
key Frame_45_Key_Fix_16 move
advance 1185
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_15 move
advance 1230
key Frame_45_Key_Fix_18 move
tab TabSheet_Post1_Pult_1
advance 506
key Frame_45_Key_Fix_7 press left
advance 54
key Frame_45_Key_Fix_1 press left
click Image111_3
advance 540
click Image53_3
advance 964
key Frame_45_Key_Fix_36 press left
advance 370
key Frame_45_Key_Fix_41 press left
advance 456
key Frame_45_Key_Fix_41 move
hover Image118_0
advance 181
find 9
hover Label_Podval
advance 597
tab TabSheet_RM_Kromkomotalka
advance 306
key Frame_90_Key_2 move
advance 777
hover Image_Operator
advance 221
click Label_Post_Kromko
key Frame_90_Key_2 move
advance 1579
hover Image53_1
advance 225
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_33 move
advance 562
key Frame_90_Key_2 press left
advance 1376
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_33 press right
find 40
advance 794
key Frame_45_Key_Fix_58 move
tab TabSheet_Roga
advance 547
hover Image_Invisible_9
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 638
hover Image_wall
key Frame_45_Key_Back_15 release right
advance 435
key Frame_45_Key_Back_15 move
advance 12
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
hover Label_Podval
advance 1158
key Frame_45_Key_Back_15 move
advance 340
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 262
tab TabSheet_RM_Kromkomotalka
advance 408
key Frame_45_Key_Fix_58 press left
advance 98
key Frame_45_Key_Fix_33 press right
advance 574
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 92
key Frame_45_Key_Back_15 release left
advance 479
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 934
tab TabSheet_RM_Kromkomotalka
advance 53
key Frame_45_Key_Fix_57 move
tab TabSheet_Post_1
advance 335
tab TabSheet_Post1_Pult_3
advance 470
key Frame_Button3 press left
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 558
click Image2_0
hover Image27_1
advance 868
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_11 move
advance 271
key Frame_45_Key_Fix_7 press left
hover Image_Fon2
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_2 press right
advance 1372
find 1
advance 698
key Frame_45_Key_Fix_3 move
advance 436
key Frame_45_Key_Fix_1 press left
advance 528
key Frame_45_Key_Fix_6 move
advance 739
hover Image52_0
key Frame_45_Key_Fix_2 move
advance 172
hover Image56_0
advance 98
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_5 press right
tab TabSheet_Post1_Pult_4
advance 174
key Frame_45_Key_Fix_28 press left
advance 327
tab TabSheet_Post_2
advance 478
hover Image57_3
tab TabSheet_RM_Kromkomotalka
hover Label_Post_Kromko
advance 89
hover Image49_0
advance 401
key Frame_45_Key_Fix_61 move
advance 619
hover Image25_1
key Frame_90_Key_2 move
advance 726
find 2
key Frame_45_Key_Fix_9 move
hover Image48_1
advance 237
key Frame_45_Key_Back_1 release right
advance 293
key Frame_45_Key_Fix_2 move
advance 518
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_10 press left
advance 658
key Frame_45_Key_Fix_10 press left
hover Image56_0
hover Image53_1
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_1 move
hover Image_Fon2
key Frame_45_Key_Fix_7 press right
key Frame_45_Key_Fix_6 move
advance 468
find 7
advance 61
hover Image15_0
advance 434
key Frame_45_Key_Fix_12 press left
advance 151
key Frame_45_Key_Fix_16 press left
hover Image13_Polosa_Body
advance 774
key Frame_45_Key_Fix_12 press left
advance 279
key Frame_45_Key_Fix_17 press left
advance 477
hover Image_Post_Kromko
advance 428
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_18 move
advance 605
key Frame_45_Key_Fix_18 move
advance 122
hover Label_Podval
advance 858
tab TabSheet_Post1_Pult_3
tab TabSheet_Roga
advance 660
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
key Frame_Button2 release left
advance 64
tab TabSheet_Post1_Pult_4
hover Image108_0
hover Image118_0
advance 326
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Back_3 press left
advance 1182
tab TabSheet_Post_2
advance 528
tab TabSheet_Post2_Pult_2
advance 576
find 1
advance 2138
key Frame_45_Key_Fix_3 move
advance 616
tab TabSheet_Post1_Pult_4
advance 409
key Frame_45_Key_Back_3 release left
advance 685
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Back_3 release left
advance 155
key Frame_45_Key_Fix_29 press left
hover Image_Fon2
advance 1142
tab TabSheet_Post1_Pult_3
key Frame_Button1 press left
click Image55_3
key Frame_90_Key_2 press left
foreground press 68
click Image_Fon2
advance 763
key Frame_45_Key_Fix_57 press right
advance 18
key Frame_45_Key_Fix_58 move
advance 174
key Frame_45_Key_Fix_61 move
advance 548
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_59 move
advance 1162
key Frame_45_Key_Fix_57 press left
advance 914
key Frame_45_Key_Fix_61 press right
tab TabSheet_Post_2
advance 36
tab TabSheet_Post_1
advance 403
click Image111_3
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_17 move
advance 850
key Frame_45_Key_Fix_14 move
advance 122
hover Image53_2
advance 307
key Frame_45_Key_Fix_16 move
advance 179
tab TabSheet_Post1_Pult_1
tab TabSheet_Post1_Pult_2
hover Image108_0
advance 443
hover Label_Podval
advance 17
hover Image107_0
advance 646
hover Image5_3
advance 713
key Frame_45_Key_Fix_14 press right
tab TabSheet_Roga
find 9
advance 48
key Frame_45_Key_Fix_12 press left
advance 915
key Frame_45_Key_Fix_14 press left
tab TabSheet_Post1_Pult_1
advance 63
key Frame_45_Key_Fix_6 move
hover Image53_2
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
hover Image108_0
advance 256
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
advance 445
key Frame_45_Key_Back_15 press right
find 2
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_5 move
advance 138
key Frame_45_Key_Fix_11 press right
key Frame_45_Key_Fix_5 press left
advance 437
tab TabSheet_RM_Kromkomotalka
advance 1257
key Frame_90_Key_2 press right
advance 809
key Frame_45_Key_Fix_59 move
key Frame_90_Key_2 press left
foreground press 723
click Image111_3
hover Image108_0
advance 306
key Frame_45_Key_Fix_14 press left
advance 146
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_14 move
advance 87
hover Image5_3
advance 400
key Frame_45_Key_Fix_16 press right
advance 302
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_13 move
advance 424
key Frame_45_Key_Fix_14 move
hover Image24_0
advance 70
key Frame_45_Key_Fix_15 press right
hover Image38_3
advance 549
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_1
advance 15
key Frame_45_Key_Back_1 move
advance 199
key Frame_45_Key_Back_1 release right
advance 184
click Image19_3
key Frame_45_Key_Back_3 press right
advance 381
key Frame_45_Key_Fix_26 move
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 press left
tab TabSheet_Post_2
foreground press 849
advance 585
key Frame_Krutilka4 press right
hover Image52_0
advance 179
key Frame_45_Key_Fix_44 move
hover Image53_2
key Frame_45_Key_Fix_48 press left
advance 490
key Frame_45_Key_Fix_45 move
click Image2_0
hover Image_Provodka_sprava
foreground press 192
hover Label_SizeMot_Perc
advance 97
hover Image53_2
click Button1
key Frame_45_Key_Fix_10 move
advance 54
key Frame_45_Key_Fix_1 move
advance 857
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_7 move
hover Image107_0
key Frame_45_Key_Fix_3 move
advance 413
hover Image24_0
advance 61
click Image15_1
key Frame_45_Key_Fix_17 press left
advance 225
key Frame_45_Key_Fix_18 move
tab TabSheet_Post1_Pult_3
tab TabSheet_Post_2
advance 942
key Frame_45_Key_Back_RS press left
advance 169
key Frame_45_Key_Back_RS press right
advance 946
find 9
advance 314
key Frame_45_Key_Fix_14 press right
advance 72
key Frame_45_Key_Fix_18 press right
click Image1
hover Image24_0
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 move
advance 357
hover Image_Ograda
key Frame_90_Key_2 move
advance 210
key Frame_45_Key_Fix_58 move
advance 329
tab TabSheet_Roga
foreground press 68
key Frame_45_Key_Back_15 release right
hover Image57_3
hover Image66_0
advance 371
hover Image105_0
advance 246
tab TabSheet_Post_1
advance 664
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_13 move
hover Image24_0
advance 295
hover Image57_3
key Frame_45_Key_Fix_14 press left
advance 1358
key Frame_45_Key_Fix_15 press left
advance 302
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_18 press right
advance 540
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 move
advance 449
key Frame_45_Key_Fix_29 move
advance 1037
find 9
hover Image5_3
advance 80
hover Image_Fon2
advance 178
mode 1
step 30
hover Image62_0
advance 328
click Image173_0
advance 396
key Frame_45_Key_Fix_55 move
advance 493
find 40
key Frame_45_Key_Back_14 move
advance 269
key Frame_45_Key_Back_13 press left
advance 439
hover Label_SizeRaz_Int
advance 18
key Frame_45_Key_Back_7 move
advance 1567
key Frame_45_Key_Fix_55 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 press right
advance 309
click Image2_0
advance 282
key Frame_45_Key_Fix_4 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
advance 280
key Frame_45_Key_Back_15 press left
advance 665
key Frame_45_Key_Back_15 press right
advance 857
key Frame_45_Key_Back_15 release left
hover Image170_0
hover Image172_0
advance 251
hover Image111_0
tab TabSheet_RM_Kromkomotalka
find 5
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_7 press left
advance 238
key Frame_45_Key_Fix_8 move
advance 803
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_7 press left
advance 252
hover Image_Provodka_sleva
advance 1175
key Frame_45_Key_Fix_8 press right
advance 284
key Frame_45_Key_Fix_10 move
find 2
advance 526
key Frame_45_Key_Fix_8 press left
advance 730
key Frame_45_Key_Fix_5 move
advance 764
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_2 press left
advance 244
hover Image61_0
advance 322
key Frame_45_Key_Fix_8 press left
hover Image70_3
advance 304
key Frame_45_Key_Back_1 move
advance 79
foreground press 132
click Image75_0
key Frame_45_Key_Back_13 release right
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_10 press left
advance 48
key Frame_45_Key_Back_7 move
advance 591
tab TabSheet_Post2_Pult_2
advance 624
key Frame_45_Key_Back_RS release right
advance 1011
foreground press 273
hover Image49_0
advance 73
key Frame_45_Key_Fix_44 move
key Frame_45_Key_Fix_48 press left
find 1
click Image108_0
advance 606
bare TabSheet_Post1_Pult_1
advance 1470
tab TabSheet_Roga
advance 299
hover Label_Post_Kromko
advance 210
click Image75_0
key Frame_45_Key_Back_9 move
tab TabSheet_RM_Kromkomotalka
advance 431
key Frame_45_Key_Fix_57 move
advance 1070
key Frame_45_Key_Fix_61 press left
tab TabSheet_Post_1
key Frame_45_Key_Fix_2 move
advance 1176
hover Image171_0
advance 1093
click Image66_3
advance 49
hover Image173_0
advance 394
key Frame_45_Key_Back_11 move
key Frame_45_Key_Fix_53 move
advance 1174
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_11 move
advance 431
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_13 release right
advance 1226
key Frame_45_Key_Fix_52 press left
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_10 release left
advance 430
key Frame_45_Key_Back_13 release left
advance 393
key Frame_Button8 release left
key Frame_45_Key_Back_11 release left
advance 1495
click Image64_0
advance 185
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Back_10 press left
key Frame_45_Key_Fix_51 press left
click Image170_0
key Frame_45_Key_Back_10 release left
advance 487
key Frame_45_Key_Back_8 move
advance 931
tab TabSheet_RM_Kromkomotalka
advance 399
tab TabSheet_Roga
advance 435
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
tab TabSheet_Post_1
advance 220
hover Image15_0
advance 309
foreground press 188
tab TabSheet_Post_2
advance 740
key Frame_45_Key_Back_14 release right
key Frame_45_Key_Back_10 move
advance 54
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_9 press left
key Frame_45_Key_Back_12 release left
advance 6
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Fix_54 move
advance 272
click Image31_3
key Frame_45_Key_Fix_36 press right
advance 1229
tab TabSheet_Roga
advance 128
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_2
advance 1053
click Image55_3
key Frame_45_Key_Fix_61 press left
tab TabSheet_Post_1
advance 354
hover Image52_0
advance 151
tab TabSheet_Post_2
advance 192
key Frame_45_Key_Fix_47 move
key Frame_45_Key_Back_RS release left
advance 826
find 7
advance 266
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_17 press right
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_4 press left
advance 101
tab TabSheet_Post1_Pult_3
advance 288
key Frame_45_Key_Fix_19 press left
key Frame_45_Key_Fix_21 move
advance 417
key Frame_Button1 release left
advance 427
key Frame_Button1 press left
advance 691
key Frame_45_Key_Fix_19 press right
tab TabSheet_Post1_Pult_4
hover Image65_0
key Frame_45_Key_Fix_25 move
advance 284
hover Image170_0
key Frame_45_Key_Fix_28 press left
find 40
hover Image111_0
advance 1441
key Frame_45_Key_Fix_26 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 press left
click Image170_0
advance 505
tab TabSheet_Roga
advance 520
key Frame_45_Key_Back_15 release right
find 40
hover Image49_0
tab TabSheet_Post_1
advance 905
key Frame_45_Key_Back_3 press left
advance 185
key Frame_45_Key_Fix_29 move
advance 426
hover Image172_0
advance 296
foreground press 192
key Frame_45_Key_Fix_24 press left
advance 66
step 29
# stage 29
key Frame_45_Key_Fix_26 press left
advance 246
key Frame_45_Key_Fix_23 press left
advance 1084
hover Image_Provodka_sleva
key Frame_45_Key_Back_3 press right
key Frame_45_Key_Fix_30 press right
advance 437
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_30 move
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_7 move
advance 649
click Image31_3
advance 1587
key Frame_45_Key_Fix_31 press left
key Frame_45_Key_Fix_35 press left
advance 162
hover Image24_0
key Frame_45_Key_Fix_38 press left
advance 33
hover Image7_Polosa_Body
advance 112
click Label_Post_Kromko
advance 703
tab TabSheet_Post2_Pult_3
advance 315
key Frame_45_Key_Back_14 move
advance 449
hover Image18_Polosa_Body
key Frame_45_Key_Back_10 move
key Frame_Button8 press right
advance 397
key Frame_45_Key_Back_13 press left
advance 227
key Frame_Button8 press left
advance 278
tab TabSheet_Post2_Pult_2
advance 251
tab TabSheet_Post_1
key Frame_45_Key_Back_1 press left
find 2
hover Image111_0
advance 277
click Image55_3
advance 407
tab TabSheet_Post_1
advance 276
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_7 move
tab TabSheet_Roga
advance 226
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
advance 119
key Frame_90_Key_2 move
advance 205
key Frame_45_Key_Fix_57 move
advance 691
hover Image16_Polosa_Body
advance 232
hover Image_wall
hover Image57_3
advance 350
key Frame_45_Key_Fix_59 press left
advance 1030
key Frame_45_Key_Fix_57 move
advance 297
click Image118_0
hover Image28_3
advance 693
key Frame_45_Key_Back_3 press left
key Frame_45_Key_Fix_28 press left
advance 496
hover Image55_3
advance 1032
key Frame_45_Key_Fix_23 move
advance 852
key Frame_45_Key_Fix_29 move
advance 231
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_27 press right
hover Image52_0
advance 553
key Frame_45_Key_Fix_23 move
advance 379
hover Image8_Polosa_Body
advance 436
key Frame_45_Key_Fix_25 move
advance 420
click Image46_1
advance 839
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
step 30
# stage 30
tab TabSheet_Roga
advance 5
tab TabSheet_RM_Kromkomotalka
advance 797
click Image65_0
advance 8
key Frame_45_Key_Back_9 release left
advance 1775
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Fix_53 press left
advance 311
hover Image4_Line_Left_tEnd
advance 1066
hover Image172_0
advance 385
key Frame_45_Key_Back_7 move
key Frame_45_Key_Back_9 move
tab TabSheet_Post2_Pult_2
tab TabSheet_Roga
advance 451
find 9
advance 453
hover Image171_0
key Frame_45_Key_Fix_12 press left
advance 147
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_17 move
advance 421
key Frame_45_Key_Fix_14 press left
advance 1501
key Frame_45_Key_Fix_18 press left
advance 392
find 3
advance 266
key Frame_45_Key_Back_1 move
hover Image66_0
advance 155
tab TabSheet_RM_Kromkomotalka
advance 306
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_60 press left
hover Image38_3
key Frame_45_Key_Fix_33 move
advance 692
key Frame_90_Key_2 move
advance 638
key Frame_45_Key_Fix_57 move
advance 834
hover Image57_3
advance 472
tab TabSheet_Post_1
advance 675
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 836
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 375
step 29
# stage 29
advance 374
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_1
hover Image2_0
key Frame_45_Key_Fix_2 move
foreground press 192
key Frame_45_Key_Fix_1 press left
advance 141
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_9 press left
tab TabSheet_Post1_Pult_3
advance 125
key Frame_45_Key_Fix_20 press left
key Frame_45_Key_Fix_20 press left
advance 171
find 5
tab TabSheet_Post1_Pult_4
hover Image105_0
advance 749
hover Image131_3
foreground press 803
tab TabSheet_RM_Kromkomotalka
hover Image1
window scroll 52 0
key Frame_90_Key_2 press left
advance 1454
tab TabSheet_Post_2
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 447
key Frame_45_Key_Back_15 release left
advance 421
find 3
advance 341
key Frame_45_Key_Fix_10 move
tab TabSheet_Post_2
advance 406
key Frame_45_Key_Fix_45 move
advance 1534
key Frame_45_Key_Fix_NormStop press left
advance 1843
hover Image_wall
click Image75_0
advance 466
key Frame_45_Key_Back_7 move
advance 432
hover Label10
advance 1352
hover Image19_3
advance 2262
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Back_13 release right
key Frame_45_Key_Fix_53 press right
advance 118
key Frame_45_Key_Back_7 release right
advance 423
foreground press 42
click Image64_0
tab TabSheet_Roga
advance 302
key Frame_45_Key_Back_15 press left
hover Image49_0
advance 200
key Frame_45_Key_Back_15 press left
advance 6
key Frame_45_Key_Back_15 move
advance 539
tab TabSheet_RM_Kromkomotalka
advance 130
key Frame_45_Key_Fix_58 move
advance 402
tab TabSheet_Post_1
find 5
advance 161
hover Image107_0
bare TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_1 press left
advance 483
key Frame_45_Key_Fix_1 press left
tab TabSheet_Post_2
key Frame_45_Key_Fix_53 press right
advance 34
key Frame_45_Key_Back_7 move
hover Image27_0
advance 581
key Frame_45_Key_Fix_56 move
advance 324
click Image7_0
advance 888
key Frame_45_Key_Fix_14 move
advance 647
key Frame_45_Key_Fix_14 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
advance 308
key Frame_45_Key_Fix_60 move
advance 1086
tab TabSheet_Post_1
advance 293
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_15 move
advance 581
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_17 move
advance 756
find 9
key Frame_45_Key_Fix_17 move
advance 230
hover Label_Post_Kromko
key Frame_45_Key_Fix_15 press left
hover Image28_3
advance 466
key Frame_45_Key_Fix_15 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
advance 171
key Frame_90_Key_2 move
advance 430
hover Image55_3
advance 937
key Frame_45_Key_Fix_59 move
key Frame_90_Key_2 move
hover Image_Operator
click Image75_0
tab TabSheet_RM_Kromkomotalka
advance 777
hover Button1
advance 157
key Frame_45_Key_Fix_59 move
tab TabSheet_Post_1
key Frame_45_Key_Fix_13 press left
advance 263
foreground press 68
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_15 press left
tab TabSheet_Post1_Pult_4
advance 91
step 28
# stage 28
advance 418
key Frame_45_Key_Fix_24 move
advance 1383
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_24 move
advance 442
key Frame_45_Key_Fix_25 move
advance 314
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_17 move
advance 368
find 3
hover Image_Provodka_sleva
key Frame_45_Key_Fix_2 press left
advance 177
tab TabSheet_RM_Kromkomotalka
advance 68
tab TabSheet_Roga
mode 1
step 30
# stage 30
advance 539
key Frame_45_Key_Back_15 press left
advance 4
key Frame_45_Key_Back_15 release left
hover Image_Provodka_sprava
advance 375
hover Image_Fon2
tab TabSheet_Post_1
advance 425
hover Image_Provodka_sprava
find 40
advance 709
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_7 move
tab TabSheet_RM_Kromkomotalka
advance 473
tab TabSheet_Roga
advance 565
step 30
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
hover Image_Fon2
advance 256
key Frame_45_Key_Back_15 press left
advance 409
click Image111_0
key Frame_45_Key_Fix_16 move
advance 890
key Frame_45_Key_Fix_16 press left
advance 1683
key Frame_45_Key_Fix_13 press right
advance 101
step 30
key Frame_45_Key_Fix_15 move
advance 364
key Frame_45_Key_Fix_14 move
advance 691
key Frame_45_Key_Fix_17 press right
step 29
# stage 29
key Frame_45_Key_Fix_14 press left
advance 352
hover Label_SizeMot_Perc
advance 732
key Frame_45_Key_Fix_18 press left
advance 54
key Frame_45_Key_Fix_15 move
advance 570
key Frame_45_Key_Fix_14 press right
advance 64
foreground press 100
advance 174
key Frame_45_Key_Fix_12 press left
tab TabSheet_Post_2
advance 308
key Frame_45_Key_Fix_51 press left
advance 744
key Frame_45_Key_Back_11 move
advance 139
tab TabSheet_Roga
advance 391
hover Image_Provodka_sleva
key Frame_45_Key_Back_15 move
hover Image_Fon2
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 295
key Frame_45_Key_Back_15 release left
advance 420
key Frame_45_Key_Back_15 release right
tab TabSheet_RM_Kromkomotalka
foreground press 42
click Image_Fon2
advance 1007
key Frame_45_Key_Fix_58 press left
advance 160
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 move
advance 113
hover Image24_0
key Frame_45_Key_Fix_59 move
advance 1122
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_33 press right
advance 438
hover Image51_3
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_58 press left
advance 216
find 1
key Frame_45_Key_Back_1 release left
advance 456
tab TabSheet_Roga
advance 329
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
hover Image56_0
advance 330
key Frame_45_Key_Back_15 release right
advance 1059
key Frame_45_Key_Back_15 move
advance 453
tab TabSheet_Post_1
hover Label_Post_Kromko
key Frame_45_Key_Fix_6 press left
advance 216
key Frame_45_Key_Back_1 press left
advance 1461
tab TabSheet_Post1_Pult_4
advance 310
hover Image56_0
key Frame_45_Key_Fix_30 move
tab TabSheet_RM_Kromkomotalka
advance 665
key Frame_45_Key_Fix_33 move
advance 316
tab TabSheet_Post_1
advance 1197
key Frame_45_Key_Fix_27 move
advance 570
hover Image_Provodka_sprava
tab TabSheet_Post1_Pult_1
tab TabSheet_Post1_Pult_2
advance 459
key Frame_45_Key_Fix_13 press left
advance 54
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 156
hover Image_Provodka_sprava
advance 329
key Frame_45_Key_Back_15 press left
advance 600
hover Image_Fon2
advance 430
key Frame_45_Key_Back_15 release left
advance 447
key Frame_45_Key_Back_15 release left
advance 11
key Frame_45_Key_Back_15 move
advance 907
key Frame_45_Key_Back_15 release left
hover Image_Fon2
advance 400
key Frame_45_Key_Back_15 press right
advance 366
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 25
key Frame_45_Key_Back_15 press left
advance 396
find 3
key Frame_45_Key_Fix_1 press left
advance 366
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_8 press left
advance 1021
tab TabSheet_Roga
hover Image5_3
advance 639
key Frame_45_Key_Back_15 press right
find 40
advance 425
hover Image52_0
hover Image106_0
advance 676
key Frame_45_Key_Back_15 press left
advance 126
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
hover Image108_0
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
advance 187
key Frame_45_Key_Fix_7 press right
advance 306
click Image2_0
advance 897
key Frame_45_Key_Back_1 release left
advance 447
tab TabSheet_Post1_Pult_4
advance 587
key Frame_45_Key_Fix_27 press right
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Back_3 release left
click Image24_0
advance 533
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_28 press left
advance 377
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_26 move
advance 399
tab TabSheet_Post_2
key Frame_45_Key_Back_9 release left
tab TabSheet_Post2_Pult_1
advance 1026
click Image55_3
advance 1059
tab TabSheet_Post_2
advance 266
find 40
advance 120
hover Image_FixRolTop
advance 1017
key Frame_45_Key_Fix_32 move
advance 803
hover Image108_0
tab TabSheet_Post2_Pult_2
advance 724
hover Label_Post_Kromko
advance 449
key Frame_Button6 press left
hover Image111_0
advance 386
click Image65_0
key Frame_45_Key_Back_7 release right
advance 527
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Fix_51 press left
advance 1441
key Frame_45_Key_Fix_52 press left
advance 600
click Image111_0
advance 264
click Image108_0
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_11 press right
advance 312
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Back_1 release left
advance 244
hover Image118_0
advance 200
key Frame_45_Key_Fix_10 move
advance 343
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_15 move
advance 794
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_18 move
advance 731
key Frame_45_Key_Fix_18 press right
hover Image1
advance 326
key Frame_45_Key_Fix_13 move
advance 195
key Frame_45_Key_Fix_14 press left
advance 1587
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_15 move
advance 369
click Image_Diagonal_Right_4
advance 404
key Frame_45_Key_Fix_13 press left
advance 183
key Frame_45_Key_Fix_17 move
advance 682
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_15 press left
advance 1091
key Frame_45_Key_Fix_15 move
hover Image2
advance 641
key Frame_45_Key_Fix_16 press right
key Frame_45_Key_Fix_13 press left
advance 214
hover Label_Podval
advance 493
key Frame_45_Key_Fix_12 move
advance 416
hover Image52_0
hover Image55_3
key Frame_45_Key_Fix_17 move
hover Image52_0
advance 459
key Frame_45_Key_Fix_17 press right
hover Label_Baraban_Motalki
advance 92
key Frame_45_Key_Fix_13 move
advance 251
hover Image8_Polosa_Body
key Frame_45_Key_Fix_17 move
hover Image31_3
find 6
advance 810
key Frame_45_Key_Fix_6 press left
advance 1011
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_4 move
advance 1221
tab TabSheet_Post1_Pult_2
advance 16
key Frame_45_Key_Fix_13 press left
hover Image53_3
hover Image_Provodka_sleva
advance 276
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_17 move
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_5 move
hover Label_Podval
hover Button1
tab TabSheet_Post1_Pult_2
hover Image131_3
advance 75
key Frame_45_Key_Fix_12 press left
hover Label_Podval
advance 362
hover Image66_0
advance 827
find 9
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_13 press right
advance 1433
key Frame_45_Key_Fix_18 press left
hover Image173_0
advance 357
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_17 press left
advance 838
key Frame_45_Key_Fix_17 press right
hover Image105_0
advance 287
find 5
advance 240
key Frame_45_Key_Fix_8 press left
advance 161
key Frame_45_Key_Back_1 press left
advance 293
window scroll 0 0
advance 1069
key Frame_45_Key_Fix_2 move
advance 1374
find 5
advance 148
key Frame_45_Key_Fix_7 press left
tab TabSheet_Post1_Pult_4
advance 808
hover Image56_0
advance 1689
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_28 press left
click Image118_0
key Frame_45_Key_Fix_29 move
advance 647
tab TabSheet_Post1_Pult_2
advance 764
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_12 move
tab TabSheet_Roga
tab TabSheet_Post_1
hover Image2
key Frame_45_Key_Fix_17 move
advance 1109
tab TabSheet_Roga
tab TabSheet_Post_2
advance 734
find 3
advance 1822
key Frame_45_Key_Fix_2 move
advance 378
key Frame_45_Key_Fix_5 press left
advance 223
key Frame_45_Key_Fix_7 press left
advance 316
find 4
advance 27
foreground press 68
advance 93
hover Image172_0
advance 313
hover Image52_0
hover Image_Operator
click Image38_3
hover Image22_0
advance 355
key Frame_45_Key_Fix_37 move
advance 143
hover Image171_0
advance 14
key Frame_45_Key_Fix_39 move
advance 147
tab TabSheet_RM_Kromkomotalka
hover Image55_3
advance 432
key Frame_45_Key_Fix_60 move
tab TabSheet_Roga
advance 316
key Frame_45_Key_Back_15 release left
advance 263
tab TabSheet_Post_1
key Frame_45_Key_Fix_1 move
hover Image71_0
advance 567
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 move
advance 176
key Frame_45_Key_Fix_26 move
advance 110
key Frame_45_Key_Fix_24 move
advance 473
tab TabSheet_Post_2
advance 705
tab TabSheet_Post2_Pult_3
advance 1508
hover Image173_0
advance 649
tab TabSheet_Post_1
advance 681
tab TabSheet_Post_2
key Frame_45_Key_Back_10 move
advance 156
key Frame_45_Key_Back_11 press left
key Frame_Button8 release left
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_39 press left
advance 141
tab TabSheet_RM_Kromkomotalka
advance 145
key Frame_45_Key_Fix_60 press right
key Frame_45_Key_Fix_61 press right
key Frame_45_Key_Fix_59 press right
advance 414
key Frame_45_Key_Fix_58 move
advance 93
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_61 press right
advance 604
hover Image_Operator
advance 171
hover Label_Baraban_Motalki
hover Image173_0
advance 469
key Frame_90_Key_2 move
foreground press 763
advance 635
hover Image105_0
key Frame_45_Key_Fix_58 press left
advance 144
key Frame_45_Key_Fix_58 press left
tab TabSheet_Post_2
hover Image_wall
hover Label_Baraban_Razmativatela
advance 761
hover Image_Kromka_3
key Frame_45_Key_Fix_35 move
advance 159
hover Image7_Polosa_Body
key Frame_45_Key_Fix_31 move
advance 257
key Frame_45_Key_Fix_37 move
tab TabSheet_Post2_Pult_2
advance 182
hover Image38_3
advance 491
hover Image172_0
advance 291
key Frame_Button6 press right
key Frame_45_Key_Back_RS release left
key Frame_45_Key_Back_5 press left
key Frame_45_Key_Back_5 release left
click Image53_3
advance 597
key Frame_45_Key_Back_4 press left
key Frame_45_Key_Fix_41 move
foreground press 68
click Image_Fon2
bare TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_35 move
advance 231
key Frame_45_Key_Fix_38 press left
advance 692
hover Image_wall
advance 632
key Frame_45_Key_Fix_37 press left
advance 792
tab TabSheet_Post2_Pult_2
hover Image2
advance 646
tab TabSheet_Post_1
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_30 move
advance 276
find 5
advance 1802
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_2 move
advance 1714
key Frame_45_Key_Fix_3 move
advance 1075
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_9 move
hover Image111_0
advance 168
key Frame_45_Key_Fix_4 move
advance 1567
hover Image_Provodka_sprava
hover Image1
key Frame_45_Key_Fix_6 press left
advance 351
key Frame_45_Key_Fix_7 press left
advance 590
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_7 press right
key Frame_45_Key_Fix_2 move
advance 733
key Frame_45_Key_Fix_10 press left
advance 739
hover Label_Post_Kromko
advance 360
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_4 press left
advance 661
hover Image_Fon2
key Frame_45_Key_Fix_11 move
advance 1193
find 3
advance 466
tab TabSheet_Post_2
key Frame_45_Key_Fix_48 press left
advance 335
step 28
# stage 28
advance 756
tab TabSheet_Post2_Pult_1
tab TabSheet_Post2_Pult_3
hover Image_Provodka_sleva
advance 1282
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 347
find 2
advance 108
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_6 move
advance 68
step 29
# stage 29
key Frame_45_Key_Fix_5 move
hover Image_Fon2
advance 397
hover Image_Fon2
hover Image7_0
tab TabSheet_Post1_Pult_4
advance 94
hover Image27_0
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Fix_24 move
hover Image131_1
key Frame_45_Key_Fix_22 press left
advance 1496
foreground press 849
key Frame_45_Key_Fix_24 press right
advance 343
hover Image18_0
advance 1731
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_61 press left
mode 1
step 30
# stage 30
key Frame_45_Key_Fix_59 press right
advance 377
hover Button1
advance 400
hover Image65_0
hover Image61_0
key Frame_45_Key_Fix_60 press left
advance 52
hover Image65_0
advance 290
step 29
# stage 29
tab TabSheet_Post_1
key Frame_45_Key_Fix_27 press left
advance 2294
key Frame_45_Key_Fix_29 press left
advance 437
key Frame_45_Key_Fix_28 move
find 7
key Frame_45_Key_Fix_17 press right
advance 443
key Frame_45_Key_Fix_17 move
advance 135
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_15 press right
advance 841
key Frame_45_Key_Fix_16 move
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Back_3 press left
advance 813
key Frame_45_Key_Fix_28 move
advance 334
hover Image_Fon2
hover Image_Diagonal_Right_4
tab TabSheet_RM_Kromkomotalka
advance 515
tab TabSheet_Roga
advance 120
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press left
advance 1507
key Frame_45_Key_Back_15 press left
advance 205
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 296
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
foreground press 42
click Image_Fon2
hover Image118_0
advance 412
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 551
key Frame_45_Key_Back_15 move
advance 746
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 564
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press left
advance 428
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
advance 672
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
advance 317
key Frame_45_Key_Back_3 release left
advance 1107
hover Image55_0
key Frame_45_Key_Fix_27 move
advance 389
key Frame_45_Key_Fix_24 move
advance 314
key Frame_45_Key_Fix_25 move
hover Image111_0
advance 73
find 2
advance 810
key Frame_45_Key_Fix_3 move
advance 231
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_7 move
advance 167
key Frame_45_Key_Fix_5 move
advance 179
hover Image38_3
foreground press 234
advance 207
click Image_Post_Kromko
advance 439
hover Image13_Polosa_Body
advance 420
hover Image55_0
advance 848
key Frame_45_Key_Fix_4 move
advance 993
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_30 press left
advance 808
key Frame_45_Key_Back_3 press right
advance 185
key Frame_45_Key_Fix_22 move
find 3
advance 41
tab TabSheet_Post_2
advance 87
key Frame_45_Key_Back_14 release left
advance 249
hover Image52_0
tab TabSheet_Post_1
key Frame_45_Key_Fix_9 move
advance 229
hover Label_Post_Kromko
advance 1201
key Frame_45_Key_Fix_7 press left
advance 795
key Frame_45_Key_Fix_11 move
advance 324
key Frame_45_Key_Fix_3 move
tab TabSheet_Post1_Pult_4
advance 1305
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 press left
advance 812
key Frame_45_Key_Fix_13 move
advance 1100
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_12 move
advance 197
tab TabSheet_RM_Kromkomotalka
advance 408
key Frame_90_Key_2 move
key Frame_45_Key_Fix_59 press left
advance 83
key Frame_45_Key_Fix_33 move
hover Image22_3
advance 1515
tab TabSheet_Post_1
advance 1363
foreground press 723
click Image_Diagonal_Right_4
advance 476
hover Image_wall
advance 498
tab TabSheet_Post1_Pult_3
key Frame_Button2 press right
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_Button2 press left
advance 69
tab TabSheet_Post_2
hover Image56_0
key Frame_45_Key_Fix_53 move
tab TabSheet_Post2_Pult_1
key Frame_90_Key_1 move
key Frame_Button4 press left
advance 373
tab TabSheet_Post2_Pult_2
advance 1085
click Image131_1
key Frame_45_Key_Fix_40 press left
advance 988
key Frame_45_Key_Fix_39 press right
key Frame_Button4 release left
advance 578
key Frame_45_Key_Fix_41 move
advance 514
click Image51_3
advance 338
key Frame_45_Key_Fix_61 press right
advance 345
key Frame_45_Key_Fix_59 move
hover Label_Post_Kromko
key Frame_90_Key_2 press right
advance 2235
key Frame_90_Key_2 move
advance 117
hover Image_Provodka_sprava
key Frame_45_Key_Fix_61 press left
find 1
step 28
# stage 28
key Frame_45_Key_Back_1 release left
hover Image_FixRolLow
key Frame_45_Key_Fix_6 move
advance 1428
key Frame_45_Key_Fix_1 press left
hover Image4_Line_Left_tEnd
hover Image_Fon2
key Frame_45_Key_Fix_10 press left
advance 447
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_1 press left
advance 331
hover Image_FixRolTop
advance 324
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_8 move
advance 535
key Frame_45_Key_Fix_11 press left
hover Image71_0
advance 288
key Frame_45_Key_Back_1 move
advance 191
key Frame_45_Key_Fix_4 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 395
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 249
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press right
advance 388
tab TabSheet_Post_1
advance 463
key Frame_45_Key_Fix_1 move
tab TabSheet_Roga
advance 435
key Frame_45_Key_Back_15 move
hover Image106_0
advance 1637
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 498
click Image111_0
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 move
advance 802
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 press right
advance 88
key Frame_45_Key_Fix_58 press left
advance 258
hover Label_Podval
advance 499
key Frame_45_Key_Fix_60 move
advance 995
hover Image_wall
advance 476
tab TabSheet_Roga
advance 283
hover Image_Post_Kromko
key Frame_45_Key_Back_15 release left
advance 114
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 452
key Frame_45_Key_Back_15 press left
advance 651
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release right
advance 677
find 7
advance 28
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 108
hover Label_Post_Kromko
hover Image_FixRolLow
advance 158
tab TabSheet_Post_2
tab TabSheet_RM_Kromkomotalka
hover Image106_0
advance 275
tab TabSheet_Post_1
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_13 press right
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_14 press left
find 40
key Frame_45_Key_Fix_16 move
advance 306
tab TabSheet_Roga
advance 94
hover Label_Podval
advance 1184
tab TabSheet_Post_2
advance 222
hover Image108_0
advance 491
key Frame_Button4 release right
find 40
key Frame_45_Key_Fix_37 move
hover Image106_0
key Frame_45_Key_Fix_40 move
hover Image22_0
advance 259
key Frame_90_Key_1 press left
hover Image_wall
hover Image108_0
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 709
key Frame_45_Key_Fix_59 move
advance 299
hover Image107_0
advance 874
key Frame_45_Key_Fix_58 press left
advance 326
key Frame_90_Key_2 move
key Frame_45_Key_Fix_61 press left
advance 824
key Frame_45_Key_Fix_60 move
hover Image108_0
advance 203
hover Image_Diagonal_Right_4
advance 512
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 574
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 378
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_2
advance 829
key Frame_45_Key_Fix_31 move
advance 454
hover Image28_3
click Label_Baraban_Razmativatela
advance 800
find 5
key Frame_45_Key_Fix_1 press left
advance 27
foreground press 234
key Frame_45_Key_Fix_6 move
foreground press 192
hover Label_SizeRaz_Int
advance 436
key Frame_45_Key_Fix_9 press left
advance 406
foreground press 849
advance 1906
key Frame_45_Key_Fix_5 press left
find 3
advance 575
hover Image56_0
advance 695
key Frame_45_Key_Fix_4 press left
advance 458
hover Button1
advance 688
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Back_1 move
hover Image25_Polosa_Body
advance 57
find 1
advance 748
key Frame_45_Key_Fix_5 press left
advance 571
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
advance 461
key Frame_45_Key_Fix_60 press right
advance 419
key Frame_45_Key_Fix_59 press left
advance 120
tab TabSheet_Post_2
hover Image54_0
foreground press 42
click Image_Fon2
hover Image46_1
advance 465
key Frame_45_Key_Fix_31 move
hover Image57_3
advance 288
tab TabSheet_Post2_Pult_2
advance 427
key Frame_45_Key_Fix_44 press left
advance 415
key Frame_45_Key_Fix_45 move
tab TabSheet_Post_1
advance 810
key Frame_45_Key_Fix_4 move
advance 515
find 6
advance 2000
hover Image57_3
tab TabSheet_Post1_Pult_4
advance 127
key Frame_45_Key_Back_3 move
advance 257
key Frame_45_Key_Fix_29 move
advance 518
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Back_3 press left
key Frame_45_Key_Fix_25 move
advance 487
hover Label_Post_Kromko
advance 128
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_1
advance 1129
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_27 move
advance 138
hover Image105_0
key Frame_45_Key_Fix_29 press left
advance 468
key Frame_45_Key_Fix_22 press left
click Image111_3
advance 613
tab TabSheet_Post1_Pult_3
tab TabSheet_RM_Kromkomotalka
advance 727
hover Image_Provodka_sprava
key Frame_45_Key_Fix_58 move
advance 172
key Frame_45_Key_Fix_59 move
advance 63
key Frame_90_Key_2 move
key Frame_45_Key_Fix_57 press left
advance 217
key Frame_45_Key_Fix_33 press right
advance 283
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_58 press left
advance 273
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 press left
advance 396
tab TabSheet_Post_2
advance 945
key Frame_Button_Beep press right
key Frame_45_Key_Back_5 release left
hover Image107_0
advance 159
tab TabSheet_RM_Kromkomotalka
advance 463
hover Image55_0
find 9
key Frame_45_Key_Fix_13 press left
advance 321
hover Label_Baraban_Razmativatela
advance 40
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_12 press right
advance 429
hover Label_Baraban_Razmativatela
advance 393
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 press left
advance 465
key Frame_45_Key_Fix_57 press left
hover Image57_3
key Frame_45_Key_Fix_59 press left
advance 609
key Frame_45_Key_Fix_60 move
advance 536
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_61 press left
advance 265
hover Image106_0
key Frame_45_Key_Fix_59 press left
advance 327
tab TabSheet_Roga
hover Image31_1
advance 552
hover Image105_0
advance 207
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 376
key Frame_45_Key_Back_15 press right
tab TabSheet_RM_Kromkomotalka
advance 145
key Frame_45_Key_Fix_57 press left
advance 28
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_57 move
advance 1074
key Frame_45_Key_Fix_33 press left
click Image22_3
key Frame_45_Key_Back_3 press right
key Frame_45_Key_Fix_28 move
advance 405
key Frame_45_Key_Fix_27 press left
advance 722
tab TabSheet_Post1_Pult_1
advance 42
key Frame_45_Key_Fix_1 press left
hover Image108_0
click Image25_2
advance 351
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_26 move
advance 320
hover Image4_Polosa_Body
advance 432
key Frame_45_Key_Fix_26 move
advance 1458
key Frame_45_Key_Fix_28 press right
key Frame_45_Key_Fix_25 move
advance 179
tab TabSheet_Post_2
advance 22
hover Image56_0
advance 472
key Frame_Krutilka3 press left
advance 505
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 347
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 276
hover Image1
key Frame_45_Key_Back_15 move
advance 1002
tab TabSheet_Post_1
advance 1299
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Back_3 press left
advance 890
key Frame_45_Key_Fix_22 press left
advance 79
key Frame_45_Key_Fix_22 press right
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_22 move
advance 216
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Back_3 move
advance 388
key Frame_45_Key_Back_3 press left
advance 385
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_27 move
advance 485
key Frame_45_Key_Fix_24 move
advance 352
key Frame_45_Key_Fix_25 move
advance 329
key Frame_45_Key_Back_3 press left
key Frame_45_Key_Fix_22 press right
advance 299
key Frame_45_Key_Fix_23 move
advance 229
key Frame_45_Key_Fix_23 move
find 6
advance 281
hover Image105_0
key Frame_45_Key_Fix_9 press left
advance 444
click Label_Post_Kromko
hover Image_wall
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_14 press left
advance 315
key Frame_45_Key_Fix_15 press left
advance 212
mode 1
step 30
# stage 30
tab TabSheet_Post1_Pult_3
advance 500
tab TabSheet_Post1_Pult_2
advance 464
hover Image28_3
advance 135
key Frame_45_Key_Fix_14 press left
find 6
advance 31
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_1 move
tab TabSheet_Post1_Pult_2
advance 228
key Frame_45_Key_Fix_14 move
tab TabSheet_Post1_Pult_1
advance 709
hover Image_Provodka_sleva
advance 111
key Frame_45_Key_Fix_1 press right
tab TabSheet_Post1_Pult_4
bare TabSheet_Post1_Pult_4
hover Image173_0
advance 408
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press left
advance 893
find 2
advance 1286
key Frame_45_Key_Fix_5 press left
foreground press 234
advance 470
hover Image_wall
advance 750
key Frame_45_Key_Back_1 press left
click Image171_0
advance 87
tab TabSheet_Roga
hover Image53_2
advance 143
hover Image105_0
advance 117
key Frame_45_Key_Back_15 move
advance 2
hover Image173_0
advance 108
find 5
advance 1009
key Frame_45_Key_Fix_11 press right
key Frame_45_Key_Fix_6 move
tab TabSheet_Roga
advance 690
hover Image106_0
advance 241
hover Image66_0
hover Button1
advance 270
hover Image64_0
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
advance 443
key Frame_45_Key_Fix_10 press right
hover Image105_0
advance 312
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_2 move
find 6
advance 227
key Frame_45_Key_Fix_5 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 347
hover Image1
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 605
key Frame_45_Key_Fix_52 press left
advance 422
key Frame_45_Key_Back_14 move
advance 246
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Fix_55 press right
click Image66_0
key Frame_45_Key_Back_13 press left
key Frame_45_Key_Fix_55 move
bare TabSheet_Post2_Pult_3
advance 51
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_11 release right
advance 465
key Frame_45_Key_Fix_51 press right
advance 421
key Frame_45_Key_Back_11 move
advance 489
key Frame_45_Key_Back_9 move
find 7
advance 268
key Frame_45_Key_Fix_17 move
advance 1166
hover Image61_0
hover Image_Provodka_sprava
advance 840
key Frame_45_Key_Fix_18 press right
advance 917
key Frame_45_Key_Fix_14 move
click Image_Diagonal_Right_4
hover Image5_3
key Frame_45_Key_Fix_17 move
advance 465
hover Image106_0
advance 791
key Frame_45_Key_Fix_17 press left
advance 566
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_12 press right
key Frame_45_Key_Fix_18 move
advance 71
key Frame_45_Key_Fix_16 press left
click Image111_0
advance 756
hover Image106_0
key Frame_45_Key_Fix_13 press left
advance 441
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_15 move
hover Image61_0
advance 1724
key Frame_45_Key_Fix_15 move
advance 13
tab TabSheet_Post1_Pult_4
find 3
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_3 move
tab TabSheet_Post1_Pult_4
advance 305
tab TabSheet_Post1_Pult_2
advance 630
key Frame_45_Key_Fix_12 move
advance 133
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_16 move
advance 637
key Frame_45_Key_Fix_13 move
advance 184
click Image131_1
advance 1008
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
advance 195
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_14 press right
hover Image7_0
key Frame_45_Key_Fix_15 press left
hover Image107_0
advance 362
hover Label_Baraban_Razmativatela
advance 953
key Frame_45_Key_Fix_18 press right
advance 630
hover Image107_0
click Image64_0
advance 300
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 619
key Frame_45_Key_Back_15 release left
advance 412
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
advance 648
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 802
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 move
advance 699
key Frame_45_Key_Fix_60 press left
hover Image55_3
advance 272
hover Image53_2
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_61 press right
advance 35
key Frame_90_Key_2 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
advance 593
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 36
key Frame_45_Key_Back_15 move
advance 52
find 40
tab TabSheet_Post_2
advance 144
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_11 move
advance 498
key Frame_45_Key_Back_9 press left
advance 383
key Frame_45_Key_Fix_56 press left
find 41
key Frame_45_Key_Back_14 release left
advance 241
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_32 press left
key Frame_45_Key_Fix_32 move
tab TabSheet_Post2_Pult_2
advance 803
hover Image173_0
advance 649
key Frame_45_Key_Fix_44 move
advance 1259
key Frame_Button7 release right
advance 497
click Image53_2
advance 422
key Frame_45_Key_Fix_35 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 278
hover Image172_0
advance 369
hover Image105_0
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
advance 355
key Frame_45_Key_Fix_57 press left
advance 701
key Frame_45_Key_Fix_59 press left
advance 684
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_59 press right
click Image_Invisible_9
advance 132
key Frame_45_Key_Fix_17 press left
advance 305
key Frame_45_Key_Fix_16 press left
advance 256
key Frame_45_Key_Fix_15 press left
advance 218
hover Image_Post_Kromko
hover Image173_0
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_18 move
advance 595
tab TabSheet_Post1_Pult_1
advance 142
tab TabSheet_Post1_Pult_4
advance 831
hover Image107_0
advance 239
tab TabSheet_Post_2
hover Image_wall
key Frame_45_Key_Fix_31 move
advance 397
hover Image7_Polosa_Body
key Frame_45_Key_Fix_37 move
advance 202
key Frame_45_Key_Back_4 press left
advance 297
key Frame_45_Key_Fix_36 press left
advance 171
key Frame_45_Key_Fix_35 move
key Frame_45_Key_Fix_39 move
advance 395
key Frame_45_Key_Fix_38 move
tab TabSheet_Post2_Pult_2
advance 424
key Frame_45_Key_Fix_49 move
key Frame_Button_Beep release left
find 40
advance 643
tab TabSheet_Post2_Pult_1
advance 480
hover Image5_3
advance 652
key Frame_45_Key_Fix_32 press left
advance 436
key Frame_45_Key_Fix_39 move
key Frame_45_Key_Back_4 press left
window scroll 52 0
advance 348
hover Label_Baraban_Motalki
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_48 press left
key Frame_45_Key_Back_5 press left
key Frame_45_Key_Back_5 release left
key Frame_45_Key_Fix_46 press left
hover Image_Fon2
advance 464
key Frame_45_Key_Fix_43 press left
advance 156
hover Image107_0
key Frame_Button7 release left
advance 838
click Image149_0
advance 808
tab TabSheet_Post2_Pult_3
tab TabSheet_Roga
advance 138
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 934
tab TabSheet_RM_Kromkomotalka
advance 831
key Frame_90_Key_2 press left
click Image69_2
advance 152
key Frame_45_Key_Fix_56 press left
advance 150
key Frame_45_Key_Fix_54 press right
advance 192
key Frame_45_Key_Fix_52 press left
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Back_12 release left
hover Image65_0
advance 226
click Image2
key Frame_45_Key_Back_10 move
tab TabSheet_Roga
advance 448
key Frame_45_Key_Back_15 move
find 2
advance 955
bare TabSheet_Post1_Pult_1
advance 48
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_11 move
advance 139
key Frame_45_Key_Fix_10 move
hover Image57_3
advance 239
key Frame_45_Key_Fix_6 press left
advance 648
key Frame_45_Key_Back_1 press right
advance 46
key Frame_45_Key_Fix_9 move
tab TabSheet_Roga
advance 469
key Frame_45_Key_Back_15 release left
advance 303
hover Image173_0
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 574
key Frame_45_Key_Back_13 release left
hover Label_Baraban_Motalki
advance 320
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Fix_56 press left
advance 447
hover Image_Diagonal_Right_3
advance 377
tab TabSheet_Post_1
hover Image70_3
find 1
advance 748
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_10 move
advance 331
key Frame_45_Key_Fix_1 press right
key Frame_45_Key_Fix_5 press right
advance 505
key Frame_45_Key_Fix_10 move
advance 403
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 press left
advance 431
key Frame_45_Key_Fix_33 press left
advance 1439
tab TabSheet_Post_2
hover Button1
advance 442
key Frame_45_Key_Back_10 press left
advance 602
key Frame_45_Key_Back_13 release left
hover Image172_0
advance 1014
click Image_Diagonal_Right_3
advance 686
key Frame_45_Key_Back_10 press left
hover Image_Fon2
key Frame_45_Key_Back_11 press left
hover Image_Fon2
advance 809
key Frame_45_Key_Back_8 move
hover Image54_0
key Frame_45_Key_Back_8 release left
advance 410
tab TabSheet_Post2_Pult_2
advance 231
hover Image48_0
advance 307
find 2
advance 1075
bare TabSheet_Post1_Pult_1
click Image172_0
key Frame_45_Key_Back_9 press left
advance 437
key Frame_45_Key_Back_8 move
key Frame_45_Key_Back_14 release right
hover Image_Post_Kromko
key Frame_45_Key_Fix_53 move
advance 725
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_13 move
tab TabSheet_RM_Kromkomotalka
advance 177
tab TabSheet_Post_2
advance 1983
key Frame_45_Key_Fix_52 move
advance 43
key Frame_45_Key_Back_9 release right
advance 464
key Frame_45_Key_Fix_55 move
advance 691
key Frame_Button8 release left
advance 406
key Frame_45_Key_Back_7 move
advance 490
hover Label_SizeMot_Perc
key Frame_45_Key_Back_8 release left
advance 859
key Frame_45_Key_Fix_51 move
hover Label_Post_Kromko
advance 631
key Frame_45_Key_Back_9 press right
key Frame_45_Key_Fix_52 press left
advance 486
key Frame_45_Key_Back_10 press right
find 40
key Frame_45_Key_Fix_52 press left
advance 738
key Frame_45_Key_Back_12 move
key Frame_45_Key_Fix_56 press left
advance 358
tab TabSheet_Post2_Pult_2
hover Image_Diagonal_Right_3
advance 383
click Image1_0
advance 232
key Frame_45_Key_Fix_11 move
advance 443
key Frame_45_Key_Fix_1 press left
tab TabSheet_Roga
advance 232
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
hover Label_Baraban_Motalki
advance 878
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
hover Image2
advance 345
key Frame_45_Key_Back_15 move
hover Image_Diagonal_Right_3
advance 533
key Frame_45_Key_Back_15 move
advance 432
tab TabSheet_RM_Kromkomotalka
advance 314
key Frame_45_Key_Fix_57 press left
advance 59
key Frame_45_Key_Fix_57 move
advance 1064
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_61 press right
advance 248
tab TabSheet_Post_2
key Frame_45_Key_Fix_49 move
mode 1
advance 495
click Image64_0
advance 281
key Frame_45_Key_Fix_51 move
advance 203
key Frame_45_Key_Fix_55 press left
advance 295
hover Image7_Polosa_Body
key Frame_45_Key_Fix_53 press left
advance 737
mode 2
advance 297
key Frame_45_Key_Back_12 move
advance 497
# stage 32
key Frame_Button8 press left
advance 419
click Image10_3
advance 991
hover Image28_3
advance 497
hover Image61_0
key Frame_45_Key_Back_13 move
advance 559
# stage 33
tab TabSheet_Post_1
key Frame_45_Key_Fix_17 move
advance 439
key Frame_45_Key_Fix_13 move
advance 108
find 9
advance 99
tab TabSheet_Post_1
advance 1237
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_12 press right
advance 216
key Frame_45_Key_Fix_13 move
advance 85
tab TabSheet_Roga
advance 66
hover Image46_1
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 151
pass
hover Image24_Polosa_Body
advance 504
click Image60_0
advance 724
# stage 34
key Frame_45_Key_Fix_53 press left
key Frame_45_Key_Fix_52 move
hover Image1_0
key Frame_45_Key_Back_7 release right
advance 288
key Frame_45_Key_Back_13 release right
advance 572
# stage 35
key Frame_45_Key_Back_4 press right
key Frame_90_Key_1 move
advance 429
key Frame_45_Key_Fix_35 press left
advance 405
click Image27_2
advance 740
tab TabSheet_Post1_Pult_2
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
advance 982
# stage 37
hover Image36_Polosa_Body
advance 769
# stage 38
key Frame_45_Key_Back_12 press left
advance 906
click Image75_0
key Frame_45_Key_Fix_51 press right
advance 439
key Frame_45_Key_Back_7 release left
advance 90
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_7 press left
advance 387
# stage 44
foreground press 100
advance 136
key Frame_45_Key_Back_12 press right
advance 501
pass
advance 56
key Frame_45_Key_Back_7 press right
key Frame_45_Key_Back_14 move
advance 134
hover Image70_3
advance 361
key Frame_45_Key_Back_7 press left
advance 445
window scroll 0 0
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Fix_55 move
advance 482
hover Image172_0
advance 460
# stage 45
hover Image149_0
tab TabSheet_Roga
tab TabSheet_Post_2
hover Image_FixRolTop
key Frame_45_Key_Back_14 move
advance 387
hover Image75_0
pass
advance 803
tab TabSheet_Post2_Pult_1
tab TabSheet_Post2_Pult_2
advance 228
key Frame_45_Key_Fix_49 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
tab TabSheet_RM_Kromkomotalka
mode 1
step 30
# stage 30
advance 54
# stage 31
key Frame_45_Key_Fix_61 press right
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 move
hover Image18_Polosa_Body
advance 491
find 6
advance 427
hover Button1
advance 343
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_2 press left
advance 260
drag press 58
hover Image_Rolik
advance 410
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_5 move
advance 21
click Image25_2
key Frame_45_Key_Fix_30 move
advance 323
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_26 move
hover Image28_3
key Frame_45_Key_Fix_29 move
tab TabSheet_Post1_Pult_1
foreground press 723
advance 506
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_7 move
advance 111
click Image61_0
hover Image61_0
key Frame_45_Key_Back_11 move
key Frame_45_Key_Back_8 move
advance 107
key Frame_45_Key_Back_7 release right
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Back_7 press right
advance 572
key Frame_45_Key_Fix_54 press left
advance 218
key Frame_45_Key_Fix_52 press left
key Frame_45_Key_Back_12 release right
key Frame_45_Key_Back_11 press left
advance 222
key Frame_45_Key_Back_13 move
click Image65_0
tab TabSheet_Roga
advance 90
key Frame_45_Key_Back_15 move
find 7
advance 458
key Frame_45_Key_Fix_16 press left
advance 1339
hover Image2_0
advance 253
key Frame_45_Key_Fix_16 move
tab TabSheet_Post1_Pult_4
advance 154
foreground press 273
hover Image27_2
find 2
advance 183
tab TabSheet_Post1_Pult_3
advance 496
key Frame_Button1 release left
advance 215
key Frame_45_Key_Fix_20 move
hover Image28_3
advance 1205
key Frame_Button1 press right
key Frame_45_Key_Fix_21 press left
advance 437
key Frame_45_Key_Fix_19 move
advance 239
key Frame_Button3 release left
key Frame_45_Key_Fix_21 press left
advance 334
key Frame_45_Key_Fix_19 press left
advance 478
key Frame_45_Key_Fix_20 press left
hover Image64_0
key Frame_45_Key_Back_2 release left
key Frame_45_Key_Back_2 release right
key Frame_45_Key_Back_2 release left
advance 824
key Frame_Krutilka1 press left
hover Image10_3
advance 311
key Frame_45_Key_Fix_21 move
advance 1136
hover Label_Podval
advance 1064
hover Image_Operator
advance 6
key Frame_45_Key_Fix_20 move
advance 111
key Frame_Krutilka1 press right
advance 575
key Frame_45_Key_Fix_20 move
key Frame_45_Key_Fix_21 press right
advance 57
hover Image64_0
hover Image57_3
key Frame_45_Key_Fix_21 move
key Frame_45_Key_Fix_19 press left
key Frame_45_Key_Fix_21 press left
advance 1257
key Frame_Krutilka1 press left
key Frame_45_Key_Back_2 release left
step 32
# stage 32
hover Image_Operator
advance 404
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_45_Key_Fix_19 move
advance 1305
hover Image28_3
key Frame_Button3 release left
advance 281
key Frame_Button3 release left
advance 416
key Frame_45_Key_Fix_21 move
hover Image_Fon2
advance 912
foreground press 68
advance 1419
key Frame_Button2 release left
key Frame_Button2 press left
advance 1106
tab TabSheet_Post1_Pult_2
advance 1231
hover Image22_0
key Frame_45_Key_Fix_16 move
advance 525
key Frame_45_Key_Fix_15 move
advance 537
hover Image38_3
tab TabSheet_Post_2
key Frame_45_Key_Back_10 release right
hover Image_Fon2
click Image111_0
advance 405
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_12 move
advance 968
key Frame_45_Key_Fix_12 move
advance 577
key Frame_45_Key_Fix_16 press right
advance 552
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_14 press right
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_27 press left
advance 80
key Frame_45_Key_Fix_22 move
advance 1133
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_1 press left
advance 302
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_9 press right
key Frame_45_Key_Fix_9 press left
foreground press 723
advance 725
hover Image31_1
advance 20
click Image7_0
tab TabSheet_RM_Kromkomotalka
advance 45
key Frame_45_Key_Fix_57 press left
advance 646
tab TabSheet_Post_1
advance 374
hover Image28_3
advance 768
key Frame_45_Key_Fix_14 move
advance 1382
key Frame_45_Key_Fix_14 move
hover Image_Fon2
hover Image51_3
find 1
advance 158
key Frame_45_Key_Fix_1 move
tab TabSheet_Post_2
advance 443
key Frame_45_Key_Back_14 move
tab TabSheet_Roga
advance 263
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
advance 334
hover Image28_3
advance 459
key Frame_45_Key_Fix_6 move
advance 458
hover Image_Fon2
advance 880
find 2
advance 950
key Frame_45_Key_Fix_3 move
advance 436
key Frame_45_Key_Back_1 press right
advance 951
key Frame_45_Key_Fix_7 press left
hover Image106_0
key Frame_45_Key_Fix_10 press left
advance 452
hover Image108_0
advance 339
key Frame_45_Key_Back_1 press left
advance 310
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_5 move
hover Image1_Polosa_Body
advance 497
hover Image108_0
hover Image_Diagonal_Right_4
key Frame_45_Key_Fix_2 move
advance 57
key Frame_45_Key_Fix_10 press left
hover Image_Rolik
advance 18
key Frame_45_Key_Fix_7 press left
advance 507
key Frame_45_Key_Fix_8 press right
advance 368
key Frame_45_Key_Fix_8 press left
find 9
advance 236
tab TabSheet_Post_2
tab TabSheet_Roga
advance 1279
hover Button1
key Frame_45_Key_Back_15 move
advance 276
key Frame_45_Key_Back_15 move
hover Label_Post_Kromko
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 1345
find 9
advance 674
hover Image55_3
advance 381
key Frame_45_Key_Fix_16 press left
advance 165
key Frame_45_Key_Fix_15 press left
advance 156
key Frame_45_Key_Fix_14 move
advance 1307
tab TabSheet_Post1_Pult_4
advance 528
key Frame_45_Key_Fix_24 press left
advance 285
key Frame_45_Key_Fix_25 press left
tab TabSheet_Roga
click Image75_0
hover Image_Provodka_sprava
hover Label_Post_Kromko
advance 1195
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Back_11 move
advance 164
key Frame_45_Key_Back_14 press left
advance 663
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Back_12 move
advance 1136
find 1
key Frame_45_Key_Fix_4 press left
advance 2107
tab TabSheet_Post1_Pult_3
advance 500
hover Image18_0
advance 463
hover Label_SizeMot_Int
advance 232
tab TabSheet_Post_2
key Frame_45_Key_Fix_51 move
advance 281
key Frame_45_Key_Back_9 release left
advance 536
key Frame_45_Key_Back_8 release right
hover Image66_0
advance 705
key Frame_45_Key_Back_10 release left
advance 387
click Image28_3
hover Image_Post_Kromko
advance 90
hover Image56_0
advance 1373
key Frame_45_Key_Fix_29 press right
advance 917
key Frame_45_Key_Fix_30 press left
advance 155
key Frame_45_Key_Fix_30 press left
advance 2594
tab TabSheet_RM_Kromkomotalka
advance 450
hover Image106_0
advance 1173
key Frame_45_Key_Fix_33 move
advance 375
key Frame_90_Key_2 move
advance 382
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_33 press left
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_57 press right
advance 512
hover Label_SizeMot_Perc
key Frame_45_Key_Fix_57 move
advance 622
key Frame_45_Key_Fix_60 press left
key Frame_90_Key_2 press left
advance 45
key Frame_45_Key_Fix_60 move
advance 1246
click Image111_3
hover Label_Baraban_Razmativatela
advance 64
key Frame_45_Key_Fix_15 press left
advance 417
hover Image22_3
key Frame_45_Key_Fix_14 press right
advance 112
key Frame_45_Key_Fix_14 press left
advance 482
key Frame_45_Key_Fix_17 move
advance 715
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 931
find 2
advance 299
key Frame_45_Key_Fix_6 press left
advance 1745
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_9 move
hover Image1
key Frame_45_Key_Fix_9 move
advance 178
key Frame_45_Key_Fix_3 move
tab TabSheet_Post1_Pult_3
advance 910
hover Image_Fon2
advance 628
hover Label_Baraban_Razmativatela
advance 243
key Frame_45_Key_Fix_21 move
key Frame_Button3 press left
key Frame_Button2 press left
advance 319
hover Label_Podval
hover Image52_0
key Frame_Button2 press left
advance 555
click Image64_0
advance 276
hover Label_Baraban_Razmativatela
advance 793
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_8 move
key Frame_45_Key_Back_13 release left
advance 71
key Frame_45_Key_Back_10 press left
key Frame_45_Key_Back_10 move
advance 823
key Frame_45_Key_Fix_54 press left
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Fix_54 press right
advance 281
key Frame_45_Key_Back_8 move
hover Label_Podval
find 3
advance 395
key Frame_45_Key_Fix_7 press left
hover Image173_0
advance 388
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_7 press right
hover Image5_3
key Frame_45_Key_Fix_2 press left
advance 97
key Frame_45_Key_Fix_8 move
advance 12
key Frame_45_Key_Fix_2 press left
hover Label_Post_Kromko
advance 211
hover Label_Baraban_Motalki
hover Image172_0
advance 890
key Frame_45_Key_Fix_11 move
advance 1084
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_8 press left
advance 741
key Frame_45_Key_Fix_6 press left
advance 469
tab TabSheet_Post1_Pult_3
advance 98
key Frame_45_Key_Fix_20 press left
key Frame_45_Key_Back_2 release right
tab TabSheet_RM_Kromkomotalka
advance 142
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_33 move
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_2
advance 541
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_16 press left
hover Image108_0
advance 912
hover Image54_0
advance 380
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_12 press right
advance 355
key Frame_45_Key_Fix_13 press right
advance 680
tab TabSheet_RM_Kromkomotalka
advance 505
key Frame_90_Key_2 press left
hover Image_Fon2
hover Image106_0
hover Image_Invisible_9
advance 781
key Frame_90_Key_2 press left
advance 979
tab TabSheet_Post_2
click Image38_3
advance 991
key Frame_45_Key_Fix_32 move
advance 140
key Frame_45_Key_Back_4 release left
advance 226
hover Label_Post_Kromko
advance 467
key Frame_90_Key_1 press left
advance 21
key Frame_45_Key_Back_4 press left
key Frame_90_Key_1 move
advance 515
key Frame_45_Key_Back_4 release right
hover Image1
advance 269
tab TabSheet_Post_1
advance 87
key Frame_45_Key_Fix_17 press left
advance 284
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_15 press left
tab TabSheet_Post1_Pult_4
tab TabSheet_Post1_Pult_2
click Image60_0
tab TabSheet_Post2_Pult_2
advance 96
tab TabSheet_Roga
advance 441
key Frame_45_Key_Back_15 move
advance 753
key Frame_45_Key_Back_15 press left
hover Image118_0
advance 391
hover Image171_0
key Frame_45_Key_Back_15 release left
advance 185
key Frame_45_Key_Back_15 release left
advance 447
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 157
key Frame_45_Key_Back_15 press right
advance 347
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
click Image15_0
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_16 move
hover Image75_0
foreground press 439
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 865
key Frame_45_Key_Back_15 release left
advance 107
key Frame_45_Key_Back_15 press right
advance 58
click Image75_0
advance 865
key Frame_45_Key_Back_14 release right
advance 287
tab TabSheet_Post2_Pult_1
advance 1593
key Frame_45_Key_Fix_36 press right
advance 727
key Frame_45_Key_Fix_41 press left
tab TabSheet_RM_Kromkomotalka
advance 909
key Frame_90_Key_2 press left
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_1
advance 123
key Frame_45_Key_Fix_9 move
advance 287
key Frame_45_Key_Fix_4 move
advance 1118
click Image64_0
advance 21
key Frame_45_Key_Back_11 move
key Frame_45_Key_Back_13 release right
key Frame_45_Key_Fix_56 press left
hover Image_wall
advance 558
key Frame_45_Key_Fix_51 move
advance 457
key Frame_45_Key_Back_10 move
advance 319
tab TabSheet_Post_1
key Frame_45_Key_Fix_4 press left
tab TabSheet_RM_Kromkomotalka
advance 273
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_57 press left
find 9
hover Image8_Polosa_Body
advance 408
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
advance 311
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_12 move
advance 435
key Frame_45_Key_Fix_17 move
advance 205
mode 1
step 30
# stage 30
advance 161
key Frame_45_Key_Fix_12 move
hover Image170_0
advance 728
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_13 move
advance 204
key Frame_45_Key_Fix_17 press right
bare TabSheet_Post_1
advance 115
click Image75_0
tab TabSheet_RM_Kromkomotalka
advance 488
key Frame_45_Key_Fix_33 move
advance 114
key Frame_45_Key_Fix_59 move
advance 429
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_61 press right
advance 933
click Label_Podval
advance 408
foreground press 42
click Image_Fon2
key Frame_45_Key_Fix_57 press right
key Frame_45_Key_Fix_57 move
advance 143
hover Image55_3
tab TabSheet_Post_1
advance 622
key Frame_45_Key_Fix_13 move
advance 464
key Frame_45_Key_Fix_17 move
advance 1703
tab TabSheet_Post_2
advance 831
key Frame_45_Key_Back_13 press left
advance 209
key Frame_45_Key_Back_14 release left
find 40
advance 391
hover Image_Kromka_2
advance 837
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Back_13 press left
hover Label_Baraban_Motalki
advance 151
key Frame_45_Key_Fix_55 move
tab TabSheet_Post2_Pult_2
hover Button1
key Frame_45_Key_Fix_44 press left
advance 640
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 429
key Frame_45_Key_Back_15 release left
advance 17
key Frame_45_Key_Back_15 release left
tab TabSheet_Post_1
tab TabSheet_RM_Kromkomotalka
advance 475
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_57 press left
hover Label_Baraban_Motalki
advance 734
key Frame_45_Key_Fix_59 press left
advance 15
key Frame_90_Key_2 press left
advance 272
bare TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_58 move
advance 289
click Image111_0
hover Image48_2
key Frame_45_Key_Fix_14 move
advance 875
key Frame_45_Key_Fix_15 press left
advance 610
tab TabSheet_Roga
advance 613
key Frame_45_Key_Back_15 press left
advance 191
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 9
key Frame_45_Key_Back_15 press left
advance 318
key Frame_45_Key_Back_15 move
advance 394
tab TabSheet_RM_Kromkomotalka
advance 6
tab TabSheet_Post_1
advance 651
key Frame_45_Key_Fix_12 move
advance 472
tab TabSheet_Post1_Pult_1
advance 377
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
tab TabSheet_Post1_Pult_1
advance 287
tab TabSheet_Post1_Pult_2
advance 289
find 1
advance 357
key Frame_45_Key_Fix_10 press left
advance 413
key Frame_45_Key_Fix_8 move
advance 1312
key Frame_45_Key_Fix_10 move
tab TabSheet_Post1_Pult_2
hover Image70_3
advance 426
hover Image52_0
key Frame_45_Key_Fix_12 press right
advance 886
tab TabSheet_Post1_Pult_3
advance 274
hover Image_Operator
advance 491
tab TabSheet_Post1_Pult_1
advance 356
hover Image_wall
key Frame_45_Key_Fix_7 move
advance 1798
click Image75_0
advance 435
tab TabSheet_Roga
advance 554
key Frame_45_Key_Back_15 release left
advance 921
tab TabSheet_Post_2
advance 480
key Frame_45_Key_Fix_53 press left
find 40
advance 1602
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Fix_52 move
advance 239
key Frame_45_Key_Back_13 move
advance 190
hover Button1
key Frame_45_Key_Back_13 move
advance 579
key Frame_45_Key_Back_8 move
key Frame_45_Key_Fix_52 move
tab TabSheet_Post_1
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_8 move
advance 727
hover Image172_0
advance 403
hover Image173_0
hover Image57_3
key Frame_45_Key_Fix_8 press left
tab TabSheet_Post_2
key Frame_45_Key_Fix_56 move
foreground press 132
advance 49
key Frame_Button8 press left
key Frame_45_Key_Fix_54 move
advance 223
key Frame_45_Key_Back_14 release left
advance 550
tab TabSheet_RM_Kromkomotalka
click Button1
advance 319
click Image66_0
hover Image2
advance 304
key Frame_45_Key_Back_12 release right
hover Image2
advance 405
key Frame_45_Key_Back_8 move
key Frame_45_Key_Back_9 move
advance 452
tab TabSheet_Roga
advance 490
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
hover Image28_3
advance 270
key Frame_45_Key_Fix_2 press left
tab TabSheet_RM_Kromkomotalka
advance 88
hover Image_Ograda
click Image75_0
key Frame_45_Key_Fix_51 press left
advance 190
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 255
tab TabSheet_Post2_Pult_1
key Frame_90_Key_1 press right
advance 277
hover Image22_0
advance 27
key Frame_45_Key_Fix_35 press left
key Frame_45_Key_Fix_36 move
advance 461
tab TabSheet_Post2_Pult_2
find 3
advance 432
tab TabSheet_Post1_Pult_2
advance 814
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_10 press right
advance 354
key Frame_45_Key_Fix_7 move
advance 584
key Frame_45_Key_Fix_2 press left
tab TabSheet_Post1_Pult_3
advance 55
key Frame_45_Key_Fix_21 move
key Frame_45_Key_Fix_19 move
key Frame_45_Key_Fix_21 press left
advance 478
hover Image13_Polosa_Body
advance 1073
key Frame_45_Key_Back_2 release left
tab TabSheet_RM_Kromkomotalka
hover Image70_3
advance 253
hover Image_Fon2
advance 970
hover Image60_0
advance 1460
find 9
advance 368
tab TabSheet_Post1_Pult_4
advance 382
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_25 press right
advance 821
hover Image55_3
hover Image173_0
hover Button1
advance 211
tab TabSheet_Post_2
advance 253
hover Image70_3
advance 381
find 6
advance 290
key Frame_45_Key_Fix_2 move
advance 378
key Frame_45_Key_Fix_1 press right
advance 15
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_27 move
advance 1108
key Frame_45_Key_Fix_30 press right
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_27 move
advance 214
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_28 press left
advance 975
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_28 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 210
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
hover Image171_0
advance 12
tab TabSheet_Post_2
key Frame_Krutilka3 press right
advance 758
tab TabSheet_Post2_Pult_1
hover Image28_3
key Frame_45_Key_Fix_37 move
advance 705
hover Image51_3
key Frame_45_Key_Back_4 press left
advance 1136
foreground press 68
click Image_Fon2
advance 3318
hover Image118_0
key Frame_45_Key_Fix_41 press left
advance 730
key Frame_45_Key_Fix_40 move
advance 373
click Image66_0
hover Image118_0
advance 1600
key Frame_45_Key_Back_7 release right
key Frame_45_Key_Fix_53 press left
advance 754
key Frame_45_Key_Back_12 press right
key Frame_45_Key_Back_8 move
tab TabSheet_Post2_Pult_1
advance 882
tab TabSheet_Post2_Pult_3
advance 387
tab TabSheet_Post_1
hover Image28_3
advance 1100
foreground press 68
tab TabSheet_Post1_Pult_3
hover Image57_3
advance 2455
click Label_Podval
advance 203
hover Image_Provodka_sprava
advance 205
key Frame_45_Key_Fix_19 move
advance 170
key Frame_45_Key_Fix_19 press left
advance 182
key Frame_Button3 press right
hover Image_wall
advance 407
hover Image_wall
advance 301
key Frame_45_Key_Fix_19 move
key Frame_Button2 release left
advance 354
key Frame_Button3 press left
advance 1414
hover Image70_3
advance 599
foreground press 439
click Image118_0
advance 459
key Frame_45_Key_Fix_28 move
advance 399
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_25 move
tab TabSheet_Roga
advance 452
tab TabSheet_RM_Kromkomotalka
advance 67
key Frame_45_Key_Fix_59 press left
hover Label_Baraban_Motalki
advance 287
click Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Fix_57 move
hover Image46_0
advance 74
key Frame_45_Key_Fix_60 move
advance 201
key Frame_45_Key_Fix_60 move
advance 1472
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
advance 248
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
click Image27_1
hover Image27_1
advance 1747
hover Image52_0
advance 435
key Frame_45_Key_Fix_28 press left
advance 41
hover Button1
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
tab TabSheet_Post_1
advance 585
hover Label_Podval
find 2
key Frame_45_Key_Back_1 release left
hover Image_Post_Kromko
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_2 press left
advance 888
tab TabSheet_Post1_Pult_4
advance 346
key Frame_45_Key_Fix_26 press right
key Frame_45_Key_Fix_24 press left
advance 260
hover Image53_3
advance 864
hover Image19_Polosa_Body
advance 352
find 3
tab TabSheet_Post_2
hover Image57_3
key Frame_45_Key_Back_11 release right
advance 99
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_12 move
advance 196
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Back_12 press left
advance 1672
key Frame_45_Key_Back_7 move
tab TabSheet_Post2_Pult_1
advance 798
key Frame_45_Key_Fix_40 move
advance 290
bare TabSheet_Post2_Pult_1
advance 503
foreground press 849
advance 175
key Frame_45_Key_Back_4 move
advance 651
hover Image_Post_Kromko
advance 415
hover Image149_0
advance 1440
key Frame_45_Key_Fix_31 press right
advance 300
hover Image10_0
advance 695
key Frame_45_Key_Fix_38 press left
find 1
key Frame_45_Key_Fix_5 press right
key Frame_45_Key_Fix_10 move
advance 2564
hover Image111_0
advance 425
hover Image7_0
advance 758
key Frame_45_Key_Fix_7 press left
advance 324
hover Image55_3
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_8 press right
key Frame_45_Key_Back_1 press left
advance 156
hover Image51_3
advance 1035
hover Image171_0
hover Image25_Polosa_Body
advance 397
tab TabSheet_Post1_Pult_2
advance 197
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_17 move
advance 461
key Frame_45_Key_Fix_17 move
advance 44
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_16 press left
hover Image55_3
key Frame_45_Key_Fix_18 move
advance 152
hover Image_Fon2
tab TabSheet_Post1_Pult_4
hover Image52_0
advance 213
click Image49_0
advance 217
key Frame_45_Key_Back_4 press left
key Frame_Button4 release left
advance 504
key Frame_45_Key_Fix_35 press left
advance 236
key Frame_45_Key_Fix_36 press left
hover Image54_0
hover Image172_0
key Frame_45_Key_Fix_39 move
advance 2708
key Frame_45_Key_Fix_35 press right
tab TabSheet_Post2_Pult_2
advance 844
key Frame_45_Key_Fix_44 press left
advance 1011
key Frame_45_Key_Fix_43 move
advance 625
key Frame_45_Key_Fix_45 move
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_60 press left
tab TabSheet_Post_1
key Frame_45_Key_Fix_24 press right
advance 479
key Frame_45_Key_Fix_25 move
advance 468
tab TabSheet_Roga
advance 418
hover Image70_3
advance 312
hover Image_Stolb_Rogov
advance 473
key Frame_45_Key_Back_15 press left
hover Label_Baraban_Motalki
advance 240
key Frame_45_Key_Back_15 release left
click Image131_0
hover Image28_3
key Frame_45_Key_Fix_35 move
advance 910
key Frame_45_Key_Fix_31 move
hover Image172_0
advance 834
find 2
key Frame_45_Key_Fix_6 press left
advance 558
hover Image131_3
advance 896
hover Image172_0
advance 348
key Frame_45_Key_Fix_1 move
advance 50
hover Image1
advance 492
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_4 press right
tab TabSheet_RM_Kromkomotalka
advance 575
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_59 press left
hover Image105_0
advance 4
key Frame_45_Key_Fix_58 move
advance 469
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_58 move
advance 490
key Frame_45_Key_Fix_33 move
mode 1
step 30
hover Image10_3
advance 266
key Frame_90_Key_2 move
advance 58
key Frame_45_Key_Fix_61 move
advance 314
key Frame_45_Key_Fix_60 press left
find 1
advance 616
hover Label_Post_Kromko
key Frame_45_Key_Back_1 move
advance 486
hover Image53_3
advance 1317
tab TabSheet_RM_Kromkomotalka
advance 306
hover Label_Post_Kromko
advance 448
tab TabSheet_Roga
advance 451
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_61 press left
step 29
# stage 29
hover Image7_Polosa_Body
advance 563
key Frame_45_Key_Fix_59 press right
advance 659
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_61 press left
advance 341
hover Image55_3
advance 78
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_57 press left
advance 95
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_60 press left
key Frame_90_Key_2 move
advance 436
key Frame_45_Key_Fix_60 press left
advance 1119
key Frame_45_Key_Fix_60 move
advance 942
key Frame_45_Key_Fix_59 press left
hover Image55_3
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_33 press left
advance 2087
find 7
advance 629
key Frame_45_Key_Fix_13 press right
key Frame_45_Key_Fix_16 press left
advance 145
key Frame_45_Key_Fix_13 move
advance 742
key Frame_45_Key_Fix_14 press left
advance 540
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_15 press left
click Image25_1
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Back_1 release left
hover Image52_0
advance 898
key Frame_45_Key_Fix_11 press left
advance 343
hover Image55_3
advance 479
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_1 move
advance 448
key Frame_45_Key_Fix_9 press right
key Frame_45_Key_Fix_2 move
advance 1053
tab TabSheet_Post_2
advance 217
key Frame_45_Key_Fix_31 press left
advance 195
hover Image_Fon2
advance 204
hover Image131_0
click Image71_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_61 move
advance 411
hover Button1
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 move
advance 172
hover Label_SizeRaz_Perc
advance 723
key Frame_45_Key_Fix_57 press left
advance 1271
key Frame_45_Key_Fix_57 move
hover Image55_3
advance 381
key Frame_45_Key_Fix_33 move
hover Image106_0
hover Label_Baraban_Razmativatela
advance 782
foreground press 42
click Image_Fon2
hover Image22_0
key Frame_90_Key_2 move
hover Image55_3
key Frame_45_Key_Fix_57 press left
advance 742
key Frame_45_Key_Fix_58 press right
advance 303
key Frame_45_Key_Fix_60 press left
tab TabSheet_Post_2
tab TabSheet_RM_Kromkomotalka
advance 161
hover Image1
advance 665
key Frame_45_Key_Fix_60 press right
key Frame_45_Key_Fix_60 move
advance 780
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_57 move
advance 65
key Frame_90_Key_2 move
advance 1030
hover Image_Operator
advance 1857
click Image56_0
key Frame_45_Key_Fix_40 press left
hover Image_Fon2
find 6
advance 264
key Frame_45_Key_Fix_10 move
advance 144
key Frame_45_Key_Fix_10 move
advance 353
key Frame_45_Key_Back_1 press left
advance 1272
key Frame_45_Key_Fix_8 press right
hover Button1
advance 199
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_59 press left
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_58 press left
tab TabSheet_Post_2
key Frame_45_Key_Back_4 move
key Frame_45_Key_Fix_36 press right
advance 334
tab TabSheet_RM_Kromkomotalka
advance 375
hover Image108_0
advance 215
key Frame_45_Key_Fix_60 press right
advance 196
key Frame_45_Key_Fix_59 press right
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_58 move
advance 415
tab TabSheet_Post_1
advance 264
click Label_Post_Kromko
advance 376
click Image7_3
advance 53
tab TabSheet_Post1_Pult_4
click Label_Baraban_Razmativatela
hover Image5_3
key Frame_45_Key_Fix_23 press left
advance 450
key Frame_45_Key_Fix_24 move
tab TabSheet_Post1_Pult_2
tab TabSheet_Post_2
hover Image22_0
advance 442
hover Image108_0
hover Label_Baraban_Razmativatela
advance 185
key Frame_45_Key_Fix_39 press left
advance 339
tab TabSheet_Roga
hover Image1
tab TabSheet_RM_Kromkomotalka
advance 194
hover Image46_3
advance 475
key Frame_45_Key_Fix_33 press left
click Image64_0
tab TabSheet_Post2_Pult_1
advance 910
key Frame_45_Key_Fix_37 move
advance 762
key Frame_45_Key_Fix_41 move
advance 341
tab TabSheet_Post2_Pult_3
advance 1398
hover Image5_3
advance 265
hover Label_Baraban_Razmativatela
advance 212
click Image64_0
advance 875
key Frame_45_Key_Fix_55 press left
click Image55_3
key Frame_45_Key_Fix_33 move
advance 340
hover Image55_3
advance 171
tab TabSheet_Post_2
advance 1689
key Frame_45_Key_Fix_54 move
key Frame_45_Key_Back_11 move
advance 323
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Fix_52 press left
key Frame_45_Key_Back_14 move
advance 431
tab TabSheet_Post2_Pult_1
advance 639
hover Image53_1
advance 87
hover Image55_3
advance 473
key Frame_45_Key_Fix_31 move
advance 420
hover Image56_0
key Frame_45_Key_Fix_36 move
advance 1763
key Frame_45_Key_Fix_35 move
advance 844
hover Image61_0
key Frame_45_Key_Back_4 press right
key Frame_45_Key_Fix_40 press left
click Image66_0
key Frame_45_Key_Back_10 press left
advance 400
key Frame_45_Key_Fix_51 press right
advance 2355
key Frame_45_Key_Back_9 release right
advance 131
key Frame_Button8 press left
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_10 move
advance 350
key Frame_45_Key_Back_8 move
advance 379
hover Image173_0
key Frame_45_Key_Fix_54 move
key Frame_45_Key_Back_11 press right
advance 3
foreground press 68
click Image_Fon2
advance 1319
key Frame_45_Key_Back_13 move
advance 814
step 29
advance 350
key Frame_45_Key_Fix_55 move
advance 469
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Back_14 release right
advance 440
find 1
advance 162
hover Image_Fon2
advance 148
hover Label_Baraban_Motalki
advance 563
hover Image118_0
key Frame_45_Key_Fix_7 move
advance 12
hover Image172_0
advance 1244
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
find 6
key Frame_45_Key_Fix_4 press left
advance 156
hover Image55_3
advance 1390
hover Image27_1
advance 412
key Frame_45_Key_Fix_9 move
advance 724
hover Image171_0
key Frame_45_Key_Fix_3 move
advance 651
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_1 press left
advance 266
click Image15_2
hover Image_Fon2
key Frame_45_Key_Fix_12 press left
advance 896
key Frame_45_Key_Fix_16 move
advance 218
key Frame_45_Key_Fix_17 move
hover Button1
advance 241
hover Image170_0
advance 797
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_18 press left
advance 1049
key Frame_45_Key_Fix_12 press right
advance 1211
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_17 move
advance 457
tab TabSheet_RM_Kromkomotalka
advance 569
key Frame_45_Key_Fix_59 press right
advance 307
key Frame_45_Key_Fix_61 move
advance 626
key Frame_90_Key_2 press left
hover Image131_0
key Frame_45_Key_Fix_57 move
advance 230
key Frame_45_Key_Fix_59 move
advance 409
click Image64_0
advance 836
key Frame_45_Key_Back_11 release left
advance 499
key Frame_45_Key_Back_13 move
tab TabSheet_Post2_Pult_1
hover Label_SizeMot_Perc
advance 941
key Frame_45_Key_Fix_40 press left
key Frame_45_Key_Fix_40 press right
advance 682
key Frame_45_Key_Back_4 press left
advance 513
find 7
advance 55
key Frame_45_Key_Fix_13 press left
advance 957
key Frame_45_Key_Fix_18 move
advance 127
find 6
hover Image131_0
advance 100
hover Image19_Polosa_Body
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_2 press left
advance 400
key Frame_45_Key_Fix_9 move
tab TabSheet_RM_Kromkomotalka
advance 129
hover Image28_3
advance 441
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_59 press left
foreground press 500
key Frame_45_Key_Fix_57 press right
advance 267
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_60 move
advance 225
click Image_Fon2
key Frame_45_Key_Fix_33 move
advance 591
key Frame_45_Key_Fix_58 move
advance 304
key Frame_45_Key_Fix_58 move
tab TabSheet_Post_2
hover Label_Post_Kromko
advance 253
key Frame_45_Key_Fix_35 move
advance 478
key Frame_45_Key_Fix_35 move
find 1
tab TabSheet_Post1_Pult_3
advance 436
hover Image170_0
click Image53_3
key Frame_45_Key_Fix_38 press left
advance 1473
key Frame_45_Key_Fix_40 press left
advance 873
key Frame_45_Key_Fix_31 move
advance 105
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
advance 6
hover Image56_0
click Image7_3
advance 2237
click Image173_0
advance 851
tab TabSheet_Post2_Pult_1
advance 1327
key Frame_45_Key_Fix_41 press right
advance 5
foreground press 68
click Image_Fon2
advance 854
key Frame_45_Key_Fix_35 move
advance 3078
key Frame_45_Key_Back_4 move
foreground press 68
click Image_Fon2
advance 560
key Frame_45_Key_Fix_37 press left
advance 328
hover Image_Fon2
advance 1445
hover Image173_0
key Frame_45_Key_Fix_35 move
advance 850
hover Image171_0
advance 948
key Frame_45_Key_Fix_39 press right
hover Image22_0
advance 526
key Frame_Button4 release left
advance 509
key Frame_45_Key_Fix_40 press left
advance 147
key Frame_90_Key_1 move
key Frame_45_Key_Back_4 press left
advance 285
key Frame_Button4 press left
advance 176
key Frame_45_Key_Fix_39 move
key Frame_90_Key_1 press left
advance 1296
key Frame_Button4 release left
advance 332
find 6
advance 834
key Frame_45_Key_Fix_4 press left
advance 86
step 30
# stage 30
advance 1067
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_8 move
advance 402
key Frame_45_Key_Back_1 move
advance 1081
hover Image111_0
key Frame_45_Key_Back_1 release left
advance 260
key Frame_45_Key_Fix_9 press left
hover Image_Provodka_sprava
advance 53
key Frame_45_Key_Fix_10 press left
advance 436
key Frame_45_Key_Fix_10 move
tab TabSheet_Post_2
key Frame_90_Key_1 move
click Image64_0
advance 353
key Frame_45_Key_Fix_51 move
advance 314
hover Image172_0
tab TabSheet_Post2_Pult_2
advance 1018
key Frame_45_Key_Fix_45 press left
key Frame_45_Key_Fix_43 move
advance 94
hover Image170_0
advance 430
click Image170_0
advance 360
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_13 press left
key Frame_45_Key_Fix_52 press left
advance 586
key Frame_45_Key_Fix_51 press right
advance 60
key Frame_Button8 release left
hover Image2
advance 416
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_12 release right
key Frame_45_Key_Back_7 release right
key Frame_45_Key_Back_10 move
hover Image170_0
key Frame_45_Key_Fix_55 move
bare TabSheet_Post2_Pult_3
tab TabSheet_Post2_Pult_2
advance 339
key Frame_45_Key_Fix_47 press left
advance 441
key Frame_Krutilka4 press left
advance 124
key Frame_45_Key_Fix_50 move
advance 869
key Frame_45_Key_Back_5 move
key Frame_45_Key_Fix_46 press right
tab TabSheet_Post_1
advance 262
foreground press 500
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 467
tab TabSheet_Roga
hover Image55_0
advance 429
click Image55_0
tab TabSheet_Post_1
click Image64_0
key Frame_45_Key_Back_10 press left
advance 1
tab TabSheet_Roga
key Frame_45_Key_Back_15 release right
advance 891
key Frame_45_Key_Back_15 move
advance 145
key Frame_45_Key_Back_15 press left
advance 232
tab TabSheet_Post_2
advance 609
key Frame_45_Key_Back_11 move
advance 732
key Frame_45_Key_Back_13 press left
advance 136
tab TabSheet_Post2_Pult_1
advance 183
key Frame_45_Key_Fix_31 move
advance 564
find 6
advance 1678
bare TabSheet_Post1_Pult_1
advance 852
tab TabSheet_Post1_Pult_3
advance 460
key Frame_45_Key_Back_2 move
advance 312
key Frame_Button3 press left
advance 1118
key Frame_45_Key_Fix_19 press left
advance 870
key Frame_45_Key_Fix_21 press left
advance 466
click Image53_3
hover Label_Podval
mode 1
step 30
drag press 58
drag release
key Frame_45_Key_Fix_31 move
hover Image_Stolb_Rogov
advance 318
key Frame_45_Key_Back_4 press left
advance 1875
click Image2_0
key Frame_45_Key_Fix_6 press left
foreground press 188
advance 1326
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_4 move
advance 1211
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 press left
advance 249
tab TabSheet_Post1_Pult_1
advance 551
key Frame_45_Key_Fix_3 press left
advance 441
key Frame_45_Key_Fix_11 press right
advance 491
hover Image_Fon2
advance 55
key Frame_45_Key_Back_1 move
advance 108
key Frame_45_Key_Fix_6 press left
advance 1627
key Frame_45_Key_Fix_10 press left
advance 299
key Frame_45_Key_Fix_2 press right
hover Image2
tab TabSheet_Post_2
advance 36
hover Image172_0
tab TabSheet_Post_1
key Frame_45_Key_Fix_10 move
advance 166
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_5 press right
key Frame_45_Key_Fix_7 press right
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_1 press right
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 release left
hover Image46_3
key Frame_45_Key_Back_2 release left
find 9
key Frame_45_Key_Fix_14 move
advance 1179
hover Image171_0
advance 263
key Frame_45_Key_Fix_18 move
advance 198
hover Image173_0
key Frame_45_Key_Fix_16 press left
advance 430
key Frame_45_Key_Fix_13 move
advance 1055
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_22 move
find 40
advance 1148
key Frame_45_Key_Fix_28 press left
hover Label_Baraban_Motalki
advance 252
key Frame_45_Key_Back_3 release right
advance 1101
key Frame_45_Key_Fix_25 press left
advance 447
key Frame_45_Key_Fix_28 press left
advance 369
click Image_Petla_Motalki
key Frame_45_Key_Fix_26 press right
advance 413
hover Image49_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
advance 21
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 334
key Frame_45_Key_Back_15 press left
advance 592
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 1228
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 1168
key Frame_45_Key_Back_15 release left
advance 313
key Frame_45_Key_Back_15 move
advance 9
key Frame_45_Key_Back_15 move
bare TabSheet_Roga
advance 835
key Frame_45_Key_Back_15 move
advance 953
key Frame_45_Key_Back_15 press left
advance 400
find 7
hover Image24_Polosa_Body
advance 1038
key Frame_45_Key_Fix_14 press left
advance 675
key Frame_45_Key_Fix_18 press left
hover Image70_3
key Frame_45_Key_Fix_14 move
advance 739
key Frame_45_Key_Fix_16 press right
advance 1020
hover Image22_3
find 5
hover Image107_0
advance 385
key Frame_45_Key_Fix_5 move
advance 685
key Frame_45_Key_Fix_4 press left
advance 279
key Frame_45_Key_Fix_6 press left
advance 1086
key Frame_45_Key_Fix_4 move
advance 262
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_2 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 168
click Image61_0
advance 423
tab TabSheet_Post2_Pult_1
advance 1042
closeup Panel_70_mech press 66
key Frame_45_Key_Fix_31 move
key Frame_Button4 release right
advance 766
key Frame_45_Key_Fix_41 press left
key Frame_45_Key_Fix_39 press left
key Frame_45_Key_Fix_35 press left
hover Image107_0
advance 1177
hover Image5_3
advance 254
find 40
hover Image108_0
key Frame_Button4 release right
advance 1280
key Frame_45_Key_Fix_40 press left
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_12 move
advance 177
hover Image118_0
key Frame_45_Key_Back_10 release left
advance 217
hover Image64_0
advance 505
key Frame_45_Key_Back_10 release left
advance 1206
key Frame_45_Key_Fix_55 move
click Image75_0
drag press 58
foreground press 803
foreground press 68
advance 480
hover Image5_3
advance 348
tab TabSheet_Post2_Pult_1
advance 112
key Frame_45_Key_Fix_36 move
key Frame_45_Key_Fix_31 move
advance 445
key Frame_45_Key_Fix_38 move
hover Image173_0
advance 460
tab TabSheet_RM_Kromkomotalka
find 6
advance 493
key Frame_45_Key_Back_1 move
advance 1197
key Frame_45_Key_Fix_2 press left
foreground press 68
click Image56_0
advance 436
key Frame_45_Key_Fix_37 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
click Image_Invisible_9
tab TabSheet_Post_2
advance 473
key Frame_45_Key_Fix_32 press left
hover Image70_3
key Frame_45_Key_Fix_35 press left
advance 845
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_13 release left
advance 166
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_10 move
advance 444
hover Image171_0
tab TabSheet_Post2_Pult_2
find 2
advance 102
tab TabSheet_Roga
advance 524
key Frame_45_Key_Back_15 press left
advance 71
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 756
key Frame_45_Key_Back_15 press left
advance 684
key Frame_45_Key_Back_15 release left
advance 218
key Frame_45_Key_Back_15 press right
click Image48_1
key Frame_45_Key_Fix_35 press left
advance 335
hover Image56_0
key Frame_45_Key_Fix_37 move
hover Image_Rolik
key Frame_45_Key_Back_4 release left
hover Label_Podval
advance 374
key Frame_45_Key_Fix_31 move
advance 247
tab TabSheet_Post_1
advance 560
key Frame_45_Key_Back_1 move
hover Image55_0
key Frame_45_Key_Fix_11 press left
advance 889
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_10 press right
advance 203
foreground press 273
hover Image173_0
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_5 press left
hover Image52_0
advance 58
click Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Fix_3 press left
advance 499
hover Image70_3
tab TabSheet_Roga
advance 397
key Frame_45_Key_Back_15 release right
advance 200
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
hover Label_SizeMot_Int
click Image75_0
advance 21
tab TabSheet_Roga
advance 635
tab TabSheet_Post_2
hover Image_wall
advance 528
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Back_14 release right
advance 403
key Frame_45_Key_Fix_53 press left
advance 665
key Frame_45_Key_Back_11 release left
advance 39
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Fix_55 move
advance 116
click Image1_Polosa_Body
key Frame_45_Key_Back_7 press left
advance 985
hover Image105_0
advance 1071
key Frame_Button8 release left
advance 1403
key Frame_45_Key_Fix_54 press right
advance 301
key Frame_45_Key_Fix_52 move
advance 125
key Frame_45_Key_Back_7 release left
advance 266
key Frame_45_Key_Fix_55 press left
key Frame_45_Key_Back_7 release right
tab TabSheet_RM_Kromkomotalka
advance 2141
click Image10_3
key Frame_45_Key_Fix_15 press right
tab TabSheet_Post1_Pult_1
advance 806
hover Image107_0
advance 607
key Frame_45_Key_Fix_11 press left
advance 504
hover Image173_0
advance 228
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_6 press right
hover Image38_3
advance 437
click Image111_3
advance 791
key Frame_45_Key_Fix_16 press left
advance 919
hover Image107_0
advance 429
hover Image7_Polosa_Body
advance 266
bare TabSheet_Post1_Pult_2
advance 240
find 7
key Frame_45_Key_Fix_15 move
advance 376
key Frame_45_Key_Fix_17 press left
advance 249
hover Image74_0
tab TabSheet_Post1_Pult_3
advance 150
key Frame_45_Key_Back_2 release left
hover Image173_0
key Frame_45_Key_Back_2 move
key Frame_45_Key_Fix_20 press right
key Frame_Button2 release left
advance 300
key Frame_Button1 release right
advance 463
tab TabSheet_Post1_Pult_4
click Image48_1
advance 593
key Frame_45_Key_Fix_37 move
key Frame_45_Key_Fix_35 press left
advance 422
key Frame_45_Key_Fix_39 move
advance 75
key Frame_45_Key_Fix_32 press left
key Frame_45_Key_Fix_39 move
tab TabSheet_Post_1
key Frame_45_Key_Fix_25 move
advance 603
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_27 move
advance 343
key Frame_45_Key_Fix_28 press left
advance 751
hover Label_Podval
advance 20
key Frame_45_Key_Fix_23 press left
advance 656
key Frame_45_Key_Fix_24 press right
hover Image54_0
advance 105
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_28 press right
advance 403
key Frame_45_Key_Fix_28 press left
advance 401
find 5
advance 459
hover Image19_0
advance 1694
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 1625
find 5
advance 529
key Frame_45_Key_Fix_11 move
hover Image106_0
key Frame_45_Key_Fix_8 move
advance 161
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_7 press left
advance 443
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_10 press right
tab TabSheet_Roga
advance 53
key Frame_45_Key_Back_15 move
advance 386
key Frame_45_Key_Back_15 move
click Image61_0
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
advance 88
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_5 press right
key Frame_45_Key_Fix_8 press left
advance 509
key Frame_45_Key_Fix_6 move
advance 1738
key Frame_45_Key_Fix_8 move
advance 473
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_5 move
advance 108
hover Image70_3
key Frame_45_Key_Fix_8 move
hover Image118_0
key Frame_45_Key_Fix_3 press left
advance 264
tab TabSheet_Post_2
advance 262
key Frame_45_Key_Back_13 press left
advance 797
key Frame_45_Key_Back_12 press left
advance 1022
hover Image106_0
advance 206
key Frame_45_Key_Back_13 release right
find 5
advance 457
key Frame_45_Key_Fix_1 press right
advance 978
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_6 move
advance 478
key Frame_45_Key_Fix_6 press left
advance 329
tab TabSheet_Post_2
key Frame_45_Key_Fix_53 press left
advance 759
key Frame_45_Key_Fix_56 move
click Image111_3
key Frame_45_Key_Fix_16 press left
hover Image19_0
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_17 press left
advance 1817
click Image173_0
key Frame_45_Key_Back_9 press left
advance 912
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Fix_54 press left
hover Image1
key Frame_Button8 release right
key Frame_45_Key_Back_12 move
advance 269
key Frame_45_Key_Back_14 release left
advance 311
key Frame_45_Key_Back_8 release left
tab TabSheet_Post2_Pult_2
advance 605
key Frame_45_Key_Fix_Tolchok press left
key Frame_45_Key_Fix_44 move
advance 221
tab TabSheet_Post_1
advance 265
key Frame_45_Key_Fix_18 press right
key Frame_45_Key_Fix_18 press left
advance 600
key Frame_45_Key_Fix_17 press right
advance 620
key Frame_45_Key_Fix_16 move
advance 890
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_14 move
advance 328
hover Image107_0
key Frame_45_Key_Fix_15 move
hover Image107_0
tab TabSheet_Roga
advance 721
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
hover Button1
click Image22_3
advance 184
key Frame_45_Key_Fix_24 press left
hover Image171_0
advance 888
hover Image173_0
advance 98
key Frame_45_Key_Fix_25 press right
key Frame_45_Key_Fix_29 move
advance 1518
key Frame_45_Key_Fix_22 move
advance 381
tab TabSheet_Post1_Pult_3
advance 950
key Frame_45_Key_Fix_21 press left
tab TabSheet_Post1_Pult_2
click Image38_3
hover Image70_3
advance 109
key Frame_45_Key_Back_4 press left
advance 134
key Frame_45_Key_Fix_41 press left
hover Image52_0
key Frame_45_Key_Fix_32 move
advance 552
key Frame_45_Key_Fix_31 press left
advance 514
key Frame_45_Key_Fix_37 move
key Frame_45_Key_Fix_37 move
advance 255
tab TabSheet_Post2_Pult_2
advance 393
key Frame_45_Key_Fix_43 move
key Frame_45_Key_Back_5 press left
key Frame_45_Key_Back_5 release left
find 9
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_14 press left
tab TabSheet_Post1_Pult_1
advance 46
hover Image_FixRolLow
key Frame_45_Key_Fix_4 move
hover Image1
advance 41
hover Image1
advance 260
key Frame_45_Key_Fix_3 press right
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Back_1 move
advance 87
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 122
hover Image107_0
advance 752
key Frame_45_Key_Back_15 move
advance 14
key Frame_45_Key_Back_15 press right
advance 480
key Frame_45_Key_Back_15 release right
advance 748
tab TabSheet_Post_1
advance 421
find 5
advance 154
tab TabSheet_Post1_Pult_2
advance 84
key Frame_45_Key_Fix_13 move
advance 283
mode 1
step 30
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_16 press right
drag press 58
advance 46
key Frame_45_Key_Fix_13 move
hover Image172_0
key Frame_45_Key_Fix_13 move
advance 609
click Image75_0
hover Image3_3
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_31 move
advance 165
hover Image_Invisible_9
key Frame_45_Key_Fix_37 press left
advance 415
key Frame_45_Key_Fix_37 press right
advance 344
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_33 press left
hover Image_wall
tab TabSheet_Roga
advance 270
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 960
hover Label_Podval
advance 220
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 415
hover Image7_0
advance 353
key Frame_45_Key_Back_15 release left
advance 53
tab TabSheet_RM_Kromkomotalka
hover Image_Operator
advance 296
key Frame_45_Key_Fix_59 press right
key Frame_90_Key_2 move
advance 488
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_59 move
advance 402
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_60 move
tab TabSheet_Post_2
advance 1020
key Frame_45_Key_Fix_40 press left
advance 448
tab TabSheet_Post2_Pult_2
advance 287
click Image31_3
tab TabSheet_Roga
advance 151
hover Image172_0
advance 553
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 515
key Frame_45_Key_Back_15 press left
advance 814
key Frame_45_Key_Back_15 press left
advance 279
tab TabSheet_RM_Kromkomotalka
foreground press 723
advance 687
tab TabSheet_Post_1
find 5
hover Image_Fon2
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_8 move
advance 314
tab TabSheet_Post_2
key Frame_45_Key_Back_4 press left
advance 190
hover Button1
advance 281
key Frame_45_Key_Fix_37 press right
key Frame_45_Key_Fix_32 move
hover Image106_0
advance 259
key Frame_90_Key_1 move
advance 271
click Image48_2
key Frame_45_Key_Back_4 move
advance 230
key Frame_Button4 press right
key Frame_45_Key_Fix_37 press left
key Frame_45_Key_Fix_36 press right
advance 208
tab TabSheet_Post2_Pult_2
hover Image55_0
advance 1561
key Frame_45_Key_Fix_47 press left
advance 327
key Frame_45_Key_Fix_Tolchok move
tab TabSheet_Post2_Pult_3
advance 272
key Frame_45_Key_Back_8 release right
find 6
foreground press 68
tab TabSheet_Post1_Pult_4
advance 406
tab TabSheet_RM_Kromkomotalka
hover Image172_0
advance 1921
hover Image64_0
advance 632
key Frame_45_Key_Fix_33 move
advance 340
key Frame_45_Key_Fix_58 press right
tab TabSheet_Roga
find 6
hover Image15_0
advance 482
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_9 press left
advance 400
tab TabSheet_Post_2
key Frame_45_Key_Fix_52 press left
hover Image5_3
key Frame_45_Key_Back_12 release left
advance 676
key Frame_45_Key_Back_12 move
advance 449
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_11 press left
advance 169
hover Image18_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 press left
advance 698
tab TabSheet_Post_1
advance 1084
key Frame_45_Key_Fix_2 move
advance 488
tab TabSheet_Post_2
advance 14
tab TabSheet_Post_1
advance 312
tab TabSheet_RM_Kromkomotalka
advance 463
key Frame_45_Key_Fix_60 move
advance 345
key Frame_45_Key_Fix_59 move
advance 219
click Image28_3
advance 100
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_10 press right
advance 132
tab TabSheet_Post1_Pult_4
tab TabSheet_Post_2
advance 54
key Frame_45_Key_Back_9 move
advance 1294
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_13 release right
key Frame_45_Key_Back_14 release left
advance 174
key Frame_45_Key_Fix_51 move
advance 776
tab TabSheet_Post2_Pult_1
advance 1121
key Frame_45_Key_Fix_38 move
advance 831
key Frame_45_Key_Fix_39 press right
advance 553
hover Label_Post_Kromko
key Frame_45_Key_Fix_31 press left
key Frame_45_Key_Fix_39 move
advance 152
key Frame_90_Key_1 move
advance 748
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Back_RS move
advance 702
foreground press 500
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_41 move
key Frame_45_Key_Fix_39 move
click Image65_0
hover Image171_0
tab TabSheet_Post2_Pult_1
advance 189
hover Image2
key Frame_45_Key_Fix_40 press right
advance 204
tab TabSheet_Roga
advance 422
key Frame_45_Key_Back_15 press left
hover Image_wall
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
find 1
advance 456
hover Image55_0
advance 404
key Frame_45_Key_Fix_10 move
advance 2006
key Frame_45_Key_Fix_4 move
advance 544
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_3 move
advance 559
key Frame_45_Key_Fix_5 move
advance 914
hover Image57_0
advance 2799
hover Image108_0
tab TabSheet_Post1_Pult_4
hover Image64_0
key Frame_45_Key_Fix_23 move
advance 440
key Frame_45_Key_Fix_22 press left
advance 373
key Frame_45_Key_Fix_25 move
advance 271
bare TabSheet_Post1_Pult_4
advance 267
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
advance 323
hover Label_Baraban_Razmativatela
advance 532
closeup Panel_70_mech press 177
advance 343
drag release
advance 1155
key Frame_45_Key_Back_15 move
advance 117
key Frame_45_Key_Back_15 release right
advance 192
find 6
hover Image107_0
advance 466
key Frame_45_Key_Fix_1 press right
key Frame_45_Key_Fix_5 move
hover Image105_0
tab TabSheet_Post1_Pult_3
key Frame_Button1 release left
advance 416
key Frame_45_Key_Fix_20 move
advance 233
key Frame_Button1 release right
key Frame_Button1 press right
advance 765
click Image_Invisible_9
advance 150
key Frame_45_Key_Fix_17 press left
advance 34
hover Image170_0
hover Image172_0
advance 327
hover Image69_2
advance 938
key Frame_45_Key_Fix_14 press left
advance 304
key Frame_45_Key_Fix_13 move
tab TabSheet_Post1_Pult_1
advance 457
key Frame_45_Key_Fix_6 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
find 2
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_8 press right
advance 460
key Frame_45_Key_Fix_7 press left
advance 482
key Frame_45_Key_Fix_3 press right
hover Image54_0
advance 249
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_20 move
hover Label_Post_Kromko
hover Image108_0
advance 1215
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 387
key Frame_45_Key_Fix_21 move
key Frame_45_Key_Fix_19 press left
advance 181
find 3
key Frame_45_Key_Fix_3 press right
advance 160
key Frame_45_Key_Fix_1 press left
advance 119
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Back_1 release left
advance 285
key Frame_45_Key_Fix_11 move
advance 994
find 6
click Image55_0
advance 21
key Frame_45_Key_Fix_57 move
advance 280
key Frame_45_Key_Fix_33 move
advance 618
hover Image106_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 release right
advance 88
key Frame_45_Key_Back_15 release right
advance 529
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
advance 151
key Frame_45_Key_Back_15 press left
advance 61
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
hover Image55_0
key Frame_45_Key_Back_15 move
advance 102
key Frame_45_Key_Back_15 press right
advance 169
key Frame_45_Key_Back_15 press left
advance 395
tab TabSheet_Post_1
key Frame_45_Key_Back_1 press right
key Frame_45_Key_Fix_11 move
advance 344
key Frame_45_Key_Fix_5 move
hover Image108_0
key Frame_45_Key_Fix_3 move
advance 1116
tab TabSheet_Post_2
advance 75
tab TabSheet_Post2_Pult_3
advance 240
foreground press 68
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
advance 339
key Frame_45_Key_Back_15 press right
advance 472
key Frame_45_Key_Back_15 release right
tab TabSheet_Post_2
advance 63
key Frame_45_Key_Back_11 press right
bare TabSheet_Post2_Pult_3
key Frame_45_Key_Back_12 press left
tab TabSheet_Post2_Pult_1
advance 496
tab TabSheet_Post2_Pult_2
advance 2869
key Frame_45_Key_Fix_43 press left
advance 460
key Frame_45_Key_Back_RS press left
key Frame_45_Key_Fix_48 press left
advance 193
bare TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_44 move
advance 944
key Frame_45_Key_Fix_45 press left
advance 457
key Frame_45_Key_Fix_48 move
advance 387
key Frame_45_Key_Back_5 move
advance 1061
tab TabSheet_RM_Kromkomotalka
advance 931
tab TabSheet_Roga
find 9
advance 675
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_12 press left
advance 329
hover Image53_3
advance 865
tab TabSheet_Post1_Pult_1
advance 168
key Frame_45_Key_Fix_7 move
advance 8
click Image62_0
tab TabSheet_Roga
hover Image108_0
advance 372
key Frame_45_Key_Back_15 move
advance 373
hover Image105_0
advance 385
key Frame_45_Key_Back_15 press left
advance 272
hover Image_Fon2
hover Image1
advance 269
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press right
hover Image105_0
click Image28_3
advance 575
hover Label_SizeRaz_Int
advance 388
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_22 move
hover Image108_0
hover Image106_0
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_29 press left
advance 153
tab TabSheet_RM_Kromkomotalka
advance 180
key Frame_45_Key_Fix_61 move
advance 334
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_58 press left
advance 250
tab TabSheet_Post_1
advance 1468
tab TabSheet_RM_Kromkomotalka
advance 861
key Frame_45_Key_Fix_57 press right
advance 195
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_58 press left
advance 924
find 40
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_33 press left
advance 1349
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_61 press right
advance 444
key Frame_45_Key_Fix_58 press left
hover Image51_2
key Frame_90_Key_2 press left
foreground press 188
advance 328
key Frame_45_Key_Fix_60 move
advance 798
tab TabSheet_Post_2
advance 1771
tab TabSheet_Post2_Pult_3
advance 1643
key Frame_45_Key_Fix_53 press left
key Frame_45_Key_Back_14 move
hover Image53_0
advance 369
key Frame_45_Key_Back_10 press left
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Back_11 release left
advance 301
tab TabSheet_RM_Kromkomotalka
hover Image1
key Frame_45_Key_Fix_61 move
advance 505
key Frame_45_Key_Fix_59 press left
hover Image55_0
key Frame_45_Key_Fix_59 move
advance 322
key Frame_90_Key_2 move
advance 13
key Frame_45_Key_Fix_60 press right
advance 136
hover Image1
tab TabSheet_Post_1
key Frame_45_Key_Fix_29 move
advance 44
key Frame_45_Key_Fix_25 press right
find 9
advance 351
key Frame_45_Key_Fix_15 press left
tab TabSheet_Post1_Pult_1
advance 667
hover Image108_0
advance 823
key Frame_45_Key_Fix_5 move
hover Image_Fon2
tab TabSheet_Post1_Pult_3
tab TabSheet_RM_Kromkomotalka
foreground press 439
key Frame_90_Key_2 move
advance 1070
key Frame_45_Key_Fix_57 move
advance 347
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_60 press left
advance 454
key Frame_45_Key_Fix_57 press left
advance 881
find 5
advance 468
key Frame_45_Key_Fix_5 press left
advance 880
key Frame_45_Key_Fix_3 press left
advance 232
key Frame_45_Key_Fix_10 press left
advance 131
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_5 move
advance 1249
tab TabSheet_Post1_Pult_3
advance 667
tab TabSheet_Post_2
advance 515
key Frame_45_Key_Back_11 press left
advance 323
key Frame_45_Key_Back_11 move
advance 290
tab TabSheet_Post_1
advance 201
key Frame_Button3 release right
key Frame_Button1 release left
click Image3_1
key Frame_45_Key_Fix_9 press left
hover Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Fix_8 press left
advance 1266
mode 1
step 30
hover Image2
advance 446
key Frame_45_Key_Fix_2 press right
advance 808
key Frame_45_Key_Fix_6 move
advance 1260
hover Image2
key Frame_45_Key_Fix_2 press left
advance 283
key Frame_45_Key_Back_1 press right
advance 430
key Frame_45_Key_Fix_10 move
advance 781
hover Image48_0
advance 797
key Frame_45_Key_Fix_7 move
advance 1042
hover Image36_Polosa_Body
key Frame_45_Key_Fix_4 move
advance 336
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_6 press right
advance 442
hover Image173_0
advance 25
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_5 press right
key Frame_45_Key_Fix_10 move
advance 201
key Frame_45_Key_Fix_8 move
advance 97
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_1 press left
advance 801
foreground press 192
key Frame_45_Key_Fix_1 press right
advance 1393
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_7 move
advance 391
key Frame_45_Key_Fix_9 press right
hover Image173_0
key Frame_45_Key_Fix_3 press right
key Frame_45_Key_Fix_9 press left
advance 302
hover Image22_0
advance 320
tab TabSheet_Post1_Pult_4
advance 152
key Frame_45_Key_Back_3 press left
tab TabSheet_Post_2
foreground press 68
key Frame_45_Key_Back_9 move
advance 827
click Label_Baraban_Motalki
advance 331
click Image118_0
key Frame_45_Key_Fix_28 press right
advance 465
key Frame_45_Key_Fix_27 move
advance 490
hover Image149_0
advance 812
key Frame_45_Key_Back_3 move
advance 132
key Frame_45_Key_Fix_23 move
advance 412
key Frame_45_Key_Fix_23 move
advance 233
key Frame_45_Key_Back_3 move
advance 313
foreground press 42
click Image_Fon2
advance 1674
key Frame_45_Key_Fix_25 press right
hover Image2
advance 339
tab TabSheet_Post1_Pult_2
advance 621
hover Image19_0
advance 1357
key Frame_45_Key_Fix_15 press left
find 40
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_17 press right
advance 769
key Frame_45_Key_Fix_18 move
hover Image173_0
advance 256
key Frame_45_Key_Fix_13 move
advance 542
tab TabSheet_Post1_Pult_4
advance 449
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_30 move
advance 485
click Image111_0
advance 593
foreground press 68
advance 375
hover Image172_0
key Frame_45_Key_Fix_14 press left
hover Image_Fon2
advance 456
key Frame_45_Key_Fix_14 press right
key Frame_45_Key_Fix_12 move
advance 474
hover Image28_3
advance 883
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_16 move
advance 172
key Frame_45_Key_Fix_15 press left
advance 432
find 7
advance 330
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_18 move
advance 29
key Frame_45_Key_Fix_15 move
advance 211
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_16 move
advance 492
tab TabSheet_RM_Kromkomotalka
advance 689
hover Image_Operator
tab TabSheet_Post_1
advance 115
tab TabSheet_Post1_Pult_3
advance 343
find 5
key Frame_45_Key_Fix_1 move
advance 100
key Frame_45_Key_Fix_3 move
advance 1221
key Frame_45_Key_Back_1 move
hover Label_Baraban_Motalki
advance 372
hover Image_Rolik
hover Label_Baraban_Motalki
advance 60
hover Image_Fon2
hover Image2
hover Label_Baraban_Razmativatela
advance 381
hover Image55_3
advance 360
key Frame_45_Key_Back_1 move
tab TabSheet_Post1_Pult_2
hover Image107_0
advance 2056
key Frame_45_Key_Fix_12 press left
advance 690
key Frame_45_Key_Fix_14 move
advance 524
hover Image1
bare TabSheet_Post1_Pult_2
click Image15_0
advance 599
hover Image105_0
tab TabSheet_Post_2
advance 560
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_9 release left
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Fix_51 press left
advance 477
key Frame_45_Key_Fix_52 move
hover Image54_0
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Fix_52 press right
advance 480
key Frame_45_Key_Back_12 release left
advance 22
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Back_12 release left
advance 351
tab TabSheet_Post2_Pult_1
hover Image54_0
click Image18_0
tab TabSheet_Post1_Pult_3
key Frame_Button2 press left
advance 423
key Frame_45_Key_Fix_20 move
advance 68
key Frame_Button3 release left
key Frame_Button3 release right
advance 293
key Frame_45_Key_Back_2 release left
tab TabSheet_Post1_Pult_1
advance 386
tab TabSheet_Roga
advance 711
hover Image111_0
advance 24
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 130
key Frame_45_Key_Back_15 move
advance 353
key Frame_45_Key_Back_15 move
advance 758
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
advance 568
key Frame_45_Key_Fix_58 move
advance 622
hover Image106_0
advance 749
tab TabSheet_Roga
advance 180
hover Image171_0
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
advance 37
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 832
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 932
hover Image2
advance 764
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 487
key Frame_45_Key_Back_15 move
advance 409
tab TabSheet_Post_1
advance 342
key Frame_45_Key_Fix_7 move
hover Image_Fon2
advance 435
key Frame_45_Key_Fix_3 move
advance 631
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 move
advance 404
find 7
key Frame_45_Key_Fix_13 move
hover Label_Podval
key Frame_45_Key_Fix_14 move
advance 1832
key Frame_45_Key_Fix_14 press left
advance 558
key Frame_45_Key_Fix_15 move
advance 512
window scroll 20 0
hover Image57_3
advance 110
find 9
advance 575
key Frame_45_Key_Fix_16 press left
tab TabSheet_RM_Kromkomotalka
advance 200
key Frame_45_Key_Fix_33 press left
advance 440
hover Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 press left
advance 423
hover Image54_0
key Frame_90_Key_2 move
key Frame_45_Key_Fix_59 move
advance 121
key Frame_45_Key_Fix_58 move
hover Image173_0
advance 666
key Frame_45_Key_Fix_33 move
find 9
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_13 press left
tab TabSheet_Post1_Pult_3
advance 490
key Frame_45_Key_Fix_21 press left
key Frame_45_Key_Fix_20 press right
advance 137
hover Image57_3
advance 611
key Frame_Button1 release right
advance 239
find 6
advance 246
key Frame_45_Key_Fix_11 press left
advance 1126
key Frame_45_Key_Fix_2 press left
advance 512
hover Image108_0
hover Image5_3
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_1 move
advance 1283
key Frame_45_Key_Fix_9 press left
advance 81
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_11 press left
advance 377
key Frame_45_Key_Fix_9 press left
tab TabSheet_Roga
advance 446
key Frame_45_Key_Back_15 release left
advance 293
key Frame_45_Key_Back_15 move
advance 499
hover Image5_3
advance 375
key Frame_45_Key_Back_15 move
advance 852
tab TabSheet_Post_1
advance 544
tab TabSheet_RM_Kromkomotalka
hover Button1
hover Image54_0
key Frame_45_Key_Fix_59 press left
advance 228
key Frame_45_Key_Fix_59 move
advance 260
key Frame_45_Key_Fix_60 move
advance 481
key Frame_45_Key_Fix_58 press right
advance 19
hover Label_Baraban_Razmativatela
advance 153
hover Image55_3
advance 765
key Frame_45_Key_Fix_57 press left
advance 372
key Frame_45_Key_Fix_57 move
advance 276
tab TabSheet_Post_1
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_10 press left
advance 758
click Image66_0
advance 245
hover Image_wall
key Frame_45_Key_Fix_56 press right
key Frame_Button8 release left
key Frame_45_Key_Back_7 press left
advance 206
tab TabSheet_Roga
tab TabSheet_Post_1
hover Image107_0
advance 375
key Frame_45_Key_Fix_2 press right
advance 236
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_7 press right
hover Image_Vnutrennosti_Rulona_Razmativatela
key Frame_45_Key_Fix_7 press left
advance 222
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_8 move
advance 389
find 40
advance 20
tab TabSheet_Post1_Pult_3
advance 365
key Frame_45_Key_Fix_21 press left
advance 492
hover Image108_0
advance 378
hover Image_wall
key Frame_45_Key_Fix_21 move
advance 399
key Frame_Krutilka1 press left
key Frame_Button3 release right
advance 977
key Frame_Button3 press left
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_Button3 release left
key Frame_Button3 release left
key Frame_45_Key_Fix_21 move
key Frame_Button3 press left
hover Image105_0
key Frame_Button2 press left
key Frame_Krutilka1 press left
advance 397
key Frame_Button3 press right
advance 224
hover Image108_0
advance 281
click Image28_3
advance 278
key Frame_45_Key_Fix_25 press right
key Frame_45_Key_Fix_27 move
advance 450
hover Image_FixRolTop
key Frame_45_Key_Fix_25 press left
advance 469
key Frame_45_Key_Fix_23 move
advance 943
key Frame_45_Key_Fix_27 move
advance 502
bare TabSheet_Post1_Pult_4
advance 695
tab TabSheet_Post1_Pult_1
advance 457
key Frame_45_Key_Fix_11 press left
advance 492
tab TabSheet_Roga
advance 458
key Frame_45_Key_Back_15 move
advance 47
hover Image_FixRolTop
advance 120
hover Image171_0
advance 160
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 1012
key Frame_45_Key_Back_15 move
advance 297
tab TabSheet_Post_2
hover Image70_3
advance 932
hover Image25_0
hover Image64_0
key Frame_45_Key_Back_7 press right
key Frame_45_Key_Back_11 release left
advance 1135
key Frame_45_Key_Back_12 move
key Frame_45_Key_Fix_54 move
advance 73
key Frame_45_Key_Back_12 release right
key Frame_45_Key_Back_10 press left
advance 364
tab TabSheet_Post2_Pult_1
hover Image173_0
advance 16
key Frame_45_Key_Fix_37 press left
key Frame_45_Key_Back_4 press left
advance 906
hover Image108_0
advance 584
find 3
key Frame_45_Key_Fix_4 move
advance 465
key Frame_45_Key_Fix_1 press left
advance 480
key Frame_45_Key_Fix_1 press left
advance 675
tab TabSheet_Post_2
advance 588
key Frame_45_Key_Fix_37 press left
foreground press 68
click Image_Fon2
key Frame_45_Key_Fix_39 move
key Frame_45_Key_Fix_36 press left
tab TabSheet_Post2_Pult_3
advance 631
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Fix_52 move
advance 1175
hover Image19_0
key Frame_45_Key_Back_13 move
hover Image3_0
advance 489
key Frame_45_Key_Fix_56 press right
advance 233
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Back_10 release left
advance 790
key Frame_Button8 release left
advance 442
key Frame_45_Key_Fix_55 press left
advance 373
key Frame_45_Key_Back_14 move
closeup Panel_70_mech press 205
key Frame_45_Key_Fix_52 move
tab TabSheet_Roga
tab TabSheet_Post_2
click Image28_3
advance 690
hover Image2_0
key Frame_45_Key_Fix_30 move
foreground press 849
advance 303
closeup Panel_70_mech move 27
drag release
advance 2368
hover Image48_0
advance 277
find 3
tab TabSheet_Post1_Pult_3
hover Image106_0
key Frame_45_Key_Fix_21 press left
key Frame_45_Key_Back_2 release right
key Frame_Button3 press right
key Frame_Button1 press right
advance 477
key Frame_45_Key_Fix_19 press left
key Frame_45_Key_Fix_21 move
advance 398
key Frame_45_Key_Fix_21 press left
advance 342
key Frame_45_Key_Fix_21 move
advance 163
hover Image105_0
tab TabSheet_RM_Kromkomotalka
advance 254
tab TabSheet_Post_2
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 255
key Frame_45_Key_Back_13 press left
advance 269
hover Label_Podval
advance 487
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Fix_53 press right
foreground press 132
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 47
hover Image118_0
click Image149_0
click Image107_0
key Frame_45_Key_Fix_6 press right
key Frame_45_Key_Fix_5 press left
tab TabSheet_Post_2
key Frame_90_Key_1 move
advance 382
hover Image5_3
key Frame_45_Key_Back_4 move
advance 360
key Frame_45_Key_Fix_39 press left
advance 714
key Frame_Button4 release left
advance 387
foreground press 68
advance 566
hover Image171_0
advance 426
click Image111_3
advance 356
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_17 move
hover Image1
key Frame_45_Key_Fix_18 press right
advance 133
key Frame_45_Key_Fix_17 press left
advance 195
foreground press 42
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_15 press left
tab TabSheet_Post_2
advance 748
find 5
tab TabSheet_RM_Kromkomotalka
advance 1539
key Frame_45_Key_Fix_61 move
advance 297
key Frame_90_Key_2 move
hover Image56_0
key Frame_45_Key_Fix_60 move
advance 214
hover Label_Baraban_Razmativatela
advance 485
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 92
tab TabSheet_Post_1
key Frame_45_Key_Fix_1 move
mode 1
step 30
advance 634
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_2 press left
advance 1905
click Image111_0
advance 638
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_15 press left
advance 187
key Frame_45_Key_Fix_18 press right
advance 314
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_16 press left
advance 412
hover Image173_0
advance 336
hover Image28_3
advance 288
key Frame_45_Key_Fix_18 press left
advance 269
key Frame_45_Key_Fix_15 move
advance 819
key Frame_45_Key_Fix_12 move
tab TabSheet_Roga
advance 61
click Image170_0
advance 788
hover Image_Kromka_1
advance 51
key Frame_45_Key_Fix_55 move
advance 97
key Frame_45_Key_Back_9 press left
advance 19
tab TabSheet_RM_Kromkomotalka
advance 396
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_61 move
advance 669
hover Image_Fon2
advance 152
bare TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 press left
hover Image_Diagonal_Right_4
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_58 press left
key Frame_90_Key_2 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 179
key Frame_45_Key_Back_15 press left
advance 278
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
advance 1225
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press right
advance 392
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press left
advance 295
tab TabSheet_Post_2
tab TabSheet_Roga
advance 180
tab TabSheet_Post_1
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_14 press left
advance 70
hover Image2
find 40
advance 807
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_2
advance 347
key Frame_45_Key_Fix_54 move
advance 981
hover Image54_0
advance 367
tab TabSheet_Post2_Pult_2
hover Image1_Polosa_Body
advance 46
key Frame_45_Key_Fix_44 move
advance 122
hover Image111_3
tab TabSheet_Post2_Pult_1
advance 562
key Frame_45_Key_Fix_36 press left
advance 430
key Frame_45_Key_Fix_36 press left
advance 81
hover Image70_3
advance 441
key Frame_45_Key_Fix_40 press left
advance 1095
key Frame_45_Key_Fix_31 move
advance 1731
key Frame_45_Key_Fix_39 move
hover Image51_3
advance 9
key Frame_45_Key_Fix_38 move
hover Button1
key Frame_45_Key_Fix_41 press left
advance 170
tab TabSheet_Post2_Pult_2
advance 198
closeup Panel_70_mech press 105
key Frame_Button6 press left
advance 476
key Frame_Button6 release left
advance 145
key Frame_45_Key_Fix_Tolchok press left
advance 465
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
advance 31
hover Image_Operator
advance 1134
key Frame_45_Key_Fix_33 press right
advance 396
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_58 move
advance 639
foreground press 234
advance 173
key Frame_45_Key_Fix_33 move
advance 1143
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_57 move
advance 492
key Frame_90_Key_2 press left
key Frame_90_Key_2 move
advance 422
tab TabSheet_Post_2
click Image2
advance 425
key Frame_45_Key_Back_RS press left
key Frame_45_Key_Back_5 press right
key Frame_45_Key_Back_5 release right
advance 1020
click Image_Fon2
key Frame_45_Key_Back_5 release left
advance 123
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
click Image6_0
advance 68
hover Image56_0
key Frame_45_Key_Fix_11 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
advance 283
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 352
hover Image171_0
advance 1267
hover Image170_0
hover Image111_3
advance 105
key Frame_45_Key_Back_15 release left
advance 377
hover Image171_0
foreground press 734
advance 355
key Frame_45_Key_Back_15 release left
advance 408
tab TabSheet_Post_1
advance 1188
hover Image54_0
key Frame_45_Key_Fix_5 move
advance 816
hover Image_Provodka_sprava
advance 719
tab TabSheet_Post1_Pult_4
advance 940
tab TabSheet_Post1_Pult_3
hover Image_Post_Kromko
advance 678
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Back_1 press left
find 9
advance 416
key Frame_45_Key_Fix_16 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
key Frame_45_Key_Fix_45 press left
hover Image172_0
hover Image2_0
advance 687
key Frame_45_Key_Fix_44 move
key Frame_Krutilka2 press right
hover Image61_0
advance 218
key Frame_45_Key_Fix_Tolchok press left
tab TabSheet_Roga
advance 690
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 979
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 605
foreground press 234
advance 467
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
hover Image_Provodka_sprava
key Frame_45_Key_Fix_60 move
advance 256
hover Image55_3
tab TabSheet_Post_1
key Frame_45_Key_Fix_14 move
advance 33
key Frame_45_Key_Fix_14 move
advance 6
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_12 press left
advance 479
hover Image36_Polosa_Body
advance 785
key Frame_45_Key_Fix_18 press left
hover Image_Diagonal_Right_4
advance 166
click Image118_0
advance 1484
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_27 press left
advance 62
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Fix_24 move
advance 68
tab TabSheet_Post1_Pult_3
advance 590
find 2
key Frame_45_Key_Fix_7 move
advance 304
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_4 move
hover Image_wall
key Frame_45_Key_Fix_11 press left
advance 60
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 move
advance 240
key Frame_45_Key_Fix_13 press left
advance 250
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_18 press right
advance 58
key Frame_45_Key_Fix_18 press right
key Frame_45_Key_Fix_18 move
hover Image56_0
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Back_1 release left
click Image118_0
advance 448
hover Image111_3
advance 253
key Frame_45_Key_Fix_23 press left
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_4
advance 349
key Frame_45_Key_Fix_24 move
advance 191
hover Image170_0
advance 801
hover Image2
key Frame_45_Key_Fix_28 press left
advance 549
click Image25_1
advance 13
hover Label_Baraban_Motalki
advance 1374
key Frame_45_Key_Fix_30 move
advance 1393
key Frame_45_Key_Fix_24 move
advance 19
find 6
key Frame_45_Key_Back_1 press right
advance 352
hover Image51_1
key Frame_45_Key_Fix_10 move
tab TabSheet_Post1_Pult_4
advance 245
hover Image_wall
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_25 press left
advance 499
step 31
# stage 31
advance 399
tab TabSheet_Roga
advance 368
hover Label_SizeRaz_Perc
advance 656
hover Image15_2
hover Image_Provodka_sprava
key Frame_45_Key_Back_15 move
advance 215
hover Image111_0
hover Image38_2
find 40
key Frame_45_Key_Back_15 move
advance 287
hover Image_Invisible_9
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 264
key Frame_45_Key_Back_15 release left
advance 602
hover Image66_0
tab TabSheet_Post_2
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
hover Image66_0
key Frame_45_Key_Back_15 release left
advance 111
key Frame_45_Key_Back_15 release right
click Image75_0
advance 439
tab TabSheet_Post2_Pult_1
advance 108
key Frame_45_Key_Fix_38 move
advance 462
key Frame_45_Key_Fix_37 move
advance 381
hover Image18_0
advance 1050
key Frame_45_Key_Fix_32 move
foreground press 763
key Frame_45_Key_Fix_41 press left
advance 795
hover Image_Diagonal_Right_4
advance 511
key Frame_90_Key_1 press right
hover Image55_3
key Frame_45_Key_Fix_39 press left
hover Image_Operator
advance 390
key Frame_45_Key_Fix_32 move
key Frame_45_Key_Fix_40 move
key Frame_45_Key_Fix_39 press left
advance 477
key Frame_45_Key_Fix_32 move
key Frame_45_Key_Fix_32 move
key Frame_45_Key_Fix_32 press left
find 39
tab TabSheet_Post2_Pult_3
advance 820
key Frame_45_Key_Back_7 release left
advance 367
key Frame_45_Key_Fix_52 press left
advance 149
click Image_Invisible_9
advance 210
key Frame_45_Key_Fix_14 move
hover Button1
advance 190
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_5 press left
advance 499
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_8 press left
advance 107
key Frame_45_Key_Back_1 release left
advance 694
key Frame_45_Key_Back_1 release left
hover Label_SizeRaz_Int
key Frame_45_Key_Fix_6 press left
advance 243
hover Image54_0
tab TabSheet_RM_Kromkomotalka
hover Image_Operator
key Frame_45_Key_Fix_58 press left
advance 310
click Image2_0
advance 485
key Frame_45_Key_Fix_3 move
advance 388
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Back_1 release left
advance 128
tab TabSheet_Post1_Pult_2
advance 2
key Frame_45_Key_Fix_17 press right
advance 245
hover Label_Podval
advance 9
tab TabSheet_Post1_Pult_3
tab TabSheet_Post_2
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Fix_52 move
hover Image_Diagonal_Right_4
advance 5
key Frame_45_Key_Back_10 release right
advance 252
click Image111_0
key Frame_45_Key_Fix_18 press left
advance 820
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_16 move
advance 421
hover Image64_0
key Frame_45_Key_Fix_13 press left
advance 456
tab TabSheet_Roga
advance 1128
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 480
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
tab TabSheet_Post_2
advance 529
key Frame_45_Key_Back_10 move
hover Image56_0
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_14 press right
advance 467
hover Image170_0
key Frame_45_Key_Fix_53 press right
hover Image52_0
advance 64
hover Label_Podval
key Frame_45_Key_Back_12 release left
advance 193
key Frame_Button8 release right
advance 1354
click Image51_1
hover Image31_1
advance 459
key Frame_45_Key_Fix_58 move
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_59 press left
advance 209
key Frame_45_Key_Fix_57 move
hover Image172_0
advance 332
key Frame_90_Key_2 press left
advance 407
key Frame_45_Key_Fix_61 press left
advance 633
hover Label_Podval
advance 371
key Frame_45_Key_Fix_58 press left
click Image48_0
advance 524
hover Image171_0
key Frame_45_Key_Fix_40 press left
advance 1462
key Frame_Button4 release left
tab TabSheet_Post2_Pult_2
advance 1557
click Image46_0
hover Label_Baraban_Motalki
advance 276
tab TabSheet_Post_1
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_16 move
advance 44
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_15 press left
tab TabSheet_Post_2
advance 2068
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 1299
key Frame_45_Key_Fix_31 press left
tab TabSheet_Post_1
advance 14
closeup Panel_Kromkomotalka press 163
advance 624
key Frame_45_Key_Fix_16 press right
advance 130
hover Label_SizeMot_Int
advance 453
hover Image2_0
hover Image172_0
key Frame_45_Key_Fix_16 move
advance 187
key Frame_45_Key_Fix_16 move
find 40
key Frame_45_Key_Fix_14 press right
advance 1387
key Frame_45_Key_Fix_14 press right
closeup Panel_Kromkomotalka move 155
key Frame_45_Key_Fix_15 press left
advance 79
hover Image_Fon2
advance 89
tab TabSheet_RM_Kromkomotalka
advance 325
key Frame_45_Key_Fix_61 press left
hover Image2
advance 266
key Frame_45_Key_Fix_60 move
step 30
# stage 30
hover Image19_Polosa_Body
advance 465
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 move
tab TabSheet_Roga
hover Image16_Polosa_Body
hover Label_Baraban_Motalki
key Frame_45_Key_Back_15 press right
advance 554
key Frame_45_Key_Back_15 move
advance 37
key Frame_45_Key_Back_15 release left
advance 123
key Frame_45_Key_Back_15 release right
advance 631
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 396
key Frame_45_Key_Back_15 move
advance 28
hover Image171_0
key Frame_45_Key_Back_15 press right
advance 165
foreground press 273
advance 945
click Image19_0
key Frame_45_Key_Fix_26 press left
advance 420
tab TabSheet_RM_Kromkomotalka
advance 858
key Frame_45_Key_Fix_60 move
tab TabSheet_Post_2
key Frame_45_Key_Back_4 press left
key Frame_Button4 release left
advance 167
key Frame_45_Key_Fix_41 press left
advance 1038
tab TabSheet_Post2_Pult_3
key Frame_Button8 press right
key Frame_45_Key_Back_12 release right
advance 504
tab TabSheet_Post2_Pult_1
advance 557
key Frame_45_Key_Fix_35 move
advance 69
tab TabSheet_Post_1
drag release
advance 386
key Frame_45_Key_Fix_28 move
tab TabSheet_RM_Kromkomotalka
advance 184
key Frame_45_Key_Fix_61 press left
hover Image173_0
advance 355
hover Image15_0
tab TabSheet_Post_1
key Frame_45_Key_Fix_25 press left
tab TabSheet_Post1_Pult_2
advance 363
hover Image173_0
advance 386
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_8 press left
advance 501
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Back_1 move
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_8 press left
hover Image_Fon2
key Frame_45_Key_Fix_9 press left
advance 254
find 2
advance 261
key Frame_45_Key_Back_1 release left
advance 76
key Frame_45_Key_Fix_8 press left
advance 1648
mode 1
step 30
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 1082
key Frame_45_Key_Back_15 press left
advance 120
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 910
key Frame_45_Key_Back_15 press left
find 3
advance 175
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 212
hover Image_Fon2
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 663
key Frame_45_Key_Back_15 press right
advance 144
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 427
key Frame_45_Key_Back_15 press left
advance 570
key Frame_45_Key_Back_15 move
click Image49_0
advance 755
key Frame_45_Key_Fix_37 move
key Frame_45_Key_Fix_35 move
advance 261
bare TabSheet_Post2_Pult_1
advance 17
key Frame_45_Key_Back_4 move
advance 138
tab TabSheet_Roga
tab TabSheet_Post_2
advance 372
find 40
hover Image_Operator
key Frame_45_Key_Fix_38 press right
hover Image170_0
advance 51
key Frame_90_Key_1 move
advance 608
key Frame_45_Key_Back_4 release left
advance 1499
key Frame_45_Key_Fix_37 move
advance 193
click Image111_0
advance 49
hover Image70_3
advance 351
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_16 press left
advance 407
hover Image173_0
key Frame_45_Key_Fix_17 press right
key Frame_45_Key_Fix_14 press left
advance 115
tab TabSheet_Roga
advance 485
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
hover Image70_3
advance 354
hover Image70_3
find 5
advance 138
key Frame_45_Key_Fix_8 move
advance 1529
tab TabSheet_Post_2
advance 870
bare TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_35 press left
advance 167
find 3
advance 517
hover Label_Baraban_Motalki
tab TabSheet_Post1_Pult_3
advance 180
key Frame_45_Key_Fix_19 move
advance 90
key Frame_45_Key_Fix_20 move
advance 801
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 move
advance 43
click Image10_3
key Frame_45_Key_Fix_12 move
advance 413
window scroll 40 0
advance 497
key Frame_45_Key_Fix_15 press left
advance 1592
key Frame_45_Key_Fix_12 press right
tab TabSheet_Post_2
advance 302
key Frame_45_Key_Fix_38 move
advance 27
key Frame_45_Key_Fix_39 press left
click Label_Baraban_Motalki
hover Image172_0
key Frame_45_Key_Fix_35 press left
click Image1
key Frame_45_Key_Fix_39 press left
tab TabSheet_RM_Kromkomotalka
advance 513
key Frame_45_Key_Fix_60 press right
advance 248
click Image_Diagonal_Right_4
key Frame_45_Key_Fix_59 move
advance 522
step 29
# stage 29
advance 1187
key Frame_45_Key_Fix_59 press right
advance 17
key Frame_45_Key_Fix_58 move
advance 312
key Frame_45_Key_Fix_33 press left
advance 309
key Frame_90_Key_2 move
key Frame_45_Key_Fix_60 press right
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_60 move
advance 1057
key Frame_90_Key_2 move
click Image28_3
advance 601
foreground press 234
advance 211
key Frame_45_Key_Fix_28 press right
advance 168
key Frame_45_Key_Fix_28 press right
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_27 move
advance 662
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Back_3 press left
advance 911
tab TabSheet_Post1_Pult_3
hover Image55_3
find 40
hover Image25_Polosa_Body
advance 56
hover Image51_0
advance 26
key Frame_Button1 press left
key Frame_45_Key_Fix_20 move
advance 359
tab TabSheet_RM_Kromkomotalka
foreground press 42
advance 23
tab TabSheet_Post_1
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
hover Image54_0
tab TabSheet_Post1_Pult_2
foreground press 132
key Frame_45_Key_Fix_18 press left
hover Image51_0
click Image71_0
key Frame_45_Key_Back_12 move
click Image52_0
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_61 press right
advance 151
key Frame_45_Key_Fix_33 press left
advance 38
key Frame_45_Key_Fix_60 move
advance 348
key Frame_45_Key_Fix_60 move
advance 407
key Frame_90_Key_2 move
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_61 press right
advance 1437
key Frame_45_Key_Fix_57 move
advance 251
hover Image22_0
key Frame_45_Key_Fix_58 press left
advance 345
hover Button1
advance 1473
key Frame_45_Key_Fix_59 move
key Frame_90_Key_2 press left
advance 30
tab TabSheet_Post_2
advance 331
key Frame_45_Key_Back_8 release right
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Fix_53 move
click Image111_0
advance 274
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_3 move
advance 354
key Frame_45_Key_Fix_1 press right
advance 59
key Frame_45_Key_Fix_5 press right
hover Image_Post_Kromko
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_5 press left
advance 99
key Frame_45_Key_Fix_2 press left
advance 1073
hover Label_Post_Kromko
hover Image54_0
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_2 move
advance 152
hover Image118_0
advance 626
key Frame_45_Key_Fix_9 press right
key Frame_45_Key_Fix_1 press right
advance 259
key Frame_45_Key_Fix_3 move
advance 1397
find 6
advance 688
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_5 press left
hover Image53_2
advance 416
key Frame_45_Key_Back_1 release right
advance 773
key Frame_45_Key_Fix_7 press left
advance 276
find 40
advance 184
key Frame_45_Key_Fix_9 press left
advance 170
key Frame_45_Key_Fix_8 move
advance 836
key Frame_45_Key_Fix_3 move
advance 350
key Frame_45_Key_Fix_1 move
advance 728
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_5 press left
key Frame_45_Key_Fix_10 move
advance 136
key Frame_45_Key_Fix_5 move
advance 595
key Frame_45_Key_Back_1 press left
advance 193
key Frame_45_Key_Fix_4 press left
advance 82
hover Image1
advance 858
hover Image_Post_Kromko
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_9 move
advance 9
find 9
advance 69
hover Image107_0
hover Image61_0
advance 158
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_1
advance 234
click Image55_3
advance 274
key Frame_45_Key_Fix_58 move
foreground press 192
advance 405
hover Image108_0
key Frame_45_Key_Fix_57 move
advance 611
key Frame_45_Key_Fix_61 press left
advance 930
key Frame_45_Key_Fix_33 press left
hover Image27_2
advance 2
hover Image105_0
click Image106_0
key Frame_45_Key_Back_1 move
advance 785
find 1
key Frame_45_Key_Fix_2 move
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_20 press left
key Frame_Button3 release left
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_Krutilka1 press right
key Frame_Button2 press right
key Frame_Krutilka1 press left
advance 565
key Frame_45_Key_Fix_21 press left
hover Image56_0
advance 1289
key Frame_Button2 press right
key Frame_Button2 press left
key Frame_Button1 press left
tab TabSheet_Post1_Pult_4
advance 96
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_26 press left
advance 43
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Fix_27 press left
advance 435
key Frame_45_Key_Fix_29 press left
advance 166
key Frame_45_Key_Fix_29 press left
hover Image54_0
hover Image57_0
advance 1296
key Frame_45_Key_Fix_30 press left
advance 247
key Frame_45_Key_Fix_27 move
advance 380
bare TabSheet_Post1_Pult_4
advance 546
hover Image105_0
advance 1413
hover Image28_3
key Frame_45_Key_Back_3 release left
advance 1405
key Frame_45_Key_Fix_30 move
tab TabSheet_Post1_Pult_2
advance 644
key Frame_45_Key_Fix_17 press left
hover Image108_0
key Frame_45_Key_Fix_15 move
hover Image106_0
advance 701
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_13 move
advance 457
click Image108_0
advance 135
tab TabSheet_Post1_Pult_4
advance 368
key Frame_45_Key_Fix_29 press right
advance 441
hover Button1
key Frame_45_Key_Fix_27 press left
advance 147
find 9
key Frame_45_Key_Fix_15 press left
advance 455
hover Image106_0
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_12 move
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 press left
advance 12
key Frame_45_Key_Fix_22 move
advance 384
key Frame_45_Key_Fix_23 move
advance 731
click Image61_0
tab TabSheet_Roga
tab TabSheet_Post_2
advance 194
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_8 move
advance 459
foreground press 803
advance 1704
key Frame_45_Key_Back_13 release right
tab TabSheet_Post2_Pult_1
advance 137
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_7 move
advance 955
key Frame_45_Key_Back_11 move
find 5
hover Image55_3
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_7 move
tab TabSheet_Post_2
tab TabSheet_Roga
hover Image61_0
advance 143
tab TabSheet_RM_Kromkomotalka
advance 786
hover Image18_Polosa_Body
advance 678
key Frame_45_Key_Fix_59 press left
advance 494
key Frame_45_Key_Fix_60 move
advance 216
find 5
hover Image106_0
advance 295
tab TabSheet_Post_2
advance 1325
key Frame_Button8 press left
advance 502
tab TabSheet_RM_Kromkomotalka
advance 633
key Frame_45_Key_Fix_57 move
advance 435
tab TabSheet_Post_2
advance 281
key Frame_45_Key_Fix_55 move
tab TabSheet_Post2_Pult_1
advance 1560
key Frame_45_Key_Fix_38 press right
key Frame_45_Key_Fix_31 press left
advance 498
click Image_Diagonal_Right_4
advance 867
hover Image15_0
hover Image131_0
tab TabSheet_Post2_Pult_3
advance 241
hover Image106_0
key Frame_45_Key_Back_12 release right
tab TabSheet_Post_1
hover Image105_0
key Frame_45_Key_Fix_3 move
advance 591
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_11 press left
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_10 press right
click Image131_0
advance 325
tab TabSheet_Post_1
key Frame_45_Key_Fix_6 move
advance 922
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_9 press left
advance 354
hover Image173_0
advance 251
tab TabSheet_Post_2
click Image108_0
advance 395
hover Image_wall
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_1 move
tab TabSheet_RM_Kromkomotalka
hover Image_wall
tab TabSheet_Post_2
hover Image111_0
advance 565
tab TabSheet_Post2_Pult_2
advance 825
find 9
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_18 move
advance 57
hover Image51_3
key Frame_45_Key_Fix_16 move
tab TabSheet_Post_2
advance 285
hover Image2
advance 268
key Frame_Button7 release right
advance 427
hover Image_Post_Kromko
advance 389
hover Label_SizeMot_Int
click Image75_0
advance 1098
step 28
# stage 28
advance 144
hover Image28_3
advance 63
hover Image28_3
tab TabSheet_RM_Kromkomotalka
advance 1188
hover Image51_0
advance 387
key Frame_45_Key_Fix_33 move
advance 646
key Frame_90_Key_2 press right
advance 348
key Frame_45_Key_Fix_59 move
advance 1271
tab TabSheet_Roga
advance 582
key Frame_45_Key_Back_15 press left
advance 305
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 503
click Image66_0
advance 409
key Frame_45_Key_Back_8 move
hover Image52_0
key Frame_45_Key_Back_12 press left
advance 181
key Frame_45_Key_Fix_52 move
advance 497
hover Image28_3
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Back_11 release left
click Image56_0
advance 89
key Frame_45_Key_Fix_32 move
advance 281
key Frame_Button4 release right
key Frame_45_Key_Fix_38 move
advance 84
click Image111_0
advance 380
tab TabSheet_Post_2
advance 1605
key Frame_45_Key_Back_4 move
advance 633
key Frame_45_Key_Fix_31 move
advance 388
hover Label_Podval
advance 236
find 40
advance 119
key Frame_90_Key_1 move
advance 501
key Frame_90_Key_1 move
key Frame_45_Key_Fix_40 move
advance 476
tab TabSheet_RM_Kromkomotalka
hover Image25_0
hover Button1
advance 251
key Frame_45_Key_Fix_58 press left
advance 79
mode 1
step 30
# stage 30
advance 193
key Frame_45_Key_Fix_58 move
advance 506
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_33 press left
advance 632
key Frame_45_Key_Fix_58 move
advance 506
foreground press 234
key Frame_45_Key_Fix_61 press left
advance 436
tab TabSheet_Post_2
key Frame_45_Key_Fix_36 press right
hover Image149_0
click Image111_0
key Frame_45_Key_Fix_12 press left
advance 435
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_15 move
advance 1852
key Frame_45_Key_Fix_12 move
advance 208
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_13 move
hover Label_Podval
hover Button1
tab TabSheet_Post1_Pult_1
hover Image2
advance 768
hover Image171_0
key Frame_45_Key_Fix_1 move
advance 249
click Image2_0
advance 372
click Image171_0
key Frame_45_Key_Back_10 release left
advance 48
hover Image107_0
advance 912
key Frame_45_Key_Back_9 press right
key Frame_45_Key_Back_11 press left
advance 110
key Frame_Button8 press left
hover Image70_3
advance 391
key Frame_45_Key_Back_14 move
advance 486
key Frame_45_Key_Back_11 move
key Frame_45_Key_Back_9 move
advance 931
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_10 release left
advance 890
hover Image131_0
key Frame_45_Key_Back_14 release right
key Frame_45_Key_Back_10 press left
advance 409
key Frame_45_Key_Fix_54 move
advance 176
tab TabSheet_Post2_Pult_2
tab TabSheet_Post_1
key Frame_45_Key_Fix_6 move
advance 687
key Frame_45_Key_Fix_1 move
tab TabSheet_Post_2
foreground press 68
click Image_Fon2
hover Image111_0
key Frame_Button6 press left
advance 257
tab TabSheet_Post_1
key Frame_45_Key_Fix_6 move
advance 2268
key Frame_45_Key_Fix_3 move
advance 200
foreground press 68
click Image_Fon2
hover Image_Provodka_sprava
advance 196
key Frame_45_Key_Fix_9 press left
advance 616
key Frame_45_Key_Back_1 move
foreground press 723
key Frame_45_Key_Fix_8 move
tab TabSheet_Post1_Pult_3
advance 241
key Frame_45_Key_Fix_21 press left
advance 1
key Frame_Button1 release right
advance 136
foreground press 723
tab TabSheet_Roga
advance 3429
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
advance 229
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_60 move
advance 232
hover Image172_0
find 6
key Frame_45_Key_Back_1 release left
advance 1765
hover Image51_0
click Image111_0
advance 297
hover Image105_0
key Frame_45_Key_Fix_13 press right
advance 1212
tab TabSheet_Post1_Pult_3
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 252
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
key Frame_90_Key_2 press left
advance 496
click Image71_0
advance 507
hover Image106_0
advance 1306
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_10 press left
key Frame_45_Key_Back_14 move
advance 631
key Frame_45_Key_Fix_53 press left
key Frame_45_Key_Fix_56 move
hover Image53_3
click Image61_0
advance 275
key Frame_45_Key_Back_10 move
hover Image56_0
key Frame_45_Key_Back_8 release left
advance 636
hover Image57_0
advance 941
tab TabSheet_Post2_Pult_1
advance 226
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
advance 499
hover Image_Post_Kromko
key Frame_45_Key_Back_15 press right
advance 608
find 9
advance 97
key Frame_45_Key_Fix_12 move
advance 186
key Frame_45_Key_Fix_14 press left
tab TabSheet_RM_Kromkomotalka
advance 188
hover Image172_0
hover Image65_0
advance 486
click Image56_0
key Frame_Button4 release left
hover Image173_0
advance 309
key Frame_45_Key_Fix_36 press right
hover Image24_Polosa_Body
advance 258
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_40 move
key Frame_45_Key_Back_4 move
advance 38
hover Image70_3
hover Image52_0
key Frame_45_Key_Back_4 release right
advance 258
key Frame_90_Key_1 move
advance 189
key Frame_Button4 press left
advance 468
foreground press 803
advance 799
key Frame_45_Key_Fix_31 move
key Frame_45_Key_Back_4 move
advance 1397
click Image64_0
tab TabSheet_Post_1
advance 495
tab TabSheet_Post1_Pult_1
advance 1345
key Frame_45_Key_Fix_2 press right
advance 613
tab TabSheet_Post_2
key Frame_45_Key_Back_7 move
advance 1160
hover Image107_0
advance 23
key Frame_45_Key_Fix_51 press right
advance 300
key Frame_45_Key_Back_14 release right
key Frame_45_Key_Fix_52 press left
advance 591
key Frame_45_Key_Back_9 release left
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 522
key Frame_45_Key_Back_13 press left
key Frame_45_Key_Back_13 press left
advance 825
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Back_13 release left
advance 905
find 2
advance 543
tab TabSheet_Post1_Pult_3
advance 1513
tab TabSheet_Post1_Pult_1
advance 396
key Frame_45_Key_Fix_11 press right
advance 22
tab TabSheet_Post1_Pult_4
advance 771
find 9
key Frame_45_Key_Fix_14 move
advance 133
hover Image106_0
advance 606
hover Image172_0
tab TabSheet_RM_Kromkomotalka
advance 272
key Frame_45_Key_Fix_57 move
hover Image52_0
advance 121
tab TabSheet_Post_1
advance 743
key Frame_45_Key_Fix_12 move
advance 168
hover Image7_Polosa_Body
advance 425
tab TabSheet_Post1_Pult_3
advance 55
tab TabSheet_Post1_Pult_1
advance 237
tab TabSheet_Post1_Pult_3
advance 513
tab TabSheet_Post1_Pult_1
hover Image1
key Frame_45_Key_Back_1 press right
advance 468
key Frame_45_Key_Fix_2 move
advance 922
tab TabSheet_Post1_Pult_2
advance 536
find 2
tab TabSheet_Roga
advance 381
tab TabSheet_Post_2
key Frame_45_Key_Fix_54 press left
advance 33
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Back_13 press left
advance 29
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Fix_56 press left
tab TabSheet_Post2_Pult_2
advance 336
find 1
advance 1
key Frame_45_Key_Fix_4 press left
advance 430
key Frame_45_Key_Fix_8 press left
advance 1442
key Frame_45_Key_Fix_6 move
hover Image31_0
advance 134
key Frame_45_Key_Fix_8 move
advance 721
find 5
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_6 press left
advance 864
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_9 press right
advance 1698
hover Image1
key Frame_45_Key_Fix_5 press right
advance 48
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_5 move
advance 1312
click Image48_3
key Frame_45_Key_Fix_37 move
advance 614
key Frame_45_Key_Fix_32 move
advance 2726
key Frame_45_Key_Fix_38 press right
advance 730
key Frame_45_Key_Fix_38 move
click Image75_0
advance 103
hover Image2
key Frame_45_Key_Fix_54 press left
advance 76
key Frame_45_Key_Back_7 release left
key Frame_45_Key_Back_13 move
advance 149
key Frame_45_Key_Fix_56 press left
key Frame_45_Key_Fix_52 move
advance 455
key Frame_45_Key_Back_11 release left
advance 665
tab TabSheet_RM_Kromkomotalka
click Image48_3
advance 510
hover Image_Fon2
key Frame_90_Key_1 press left
advance 365
hover Image5_3
advance 806
key Frame_45_Key_Back_4 release left
advance 1144
tab TabSheet_Post2_Pult_2
click Image75_0
advance 904
key Frame_45_Key_Fix_52 move
tab TabSheet_RM_Kromkomotalka
advance 39
key Frame_45_Key_Fix_61 move
advance 433
key Frame_45_Key_Fix_33 press left
advance 605
key Frame_90_Key_2 press left
advance 191
key Frame_45_Key_Fix_60 press left
foreground press 42
click Image_Fon2
key Frame_90_Key_2 move
advance 331
key Frame_45_Key_Fix_59 press right
advance 12
hover Image_Fon2
hover Image106_0
advance 385
hover Image57_3
hover Image51_1
hover Image_FixRolTop
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 press left
advance 341
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_58 press left
advance 90
key Frame_45_Key_Fix_33 press left
advance 93
tab TabSheet_Roga
advance 475
key Frame_45_Key_Back_15 release left
advance 94
hover Image172_0
tab TabSheet_Post_2
advance 5
hover Image54_0
advance 191
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_40 press left
tab TabSheet_Post2_Pult_2
advance 54
hover Label_SizeMot_Int
key Frame_45_Key_Back_5 release right
key Frame_45_Key_Fix_43 press right
hover Image5_3
advance 916
key Frame_45_Key_Back_5 move
key Frame_45_Key_Fix_NormStop move
key Frame_Krutilka2 press left
hover Image172_0
key Frame_45_Key_Fix_50 press left
advance 1341
hover Image170_0
tab TabSheet_Post2_Pult_1
advance 801
key Frame_45_Key_Fix_37 press right
tab TabSheet_RM_Kromkomotalka
click Image171_0
advance 364
key Frame_45_Key_Back_11 move
hover Image_Rolik
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Fix_53 press right
advance 821
key Frame_45_Key_Fix_56 press right
key Frame_45_Key_Back_10 release left
hover Image171_0
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
hover Image105_0
advance 992
hover Image56_0
advance 74
hover Image64_0
key Frame_45_Key_Fix_55 move
advance 492
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Back_8 move
bare TabSheet_Post2_Pult_3
hover Image106_0
advance 461
hover Button1
key Frame_45_Key_Back_9 press left
advance 116
key Frame_45_Key_Back_11 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
advance 159
find 3
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 896
key Frame_45_Key_Back_15 release left
advance 425
tab TabSheet_RM_Kromkomotalka
advance 92
key Frame_45_Key_Fix_58 press right
advance 410
key Frame_45_Key_Fix_60 move
advance 485
key Frame_45_Key_Fix_58 press left
advance 1229
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_59 press right
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_60 press right
tab TabSheet_Roga
advance 267
hover Label_Baraban_Razmativatela
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
advance 839
key Frame_45_Key_Back_15 move
advance 525
find 2
key Frame_45_Key_Fix_4 press left
hover Image_Operator
key Frame_45_Key_Fix_10 move
advance 173
bare TabSheet_Post1_Pult_1
advance 120
tab TabSheet_Post_2
key Frame_45_Key_Back_8 move
advance 328
key Frame_45_Key_Fix_52 press right
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_10 press right
advance 471
hover Image75_0
advance 419
key Frame_45_Key_Fix_52 move
advance 398
find 2
key Frame_45_Key_Fix_8 press left
advance 322
key Frame_45_Key_Fix_3 move
advance 725
key Frame_45_Key_Fix_10 move
advance 391
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
key Frame_45_Key_Fix_3 press right
key Frame_45_Key_Fix_1 press left
hover Image70_3
hover Image70_3
key Frame_45_Key_Fix_7 press right
key Frame_45_Key_Fix_11 move
hover Image_wall
key Frame_45_Key_Fix_10 press left
tab TabSheet_Post_2
advance 457
key Frame_45_Key_Back_9 move
advance 16
hover Image_Invisible_9
key Frame_Button8 release left
advance 224
key Frame_45_Key_Fix_56 press right
advance 116
key Frame_45_Key_Fix_55 move
advance 2938
key Frame_45_Key_Back_8 move
tab TabSheet_Post2_Pult_1
hover Image2
advance 59
key Frame_45_Key_Fix_40 move
hover Label_SizeMot_Perc
advance 564
key Frame_90_Key_1 move
advance 553
tab TabSheet_Post2_Pult_2
click Image56_0
key Frame_45_Key_Fix_40 move
key Frame_45_Key_Back_4 press left
key Frame_45_Key_Fix_40 move
key Frame_45_Key_Fix_31 press left
find 2
key Frame_45_Key_Fix_11 press right
advance 1183
hover Image_wall
advance 83
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_5 move
advance 398
hover Image172_0
key Frame_45_Key_Fix_9 press right
advance 171
key Frame_45_Key_Fix_11 press left
advance 21
key Frame_45_Key_Fix_2 press right
advance 413
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_5 move
advance 883
key Frame_45_Key_Back_1 press right
advance 195
hover Image173_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
advance 588
tab TabSheet_RM_Kromkomotalka
advance 328
key Frame_90_Key_2 move
key Frame_45_Key_Fix_61 press right
advance 406
find 5
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_9 move
advance 204
key Frame_45_Key_Fix_7 move
advance 735
key Frame_45_Key_Fix_8 press left
advance 68
key Frame_45_Key_Fix_5 press left
tab TabSheet_Post1_Pult_4
advance 527
hover Image55_0
advance 184
key Frame_45_Key_Fix_26 move
advance 1730
key Frame_45_Key_Fix_23 press right
advance 156
hover Image70_3
mode 1
step 30
foreground press 803
advance 681
foreground press 500
step 31
# stage 31
advance 262
foreground press 132
advance 1011
key Frame_45_Key_Fix_25 press left
hover Image111_0
hover Image_Fon2
hover Image31_2
advance 813
hover Image_Fon2
key Frame_45_Key_Fix_29 press right
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_27 move
advance 464
foreground press 803
advance 635
hover Image_Fon2
advance 422
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_26 move
advance 682
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_4 press left
advance 137
key Frame_45_Key_Fix_6 move
advance 727
key Frame_45_Key_Fix_5 press left
advance 352
key Frame_45_Key_Fix_11 press left
hover Image_Fon2
find 2
key Frame_45_Key_Fix_4 press left
advance 316
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_6 press left
advance 36
hover Image111_0
advance 725
hover Image8_Polosa_Body
foreground press 763
hover Image5_3
hover Image15_2
key Frame_45_Key_Fix_6 press left
advance 70
key Frame_45_Key_Back_1 move
advance 1403
key Frame_45_Key_Fix_7 move
advance 879
foreground press 192
advance 463
key Frame_45_Key_Back_1 move
tab TabSheet_Post1_Pult_3
click Image48_3
advance 101
tab TabSheet_RM_Kromkomotalka
hover Image_Diagonal_Right_4
advance 869
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_61 move
hover Image108_0
advance 465
key Frame_90_Key_2 move
hover Image51_1
key Frame_45_Key_Fix_33 press left
advance 450
hover Image106_0
find 1
key Frame_45_Key_Fix_6 move
advance 49
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_1
advance 739
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Fix_9 press left
advance 645
key Frame_45_Key_Fix_1 move
find 40
advance 72
tab TabSheet_Post1_Pult_4
hover Image1
tab TabSheet_Post_2
advance 319
key Frame_45_Key_Fix_41 press left
advance 1729
click Image106_0
tab TabSheet_Post1_Pult_2
tab TabSheet_Post1_Pult_3
advance 1103
key Frame_Button3 press right
key Frame_45_Key_Fix_21 press right
advance 443
key Frame_Krutilka1 press right
advance 1190
find 1
advance 1639
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Back_1 release left
hover Image131_2
advance 389
hover Image108_0
advance 608
key Frame_45_Key_Fix_8 move
hover Image106_0
click Image38_2
hover Image105_0
advance 318
key Frame_45_Key_Fix_32 move
advance 396
key Frame_45_Key_Fix_40 move
hover Label_Baraban_Razmativatela
advance 410
key Frame_45_Key_Fix_41 press left
advance 793
hover Image111_0
advance 208
hover Image108_0
hover Image105_0
advance 809
key Frame_45_Key_Fix_39 move
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_48 move
advance 402
step 30
# stage 30
key Frame_45_Key_Fix_NormStop move
advance 483
hover Image172_0
advance 417
key Frame_45_Key_Fix_44 press left
advance 639
key Frame_45_Key_Back_RS press left
advance 496
hover Image111_0
advance 67
find 5
advance 861
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 552
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
advance 681
key Frame_45_Key_Fix_33 press left
advance 777
hover Image170_0
advance 825
find 6
hover Image_Post_Kromko
key Frame_45_Key_Fix_5 press left
advance 251
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_19 move
key Frame_45_Key_Fix_20 press left
key Frame_45_Key_Back_2 move
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_15 press right
advance 816
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_16 press left
advance 390
hover Label_Baraban_Motalki
advance 296
click Image64_0
advance 500
key Frame_45_Key_Back_10 move
hover Image172_0
key Frame_45_Key_Back_13 release right
advance 506
bare TabSheet_Post2_Pult_3
advance 390
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_12 move
advance 281
key Frame_45_Key_Fix_52 move
advance 986
tab TabSheet_Post2_Pult_1
advance 137
tab TabSheet_Roga
click Image18_0
key Frame_45_Key_Back_3 press right
advance 716
key Frame_45_Key_Fix_22 press right
advance 386
tab TabSheet_Roga
advance 260
find 5
advance 539
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Back_1 move
advance 304
key Frame_45_Key_Fix_6 move
advance 623
tab TabSheet_Post1_Pult_2
click Image22_0
advance 323
hover Image61_0
advance 1684
key Frame_45_Key_Fix_26 press left
advance 752
tab TabSheet_Post_2
key Frame_45_Key_Fix_35 move
advance 464
key Frame_45_Key_Fix_36 move
hover Image54_0
advance 505
key Frame_45_Key_Back_4 move
tab TabSheet_Post_1
key Frame_45_Key_Fix_24 move
advance 337
find 40
advance 386
key Frame_45_Key_Fix_22 move
advance 1257
key Frame_45_Key_Fix_29 move
advance 195
hover Image28_3
advance 849
key Frame_45_Key_Fix_22 press right
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_25 press left
advance 257
hover Image27_0
advance 538
click Image18_0
advance 600
hover Image51_3
advance 672
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_30 press left
hover Image_Provodka_sprava
key Frame_45_Key_Back_3 release right
advance 288
hover Image19_Polosa_Body
hover Image56_0
tab TabSheet_Post1_Pult_2
advance 4
hover Image_Operator
advance 369
key Frame_45_Key_Fix_17 move
advance 99
hover Image149_0
advance 256
find 9
advance 412
key Frame_45_Key_Fix_15 press left
advance 168
tab TabSheet_Post1_Pult_3
advance 415
step 29
# stage 29
advance 175
tab TabSheet_RM_Kromkomotalka
hover Image55_0
advance 632
click Image56_0
advance 172
hover Image65_0
click Image61_0
advance 504
key Frame_45_Key_Back_14 release left
advance 400
tab TabSheet_Roga
advance 332
key Frame_45_Key_Back_15 move
advance 201
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 427
key Frame_45_Key_Back_15 move
advance 326
hover Label_SizeRaz_Int
key Frame_45_Key_Back_15 move
advance 67
key Frame_45_Key_Back_15 release left
advance 363
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 release left
advance 540
tab TabSheet_Post_2
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_14 move
advance 487
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_9 release left
key Frame_45_Key_Fix_56 press left
advance 898
key Frame_45_Key_Back_12 release right
advance 278
tab TabSheet_Post2_Pult_1
click Image111_0
advance 654
key Frame_45_Key_Fix_12 press left
advance 239
key Frame_45_Key_Fix_16 move
advance 601
key Frame_45_Key_Fix_16 press left
advance 642
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_15 press left
advance 928
key Frame_45_Key_Fix_13 press left
advance 774
key Frame_45_Key_Fix_18 move
advance 295
key Frame_45_Key_Fix_18 move
advance 1030
hover Image28_3
advance 618
tab TabSheet_RM_Kromkomotalka
advance 1099
key Frame_45_Key_Fix_58 press left
tab TabSheet_Post_1
advance 453
tab TabSheet_Post_2
key Frame_45_Key_Fix_31 press left
advance 536
key Frame_45_Key_Back_4 release left
advance 158
key Frame_45_Key_Back_4 move
tab TabSheet_Post2_Pult_3
advance 475
tab TabSheet_Roga
advance 473
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 193
tab TabSheet_Post_1
tab TabSheet_Roga
advance 301
find 40
key Frame_45_Key_Back_15 press right
advance 330
key Frame_45_Key_Back_15 release left
advance 589
key Frame_45_Key_Back_15 release left
advance 238
tab TabSheet_Post_1
advance 46
key Frame_45_Key_Fix_13 press left
advance 573
key Frame_45_Key_Fix_18 move
advance 245
hover Image51_2
key Frame_45_Key_Fix_15 move
hover Image57_3
advance 687
key Frame_45_Key_Fix_14 press left
advance 1253
tab TabSheet_Post1_Pult_4
advance 535
hover Image46_3
advance 330
tab TabSheet_Post_2
key Frame_45_Key_Back_13 press left
click Image61_0
advance 904
key Frame_45_Key_Fix_52 press right
advance 319
key Frame_45_Key_Back_14 press left
advance 170
hover Image131_2
advance 477
key Frame_45_Key_Back_14 move
key Frame_45_Key_Back_8 move
advance 1184
key Frame_45_Key_Fix_55 move
hover Image2
key Frame_45_Key_Fix_56 move
advance 5
hover Image55_0
key Frame_45_Key_Back_10 release left
advance 968
find 3
key Frame_45_Key_Fix_5 press right
advance 986
tab TabSheet_Post1_Pult_4
advance 1003
key Frame_45_Key_Fix_29 move
hover Image_Fon2
advance 413
click Image48_3
advance 321
click Image2
key Frame_45_Key_Fix_32 press left
key Frame_90_Key_1 press left
key Frame_Button4 press left
advance 714
tab TabSheet_Post2_Pult_3
advance 667
key Frame_45_Key_Fix_53 move
advance 287
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_13 release left
advance 872
key Frame_45_Key_Fix_53 press left
advance 115
key Frame_45_Key_Fix_53 press right
key Frame_45_Key_Fix_56 press left
advance 943
tab TabSheet_RM_Kromkomotalka
advance 1274
tab TabSheet_Roga
advance 456
key Frame_45_Key_Back_15 press left
advance 1626
key Frame_45_Key_Back_15 press right
advance 188
key Frame_45_Key_Back_15 release left
advance 190
key Frame_45_Key_Back_15 move
advance 183
key Frame_45_Key_Back_15 press right
advance 229
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 215
tab TabSheet_RM_Kromkomotalka
advance 813
hover Label_Podval
foreground press 42
click Image_Fon2
advance 1822
key Frame_45_Key_Fix_59 press left
advance 185
key Frame_45_Key_Fix_33 move
advance 620
key Frame_90_Key_2 press right
advance 121
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
bare TabSheet_RM_Kromkomotalka
advance 258
key Frame_45_Key_Fix_33 move
advance 600
key Frame_45_Key_Fix_59 press right
key Frame_45_Key_Fix_33 move
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_2
advance 95
click Image65_0
key Frame_45_Key_Back_7 release left
bare TabSheet_Post2_Pult_3
advance 653
bare TabSheet_Post2_Pult_3
hover Label_SizeMot_Perc
tab TabSheet_Post2_Pult_1
hover Image46_3
bare TabSheet_Post2_Pult_1
advance 876
key Frame_45_Key_Fix_32 press left
key Frame_45_Key_Fix_35 press left
advance 955
find 7
hover Image_Post_Kromko
key Frame_45_Key_Fix_16 press left
drag press 58
foreground press 500
tab TabSheet_Post1_Pult_1
advance 407
key Frame_45_Key_Fix_11 move
advance 449
key Frame_45_Key_Back_1 press left
advance 834
key Frame_45_Key_Fix_8 press left
advance 156
key Frame_45_Key_Fix_5 press left
advance 497
key Frame_45_Key_Back_1 move
hover Image57_3
tab TabSheet_Post1_Pult_4
advance 269
key Frame_45_Key_Fix_26 move
advance 890
key Frame_45_Key_Fix_30 press left
advance 323
key Frame_45_Key_Fix_28 move
tab TabSheet_Post_2
advance 747
key Frame_45_Key_Fix_41 press left
foreground press 42
click Image_Fon2
advance 970
hover Image52_0
advance 204
key Frame_45_Key_Fix_32 press left
key Frame_45_Key_Fix_40 move
advance 124
key Frame_45_Key_Fix_41 move
key Frame_45_Key_Fix_38 press left
key Frame_45_Key_Fix_35 move
advance 389
key Frame_Button4 press left
key Frame_45_Key_Fix_36 move
hover Image64_0
advance 924
find 9
key Frame_45_Key_Fix_12 press left
advance 3109
hover Image55_3
advance 493
hover Image31_2
advance 644
tab TabSheet_Post1_Pult_1
advance 288
hover Image51_2
advance 395
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_10 press right
key Frame_45_Key_Fix_10 press left
advance 327
hover Image_Fon2
advance 448
key Frame_45_Key_Back_1 move
advance 820
hover Image57_3
advance 419
key Frame_45_Key_Fix_9 move
advance 306
hover Image_Post_Kromko
advance 285
click Image118_0
key Frame_45_Key_Fix_29 press left
advance 234
key Frame_45_Key_Back_3 press left
advance 343
key Frame_45_Key_Fix_28 press right
key Frame_45_Key_Fix_24 move
advance 342
tab TabSheet_RM_Kromkomotalka
advance 1216
hover Image_Operator
advance 1584
hover Image66_0
advance 821
hover Image_Fon2
hover Image_Fon2
foreground press 803
advance 804
key Frame_45_Key_Fix_57 press right
hover Image2_0
mode 1
step 30
# stage 30
advance 449
click Image172_0
advance 377
key Frame_45_Key_Back_13 move
advance 178
key Frame_Button8 press left
tab TabSheet_Roga
advance 335
key Frame_45_Key_Back_15 release left
advance 589
tab TabSheet_Post_1
click Image118_0
advance 87
key Frame_45_Key_Back_3 press left
key Frame_45_Key_Fix_24 move
advance 649
key Frame_45_Key_Fix_30 press left
hover Image_FixRolLow
key Frame_45_Key_Fix_22 move
advance 1720
tab TabSheet_Roga
tab TabSheet_Post_2
advance 195
click Image131_2
advance 323
key Frame_45_Key_Fix_36 move
advance 292
key Frame_45_Key_Fix_41 move
advance 460
key Frame_45_Key_Back_4 press left
advance 144
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 press left
advance 1079
find 9
advance 955
key Frame_45_Key_Fix_18 press right
key Frame_45_Key_Fix_13 press right
key Frame_45_Key_Fix_16 move
advance 13
hover Image53_2
advance 106
tab TabSheet_RM_Kromkomotalka
advance 444
key Frame_45_Key_Fix_60 move
advance 282
hover Image171_0
hover Image_Operator
advance 302
click Image111_0
key Frame_45_Key_Fix_15 move
foreground press 849
advance 718
hover Image51_2
key Frame_45_Key_Fix_15 press left
advance 573
hover Image170_0
advance 1506
hover Image55_3
advance 349
find 7
advance 240
key Frame_45_Key_Fix_18 move
click Image56_0
advance 490
key Frame_90_Key_1 press left
advance 498
key Frame_90_Key_1 move
tab TabSheet_Post_1
advance 491
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_18 press left
advance 307
key Frame_45_Key_Fix_15 press left
tab TabSheet_Roga
advance 51
hover Image27_2
key Frame_45_Key_Back_15 move
advance 123
hover Image53_2
advance 764
key Frame_45_Key_Back_15 move
hover Image53_2
hover Image171_0
advance 135
key Frame_45_Key_Back_15 press left
hover Image170_0
advance 307
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 343
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press left
advance 986
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 195
key Frame_45_Key_Back_15 release left
tab TabSheet_RM_Kromkomotalka
advance 172
tab TabSheet_Post_1
advance 128
click Image61_0
key Frame_45_Key_Back_13 release right
advance 342
hover Image57_3
key Frame_45_Key_Back_14 move
advance 2236
key Frame_45_Key_Back_13 move
advance 171
key Frame_45_Key_Back_8 release left
advance 154
key Frame_45_Key_Back_13 press right
advance 104
tab TabSheet_Post_1
advance 414
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_14 move
advance 385
key Frame_45_Key_Fix_14 press left
advance 380
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Back_3 press right
advance 566
tab TabSheet_Post_2
key Frame_45_Key_Back_13 move
advance 51
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_7 move
find 9
tab TabSheet_Post1_Pult_3
advance 469
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_45_Key_Fix_20 press left
key Frame_Button3 press left
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_7 press left
hover Image173_0
key Frame_45_Key_Fix_10 move
advance 231
key Frame_45_Key_Fix_7 press left
advance 1474
key Frame_45_Key_Fix_2 move
advance 371
find 3
key Frame_45_Key_Fix_8 press right
advance 139
key Frame_45_Key_Fix_8 move
advance 342
hover Image_Stolb_Rogov
advance 657
key Frame_45_Key_Fix_5 press left
foreground press 68
advance 476
key Frame_45_Key_Back_1 move
advance 447
key Frame_45_Key_Fix_6 move
advance 469
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_2 press left
advance 782
key Frame_45_Key_Fix_10 press right
key Frame_45_Key_Fix_1 press left
advance 497
key Frame_45_Key_Fix_3 move
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
tab TabSheet_Roga
advance 548
key Frame_45_Key_Back_15 press left
advance 377
hover Image171_0
key Frame_45_Key_Back_15 press left
hover Image_Fon2
advance 223
hover Image54_0
advance 501
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press left
find 2
key Frame_45_Key_Fix_4 press left
tab TabSheet_RM_Kromkomotalka
advance 244
tab TabSheet_Post_1
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 press left
advance 768
hover Label_Baraban_Motalki
advance 59
hover Image51_2
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_33 move
advance 1661
hover Image53_2
advance 878
key Frame_45_Key_Fix_61 move
hover Image173_0
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_33 move
advance 402
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_61 press left
advance 746
hover Image_Petla_Motalki
advance 73
key Frame_45_Key_Fix_57 move
advance 465
key Frame_90_Key_2 move
key Frame_45_Key_Fix_57 move
advance 247
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_33 move
advance 381
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 move
advance 286
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_58 move
advance 306
key Frame_45_Key_Fix_58 move
hover Image76_3
tab TabSheet_Roga
find 2
key Frame_45_Key_Fix_2 press right
advance 402
hover Image70_3
key Frame_45_Key_Back_1 move
advance 439
key Frame_45_Key_Fix_7 press right
advance 178
hover Image_Diagonal_Right_4
advance 417
tab TabSheet_Post_2
hover Button1
advance 135
hover Image171_0
key Frame_45_Key_Back_14 press left
hover Image118_0
key Frame_45_Key_Back_9 move
advance 553
key Frame_45_Key_Back_8 move
key Frame_45_Key_Back_14 move
advance 172
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Fix_52 move
hover Image171_0
advance 1209
key Frame_45_Key_Fix_56 move
advance 339
find 9
advance 58
hover Label_Post_Kromko
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_13 move
advance 862
key Frame_45_Key_Fix_15 move
advance 371
hover Image171_0
advance 135
hover Label_Baraban_Motalki
advance 44
tab TabSheet_Roga
hover Image170_0
advance 344
tab TabSheet_Post_2
advance 592
key Frame_45_Key_Fix_52 move
advance 230
hover Image_wall
advance 588
click Image_Petla_Motalki
hover Image_Post_Kromko
hover Image51_2
hover Image_Fon2
advance 353
tab TabSheet_Post2_Pult_2
advance 555
tab TabSheet_Post2_Pult_3
advance 865
key Frame_45_Key_Back_9 release right
advance 254
key Frame_45_Key_Back_11 release left
advance 1282
key Frame_45_Key_Back_14 press right
key Frame_45_Key_Back_12 press right
advance 262
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_38 press left
advance 49
hover Image56_0
hover Image172_0
hover Image_wall
key Frame_45_Key_Fix_35 move
advance 325
key Frame_45_Key_Fix_37 press right
hover Image57_3
key Frame_45_Key_Fix_37 move
tab TabSheet_Post2_Pult_2
key Frame_Krutilka2 press left
advance 405
key Frame_45_Key_Fix_Tolchok move
advance 448
key Frame_45_Key_Fix_45 press right
advance 1925
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 407
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
advance 590
click Image38_2
key Frame_45_Key_Fix_39 press left
tab TabSheet_Post2_Pult_2
hover Button1
advance 614
key Frame_Button_Beep press right
foreground press 132
advance 469
hover Image56_0
click Image_Fon2
advance 474
hover Label_Baraban_Motalki
advance 683
key Frame_45_Key_Fix_49 move
key Frame_45_Key_Fix_NormStop press left
key Frame_Button7 press left
advance 203
click Image28_3
advance 834
foreground press 132
key Frame_45_Key_Fix_30 move
hover Label_Post_Kromko
advance 248
foreground press 500
key Frame_45_Key_Fix_30 move
advance 318
hover Image61_0
advance 610
key Frame_45_Key_Fix_28 move
hover Image70_3
advance 193
key Frame_45_Key_Fix_24 press left
advance 2052
key Frame_45_Key_Fix_23 press left
advance 163
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_26 press left
advance 501
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_23 press left
advance 398
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Fix_23 press left
advance 290
find 5
hover Image2
advance 495
key Frame_45_Key_Fix_5 press left
advance 411
key Frame_45_Key_Fix_2 press left
hover Image173_0
advance 312
key Frame_45_Key_Fix_2 move
advance 90
key Frame_45_Key_Fix_1 move
click Image70_3
advance 39
bare TabSheet_Post2_Pult_3
advance 266
key Frame_45_Key_Back_9 move
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_10 press right
key Frame_45_Key_Fix_54 press left
hover Image_Fon2
advance 156
key Frame_45_Key_Fix_55 move
advance 1055
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Back_8 move
find 6
tab TabSheet_Post1_Pult_4
hover Image108_0
key Frame_45_Key_Fix_24 press right
advance 760
hover Image_Fon2
key Frame_45_Key_Fix_22 press left
advance 1966
hover Image173_0
key Frame_45_Key_Fix_22 move
advance 204
key Frame_45_Key_Back_3 release left
hover Image171_0
advance 224
step 30
key Frame_45_Key_Fix_22 move
advance 75
hover Image71_0
advance 1501
key Frame_45_Key_Back_3 press right
key Frame_45_Key_Fix_30 press left
advance 443
tab TabSheet_Post1_Pult_1
advance 96
hover Image_Invisible_9
advance 361
foreground press 763
advance 55
foreground press 192
advance 531
tab TabSheet_Post1_Pult_3
advance 402
hover Image170_0
advance 75
hover Image_Fon2
advance 322
hover Label_Baraban_Motalki
key Frame_Krutilka1 press left
advance 1047
key Frame_Button2 release left
advance 830
tab TabSheet_RM_Kromkomotalka
advance 1140
key Frame_90_Key_2 press right
advance 476
click Image71_0
advance 109
key Frame_45_Key_Fix_55 press left
advance 651
key Frame_45_Key_Fix_52 move
advance 791
key Frame_45_Key_Back_7 press left
hover Image38_2
advance 465
hover Image_Provodka_sprava
key Frame_45_Key_Fix_54 move
key Frame_45_Key_Back_11 press right
click Image7_0
advance 1381
key Frame_45_Key_Fix_15 press right
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_3 move
advance 64
hover Image57_3
key Frame_45_Key_Fix_5 move
tab TabSheet_Post1_Pult_2
advance 134
hover Image_FixRolLow
key Frame_45_Key_Fix_18 press right
advance 311
key Frame_45_Key_Fix_14 press right
hover Image52_0
find 6
advance 304
tab TabSheet_Post1_Pult_4
advance 348
hover Image52_0
advance 699
key Frame_45_Key_Fix_24 move
tab TabSheet_Post1_Pult_3
hover Image7_Polosa_Body
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 374
key Frame_Button2 release left
advance 190
key Frame_Button3 release right
key Frame_Button3 press right
key Frame_45_Key_Fix_21 press left
key Frame_Button2 press right
advance 349
find 6
tab TabSheet_Roga
advance 797
hover Image70_3
advance 193
hover Image56_0
advance 150
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_2
advance 399
key Frame_Button8 press right
advance 1943
hover Image55_3
advance 1468
key Frame_45_Key_Fix_52 move
click Image170_0
advance 309
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_14 release right
tab TabSheet_Roga
advance 147
key Frame_45_Key_Back_15 press left
advance 557
key Frame_45_Key_Back_15 press right
foreground press 68
click Image_Fon2
advance 19
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
hover Image56_0
key Frame_45_Key_Back_15 press left
advance 249
hover Image19_2
advance 201
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release right
advance 114
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 484
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 1028
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 182
key Frame_45_Key_Back_15 press left
advance 376
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
advance 503
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_60 move
hover Image_wall
advance 2568
find 9
advance 639
key Frame_45_Key_Fix_14 press left
advance 112
tab TabSheet_Post_2
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
key Frame_45_Key_Fix_51 move
mode 1
step 30
advance 263
key Frame_45_Key_Fix_53 move
bare TabSheet_Post_2
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_9 press left
advance 355
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Fix_53 move
advance 719
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_61 move
click Image65_0
advance 2311
tab TabSheet_Roga
advance 166
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
hover Image70_3
advance 424
key Frame_45_Key_Fix_18 press right
click Image149_0
advance 278
key Frame_Button4 release left
key Frame_Button4 release left
key Frame_90_Key_1 press left
key Frame_Button4 release right
key Frame_45_Key_Fix_32 move
key Frame_45_Key_Fix_35 press left
key Frame_45_Key_Fix_40 move
hover Image_Fon2
advance 86
key Frame_45_Key_Fix_39 move
advance 439
tab TabSheet_Post2_Pult_2
click Image_Invisible_9
key Frame_45_Key_Fix_17 move
hover Image170_0
advance 209
tab TabSheet_Post1_Pult_4
advance 198
tab TabSheet_Post1_Pult_3
advance 68
key Frame_Button1 release left
advance 641
key Frame_45_Key_Fix_19 press left
key Frame_45_Key_Back_2 move
advance 206
tab TabSheet_Post_2
advance 1576
hover Image53_2
advance 439
find 1
key Frame_45_Key_Fix_9 press left
advance 235
tab TabSheet_Post1_Pult_4
advance 156
hover Image170_0
step 30
tab TabSheet_Post1_Pult_1
tab TabSheet_Post_2
advance 1048
key Frame_45_Key_Fix_48 move
advance 367
key Frame_45_Key_Back_5 press left
key Frame_45_Key_Back_5 release left
advance 225
key Frame_Button_Beep release right
key Frame_45_Key_Fix_49 press left
click Image_Diagonal_Right_4
advance 1200
key Frame_45_Key_Fix_49 press right
advance 7
key Frame_Button7 press left
advance 391
click Image172_0
advance 521
key Frame_45_Key_Back_13 press left
advance 68
tab TabSheet_Post_1
advance 1274
foreground press 42
click Image_Fon2
advance 68
key Frame_45_Key_Fix_2 move
advance 357
key Frame_45_Key_Fix_9 move
advance 338
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_4 press left
advance 454
key Frame_45_Key_Fix_11 press right
key Frame_45_Key_Fix_11 press left
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 move
advance 731
hover Image18_0
advance 844
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_58 move
advance 603
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_33 press left
advance 1290
key Frame_45_Key_Fix_60 press right
tab TabSheet_Post_2
foreground press 132
advance 778
key Frame_45_Key_Back_7 move
hover Image22_0
advance 401
key Frame_45_Key_Back_14 move
key Frame_45_Key_Fix_52 press right
hover Image61_0
advance 238
key Frame_45_Key_Fix_55 press left
advance 6
hover Button1
advance 64
hover Image56_0
advance 1209
key Frame_45_Key_Back_10 release right
key Frame_45_Key_Fix_53 move
hover Image2
advance 566
click Image24_0
tab TabSheet_RM_Kromkomotalka
advance 254
key Frame_45_Key_Fix_59 move
hover Image55_3
advance 1104
key Frame_45_Key_Fix_33 press left
advance 496
hover Image57_0
advance 1206
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_33 move
advance 1032
key Frame_90_Key_2 move
tab TabSheet_Post_1
advance 430
key Frame_45_Key_Fix_26 move
tab TabSheet_Post1_Pult_1
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
click Image64_0
key Frame_45_Key_Back_13 move
advance 333
key Frame_45_Key_Back_10 move
advance 1066
tab TabSheet_RM_Kromkomotalka
advance 799
key Frame_45_Key_Fix_57 move
advance 363
key Frame_45_Key_Fix_58 press left
advance 504
key Frame_45_Key_Fix_57 press right
tab TabSheet_Post_1
key Frame_45_Key_Fix_1 press left
advance 215
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_7 move
tab TabSheet_Post1_Pult_3
advance 1068
hover Image70_3
advance 335
foreground press 439
advance 1727
key Frame_Button2 release right
advance 401
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_Button1 release left
advance 101
hover Image15_3
tab TabSheet_Post1_Pult_4
advance 52
key Frame_45_Key_Fix_30 press right
advance 410
key Frame_45_Key_Fix_24 move
advance 445
find 9
advance 2527
key Frame_45_Key_Fix_13 press left
hover Image56_0
tab TabSheet_RM_Kromkomotalka
advance 964
tab TabSheet_Post_1
tab TabSheet_Roga
advance 373
key Frame_45_Key_Back_15 move
advance 678
find 6
key Frame_45_Key_Fix_6 move
advance 463
hover Image57_0
advance 1215
hover Image13_Polosa_Body
key Frame_45_Key_Fix_7 press left
foreground press 100
key Frame_45_Key_Fix_10 press left
advance 23
hover Image2
advance 183
key Frame_45_Key_Fix_10 move
advance 418
key Frame_45_Key_Fix_10 move
advance 375
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_22 press left
advance 129
key Frame_45_Key_Fix_26 move
tab TabSheet_Post1_Pult_2
advance 488
hover Image171_0
advance 398
tab TabSheet_Post_2
advance 255
hover Image_FixRolTop
advance 241
hover Image56_0
advance 81
key Frame_45_Key_Back_14 press left
advance 423
hover Image_Fon2
tab TabSheet_Roga
advance 455
key Frame_45_Key_Back_15 press right
advance 497
key Frame_45_Key_Back_15 press left
advance 634
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_2
advance 363
key Frame_45_Key_Back_8 release right
advance 965
bare TabSheet_Post2_Pult_3
advance 1418
key Frame_45_Key_Back_12 press left
find 9
key Frame_45_Key_Fix_17 move
advance 626
tab TabSheet_Post1_Pult_4
advance 400
key Frame_45_Key_Fix_25 move
advance 702
hover Image75_0
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Fix_24 move
advance 980
key Frame_45_Key_Fix_24 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
hover Image56_0
advance 476
key Frame_45_Key_Back_15 release left
advance 866
key Frame_45_Key_Back_15 move
advance 131
key Frame_45_Key_Back_15 press left
advance 1215
key Frame_45_Key_Back_15 move
click Image65_0
advance 492
key Frame_45_Key_Back_13 move
key Frame_45_Key_Fix_56 move
advance 795
key Frame_45_Key_Back_9 press left
advance 481
key Frame_45_Key_Back_12 press left
advance 746
hover Image_wall
advance 489
hover Image28_3
click Image57_0
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_61 press right
advance 454
key Frame_90_Key_2 press left
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_60 press right
advance 520
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_59 press left
advance 442
hover Label_SizeMot_Perc
advance 697
key Frame_90_Key_2 press left
advance 376
find 9
key Frame_45_Key_Fix_17 press left
advance 253
key Frame_45_Key_Fix_16 move
hover Image35_Polosa_Body
hover Image55_3
hover Image_wall
advance 438
hover Image55_3
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_18 press left
tab TabSheet_Post1_Pult_4
tab TabSheet_RM_Kromkomotalka
hover Image66_0
advance 463
key Frame_45_Key_Fix_60 press left
advance 607
key Frame_45_Key_Fix_33 press left
hover Image_wall
advance 493
key Frame_90_Key_2 move
tab TabSheet_Roga
advance 343
key Frame_45_Key_Back_15 move
hover Button1
key Frame_45_Key_Back_15 release left
advance 439
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
advance 177
hover Image57_0
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
click Image19_2
key Frame_45_Key_Fix_27 move
advance 352
key Frame_45_Key_Fix_28 press right
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Back_3 release left
advance 392
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 press right
advance 26
tab TabSheet_Post1_Pult_3
key Frame_Button3 press left
advance 517
key Frame_45_Key_Fix_21 move
advance 403
key Frame_45_Key_Fix_19 press left
advance 422
key Frame_45_Key_Fix_19 press left
advance 327
key Frame_45_Key_Fix_21 move
key Frame_45_Key_Fix_19 move
advance 12
foreground press 68
click Image_Fon2
key Frame_Krutilka1 press left
advance 114
hover Image13_Polosa_Body
advance 514
foreground press 803
tab TabSheet_Post_2
key Frame_45_Key_Fix_55 press left
advance 214
key Frame_45_Key_Fix_53 press left
advance 313
key Frame_45_Key_Fix_56 move
advance 462
hover Label_Podval
key Frame_45_Key_Back_13 release right
tab TabSheet_Post_1
advance 444
key Frame_45_Key_Fix_20 move
tab TabSheet_Roga
advance 23
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_2
key Frame_45_Key_Fix_53 press left
advance 794
hover Image131_0
hover Label_Post_Kromko
key Frame_45_Key_Fix_55 press left
key Frame_45_Key_Fix_51 move
foreground press 763
advance 469
key Frame_45_Key_Back_14 move
advance 468
hover Image57_0
advance 77
key Frame_45_Key_Back_7 move
key Frame_Button8 press left
tab TabSheet_Post_1
key Frame_45_Key_Fix_21 move
tab TabSheet_Post_2
advance 1237
key Frame_45_Key_Fix_56 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
foreground press 188
tab TabSheet_RM_Kromkomotalka
advance 149
key Frame_45_Key_Fix_60 move
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_59 press right
advance 53
key Frame_45_Key_Fix_61 press right
advance 157
key Frame_45_Key_Fix_59 move
advance 902
click Image2_0
advance 959
key Frame_45_Key_Fix_6 move
advance 517
hover Image57_0
advance 1006
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_11 move
advance 1552
key Frame_45_Key_Fix_11 press left
advance 210
key Frame_45_Key_Back_1 release left
hover Label_Podval
advance 358
key Frame_45_Key_Fix_4 move
advance 839
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Back_1 release left
hover Image_Invisible_9
advance 402
key Frame_45_Key_Fix_8 move
advance 453
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Fix_3 press left
advance 412
window scroll 20 0
key Frame_45_Key_Fix_9 press left
advance 241
key Frame_45_Key_Back_1 press left
advance 875
key Frame_45_Key_Fix_2 move
advance 865
tab TabSheet_Post1_Pult_3
advance 265
tab TabSheet_Post1_Pult_1
tab TabSheet_RM_Kromkomotalka
advance 438
key Frame_90_Key_2 press right
tab TabSheet_Post_2
advance 472
tab TabSheet_Post_1
advance 82
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_3 move
advance 114
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press left
advance 234
key Frame_45_Key_Fix_61 move
advance 271
find 1
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_6 move
advance 151
key Frame_45_Key_Fix_11 move
advance 811
hover Image62_0
hover Image57_0
advance 795
hover Image28_3
advance 82
find 6
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_1
advance 289
hover Image118_0
advance 542
foreground press 849
advance 216
hover Image22_0
advance 490
key Frame_45_Key_Fix_38 move
advance 157
hover Image_Vnutrennosti_Rulona_Razmativatela
hover Image_Post_Kromko
key Frame_45_Key_Fix_36 press left
hover Image131_0
advance 1039
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_43 move
advance 393
tab TabSheet_RM_Kromkomotalka
advance 701
key Frame_45_Key_Fix_60 move
hover Label_Post_Kromko
advance 579
key Frame_45_Key_Fix_57 press left
advance 474
key Frame_45_Key_Fix_58 move
advance 904
tab TabSheet_Post_2
advance 577
key Frame_Krutilka3 press right
advance 2089
key Frame_45_Key_Back_5 move
key Frame_45_Key_Fix_45 move
advance 517
key Frame_45_Key_Fix_48 press right
key Frame_45_Key_Fix_46 move
key Frame_45_Key_Fix_NormStop move
click Image60_0
advance 454
key Frame_45_Key_Back_7 press left
hover Button1
advance 608
key Frame_45_Key_Back_9 press right
advance 63
key Frame_45_Key_Fix_52 press left
advance 645
click Image52_0
advance 462
key Frame_45_Key_Fix_59 move
tab TabSheet_Roga
advance 83
tab TabSheet_Post_2
advance 466
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_11 move
advance 296
key Frame_45_Key_Fix_52 press left
find 6
key Frame_45_Key_Back_1 move
advance 140
hover Image55_3
advance 277
tab TabSheet_Roga
advance 370
key Frame_45_Key_Back_15 press right
hover Image13_Polosa_Body
advance 161
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 597
key Frame_45_Key_Back_15 release left
advance 357
hover Image16_Polosa_Body
advance 173
hover Image51_1
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 1332
key Frame_45_Key_Back_15 release left
advance 472
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_2
key Frame_45_Key_Back_7 move
key Frame_45_Key_Back_10 move
advance 551
tab TabSheet_Post_1
key Frame_45_Key_Fix_9 move
hover Image_Fon2
hover Image53_0
advance 199
find 2
advance 177
tab TabSheet_Post1_Pult_2
advance 358
key Frame_45_Key_Fix_14 move
advance 34
key Frame_45_Key_Fix_13 press left
advance 582
key Frame_45_Key_Fix_14 press left
advance 1138
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_61 press left
find 2
advance 1112
key Frame_45_Key_Back_1 move
advance 857
bare TabSheet_Post_1
advance 122
hover Image54_0
advance 238
tab TabSheet_Post1_Pult_2
advance 303
foreground press 500
hover Image1_Polosa_Body
key Frame_45_Key_Fix_18 move
hover Image_Post_Kromko
advance 332
key Frame_45_Key_Fix_17 press right
advance 97
key Frame_45_Key_Fix_17 move
advance 466
key Frame_45_Key_Fix_17 move
advance 242
tab TabSheet_RM_Kromkomotalka
advance 293
mode 1
step 30
advance 290
key Frame_90_Key_2 move
tab TabSheet_Post_1
advance 349
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_15 move
hover Image_Fon2
key Frame_45_Key_Fix_13 move
advance 402
key Frame_45_Key_Fix_15 press left
advance 185
key Frame_45_Key_Fix_18 move
advance 194
key Frame_45_Key_Fix_15 press left
tab TabSheet_Roga
advance 751
key Frame_45_Key_Back_15 move
hover Image_FixRolLow
advance 518
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 press left
foreground press 68
find 7
hover Image64_0
hover Image55_3
advance 347
key Frame_45_Key_Fix_16 press left
advance 1024
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_13 press left
advance 278
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 888
key Frame_45_Key_Fix_53 press right
bare TabSheet_Post2_Pult_3
advance 414
key Frame_45_Key_Fix_51 press left
hover Image53_1
hover Image13_Polosa_Body
key Frame_45_Key_Back_13 press left
advance 1203
key Frame_45_Key_Fix_55 press left
advance 392
bare TabSheet_Post2_Pult_3
advance 838
key Frame_45_Key_Back_9 release left
advance 184
key Frame_45_Key_Back_13 move
advance 1229
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_9 press left
advance 736
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
hover Image7_Polosa_Body
hover Image53_1
advance 173
find 2
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_8 press left
advance 824
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_10 move
advance 156
key Frame_45_Key_Fix_6 press left
hover Image25_Polosa_Body
hover Image_Fon2
tab TabSheet_Post1_Pult_4
advance 106
hover Image52_0
hover Image55_3
advance 7
find 40
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_21 press left
hover Image_Provodka_sprava
advance 803
tab TabSheet_Post_2
advance 440
tab TabSheet_Post_1
advance 96
step 29
# stage 29
key Frame_45_Key_Back_2 move
tab TabSheet_RM_Kromkomotalka
advance 672
foreground press 100
key Frame_45_Key_Fix_57 press right
find 40
key Frame_45_Key_Fix_58 move
key Frame_90_Key_2 press left
advance 18
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_58 move
tab TabSheet_Roga
hover Image_Operator
advance 511
key Frame_45_Key_Back_15 release left
advance 436
tab TabSheet_Post_1
advance 470
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 68
key Frame_45_Key_Fix_20 move
advance 453
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 421
hover Image_Provodka_sleva
advance 402
key Frame_45_Key_Back_2 release left
advance 121
hover Image51_1
advance 151
find 1
advance 1165
key Frame_45_Key_Fix_4 press left
advance 1688
key Frame_45_Key_Back_1 release right
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_15 move
hover Label_Podval
advance 2893
key Frame_45_Key_Fix_16 press left
advance 822
key Frame_45_Key_Fix_14 press right
key Frame_45_Key_Fix_14 move
advance 177
tab TabSheet_RM_Kromkomotalka
advance 736
key Frame_45_Key_Fix_61 press left
hover Image118_0
advance 1009
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 218
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_11 move
key Frame_45_Key_Back_8 release right
find 5
advance 438
tab TabSheet_Roga
advance 464
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
advance 215
foreground press 188
advance 650
key Frame_45_Key_Fix_33 move
advance 1038
key Frame_45_Key_Fix_57 press left
tab TabSheet_Roga
advance 325
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 235
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
hover Image111_3
advance 323
find 9
advance 526
key Frame_45_Key_Fix_17 move
advance 102
tab TabSheet_Post1_Pult_3
hover Image106_0
advance 544
key Frame_Button2 press left
advance 642
tab TabSheet_Post1_Pult_2
advance 287
hover Image108_0
find 1
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Back_1 press left
advance 132
hover Image71_0
key Frame_45_Key_Fix_11 move
advance 345
tab TabSheet_Post1_Pult_4
advance 215
tab TabSheet_Post1_Pult_2
advance 468
tab TabSheet_Post_2
hover Image56_0
bare TabSheet_Post2_Pult_3
advance 231
key Frame_45_Key_Back_9 move
advance 359
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_14 move
advance 213
hover Label_Baraban_Razmativatela
advance 449
key Frame_45_Key_Fix_53 press right
advance 209
key Frame_45_Key_Back_12 move
advance 204
key Frame_45_Key_Fix_54 press left
advance 239
key Frame_45_Key_Back_8 move
hover Image107_0
key Frame_45_Key_Fix_56 move
advance 393
key Frame_45_Key_Back_7 move
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Back_11 release left
advance 157
key Frame_45_Key_Fix_52 press left
advance 380
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 135
key Frame_45_Key_Fix_53 press right
advance 450
key Frame_45_Key_Back_13 press left
hover Image55_3
click Image64_0
advance 1389
tab TabSheet_Post2_Pult_2
advance 167
hover Image_Post_Kromko
advance 1626
key Frame_45_Key_Fix_45 move
advance 341
key Frame_45_Key_Fix_43 press left
advance 216
click Image_Invisible_9
advance 419
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_17 move
tab TabSheet_Post1_Pult_4
advance 362
tab TabSheet_Post_2
hover Image108_0
key Frame_45_Key_Fix_48 press right
hover Image_Post_Kromko
key Frame_45_Key_Back_5 move
advance 387
key Frame_Krutilka4 press left
advance 376
key Frame_Krutilka3 press left
advance 499
hover Image5_3
key Frame_45_Key_Fix_48 press left
advance 131
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 178
key Frame_45_Key_Fix_58 press left
advance 883
key Frame_45_Key_Fix_60 move
advance 658
tab TabSheet_Post_2
advance 559
find 7
tab TabSheet_Post1_Pult_4
advance 232
key Frame_45_Key_Fix_26 press left
tab TabSheet_Post_2
advance 57
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
advance 749
hover Label_Baraban_Razmativatela
advance 323
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_59 move
advance 373
key Frame_45_Key_Fix_61 move
advance 37
find 3
hover Image_Post_Kromko
advance 104
hover Image_wall
advance 177
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_10 press right
advance 79
key Frame_45_Key_Fix_5 press left
tab TabSheet_Post1_Pult_2
advance 772
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 press right
advance 603
key Frame_45_Key_Fix_28 press left
advance 360
key Frame_45_Key_Back_3 move
advance 69
key Frame_45_Key_Fix_22 press right
foreground press 803
advance 391
key Frame_45_Key_Fix_24 press right
tab TabSheet_RM_Kromkomotalka
advance 478
key Frame_45_Key_Fix_59 press left
advance 471
key Frame_45_Key_Fix_33 move
advance 64
hover Image5_3
click Image15_1
advance 444
tab TabSheet_RM_Kromkomotalka
hover Label_Podval
hover Image_Fon2
advance 699
hover Image_Fon2
advance 491
key Frame_90_Key_2 press left
advance 248
key Frame_90_Key_2 press left
advance 347
hover Image_FixRolTop
key Frame_45_Key_Fix_33 move
click Image111_3
key Frame_45_Key_Fix_13 move
advance 648
key Frame_45_Key_Fix_17 press left
advance 89
key Frame_45_Key_Fix_17 move
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_20 move
hover Image_Post_Kromko
hover Image107_0
key Frame_Krutilka1 press right
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
advance 1598
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_58 move
key Frame_90_Key_2 move
advance 1013
hover Image108_0
advance 368
click Image53_1
advance 441
key Frame_45_Key_Fix_40 press left
advance 934
hover Image107_0
advance 419
tab TabSheet_Post_1
key Frame_45_Key_Back_2 move
find 7
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_12 press left
advance 498
tab TabSheet_RM_Kromkomotalka
advance 714
key Frame_45_Key_Fix_61 press left
advance 392
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_33 move
advance 1451
foreground press 763
advance 991
click Image7_0
tab TabSheet_Post1_Pult_4
advance 618
tab TabSheet_Post1_Pult_2
advance 820
tab TabSheet_Roga
hover Label_Baraban_Razmativatela
key Frame_45_Key_Back_15 release right
advance 527
key Frame_45_Key_Back_15 press left
hover Image53_1
tab TabSheet_Post_1
advance 946
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_17 press left
tab TabSheet_Roga
advance 52
key Frame_45_Key_Back_15 release right
advance 1283
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
advance 419
key Frame_45_Key_Back_15 move
advance 539
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
advance 371
key Frame_45_Key_Back_15 move
advance 101
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 120
key Frame_45_Key_Fix_60 press left
key Frame_90_Key_2 press right
advance 895
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_57 press left
advance 204
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 move
advance 45
key Frame_45_Key_Fix_33 move
hover Image106_0
key Frame_45_Key_Fix_59 press right
advance 627
key Frame_45_Key_Fix_61 press right
advance 325
key Frame_45_Key_Fix_33 press right
advance 381
key Frame_45_Key_Fix_57 press left
advance 255
key Frame_45_Key_Fix_59 press left
advance 1027
hover Image56_0
advance 22
click Image131_0
advance 1085
hover Image57_3
advance 299
key Frame_45_Key_Fix_37 move
advance 775
key Frame_45_Key_Fix_41 move
advance 316
click Image105_0
key Frame_45_Key_Fix_1 move
advance 271
hover Image55_3
click Image_Diagonal_Right_4
advance 665
key Frame_45_Key_Fix_7 press right
hover Image55_3
tab TabSheet_Post1_Pult_4
advance 1954
hover Image_Post_Kromko
advance 1149
tab TabSheet_RM_Kromkomotalka
advance 641
tab TabSheet_Post_2
hover Image27_2
tab TabSheet_Post2_Pult_2
key Frame_Krutilka3 press left
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_35 press left
advance 509
key Frame_90_Key_1 move
advance 1225
click Image10_3
key Frame_45_Key_Fix_14 move
advance 41
key Frame_45_Key_Fix_13 press right
key Frame_45_Key_Fix_16 move
advance 27
key Frame_45_Key_Fix_15 press right
advance 412
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_13 move
advance 648
hover Label10
advance 176
key Frame_45_Key_Fix_16 move
advance 411
find 3
advance 403
key Frame_45_Key_Fix_9 press left
tab TabSheet_Post1_Pult_3
advance 404
tab TabSheet_RM_Kromkomotalka
advance 653
hover Image106_0
hover Image27_2
advance 411
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_33 move
advance 357
hover Image53_0
advance 182
key Frame_90_Key_2 press left
find 40
advance 381
tab TabSheet_Post_2
advance 128
drag press 58
window scroll 0 0
advance 519
tab TabSheet_Post_1
key Frame_45_Key_Back_2 move
key Frame_45_Key_Back_2 move
key Frame_45_Key_Fix_21 move
advance 530
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_2 press left
advance 255
key Frame_45_Key_Fix_6 press left
advance 861
key Frame_45_Key_Fix_7 press left
advance 310
key Frame_45_Key_Fix_3 move
advance 296
key Frame_45_Key_Fix_7 move
advance 302
key Frame_45_Key_Back_1 move
advance 32
key Frame_45_Key_Fix_6 move
tab TabSheet_Post1_Pult_4
hover Image55_3
advance 391
tab TabSheet_Post1_Pult_3
advance 320
key Frame_45_Key_Back_2 press right
key Frame_45_Key_Back_2 release right
advance 140
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_11 press right
advance 908
key Frame_45_Key_Fix_4 move
advance 155
tab TabSheet_Post_2
advance 1455
click Image27_2
advance 323
key Frame_45_Key_Fix_22 press right
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_29 press left
advance 1040
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Fix_24 press left
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_23 move
hover Image57_3
hover Image55_3
advance 392
key Frame_45_Key_Back_3 release left
tab TabSheet_Post_2
key Frame_45_Key_Fix_36 press left
advance 53
click Image64_0
key Frame_45_Key_Back_7 move
key Frame_45_Key_Fix_54 press left
advance 213
key Frame_Button8 release right
key Frame_45_Key_Fix_56 press left
advance 344
key Frame_45_Key_Back_7 move
advance 492
mode 1
step 30
# stage 30
advance 385
key Frame_45_Key_Back_10 move
advance 337
key Frame_45_Key_Back_10 move
advance 186
key Frame_45_Key_Back_14 move
advance 491
hover Image_Provodka_sprava
advance 495
click Image64_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 press left
advance 656
hover Image_Operator
tab TabSheet_Post_2
key Frame_45_Key_Back_11 release right
key Frame_45_Key_Back_7 move
advance 448
hover Image170_0
advance 491
key Frame_45_Key_Back_12 move
advance 288
click Image149_0
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 137
tab TabSheet_Roga
hover Image173_0
advance 769
hover Image170_0
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
advance 472
hover Label_Baraban_Motalki
tab TabSheet_Post_2
key Frame_45_Key_Back_12 release left
advance 1135
key Frame_45_Key_Back_12 move
tab TabSheet_Roga
hover Image53_0
advance 359
hover Image_Provodka_sprava
advance 742
hover Image22_0
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 798
hover Image25_Polosa_Body
advance 1083
tab TabSheet_Post2_Pult_2
advance 202
key Frame_45_Key_Fix_Tolchok move
advance 332
key Frame_Button7 release right
hover Label_Post_Kromko
advance 327
find 40
advance 234
hover Image2
advance 332
key Frame_Button7 release right
key Frame_45_Key_Fix_48 press left
advance 944
key Frame_45_Key_Back_5 move
advance 230
tab TabSheet_Post2_Pult_3
advance 806
click Image2_0
bare TabSheet_Post1_Pult_1
advance 975
key Frame_45_Key_Fix_1 press left
tab TabSheet_Post_2
key Frame_45_Key_Back_10 release left
tab TabSheet_Post_1
advance 684
key Frame_45_Key_Fix_8 press left
tab TabSheet_Post1_Pult_3
advance 40
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 1760
click Image65_0
key Frame_45_Key_Back_7 release left
key Frame_45_Key_Back_9 release left
hover Button1
advance 436
hover Image_Post_Kromko
advance 378
key Frame_45_Key_Fix_51 move
advance 470
tab TabSheet_RM_Kromkomotalka
advance 1026
key Frame_45_Key_Fix_61 move
key Frame_90_Key_2 press left
advance 96
key Frame_45_Key_Fix_57 press left
hover Label_Baraban_Motalki
hover Image170_0
advance 102
find 1
advance 892
key Frame_45_Key_Fix_6 press left
advance 532
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_6 press right
tab TabSheet_Roga
hover Image_Invisible_9
hover Image56_0
key Frame_45_Key_Back_15 press left
advance 98
key Frame_45_Key_Back_15 release left
advance 1250
key Frame_45_Key_Back_15 move
advance 245
key Frame_45_Key_Back_15 release left
tab TabSheet_Post_1
key Frame_45_Key_Fix_7 press left
advance 233
hover Image61_0
tab TabSheet_Post1_Pult_4
advance 335
hover Image173_0
advance 254
key Frame_45_Key_Fix_24 press left
advance 475
key Frame_45_Key_Fix_27 move
hover Image_wall
advance 308
hover Label_Podval
advance 225
hover Label_Podval
advance 568
key Frame_45_Key_Fix_26 move
click Image170_0
key Frame_45_Key_Back_7 press right
advance 310
tab TabSheet_Post_1
key Frame_45_Key_Back_3 release right
tab TabSheet_Post1_Pult_3
tab TabSheet_RM_Kromkomotalka
hover Image52_0
key Frame_45_Key_Fix_33 move
advance 438
key Frame_90_Key_2 move
hover Image70_3
advance 1327
hover Image173_0
advance 450
hover Image52_0
key Frame_45_Key_Fix_58 move
advance 1068
tab TabSheet_Roga
advance 193
key Frame_45_Key_Back_15 press right
advance 25
key Frame_45_Key_Back_15 press left
advance 939
key Frame_45_Key_Back_15 move
advance 361
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
click Image56_0
advance 257
hover Image170_0
advance 405
hover Image27_0
key Frame_45_Key_Fix_39 move
tab TabSheet_Post2_Pult_2
advance 480
find 3
key Frame_45_Key_Fix_4 move
advance 1117
key Frame_45_Key_Fix_10 press left
advance 263
key Frame_45_Key_Fix_9 press left
advance 399
hover Image54_0
advance 824
key Frame_45_Key_Back_1 move
advance 761
bare TabSheet_Post1_Pult_1
tab TabSheet_Post_2
advance 2260
key Frame_45_Key_Fix_44 press left
key Frame_45_Key_Back_RS move
advance 2028
key Frame_45_Key_Fix_49 move
advance 1371
key Frame_45_Key_Fix_Tolchok press right
advance 145
tab TabSheet_Post2_Pult_1
advance 407
click Image7_0
key Frame_45_Key_Fix_17 press left
advance 1178
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_13 press left
hover Image_wall
advance 253
key Frame_45_Key_Fix_17 press left
advance 308
key Frame_45_Key_Fix_18 press left
hover Image111_0
tab TabSheet_RM_Kromkomotalka
advance 696
key Frame_45_Key_Fix_60 press right
click Image131_0
advance 483
hover Image2
advance 433
tab TabSheet_Post_1
advance 691
hover Image_Fon2
key Frame_45_Key_Fix_12 move
tab TabSheet_Post_2
hover Image55_3
key Frame_45_Key_Back_4 release left
hover Image171_0
click Label_Post_Kromko
advance 13
key Frame_45_Key_Fix_36 press left
advance 956
key Frame_45_Key_Fix_37 move
key Frame_45_Key_Fix_41 press left
hover Image70_3
foreground press 42
click Image_Fon2
tab TabSheet_Roga
advance 203
foreground press 132
key Frame_45_Key_Back_15 press right
advance 671
tab TabSheet_Post_1
hover Image172_0
tab TabSheet_Roga
advance 328
hover Image2
advance 161
key Frame_45_Key_Back_15 release left
advance 302
key Frame_45_Key_Back_15 release left
advance 235
find 7
advance 607
hover Image_Fon2
advance 484
key Frame_45_Key_Fix_13 move
advance 601
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_18 press left
advance 153
tab TabSheet_Post1_Pult_3
advance 8
key Frame_Button2 release right
advance 1420
key Frame_45_Key_Fix_21 move
key Frame_45_Key_Back_2 move
key Frame_Button2 release left
key Frame_Button1 press right
advance 315
tab TabSheet_Post_2
advance 451
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_10 move
advance 311
drag press 58
advance 817
key Frame_45_Key_Back_10 press left
advance 497
key Frame_45_Key_Back_14 release left
advance 993
hover Image52_0
key Frame_45_Key_Fix_52 move
hover Image57_3
advance 33
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_10 move
advance 157
hover Image54_0
key Frame_45_Key_Back_10 move
tab TabSheet_Roga
find 40
hover Image172_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press right
advance 847
key Frame_45_Key_Fix_57 move
advance 878
key Frame_90_Key_2 move
tab TabSheet_Post_1
hover Image54_0
advance 552
hover Label_Baraban_Motalki
advance 576
key Frame_Krutilka1 press left
key Frame_45_Key_Fix_19 move
key Frame_45_Key_Back_2 move
advance 450
hover Image70_3
hover Image172_0
advance 142
key Frame_45_Key_Fix_20 move
tab TabSheet_RM_Kromkomotalka
advance 279
key Frame_45_Key_Fix_33 press right
advance 427
key Frame_45_Key_Fix_33 move
advance 188
tab TabSheet_Post_1
click Image111_0
advance 61
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_27 move
advance 178
key Frame_45_Key_Back_3 release left
key Frame_45_Key_Fix_27 press left
advance 35
key Frame_45_Key_Fix_24 press left
advance 308
key Frame_45_Key_Fix_27 press right
advance 213
key Frame_45_Key_Fix_23 press right
tab TabSheet_Post1_Pult_3
tab TabSheet_Roga
advance 122
hover Image61_0
hover Image171_0
key Frame_45_Key_Back_15 move
advance 851
key Frame_45_Key_Back_15 release left
advance 406
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 721
key Frame_45_Key_Back_15 press left
advance 1048
tab TabSheet_Post_2
key Frame_45_Key_Back_9 press left
key Frame_45_Key_Back_7 press left
key Frame_45_Key_Back_10 move
key Frame_45_Key_Fix_53 move
advance 1184
hover Image2
click Image48_3
advance 1055
key Frame_45_Key_Fix_35 press left
advance 446
key Frame_Button4 press left
advance 348
key Frame_45_Key_Fix_39 move
advance 1901
key Frame_90_Key_1 press left
advance 139
key Frame_45_Key_Fix_37 press left
advance 375
hover Label10
advance 788
key Frame_Button4 press left
hover Image51_1
key Frame_45_Key_Back_4 release left
advance 691
key Frame_45_Key_Fix_38 press left
advance 732
hover Image69_3
tab TabSheet_Post2_Pult_2
click Image52_0
advance 104
key Frame_45_Key_Fix_59 move
advance 448
click Image173_0
advance 153
key Frame_45_Key_Fix_52 move
key Frame_Button8 release left
advance 187
click Image27_0
foreground press 188
advance 431
hover Image55_3
advance 493
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_23 move
advance 337
hover Image2
key Frame_45_Key_Fix_25 move
advance 332
hover Image55_3
advance 322
tab TabSheet_Post_2
advance 186
hover Image_wall
find 40
key Frame_45_Key_Fix_51 press right
key Frame_45_Key_Fix_52 press left
advance 703
hover Image70_3
advance 549
key Frame_45_Key_Back_7 press right
hover Image172_0
advance 752
key Frame_45_Key_Fix_56 press right
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
key Frame_45_Key_Fix_51 move
advance 106
key Frame_45_Key_Back_11 release right
tab TabSheet_RM_Kromkomotalka
advance 1095
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_61 press right
advance 1438
key Frame_45_Key_Fix_59 press left
tab TabSheet_Post_2
advance 330
key Frame_45_Key_Back_8 move
advance 276
key Frame_45_Key_Back_7 release left
advance 968
key Frame_45_Key_Back_13 release left
advance 209
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_7 move
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_40 press left
hover Image51_0
hover Image75_0
advance 1153
hover Image13_Polosa_Body
advance 174
click Image172_0
advance 443
key Frame_45_Key_Back_11 move
key Frame_Button8 release left
advance 294
click Image38_0
advance 1108
tab TabSheet_RM_Kromkomotalka
advance 815
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_60 move
advance 224
foreground press 68
click Image131_0
advance 498
key Frame_45_Key_Fix_36 move
advance 2759
tab TabSheet_Post2_Pult_2
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Back_4 move
advance 1262
key Frame_45_Key_Back_4 press left
advance 346
key Frame_45_Key_Fix_40 press left
key Frame_45_Key_Fix_32 move
advance 453
key Frame_45_Key_Back_4 release right
advance 306
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
advance 1660
click Image24_0
advance 883
tab TabSheet_Post1_Pult_1
advance 305
key Frame_45_Key_Fix_4 press left
tab TabSheet_Roga
hover Image2
advance 739
key Frame_45_Key_Back_15 move
advance 209
key Frame_45_Key_Back_15 release left
find 1
advance 197
key Frame_45_Key_Fix_4 move
advance 260
key Frame_45_Key_Fix_9 press right
advance 373
hover Image172_0
key Frame_45_Key_Back_1 move
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 press left
hover Image170_0
key Frame_45_Key_Fix_23 press left
advance 875
click Image49_0
key Frame_Button4 release left
tab TabSheet_Roga
advance 332
key Frame_45_Key_Back_15 release left
advance 35
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_2
key Frame_45_Key_Fix_40 move
advance 735
foreground press 763
advance 209
tab TabSheet_Post2_Pult_2
advance 701
key Frame_Krutilka3 press left
key Frame_45_Key_Fix_45 press left
hover Image56_0
advance 745
key Frame_45_Key_Fix_50 press left
advance 1489
tab TabSheet_Roga
advance 852
tab TabSheet_Post_2
key Frame_45_Key_Back_RS press left
advance 1874
key Frame_45_Key_Fix_48 press left
key Frame_Button7 press right
key Frame_45_Key_Fix_NormStop press left
mode 1
step 30
key Frame_45_Key_Back_RS press right
advance 174
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
foreground press 723
hover Image_FixRolTop
key Frame_45_Key_Back_15 move
advance 317
hover Label_SizeRaz_Int
advance 398
find 6
advance 909
hover Image66_0
key Frame_45_Key_Fix_10 press left
advance 1533
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_11 press left
advance 398
hover Image111_0
advance 242
key Frame_45_Key_Fix_1 press left
advance 609
find 7
key Frame_45_Key_Fix_15 move
advance 483
key Frame_45_Key_Fix_13 move
advance 232
key Frame_45_Key_Fix_18 press left
advance 49
key Frame_45_Key_Fix_18 press right
advance 355
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_16 press left
advance 434
key Frame_45_Key_Fix_16 press left
advance 349
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_17 move
advance 1570
key Frame_45_Key_Fix_13 press left
tab TabSheet_Post_2
advance 453
find 7
advance 293
foreground press 42
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 release left
advance 418
hover Image111_3
advance 116
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
advance 1747
key Frame_45_Key_Back_15 press left
advance 302
find 9
advance 409
key Frame_45_Key_Fix_12 move
tab TabSheet_Post1_Pult_3
advance 756
tab TabSheet_Post1_Pult_2
tab TabSheet_Post1_Pult_4
advance 149
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 move
advance 550
key Frame_Button1 release left
advance 259
key Frame_45_Key_Fix_21 press left
click Image75_0
tab TabSheet_RM_Kromkomotalka
advance 164
tab TabSheet_Post_1
hover Button1
hover Image54_0
key Frame_Button3 release left
advance 89
hover Image66_0
advance 832
tab TabSheet_RM_Kromkomotalka
advance 179
hover Image172_0
hover Label_Baraban_Motalki
advance 447
hover Label_Podval
click Image15_1
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_15 move
advance 35
key Frame_45_Key_Fix_13 press left
advance 445
hover Image52_0
advance 1045
hover Image170_0
key Frame_45_Key_Fix_16 press left
advance 748
key Frame_45_Key_Fix_13 press left
advance 410
tab TabSheet_Post1_Pult_1
click Image_Invisible_9
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 press left
advance 1108
key Frame_45_Key_Fix_23 press left
advance 250
key Frame_45_Key_Back_3 move
advance 182
step 29
# stage 29
hover Image131_1
advance 416
key Frame_45_Key_Back_3 press left
advance 846
tab TabSheet_RM_Kromkomotalka
hover Image28_3
advance 585
key Frame_90_Key_2 press right
hover Image15_3
advance 474
click Image25_1
tab TabSheet_Post1_Pult_1
advance 68
key Frame_45_Key_Fix_11 press left
advance 566
key Frame_45_Key_Fix_5 press left
advance 134
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 1153
key Frame_45_Key_Back_15 press left
advance 84
key Frame_45_Key_Back_15 move
advance 77
tab TabSheet_Post_2
advance 379
hover Image55_3
advance 1097
key Frame_45_Key_Back_14 release left
advance 159
hover Image56_0
key Frame_Button8 release left
hover Image_Operator
foreground press 132
advance 278
click Image_Fon2
hover Image52_0
advance 765
key Frame_45_Key_Back_11 move
advance 277
hover Label_Post_Kromko
key Frame_45_Key_Fix_53 move
advance 171
hover Image38_0
advance 828
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_13 press left
advance 361
key Frame_45_Key_Back_11 press right
advance 207
key Frame_45_Key_Fix_55 press left
hover Image28_3
advance 400
key Frame_45_Key_Back_11 press left
advance 376
key Frame_45_Key_Back_10 move
advance 190
find 9
advance 99
key Frame_45_Key_Fix_17 press left
advance 326
key Frame_45_Key_Fix_18 press left
advance 1019
tab TabSheet_Post_2
advance 942
key Frame_45_Key_Back_11 release right
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_48 press left
advance 44
key Frame_45_Key_Fix_NormStop move
hover Image52_0
advance 310
click Image64_0
advance 767
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_13 move
advance 573
key Frame_45_Key_Back_11 press left
advance 91
key Frame_45_Key_Back_12 press left
advance 837
find 9
bare TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_15 press left
advance 463
hover Image7_Polosa_Body
advance 3010
hover Image2_0
tab TabSheet_Post1_Pult_1
tab TabSheet_Post_2
key Frame_45_Key_Fix_56 press right
advance 450
key Frame_45_Key_Back_7 move
advance 499
key Frame_45_Key_Back_12 move
click Image4_Line_Left_tEnd
key Frame_45_Key_Back_9 move
advance 1732
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Fix_53 press left
advance 723
foreground press 100
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Fix_55 press left
advance 117
key Frame_45_Key_Fix_55 move
advance 39
hover Image173_0
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Back_7 press right
advance 298
hover Image51_1
tab TabSheet_Roga
tab TabSheet_Post_2
key Frame_45_Key_Back_10 move
click Image38_0
key Frame_Button4 release left
tab TabSheet_Roga
advance 857
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
foreground press 234
advance 254
hover Label_Baraban_Motalki
advance 402
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_33 press right
tab TabSheet_Post_2
key Frame_45_Key_Fix_36 press left
advance 354
key Frame_45_Key_Fix_36 press left
tab TabSheet_Post2_Pult_3
advance 331
click Image2_0
hover Image172_0
tab TabSheet_Post1_Pult_3
tab TabSheet_Roga
advance 346
key Frame_45_Key_Back_15 release left
advance 1460
key Frame_45_Key_Back_15 press left
hover Image52_0
advance 543
hover Image28_3
advance 195
tab TabSheet_Post_2
advance 431
click Image25_1
advance 436
key Frame_45_Key_Back_3 release left
key Frame_45_Key_Fix_28 move
advance 212
key Frame_45_Key_Fix_28 press left
advance 420
key Frame_45_Key_Fix_26 move
advance 191
key Frame_45_Key_Fix_29 move
advance 85
key Frame_45_Key_Fix_24 press right
hover Image_Fon2
advance 706
key Frame_45_Key_Fix_25 move
advance 586
find 6
advance 431
key Frame_45_Key_Fix_9 move
advance 54
hover Image52_0
hover Image60_0
advance 151
tab TabSheet_Post_2
advance 707
key Frame_45_Key_Back_7 release right
key Frame_45_Key_Back_10 move
advance 202
hover Image171_0
advance 600
hover Image19_Polosa_Body
advance 253
hover Image70_3
advance 384
tab TabSheet_Post2_Pult_2
advance 121
find 40
advance 78
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_14 press left
advance 204
key Frame_45_Key_Fix_53 press left
advance 557
key Frame_45_Key_Back_13 move
advance 146
tab TabSheet_Roga
tab TabSheet_Post_1
advance 450
tab TabSheet_Post1_Pult_3
advance 339
click Image48_2
key Frame_45_Key_Fix_39 press left
advance 1616
key Frame_45_Key_Fix_39 move
advance 278
key Frame_45_Key_Fix_35 move
advance 66
hover Image22_0
hover Image51_0
advance 1148
click Image60_0
tab TabSheet_Post_1
tab TabSheet_Post_2
advance 1517
hover Image57_0
advance 363
key Frame_45_Key_Back_7 press left
advance 235
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Fix_56 move
advance 214
bare TabSheet_Post2_Pult_3
key Frame_45_Key_Back_14 release right
foreground press 439
advance 1803
key Frame_Button8 press left
tab TabSheet_Post2_Pult_2
advance 670
key Frame_45_Key_Fix_NormStop move
advance 583
key Frame_45_Key_Back_5 release right
advance 145
hover Image149_0
key Frame_Krutilka4 press left
key Frame_Krutilka3 press left
tab TabSheet_Roga
advance 195
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press right
hover Image51_3
advance 250
tab TabSheet_Post_2
advance 1103
key Frame_Button6 press left
advance 169
hover Image_Post_Kromko
key Frame_Button6 release right
advance 249
key Frame_45_Key_Fix_NormStop press left
find 5
advance 816
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_1 move
advance 983
tab TabSheet_Post_2
advance 671
find 9
hover Image51_1
advance 1419
key Frame_45_Key_Fix_14 press left
advance 131
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_15 move
advance 693
hover Image_Stolb_Rogov
advance 870
click Image46_2
advance 792
hover Image56_0
advance 2419
tab TabSheet_Post2_Pult_2
key Frame_Krutilka3 press left
advance 712
hover Image55_3
advance 1047
tab TabSheet_Post_1
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_18 move
advance 602
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_25 press left
hover Image107_0
advance 822
find 1
hover Image_Fon2
advance 354
hover Image108_0
advance 488
foreground press 68
key Frame_45_Key_Fix_11 move
advance 133
hover Image28_3
advance 31
key Frame_45_Key_Back_1 press left
foreground press 192
key Frame_45_Key_Back_1 press right
advance 868
key Frame_45_Key_Fix_9 move
advance 488
key Frame_45_Key_Fix_6 move
advance 47
key Frame_45_Key_Fix_10 move
hover Image64_0
hover Image106_0
advance 584
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_6 move
hover Label_Post_Kromko
advance 810
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press right
key Frame_45_Key_Fix_59 press left
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_60 press right
tab TabSheet_Post_2
advance 521
tab TabSheet_Post_1
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_7 move
tab TabSheet_Post1_Pult_2
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 142
step 29
tab TabSheet_Post_2
advance 519
hover Image_Diagonal_Right_4
key Frame_45_Key_Fix_49 press right
find 9
key Frame_45_Key_Fix_16 move
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_9 move
bare TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_10 press right
advance 210
hover Image_Provodka_sprava
advance 34
hover Image35_Polosa_Body
advance 723
hover Image75_0
hover Image76_0
advance 358
click Image4_Line_Left_tEnd
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_4 press right
tab TabSheet_Roga
advance 281
tab TabSheet_RM_Kromkomotalka
advance 572
tab TabSheet_Post_1
key Frame_45_Key_Fix_11 move
advance 1627
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_7 move
advance 84
hover Image48_2
advance 943
key Frame_45_Key_Fix_4 move
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press right
hover Label_Podval
advance 148
key Frame_45_Key_Fix_59 move
hover Image111_0
key Frame_45_Key_Fix_61 move
advance 916
key Frame_45_Key_Fix_61 press left
advance 294
click Image24_Polosa_Body
advance 445
key Frame_45_Key_Fix_61 move
advance 439
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_33 press right
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_60 move
advance 580
tab TabSheet_Post_2
advance 826
step 28
# stage 28
advance 214
key Frame_45_Key_Fix_49 move
key Frame_45_Key_Fix_50 move
advance 525
find 9
advance 1066
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_15 press left
hover Image28_3
hover Image65_0
foreground press 849
advance 97
key Frame_45_Key_Fix_12 move
advance 69
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_14 move
advance 295
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_15 press right
advance 776
key Frame_45_Key_Fix_13 move
advance 757
key Frame_45_Key_Fix_13 move
foreground press 500
tab TabSheet_Post1_Pult_3
advance 161
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 press left
key Frame_90_Key_2 press left
advance 200
tab TabSheet_Post_1
hover Image_wall
advance 547
key Frame_45_Key_Fix_20 move
tab TabSheet_Post1_Pult_2
advance 76
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_18 press left
hover Image51_2
key Frame_45_Key_Fix_18 move
advance 1136
key Frame_45_Key_Fix_12 press right
advance 86
hover Image55_3
find 3
advance 432
tab TabSheet_Post1_Pult_4
advance 398
key Frame_45_Key_Fix_29 press left
advance 413
key Frame_45_Key_Fix_28 press left
tab TabSheet_RM_Kromkomotalka
advance 861
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_59 press left
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_60 move
hover Image55_3
key Frame_45_Key_Fix_59 move
advance 51
key Frame_45_Key_Fix_61 press left
advance 319
key Frame_45_Key_Fix_61 press left
mode 1
step 30
# stage 30
advance 450
key Frame_90_Key_2 move
advance 320
key Frame_45_Key_Fix_61 press right
advance 418
tab TabSheet_Post_2
advance 397
key Frame_45_Key_Fix_Tolchok move
key Frame_45_Key_Fix_48 press left
advance 673
key Frame_45_Key_Fix_45 move
advance 427
foreground press 725
hover Image170_0
advance 353
key Frame_45_Key_Fix_47 press right
advance 362
find 5
key Frame_45_Key_Fix_9 press left
tab TabSheet_Roga
advance 401
key Frame_45_Key_Back_15 move
click Image172_0
advance 182
key Frame_45_Key_Fix_56 press right
key Frame_45_Key_Back_11 release left
hover Image105_0
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_10 press right
advance 93
tab TabSheet_Post2_Pult_1
tab TabSheet_Post2_Pult_3
advance 426
key Frame_45_Key_Back_11 move
advance 476
key Frame_45_Key_Back_10 move
advance 457
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 235
find 2
advance 406
key Frame_45_Key_Fix_11 press left
advance 1218
tab TabSheet_Post1_Pult_2
hover Image_Fon2
tab TabSheet_Roga
hover Image170_0
key Frame_45_Key_Back_15 press left
hover Image105_0
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 move
tab TabSheet_Roga
advance 519
click Image7_0
key Frame_45_Key_Fix_18 move
advance 619
key Frame_45_Key_Fix_15 press left
hover Image170_0
foreground press 234
advance 142
key Frame_45_Key_Fix_17 move
advance 1222
key Frame_45_Key_Fix_12 press right
hover Image171_0
advance 44
key Frame_45_Key_Fix_15 move
advance 787
click Image2_0
advance 784
tab TabSheet_Post_2
advance 346
key Frame_45_Key_Back_9 move
advance 291
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 562
hover Image131_1
key Frame_45_Key_Back_15 release left
advance 631
key Frame_45_Key_Back_15 move
click Image106_0
advance 317
hover Image108_0
advance 151
tab TabSheet_Post1_Pult_2
advance 323
key Frame_45_Key_Fix_18 move
advance 308
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_15 move
advance 333
tab TabSheet_Post1_Pult_3
advance 1074
key Frame_45_Key_Fix_21 move
key Frame_Button3 release left
advance 238
hover Image106_0
tab TabSheet_Post1_Pult_1
advance 104
hover Image_Fon2
click Image7_0
advance 348
key Frame_45_Key_Fix_17 move
tab TabSheet_Post1_Pult_3
advance 456
hover Image1
advance 174
key Frame_45_Key_Fix_21 move
foreground press 100
advance 161
hover Image_Fon2
hover Image107_0
key Frame_45_Key_Fix_19 press left
advance 16
find 2
advance 60
key Frame_45_Key_Fix_4 move
advance 594
key Frame_45_Key_Fix_6 move
advance 954
key Frame_45_Key_Fix_4 press left
advance 659
key Frame_45_Key_Fix_5 press left
advance 1229
key Frame_45_Key_Fix_11 move
advance 313
key Frame_45_Key_Fix_3 press left
advance 215
click Image10_0
advance 135
tab TabSheet_Roga
click Image170_0
advance 796
key Frame_45_Key_Back_12 move
advance 1954
key Frame_45_Key_Fix_55 press left
advance 710
key Frame_45_Key_Back_10 press left
advance 205
key Frame_45_Key_Fix_53 move
advance 690
key Frame_45_Key_Back_9 press right
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
click Image65_0
advance 1559
key Frame_Button8 release left
advance 476
key Frame_45_Key_Back_12 release right
advance 449
key Frame_45_Key_Back_10 move
advance 1129
tab TabSheet_RM_Kromkomotalka
advance 496
key Frame_45_Key_Fix_61 move
advance 367
click Image25_1
key Frame_45_Key_Fix_29 move
advance 75
key Frame_45_Key_Fix_25 press left
click Image2
key Frame_45_Key_Fix_26 press left
advance 1027
hover Label_Podval
advance 3588
key Frame_45_Key_Back_3 press left
key Frame_45_Key_Fix_28 press left
advance 536
key Frame_45_Key_Fix_27 press right
find 9
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 265
key Frame_45_Key_Back_15 move
advance 320
key Frame_45_Key_Back_15 release right
advance 423
tab TabSheet_RM_Kromkomotalka
hover Image5_3
hover Image_Operator
key Frame_45_Key_Fix_58 press left
advance 212
key Frame_90_Key_2 move
click Image1_Polosa_Body
advance 941
hover Image_Operator
advance 555
key Frame_45_Key_Fix_59 press right
key Frame_45_Key_Fix_59 press right
advance 111
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_33 move
advance 214
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_58 move
advance 868
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 191
hover Image172_0
hover Image54_0
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 573
click Image61_0
advance 60
key Frame_45_Key_Back_14 move
advance 339
hover Image51_2
click Image2
key Frame_45_Key_Back_7 move
advance 333
hover Image170_0
key Frame_45_Key_Back_12 move
advance 373
key Frame_45_Key_Back_9 move
advance 936
tab TabSheet_Roga
advance 641
key Frame_45_Key_Back_15 press left
advance 187
hover Image172_0
key Frame_45_Key_Back_15 release left
tab TabSheet_Post_1
advance 7
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_15 move
tab TabSheet_RM_Kromkomotalka
advance 615
key Frame_45_Key_Fix_60 move
advance 340
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_59 move
tab TabSheet_Post_1
hover Image24_0
hover Image1
advance 709
click Image170_0
key Frame_45_Key_Back_13 press left
advance 325
key Frame_45_Key_Back_10 release right
advance 1336
hover Image5_3
key Frame_45_Key_Fix_53 press right
key Frame_45_Key_Back_14 release left
advance 827
key Frame_45_Key_Back_14 press left
key Frame_45_Key_Fix_51 press left
advance 339
tab TabSheet_Post2_Pult_1
advance 945
foreground press 273
advance 123
hover Image2
advance 470
key Frame_45_Key_Fix_37 press left
advance 755
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_10 move
advance 856
key Frame_45_Key_Back_14 release left
click Image71_0
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Back_10 release left
advance 53
key Frame_45_Key_Back_7 move
advance 773
key Frame_45_Key_Back_12 move
advance 483
hover Image170_0
advance 5
key Frame_45_Key_Fix_53 move
advance 1022
key Frame_45_Key_Fix_51 move
advance 93
key Frame_45_Key_Fix_55 press right
advance 438
key Frame_45_Key_Fix_53 press left
key Frame_45_Key_Back_7 press left
advance 555
key Frame_45_Key_Back_13 release right
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_31 press left
advance 723
tab TabSheet_RM_Kromkomotalka
advance 789
tab TabSheet_Post_1
advance 1174
key Frame_45_Key_Fix_18 move
advance 1444
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_15 move
advance 439
key Frame_45_Key_Fix_13 press right
advance 1572
key Frame_45_Key_Fix_16 press right
advance 105
find 2
advance 150
key Frame_45_Key_Fix_4 press left
advance 209
key Frame_45_Key_Fix_3 press left
advance 456
key Frame_45_Key_Fix_5 move
advance 1606
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_1 move
advance 199
key Frame_45_Key_Fix_7 move
advance 1343
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_3 press left
advance 314
tab TabSheet_Post_2
hover Image54_0
key Frame_45_Key_Fix_41 press left
advance 192
click Image25_1
hover Image52_0
advance 429
key Frame_45_Key_Fix_24 press left
advance 35
key Frame_45_Key_Back_3 release left
advance 264
key Frame_45_Key_Back_3 release right
advance 126
hover Image105_0
advance 412
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Back_3 move
advance 464
key Frame_45_Key_Fix_22 press left
advance 159
key Frame_45_Key_Fix_23 press right
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 506
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
advance 119
hover Image_Fon2
advance 181
key Frame_45_Key_Back_15 release left
advance 688
key Frame_45_Key_Back_15 release left
advance 591
key Frame_45_Key_Back_15 move
advance 843
key Frame_45_Key_Back_15 move
advance 316
find 9
advance 356
key Frame_45_Key_Fix_12 move
hover Image54_0
advance 424
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_18 press right
advance 853
key Frame_45_Key_Fix_17 move
advance 518
key Frame_45_Key_Fix_18 press left
advance 361
key Frame_45_Key_Fix_18 move
advance 282
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_22 move
key Frame_45_Key_Fix_24 move
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_9 move
bare TabSheet_Post1_Pult_1
advance 645
key Frame_45_Key_Fix_4 move
advance 231
key Frame_45_Key_Fix_9 press left
advance 187
click Image_Invisible_9
key Frame_45_Key_Fix_17 press right
advance 722
key Frame_45_Key_Fix_14 move
hover Image51_2
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_15 move
advance 242
key Frame_45_Key_Fix_13 press left
advance 1214
key Frame_45_Key_Fix_16 press left
advance 179
key Frame_45_Key_Fix_16 move
advance 227
find 40
advance 631
hover Image172_0
advance 365
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_14 press left
hover Image24_0
advance 230
tab TabSheet_Post1_Pult_4
advance 2073
key Frame_45_Key_Fix_28 move
foreground press 68
click Image_Fon2
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 222
key Frame_45_Key_Back_15 move
advance 987
key Frame_45_Key_Back_15 press right
advance 1010
hover Image18_0
key Frame_45_Key_Back_15 move
advance 912
hover Image170_0
key Frame_45_Key_Back_15 move
advance 129
hover Image66_0
key Frame_45_Key_Back_15 press left
advance 384
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 558
key Frame_45_Key_Back_15 press left
advance 1246
key Frame_45_Key_Back_15 press left
advance 279
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 1514
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 505
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
hover Label_Post_Kromko
tab TabSheet_Post_1
advance 418
key Frame_45_Key_Fix_24 move
hover Image24_0
key Frame_45_Key_Fix_29 press left
advance 916
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 press right
key Frame_45_Key_Back_2 release right
advance 393
key Frame_45_Key_Back_2 release left
click Image15_2
advance 770
key Frame_45_Key_Fix_12 press left
tab TabSheet_RM_Kromkomotalka
advance 862
hover Image48_2
advance 216
tab TabSheet_Post_2
advance 335
key Frame_45_Key_Fix_41 press right
advance 496
key Frame_45_Key_Back_4 move
advance 338
find 5
advance 801
tab TabSheet_Post1_Pult_4
hover Image5_3
advance 474
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Back_3 press right
hover Image2
key Frame_45_Key_Fix_25 press right
advance 371
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 move
advance 511
key Frame_45_Key_Fix_58 press left
advance 444
key Frame_45_Key_Fix_59 press left
tab TabSheet_Post_2
advance 182
tab TabSheet_Post_1
advance 761
key Frame_45_Key_Fix_25 move
advance 283
hover Image1
advance 450
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_26 press left
advance 760
hover Image106_0
advance 191
hover Image55_0
hover Image1
advance 498
key Frame_45_Key_Fix_24 move
find 9
advance 350
key Frame_45_Key_Fix_13 move
advance 848
key Frame_45_Key_Fix_13 press left
hover Image57_0
hover Image19_0
advance 43
key Frame_45_Key_Fix_12 press left
tab TabSheet_Post1_Pult_1
tab TabSheet_Post_2
advance 557
click Image48_2
advance 408
hover Label_Post_Kromko
advance 300
key Frame_45_Key_Fix_40 press left
advance 70
key Frame_45_Key_Fix_40 move
key Frame_45_Key_Fix_38 move
advance 144
key Frame_90_Key_1 press left
advance 1552
hover Image25_0
key Frame_45_Key_Fix_31 press left
advance 450
find 6
advance 397
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_10 press left
advance 312
key Frame_45_Key_Fix_3 press left
advance 354
key Frame_45_Key_Fix_4 move
advance 425
key Frame_45_Key_Fix_7 move
advance 823
tab TabSheet_Post_2
key Frame_45_Key_Back_4 press left
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_12 press right
hover Image106_0
key Frame_45_Key_Back_12 press left
hover Label_Podval
advance 457
key Frame_45_Key_Back_7 release left
advance 164
key Frame_45_Key_Back_11 press left
advance 442
key Frame_45_Key_Fix_52 press left
advance 566
key Frame_45_Key_Back_13 press left
advance 708
key Frame_45_Key_Fix_55 press left
advance 184
bare TabSheet_Post2_Pult_3
tab TabSheet_Post2_Pult_2
hover Label10
advance 152
key Frame_45_Key_Back_RS press left
advance 709
hover Image105_0
advance 214
key Frame_45_Key_Fix_49 press left
advance 80
key Frame_45_Key_Fix_47 press left
key Frame_45_Key_Fix_44 move
advance 173
tab TabSheet_Post2_Pult_3
advance 517
tab TabSheet_Post2_Pult_2
hover Image_Fon2
advance 666
find 7
advance 755
tab TabSheet_Post1_Pult_1
tab TabSheet_Post1_Pult_2
hover Image55_0
hover Image1
advance 115
mode 1
step 30
advance 106
key Frame_45_Key_Fix_15 move
hover Image61_0
key Frame_45_Key_Fix_14 move
advance 388
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_10 move
advance 658
key Frame_45_Key_Fix_7 press left
advance 399
tab TabSheet_Post1_Pult_4
find 1
advance 31
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Back_1 move
tab TabSheet_Post_2
hover Image_Fon2
advance 1126
hover Image2
advance 324
tab TabSheet_Post2_Pult_1
advance 244
click Image2
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_47 press left
key Frame_45_Key_Fix_44 press right
key Frame_45_Key_Fix_46 move
key Frame_45_Key_Fix_47 press left
advance 244
hover Image171_0
hover Label_Baraban_Motalki
advance 1146
key Frame_45_Key_Fix_45 move
key Frame_45_Key_Back_5 release left
advance 1421
click Image7_0
key Frame_45_Key_Fix_18 press right
advance 483
key Frame_45_Key_Fix_14 move
hover Image131_0
advance 767
tab TabSheet_Post1_Pult_3
advance 2046
tab TabSheet_Post1_Pult_1
advance 416
key Frame_45_Key_Fix_8 move
hover Image_Provodka_sprava
advance 146
tab TabSheet_Post1_Pult_3
advance 437
key Frame_45_Key_Fix_19 move
key Frame_45_Key_Fix_20 move
advance 586
key Frame_45_Key_Back_2 move
advance 1883
tab TabSheet_Post1_Pult_1
advance 536
key Frame_45_Key_Fix_3 press left
tab TabSheet_Post1_Pult_4
advance 1114
tab TabSheet_Post1_Pult_1
advance 402
key Frame_45_Key_Fix_2 move
advance 259
hover Image_Fon2
click Image111_0
key Frame_45_Key_Fix_14 press left
advance 248
tab TabSheet_Post_2
advance 330
hover Image_Fon2
advance 340
key Frame_45_Key_Fix_44 press left
key Frame_Button6 release left
hover Image131_0
advance 314
drag press 58
key Frame_45_Key_Fix_43 move
key Frame_45_Key_Fix_48 press right
advance 693
key Frame_45_Key_Fix_49 press left
tab TabSheet_RM_Kromkomotalka
advance 115
key Frame_45_Key_Fix_33 press left
drag release
advance 1245
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_6 press left
advance 428
hover Image55_0
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Back_1 release left
tab TabSheet_Post_2
advance 216
key Frame_45_Key_Fix_43 move
key Frame_45_Key_Fix_48 move
advance 996
find 6
key Frame_45_Key_Fix_10 press left
advance 62
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 press left
tab TabSheet_Roga
advance 227
key Frame_45_Key_Back_15 move
advance 516
tab TabSheet_Post_1
advance 769
foreground press 500
advance 108
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_6 press left
advance 187
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_9 move
hover Label_SizeRaz_Int
advance 1028
key Frame_45_Key_Fix_8 press left
hover Image172_0
advance 603
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Back_1 release left
advance 6
find 2
advance 983
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_11 press left
advance 727
key Frame_45_Key_Fix_8 press left
advance 711
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_2 press left
advance 355
key Frame_45_Key_Fix_2 move
advance 464
find 9
advance 796
key Frame_45_Key_Fix_14 move
advance 1373
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 63
key Frame_45_Key_Back_15 press left
advance 326
key Frame_45_Key_Back_15 press left
advance 495
key Frame_45_Key_Back_15 release left
advance 216
tab TabSheet_Post_2
advance 1796
key Frame_45_Key_Fix_NormStop press left
tab TabSheet_Post2_Pult_3
advance 909
key Frame_45_Key_Back_9 release right
tab TabSheet_Post2_Pult_1
hover Image173_0
advance 109
hover Image54_0
tab TabSheet_Post2_Pult_2
click Image46_2
advance 195
hover Image_Post_Kromko
advance 16
key Frame_45_Key_Fix_38 move
advance 406
tab TabSheet_Post2_Pult_3
advance 1293
key Frame_45_Key_Back_9 press left
tab TabSheet_Post_1
key Frame_45_Key_Fix_17 press left
advance 1790
key Frame_45_Key_Fix_18 press left
hover Image173_0
click Image27_0
hover Image_Fon2
advance 1275
key Frame_45_Key_Fix_25 press left
advance 203
hover Image15_3
advance 702
hover Image_Fon2
advance 472
foreground press 188
advance 1800
key Frame_45_Key_Fix_27 press right
key Frame_45_Key_Fix_25 move
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_21 move
advance 1709
hover Image_Fon2
advance 989
find 3
hover Image171_0
advance 1161
key Frame_45_Key_Back_1 press left
foreground press 439
advance 254
hover Image55_0
advance 449
key Frame_45_Key_Fix_5 press left
advance 464
click Image_Fon2
advance 87
key Frame_45_Key_Fix_11 move
hover Label_SizeMot_Perc
advance 609
key Frame_45_Key_Fix_1 press left
click Image111_0
advance 1007
tab TabSheet_RM_Kromkomotalka
advance 376
key Frame_45_Key_Fix_58 press left
advance 631
tab TabSheet_Post_2
advance 51
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 271
tab TabSheet_RM_Kromkomotalka
advance 171
key Frame_90_Key_2 press left
advance 369
click Image7_3
advance 855
key Frame_45_Key_Fix_18 press right
advance 102
tab TabSheet_RM_Kromkomotalka
advance 179
key Frame_45_Key_Fix_59 press right
advance 2420
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_33 press left
advance 482
key Frame_45_Key_Fix_33 move
tab TabSheet_Post_2
advance 436
hover Image56_0
advance 168
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Back_10 press right
advance 583
key Frame_45_Key_Back_9 release left
advance 272
bare TabSheet_Post2_Pult_3
advance 215
tab TabSheet_Post2_Pult_2
advance 796
key Frame_45_Key_Fix_Tolchok press left
advance 409
key Frame_45_Key_Fix_47 press right
advance 330
key Frame_Button6 release left
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Back_4 press right
advance 282
tab TabSheet_Post2_Pult_2
advance 2061
tab TabSheet_Post2_Pult_1
advance 799
hover Button1
advance 549
tab TabSheet_Post2_Pult_2
advance 299
key Frame_45_Key_Fix_45 press right
advance 455
key Frame_45_Key_Back_5 move
advance 429
foreground press 42
advance 882
key Frame_45_Key_Fix_44 press right
advance 834
hover Image_FixRolTop
advance 271
find 3
hover Image28_3
hover Image18_0
advance 202
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_15 move
advance 260
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_22 press right
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_3 move
advance 450
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
advance 307
foreground press 68
click Image_Fon2
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 598
hover Label_Post_Kromko
advance 840
key Frame_45_Key_Back_15 press left
advance 473
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
advance 30
key Frame_45_Key_Back_15 move
advance 338
key Frame_45_Key_Back_15 press right
advance 732
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 61
tab TabSheet_Post_2
hover Image18_Polosa_Body
advance 438
hover Image54_0
advance 1283
key Frame_45_Key_Fix_49 move
advance 1229
hover Image_Post_Kromko
key Frame_45_Key_Fix_46 press left
advance 936
key Frame_Button_Beep press left
tab TabSheet_Post_1
advance 594
key Frame_45_Key_Fix_3 press left
advance 347
hover Image_Fon2
advance 321
tab TabSheet_Post1_Pult_4
advance 1566
key Frame_45_Key_Back_3 press left
advance 203
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_28 press left
advance 544
key Frame_45_Key_Fix_22 move
find 6
advance 249
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_8 move
advance 605
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_2 press right
advance 445
key Frame_45_Key_Fix_10 move
advance 258
tab TabSheet_Post_2
advance 204
hover Image_Fon2
hover Image66_0
key Frame_45_Key_Fix_46 move
advance 377
key Frame_45_Key_Fix_47 press right
advance 885
foreground press 132
key Frame_Button6 press right
advance 117
key Frame_45_Key_Back_RS release left
advance 377
tab TabSheet_Roga
advance 17
find 6
key Frame_45_Key_Fix_1 press left
newcoil
advance 91
key Frame_45_Key_Fix_2 press left
tab TabSheet_Post1_Pult_3
advance 937
key Frame_Button3 press left
foreground press 188
advance 475
key Frame_45_Key_Fix_20 move
key Frame_Krutilka1 press left
advance 738
key Frame_Button3 press left
key Frame_45_Key_Back_2 move
advance 385
key Frame_45_Key_Fix_19 move
key Frame_Button1 release left
tab TabSheet_Post_2
key Frame_45_Key_Fix_47 move
hover Image15_0
advance 207
hover Image56_0
advance 754
key Frame_45_Key_Fix_44 move
advance 451
key Frame_45_Key_Fix_Tolchok press left
key Frame_45_Key_Fix_49 move
advance 251
tab TabSheet_Post2_Pult_1
key Frame_45_Key_Fix_36 move
advance 417
key Frame_45_Key_Back_4 release left
click Image57_0
advance 1886
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
hover Image149_0
click Image25_1
key Frame_45_Key_Fix_23 press left
tab TabSheet_Post_2
advance 284
key Frame_45_Key_Fix_32 move
key Frame_45_Key_Fix_40 press left
advance 332
hover Image66_0
key Frame_45_Key_Fix_35 move
hover Image75_0
tab TabSheet_Post2_Pult_3
advance 864
key Frame_45_Key_Back_9 release left
advance 137
key Frame_45_Key_Fix_56 press right
advance 388
hover Label_Post_Kromko
advance 141
tab TabSheet_Roga
advance 430
key Frame_45_Key_Back_15 release left
advance 273
tab TabSheet_Post_1
advance 340
hover Image53_2
hover Image56_0
advance 174
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
advance 92
hover Image28_3
advance 281
key Frame_90_Key_2 move
hover Label_Post_Kromko
hover Image3_1
key Frame_45_Key_Fix_33 press left
key Frame_90_Key_2 press left
click Image61_0
advance 212
key Frame_45_Key_Fix_55 move
advance 949
key Frame_45_Key_Fix_55 press left
advance 272
key Frame_45_Key_Fix_54 press left
advance 71
key Frame_45_Key_Back_11 move
tab TabSheet_Post2_Pult_2
advance 334
key Frame_45_Key_Fix_43 move
advance 352
hover Image25_0
advance 108
click Image73_0
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
advance 2693
hover Image55_0
advance 417
tab TabSheet_Post2_Pult_2
advance 1058
key Frame_Button6 release left
advance 560
key Frame_45_Key_Fix_44 move
advance 62
hover Image_Fon2
advance 24
click Image75_0
hover Image70_3
advance 1226
key Frame_45_Key_Fix_52 press left
advance 623
key Frame_45_Key_Back_11 press right
advance 22
key Frame_45_Key_Back_7 release left
hover Image2
advance 351
tab TabSheet_Post2_Pult_2
tab TabSheet_Post2_Pult_1
advance 234
key Frame_45_Key_Fix_36 press left
advance 312
tab TabSheet_Post_1
advance 555
click Image75_0
advance 585
hover Image_Post_Kromko
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Fix_54 move
advance 477
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_7 release left
key Frame_45_Key_Back_8 move
key Frame_45_Key_Fix_52 move
tab TabSheet_Post2_Pult_1
hover Image15_0
hover Image172_0
key Frame_45_Key_Fix_37 move
key Frame_45_Key_Fix_35 move
hover Image56_0
key Frame_Button4 release left
advance 456
key Frame_45_Key_Fix_38 press left
advance 462
click Image_Post_Kromko
key Frame_45_Key_Back_4 release left
key Frame_45_Key_Fix_31 press right
advance 478
key Frame_45_Key_Fix_35 press left
advance 723
foreground press 500
key Frame_45_Key_Fix_41 press left
advance 431
hover Image55_0
advance 284
key Frame_Button4 press left
find 9
advance 313
key Frame_45_Key_Fix_17 move
hover Image173_0
key Frame_45_Key_Fix_16 move
advance 21
key Frame_45_Key_Fix_16 move
advance 205
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_18 press left
advance 445
mode 1
step 30
advance 424
key Frame_45_Key_Fix_16 press left
key Frame_45_Key_Fix_16 move
advance 566
tab TabSheet_Post1_Pult_1
advance 133
hover Image171_0
advance 572
key Frame_45_Key_Fix_11 press left
advance 441
key Frame_45_Key_Fix_1 press right
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_25 move
hover Image_Fon2
advance 277
hover Image173_0
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 138
hover Image53_0
advance 392
find 1
advance 229
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_1 move
tab TabSheet_Post1_Pult_2
advance 480
hover Image172_0
advance 722
key Frame_45_Key_Fix_17 press right
advance 422
tab TabSheet_Post1_Pult_4
advance 2344
key Frame_45_Key_Fix_24 press left
advance 462
key Frame_45_Key_Fix_24 press left
click Image25_0
advance 42
key Frame_45_Key_Fix_26 press left
advance 186
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_25 press right
advance 392
key Frame_45_Key_Back_3 release left
key Frame_45_Key_Fix_25 move
hover Image_Operator
advance 173
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Fix_29 press right
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_1 move
advance 322
key Frame_45_Key_Fix_8 press left
advance 168
key Frame_45_Key_Fix_7 move
advance 522
find 3
tab TabSheet_RM_Kromkomotalka
advance 753
hover Image173_0
key Frame_45_Key_Fix_58 press right
key Frame_90_Key_2 press right
hover Image107_0
advance 198
key Frame_45_Key_Fix_61 move
advance 95
hover Image171_0
advance 329
hover Label_Baraban_Motalki
advance 404
key Frame_45_Key_Fix_57 move
advance 1351
key Frame_45_Key_Fix_33 move
advance 482
hover Button1
advance 284
tab TabSheet_Roga
advance 396
key Frame_45_Key_Back_15 press right
tab TabSheet_Post_1
hover Image_Operator
advance 280
key Frame_45_Key_Fix_8 press right
tab TabSheet_Roga
advance 466
key Frame_45_Key_Back_15 release left
advance 470
key Frame_45_Key_Back_15 press right
advance 311
tab TabSheet_Post_1
advance 979
find 1
advance 123
key Frame_45_Key_Fix_10 move
advance 1011
tab TabSheet_Post1_Pult_3
key Frame_Button3 press left
advance 72
hover Image_FixRolTop
hover Image111_3
advance 583
key Frame_Button3 press left
hover Image2
key Frame_45_Key_Fix_20 move
key Frame_45_Key_Fix_20 move
key Frame_Button1 press left
hover Image54_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_59 move
advance 877
key Frame_45_Key_Fix_59 move
advance 735
key Frame_45_Key_Fix_58 press right
key Frame_45_Key_Fix_60 press left
advance 114
tab TabSheet_Post_2
hover Image52_0
advance 750
key Frame_45_Key_Fix_35 move
key Frame_45_Key_Fix_39 press left
advance 37
key Frame_45_Key_Fix_38 move
key Frame_45_Key_Fix_41 move
advance 363
key Frame_45_Key_Fix_39 press left
tab TabSheet_Post2_Pult_3
advance 568
tab TabSheet_Post_1
click Image131_0
key Frame_45_Key_Back_4 press left
advance 836
stop
advance 468
key Frame_45_Key_Fix_36 move
advance 3266
key Frame_45_Key_Fix_36 move
advance 421
hover Image_wall
advance 315
key Frame_45_Key_Fix_41 press left
advance 1103
find 6
tab TabSheet_Post1_Pult_4
advance 131
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_29 press left
tab TabSheet_Post1_Pult_3
advance 843
key Frame_45_Key_Fix_20 move
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_19 press left
click Image64_0
hover Image38_0
hover Image10_3
tab TabSheet_Post2_Pult_1
advance 413
tab TabSheet_Post_1
key Frame_Button2 press left
advance 834
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 250
hover Image171_0
advance 479
key Frame_Button1 press left
advance 238
find 7
advance 772
key Frame_45_Key_Fix_12 press right
advance 837
key Frame_45_Key_Fix_14 move
advance 296
tab TabSheet_RM_Kromkomotalka
hover Button1
advance 449
hover Image_Operator
advance 1257
hover Image70_3
key Frame_45_Key_Fix_33 move
click Image28_3
tab TabSheet_Post1_Pult_1
advance 1788
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_7 move
key Frame_45_Key_Fix_6 press left
tab TabSheet_Post1_Pult_2
advance 771
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_18 press right
advance 293
key Frame_45_Key_Fix_14 press right
click Image25_0
advance 201
key Frame_45_Key_Fix_30 move
advance 500
key Frame_45_Key_Fix_22 press left
key Frame_45_Key_Fix_28 press right
tab TabSheet_Post1_Pult_3
advance 1093
key Frame_45_Key_Fix_19 move
advance 1027
hover Label_Podval
tab TabSheet_Roga
advance 899
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release right
step 31
# stage 31
key Frame_45_Key_Back_15 release left
advance 220
key Frame_45_Key_Back_15 move
advance 295
key Frame_45_Key_Back_15 move
advance 285
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release right
hover Image_Fon2
advance 253
click Image65_0
key Frame_45_Key_Back_11 release left
advance 621
hover Image24_0
advance 364
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Back_10 press right
advance 64
key Frame_45_Key_Back_8 release right
advance 223
hover Image70_3
advance 548
key Frame_45_Key_Back_9 press left
key Frame_45_Key_Back_10 press left
hover Label_Baraban_Motalki
hover Image173_0
key Frame_45_Key_Back_9 press left
find 6
advance 1011
hover Image61_0
tab TabSheet_Post1_Pult_4
advance 657
tab TabSheet_RM_Kromkomotalka
advance 48
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_33 move
hover Image171_0
tab TabSheet_Post_2
hover Image76_0
advance 3
hover Image70_3
advance 787
hover Label_Baraban_Motalki
advance 348
hover Image8_Polosa_Body
advance 95
key Frame_45_Key_Fix_55 move
advance 418
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Fix_55 press left
advance 881
drag press 58
key Frame_45_Key_Fix_55 move
advance 735
tab TabSheet_Post2_Pult_1
hover Image19_1
click Image10_0
advance 148
tab TabSheet_Post1_Pult_3
tab TabSheet_Post1_Pult_1
tab TabSheet_Post_2
advance 201
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 285
key Frame_45_Key_Back_15 press left
advance 124
key Frame_45_Key_Back_15 move
advance 501
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 359
key Frame_45_Key_Back_15 press left
advance 649
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
advance 487
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Back_1 release left
hover Image171_0
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_9 move
advance 243
key Frame_45_Key_Fix_8 move
advance 390
key Frame_45_Key_Fix_2 move
advance 2645
key Frame_45_Key_Fix_11 press left
key Frame_45_Key_Fix_7 move
advance 35
tab TabSheet_Post1_Pult_4
click Image2_0
advance 1515
key Frame_45_Key_Back_1 press right
key Frame_45_Key_Back_1 release left
advance 215
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_11 press left
click Image19_1
advance 231
tab TabSheet_Roga
hover Image1
key Frame_45_Key_Back_15 move
advance 914
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 62
hover Image48_2
key Frame_45_Key_Back_15 release right
tab TabSheet_Post_2
key Frame_45_Key_Back_4 press right
advance 536
key Frame_45_Key_Fix_36 move
advance 472
foreground press 273
advance 531
hover Image1
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Fix_56 press left
advance 47
key Frame_Button8 release right
key Frame_45_Key_Fix_51 move
key Frame_45_Key_Fix_56 move
foreground press 849
advance 472
key Frame_45_Key_Back_10 release right
hover Image16_Polosa_Body
advance 1693
key Frame_45_Key_Back_8 move
advance 316
click Image1
hover Label_Baraban_Motalki
key Frame_45_Key_Back_9 press left
advance 244
hover Label_Post_Kromko
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_7 release left
advance 22
hover Image36_Polosa_Body
advance 1787
key Frame_45_Key_Back_11 press right
advance 354
key Frame_45_Key_Back_9 release left
key Frame_45_Key_Back_8 release left
advance 3180
key Frame_45_Key_Fix_55 move
hover Image51_0
find 9
advance 1225
key Frame_45_Key_Fix_18 move
advance 281
hover Image51_0
advance 834
key Frame_45_Key_Fix_16 press right
advance 1343
hover Image_Invisible_9
click Image111_0
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_22 press left
advance 671
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_28 move
hover Image51_0
advance 348
key Frame_45_Key_Fix_27 move
hover Image107_0
advance 60
key Frame_45_Key_Fix_23 press left
advance 791
key Frame_45_Key_Fix_25 move
hover Image171_0
key Frame_45_Key_Fix_27 move
advance 398
find 6
key Frame_45_Key_Fix_10 move
hover Image170_0
tab TabSheet_Post1_Pult_2
hover Image54_0
hover Image111_0
advance 214
hover Image_Beep
advance 459
hover Image2
key Frame_45_Key_Fix_12 press left
advance 360
tab TabSheet_Post1_Pult_3
key Frame_Button2 release left
advance 283
key Frame_45_Key_Back_2 press right
key Frame_45_Key_Back_2 release right
advance 1750
hover Image52_0
advance 561
hover Image57_0
key Frame_Krutilka1 press right
click Image38_0
advance 109
key Frame_45_Key_Fix_35 press left
advance 410
key Frame_45_Key_Back_4 release left
tab TabSheet_Post2_Pult_2
advance 155
key Frame_Button7 press right
advance 111
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 577
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 631
tab TabSheet_Post_1
key Frame_Button3 release right
advance 66
click Image28_3
advance 187
hover Image_Fon2
advance 17
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 press right
key Frame_45_Key_Back_2 release right
advance 888
key Frame_45_Key_Fix_19 press right
advance 434
hover Image171_0
advance 886
find 3
advance 738
hover Image28_3
advance 377
key Frame_45_Key_Fix_7 press left
advance 361
tab TabSheet_Roga
advance 1635
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
advance 1708
key Frame_45_Key_Back_15 press right
advance 437
tab TabSheet_Post_1
key Frame_45_Key_Fix_7 move
advance 883
key Frame_45_Key_Fix_4 move
advance 281
hover Image171_0
key Frame_45_Key_Fix_3 press right
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_8 press right
find 9
advance 853
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_22 press right
key Frame_45_Key_Fix_26 move
advance 78
key Frame_45_Key_Fix_28 move
advance 285
tab TabSheet_Post_2
key Frame_45_Key_Fix_48 press left
advance 422
key Frame_45_Key_Fix_NormStop move
tab TabSheet_Post_1
advance 442
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_26 press left
advance 450
hover Image1
key Frame_45_Key_Fix_22 press left
advance 731
tab TabSheet_Post1_Pult_1
advance 106
click Image75_0
hover Image7_0
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Back_9 press left
advance 499
hover Image_Invisible_9
advance 7
key Frame_Button8 press left
advance 1210
click Label_Baraban_Motalki
key Frame_45_Key_Back_10 release left
key Frame_Button8 press right
advance 20
click Image111_0
tab TabSheet_Post1_Pult_4
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_2
advance 192
tab TabSheet_Post2_Pult_1
advance 147
key Frame_Button4 release left
key Frame_45_Key_Fix_40 press left
hover Image105_0
advance 413
hover Image54_0
key Frame_45_Key_Fix_38 press right
key Frame_45_Key_Fix_41 move
advance 52
key Frame_45_Key_Fix_38 press right
advance 91
key Frame_45_Key_Fix_36 press left
key Frame_45_Key_Fix_39 move
advance 627
key Frame_45_Key_Fix_37 press left
key Frame_45_Key_Fix_37 move
key Frame_45_Key_Fix_37 move
find 3
advance 114
key Frame_45_Key_Fix_5 move
advance 324
tab TabSheet_Post1_Pult_3
advance 94
key Frame_Button3 press left
advance 1667
key Frame_45_Key_Fix_21 press left
advance 26
key Frame_Button2 release right
advance 346
foreground press 68
click Image_Fon2
hover Image173_0
key Frame_45_Key_Fix_19 move
advance 1110
key Frame_Button2 press left
advance 165
drag press 58
advance 16
hover Label_Podval
mode 1
step 30
# stage 30
advance 188
drag release
key Frame_Button2 release right
advance 1460
key Frame_45_Key_Back_2 move
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 move
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_16 move
advance 306
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_26 move
advance 661
key Frame_45_Key_Fix_23 move
advance 697
key Frame_45_Key_Fix_28 move
advance 763
key Frame_45_Key_Fix_27 press right
tab TabSheet_Post1_Pult_1
find 3
hover Image71_0
key Frame_45_Key_Fix_10 move
advance 603
key Frame_45_Key_Fix_8 move
advance 1123
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_1 press right
hover Image173_0
advance 240
key Frame_45_Key_Fix_1 press right
bare TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_5 move
advance 393
tab TabSheet_RM_Kromkomotalka
click Image111_0
advance 223
key Frame_45_Key_Fix_14 press left
advance 919
hover Image173_0
advance 190
hover Image_Fon2
click Image64_0
advance 703
tab TabSheet_Post2_Pult_2
advance 448
key Frame_Button_Beep release right
advance 343
hover Image_wall
advance 457
key Frame_Button6 release right
key Frame_45_Key_Fix_47 press right
advance 278
key Frame_45_Key_Fix_48 move
key Frame_45_Key_Back_RS move
hover Image61_0
advance 29
tab TabSheet_Post_1
advance 303
tab TabSheet_RM_Kromkomotalka
find 3
advance 313
tab TabSheet_Post1_Pult_3
advance 282
key Frame_Krutilka1 press left
advance 823
key Frame_Button1 press left
hover Image54_0
tab TabSheet_Post1_Pult_1
advance 28
key Frame_45_Key_Fix_4 press left
advance 417
key Frame_45_Key_Fix_8 press right
advance 680
tab TabSheet_Post_2
advance 1226
hover Image55_0
advance 1577
hover Image173_0
advance 1291
key Frame_45_Key_Fix_45 press left
key Frame_45_Key_Fix_NormStop press right
advance 469
key Frame_45_Key_Fix_46 move
advance 769
key Frame_45_Key_Back_5 press right
key Frame_45_Key_Back_5 release right
advance 307
key Frame_45_Key_Fix_46 move
key Frame_Button_Beep release left
advance 343
key Frame_45_Key_Fix_49 move
advance 492
key Frame_45_Key_Fix_Tolchok press left
advance 225
tab TabSheet_Post2_Pult_3
advance 302
hover Image28_3
advance 492
tab TabSheet_Post2_Pult_2
tab TabSheet_Post2_Pult_1
advance 301
key Frame_45_Key_Fix_37 press left
key Frame_Button4 release left
advance 855
key Frame_Button4 press left
advance 1527
click Image75_0
advance 374
hover Image111_0
advance 1076
key Frame_45_Key_Fix_51 press left
hover Image70_3
advance 333
tab TabSheet_Post2_Pult_2
advance 526
tab TabSheet_Post2_Pult_1
advance 389
key Frame_45_Key_Fix_36 move
advance 469
hover Image57_0
advance 999
click Image75_0
key Frame_45_Key_Back_11 release right
key Frame_45_Key_Back_13 move
advance 610
key Frame_45_Key_Fix_51 move
hover Image170_0
advance 390
key Frame_45_Key_Back_9 release left
advance 498
key Frame_45_Key_Fix_56 move
advance 114
key Frame_45_Key_Back_11 move
foreground press 500
advance 1243
hover Image65_0
key Frame_45_Key_Back_8 move
advance 212
key Frame_45_Key_Back_9 move
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Fix_54 move
hover Label_Baraban_Motalki
key Frame_45_Key_Back_14 move
click Image71_0
advance 922
key Frame_45_Key_Fix_54 move
advance 783
tab TabSheet_Roga
advance 66
key Frame_45_Key_Back_15 move
advance 834
key Frame_45_Key_Back_15 press left
advance 267
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
foreground press 42
click Image_Fon2
advance 94
tab TabSheet_Post_1
advance 104
key Frame_45_Key_Fix_1 move
advance 498
tab TabSheet_Post_2
advance 426
key Frame_45_Key_Fix_55 move
tab TabSheet_RM_Kromkomotalka
advance 590
key Frame_45_Key_Fix_59 move
advance 845
key Frame_45_Key_Fix_61 press left
advance 372
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_59 press left
click Image4_Line_Left_tEnd
tab TabSheet_Post_1
advance 1828
hover Image108_0
advance 397
key Frame_45_Key_Fix_7 move
advance 1108
click Image131_0
key Frame_45_Key_Fix_41 move
advance 1170
hover Image111_0
advance 1635
key Frame_45_Key_Fix_36 press left
advance 896
key Frame_45_Key_Fix_40 move
advance 65
click Image61_0
advance 127
tab TabSheet_Post2_Pult_2
advance 1250
hover Image107_0
advance 443
key Frame_Button6 press right
advance 1611
find 6
advance 928
key Frame_45_Key_Fix_7 move
advance 395
hover Image105_0
advance 897
key Frame_45_Key_Back_1 press left
click Image107_0
key Frame_45_Key_Fix_8 press right
advance 277
hover Image_Post_Kromko
advance 847
click Image118_0
key Frame_45_Key_Fix_27 press right
hover Image2
advance 134
key Frame_45_Key_Fix_26 move
advance 1296
click Image55_0
key Frame_45_Key_Fix_60 move
advance 337
key Frame_45_Key_Fix_61 press left
advance 1042
hover Image70_3
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_3
advance 1247
hover Image171_0
key Frame_45_Key_Fix_20 press left
advance 52
hover Image170_0
advance 433
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
advance 511
hover Image56_0
tab TabSheet_Post_2
advance 249
hover Image108_0
advance 184
click Image48_2
advance 851
hover Image105_0
key Frame_45_Key_Back_4 move
advance 687
key Frame_45_Key_Fix_31 press left
advance 324
tab TabSheet_Post2_Pult_2
key Frame_Krutilka2 press right
advance 298
key Frame_45_Key_Fix_48 move
key Frame_45_Key_Fix_47 press left
advance 439
click Image28_3
advance 806
key Frame_45_Key_Fix_28 move
advance 89
key Frame_45_Key_Fix_25 move
advance 102
key Frame_45_Key_Fix_24 move
advance 349
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Back_3 release left
key Frame_45_Key_Fix_26 move
advance 876
find 2
tab TabSheet_Post1_Pult_4
advance 385
hover Image173_0
advance 88
hover Label_Podval
advance 571
hover Image_Provodka_sprava
advance 733
key Frame_45_Key_Fix_26 move
advance 314
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_28 move
advance 10
key Frame_45_Key_Fix_28 press left
find 2
hover Label_Post_Kromko
advance 258
key Frame_45_Key_Fix_8 press left
advance 67
tab TabSheet_Post1_Pult_4
advance 394
key Frame_45_Key_Fix_23 press right
advance 1289
hover Image28_3
advance 384
key Frame_45_Key_Fix_25 press left
advance 118
hover Image172_0
advance 13
key Frame_45_Key_Fix_28 press left
advance 440
hover Image52_0
hover Image170_0
advance 165
tab TabSheet_Post1_Pult_2
advance 22
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_61 move
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_59 move
hover Image172_0
hover Image70_3
advance 388
key Frame_45_Key_Fix_61 move
advance 197
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_60 move
advance 468
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_1
find 6
tab TabSheet_Post_2
key Frame_45_Key_Back_5 release left
tab TabSheet_Post2_Pult_1
advance 224
key Frame_45_Key_Fix_32 move
hover Image106_0
advance 61
tab TabSheet_Post2_Pult_2
advance 896
key Frame_45_Key_Fix_47 move
hover Image55_0
hover Image105_0
advance 486
key Frame_45_Key_Fix_45 press left
key Frame_45_Key_Fix_48 press left
advance 742
key Frame_45_Key_Fix_43 move
key Frame_Button_Beep press left
advance 742
click Image108_0
advance 488
key Frame_45_Key_Fix_9 move
tab TabSheet_RM_Kromkomotalka
advance 413
hover Image27_2
key Frame_45_Key_Fix_59 move
hover Image108_0
advance 1321
key Frame_45_Key_Fix_57 press left
click Image149_0
key Frame_45_Key_Fix_38 move
hover Image52_0
advance 145
key Frame_45_Key_Fix_38 move
advance 2010
key Frame_45_Key_Back_4 release left
key Frame_45_Key_Fix_41 press left
advance 207
key Frame_Button4 press left
advance 166
key Frame_45_Key_Fix_36 press right
advance 2026
key Frame_45_Key_Back_4 press right
advance 675
tab TabSheet_Post2_Pult_3
advance 255
hover Image107_0
advance 1052
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_14 press left
advance 157
key Frame_Button8 press left
key Frame_Button8 release left
advance 467
key Frame_45_Key_Fix_54 press left
hover Image25_3
advance 42
key Frame_45_Key_Back_12 move
advance 347
key Frame_45_Key_Back_12 release left
advance 288
key Frame_45_Key_Back_10 press left
hover Image107_0
key Frame_45_Key_Back_14 press left
hover Image_Provodka_sleva
tab TabSheet_Post2_Pult_1
advance 319
find 2
advance 326
key Frame_45_Key_Back_1 release left
hover Image2
advance 167
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_6 press left
advance 1017
key Frame_45_Key_Fix_11 move
advance 473
hover Image64_0
advance 792
hover Image64_0
advance 354
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_1 press left
hover Image108_0
find 1
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_13 press left
advance 311
bare TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_17 move
advance 167
key Frame_45_Key_Fix_18 press left
advance 478
key Frame_45_Key_Fix_15 move
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_27 press left
hover Image_Fon2
tab TabSheet_RM_Kromkomotalka
find 5
hover Image51_0
advance 1715
hover Image170_0
advance 594
tab TabSheet_Post1_Pult_4
tab TabSheet_Post1_Pult_1
advance 522
tab TabSheet_Post1_Pult_2
tab TabSheet_Post1_Pult_1
click Image106_0
key Frame_45_Key_Fix_9 move
advance 275
key Frame_45_Key_Fix_7 move
advance 416
click Image48_2
key Frame_45_Key_Back_4 move
tab TabSheet_Post2_Pult_2
tab TabSheet_Post2_Pult_1
advance 482
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
advance 458
tab TabSheet_Post_2
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 16
key Frame_45_Key_Back_15 press left
advance 397
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
advance 382
key Frame_45_Key_Fix_37 move
advance 550
hover Image_Provodka_sprava
advance 258
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_12 release left
key Frame_45_Key_Back_14 release left
key Frame_45_Key_Fix_54 move
advance 171
hover Image53_0
advance 1145
find 6
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_4 move
advance 86
tab TabSheet_Post1_Pult_3
advance 799
key Frame_45_Key_Fix_20 move
advance 980
hover Image107_0
advance 485
key Frame_Button3 press right
advance 399
hover Label_Post_Kromko
advance 52
key Frame_Button1 press left
advance 1833
key Frame_Button3 press right
advance 277
key Frame_45_Key_Fix_20 press left
hover Image52_0
advance 184
tab TabSheet_Post1_Pult_1
hover Image107_0
key Frame_45_Key_Fix_3 press left
advance 253
tab TabSheet_Post1_Pult_4
advance 115
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_30 press left
key Frame_45_Key_Fix_22 move
advance 396
find 6
key Frame_45_Key_Fix_1 move
advance 171
tab TabSheet_Roga
hover Image54_0
key Frame_45_Key_Back_15 release left
hover Image173_0
hover Image24_0
advance 63
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 682
key Frame_45_Key_Back_15 release left
advance 263
hover Image171_0
key Frame_45_Key_Back_15 move
hover Image55_0
advance 174
foreground press 439
click Image108_0
advance 2871
key Frame_45_Key_Fix_6 move
advance 373
click Image24_0
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_26 press left
hover Image173_0
advance 665
hover Image61_0
advance 205
key Frame_45_Key_Fix_22 move
advance 271
hover Image108_0
advance 431
key Frame_45_Key_Fix_27 move
advance 1752
key Frame_45_Key_Fix_26 move
advance 497
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_24 move
hover Label_Baraban_Motalki
tab TabSheet_Post1_Pult_2
tab TabSheet_Roga
advance 944
foreground press 763
advance 417
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
advance 727
tab TabSheet_Post_2
key Frame_45_Key_Back_11 press right
key Frame_45_Key_Back_7 press left
advance 471
hover Image111_0
advance 417
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Fix_47 press left
key Frame_Button7 release left
advance 90
hover Image22_3
advance 340
key Frame_45_Key_Fix_49 move
advance 339
step 31
# stage 31
key Frame_Button_Beep press left
advance 812
key Frame_Button7 release right
key Frame_45_Key_Back_RS move
advance 680
hover Image15_1
foreground press 273
advance 109
mode 1
step 30
# stage 30
advance 136
key Frame_45_Key_Fix_48 move
key Frame_45_Key_Fix_50 press left
tab TabSheet_Post2_Pult_1
advance 760
key Frame_90_Key_1 press left
hover Image22_0
advance 403
hover Image_Fon2
key Frame_45_Key_Fix_35 move
advance 466
key Frame_45_Key_Fix_31 move
advance 176
tab TabSheet_RM_Kromkomotalka
hover Image55_0
advance 492
hover Image172_0
advance 1105
key Frame_90_Key_2 press left
advance 25
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_33 press left
foreground press 68
click Image_Fon2
advance 374
click Image55_0
advance 212
key Frame_45_Key_Fix_57 press left
advance 594
key Frame_45_Key_Fix_33 move
key Frame_45_Key_Fix_60 move
advance 152
key Frame_45_Key_Fix_33 move
advance 371
key Frame_90_Key_2 press right
advance 206
foreground press 68
click Image_Fon2
advance 474
key Frame_45_Key_Fix_60 move
advance 432
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_11 move
advance 1110
hover Image_Diagonal_Right_4
hover Label_Post_Kromko
hover Image28_3
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Fix_54 press left
advance 396
click Image48_2
advance 39
key Frame_45_Key_Fix_39 move
advance 757
hover Label10
advance 1292
key Frame_45_Key_Back_4 move
advance 244
tab TabSheet_Roga
advance 650
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 325
tab TabSheet_Post_2
key Frame_45_Key_Fix_38 press right
tab TabSheet_RM_Kromkomotalka
advance 547
tab TabSheet_Post_1
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_12 move
advance 800
tab TabSheet_Post1_Pult_4
foreground press 132
advance 320
hover Image38_0
advance 69
key Frame_45_Key_Back_3 press left
hover Label_Podval
advance 314
key Frame_45_Key_Back_3 press left
advance 111
key Frame_45_Key_Fix_28 press left
advance 19
key Frame_45_Key_Fix_28 move
advance 48
key Frame_45_Key_Fix_28 move
advance 300
key Frame_45_Key_Fix_24 move
advance 282
tab TabSheet_Post1_Pult_1
advance 2227
key Frame_45_Key_Fix_4 move
advance 268
hover Image53_1
advance 799
click Image173_0
advance 195
tab TabSheet_Post_1
hover Label_Post_Kromko
advance 1523
tab TabSheet_Post1_Pult_4
advance 712
hover Image149_0
key Frame_45_Key_Fix_25 press right
advance 399
key Frame_45_Key_Fix_27 move
advance 532
hover Image27_0
tab TabSheet_Post_2
advance 34
tab TabSheet_Post2_Pult_1
advance 323
key Frame_45_Key_Fix_38 move
advance 381
find 6
advance 645
hover Image172_0
key Frame_45_Key_Fix_5 move
tab TabSheet_Post1_Pult_4
advance 673
hover Image56_0
advance 397
key Frame_45_Key_Fix_30 move
advance 359
key Frame_45_Key_Fix_24 press left
click Image48_2
hover Label_Baraban_Motalki
advance 401
key Frame_45_Key_Fix_32 move
advance 1289
key Frame_45_Key_Fix_35 move
advance 788
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
find 40
key Frame_45_Key_Back_15 release left
advance 2004
key Frame_45_Key_Back_15 move
advance 532
key Frame_45_Key_Back_15 release left
advance 416
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 372
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 283
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
advance 275
tab TabSheet_RM_Kromkomotalka
advance 387
tab TabSheet_Roga
advance 930
hover Image56_0
advance 531
key Frame_45_Key_Back_15 press right
click Image_Post_Kromko
key Frame_45_Key_Back_15 release left
advance 2004
key Frame_45_Key_Back_15 move
foreground press 500
advance 373
key Frame_45_Key_Back_15 release left
advance 1061
click Image2_0
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_8 press left
advance 700
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 move
hover Image53_2
advance 625
key Frame_45_Key_Fix_15 press left
advance 695
key Frame_45_Key_Fix_17 press left
find 1
advance 799
tab TabSheet_RM_Kromkomotalka
advance 977
key Frame_45_Key_Fix_59 move
key Frame_90_Key_2 press left
advance 327
key Frame_45_Key_Fix_57 press left
advance 875
key Frame_90_Key_2 move
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_58 press left
tab TabSheet_Post_2
advance 497
key Frame_90_Key_1 move
advance 895
key Frame_45_Key_Back_4 release left
click Image64_0
advance 360
key Frame_45_Key_Fix_55 move
advance 1060
key Frame_Button8 release left
key Frame_45_Key_Fix_51 press left
hover Image173_0
key Frame_45_Key_Fix_55 move
advance 447
hover Image75_0
advance 326
key Frame_45_Key_Back_8 release left
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 157
tab TabSheet_RM_Kromkomotalka
hover Image2
advance 280
find 1
advance 1117
key Frame_45_Key_Fix_7 move
advance 1342
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_6 move
advance 610
tab TabSheet_Post1_Pult_3
advance 263
tab TabSheet_Post1_Pult_4
advance 474
key Frame_45_Key_Fix_29 press left
advance 645
hover Image173_0
key Frame_45_Key_Back_3 press right
advance 1309
find 7
advance 472
key Frame_45_Key_Fix_14 move
advance 365
key Frame_45_Key_Fix_12 move
hover Image_wall
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_14 press right
advance 247
key Frame_45_Key_Fix_17 press left
advance 1120
key Frame_45_Key_Fix_15 move
hover Image53_1
advance 375
click Image38_0
tab TabSheet_RM_Kromkomotalka
hover Image28_3
advance 898
key Frame_45_Key_Fix_33 move
advance 1291
key Frame_45_Key_Fix_58 press left
advance 271
hover Image61_0
advance 238
key Frame_45_Key_Fix_61 press left
hover Label_Podval
advance 289
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_57 move
click Image19_3
advance 232
key Frame_45_Key_Fix_26 press left
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 309
key Frame_90_Key_2 press left
advance 1581
key Frame_45_Key_Fix_59 move
advance 142
key Frame_45_Key_Fix_33 move
advance 669
key Frame_90_Key_2 press left
click Image61_0
advance 787
key Frame_45_Key_Fix_55 press left
advance 111
key Frame_45_Key_Fix_53 press left
advance 860
hover Image66_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press left
key Frame_45_Key_Fix_58 press right
key Frame_45_Key_Fix_59 press left
advance 245
key Frame_45_Key_Fix_58 move
key Frame_90_Key_2 move
find 5
key Frame_45_Key_Fix_4 move
advance 357
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Back_1 move
advance 1022
key Frame_45_Key_Fix_7 move
advance 256
click Label_Baraban_Razmativatela
advance 217
key Frame_45_Key_Fix_3 move
advance 362
key Frame_45_Key_Back_1 move
advance 574
click Image10_0
hover Image106_0
advance 948
key Frame_45_Key_Fix_15 press left
advance 1042
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_2 press left
advance 495
key Frame_45_Key_Fix_11 press left
advance 79
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_11 press left
advance 526
hover Image64_0
advance 407
hover Image_Vnutrennosti_Rulona_Razmativatela
foreground press 68
click Image_Fon2
key Frame_45_Key_Fix_3 move
advance 984
tab TabSheet_Roga
hover Image1
advance 436
key Frame_45_Key_Back_15 release left
tab TabSheet_RM_Kromkomotalka
hover Image173_0
advance 297
key Frame_45_Key_Fix_60 press left
advance 69
key Frame_45_Key_Fix_33 press left
hover Label_Baraban_Razmativatela
advance 757
key Frame_45_Key_Fix_57 move
advance 571
key Frame_45_Key_Fix_60 move
click Image75_0
advance 467
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Fix_54 move
tab TabSheet_Roga
advance 674
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
advance 1509
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_5 move
advance 355
key Frame_45_Key_Fix_1 move
advance 427
click Image_Vnutrennosti_Rulona_Razmativatela
advance 689
hover Image55_3
tab TabSheet_Roga
advance 363
key Frame_45_Key_Back_15 press right
advance 548
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
hover Image108_0
key Frame_45_Key_Back_15 release right
tab TabSheet_Post_1
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_10 move
hover Image75_0
find 40
key Frame_45_Key_Fix_8 press left
advance 407
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_19 move
advance 473
key Frame_Button3 release left
hover Label_Baraban_Razmativatela
hover Image171_0
key Frame_45_Key_Fix_19 press right
key Frame_Button3 release left
hover Image173_0
advance 1588
find 3
key Frame_45_Key_Fix_6 move
advance 722
hover Label_Post_Kromko
advance 408
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_16 press right
advance 160
key Frame_45_Key_Fix_18 move
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 move
key Frame_45_Key_Fix_19 move
advance 233
tab TabSheet_Post1_Pult_4
advance 409
tab TabSheet_Post1_Pult_1
advance 8
key Frame_45_Key_Fix_4 press left
find 2
advance 477
key Frame_45_Key_Fix_5 move
advance 1481
key Frame_45_Key_Fix_8 press left
advance 1474
hover Image172_0
tab TabSheet_RM_Kromkomotalka
find 9
key Frame_45_Key_Fix_18 press right
key Frame_45_Key_Fix_12 move
hover Image172_0
advance 1725
tab TabSheet_Post_2
advance 474
foreground press 273
bare TabSheet_Post2_Pult_3
key Frame_45_Key_Back_13 release left
advance 477
key Frame_45_Key_Fix_54 press left
advance 137
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Back_7 move
advance 864
find 5
advance 1715
tab TabSheet_Post_2
key Frame_45_Key_Back_7 press left
hover Image1
key Frame_45_Key_Back_14 move
advance 618
key Frame_45_Key_Back_7 release left
tab TabSheet_Post2_Pult_2
find 5
tab TabSheet_Roga
advance 1771
key Frame_45_Key_Back_15 release right
advance 361
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 399
key Frame_45_Key_Back_15 release left
advance 661
key Frame_45_Key_Back_15 release left
foreground press 68
key Frame_45_Key_Back_15 press right
advance 486
tab TabSheet_Post_1
advance 212
tab TabSheet_Post1_Pult_4
advance 1011
hover Image107_0
tab TabSheet_Post1_Pult_1
advance 539
key Frame_45_Key_Fix_6 move
hover Image107_0
advance 560
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_1 press left
advance 166
hover Image61_0
key Frame_45_Key_Fix_5 press right
advance 279
find 7
hover Image7_Polosa_Body
step 30
advance 743
key Frame_45_Key_Fix_16 press left
advance 707
tab TabSheet_Post1_Pult_4
advance 1529
tab TabSheet_RM_Kromkomotalka
advance 154
key Frame_45_Key_Fix_61 press left
advance 456
hover Image170_0
click Image66_0
key Frame_45_Key_Back_9 move
advance 132
key Frame_45_Key_Back_9 release right
advance 401
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Back_12 press left
key Frame_45_Key_Back_9 release right
tab TabSheet_Post2_Pult_1
hover Image10_0
advance 142
key Frame_45_Key_Fix_31 move
advance 1185
hover Image24_Polosa_Body
click Image38_0
advance 228
tab TabSheet_Post2_Pult_2
hover Image171_0
advance 129
hover Image7_0
advance 802
foreground press 68
advance 906
hover Image2_0
advance 393
foreground press 763
advance 409
click Image_Fon2
click Image66_0
key Frame_45_Key_Fix_55 press left
advance 299
key Frame_45_Key_Back_12 release left
advance 1044
hover Image172_0
advance 201
key Frame_45_Key_Back_11 release left
click Image170_0
advance 280
key Frame_45_Key_Fix_52 press left
advance 675
key Frame_45_Key_Back_14 release left
advance 1603
key Frame_45_Key_Back_8 release left
click Image2_0
advance 470
key Frame_45_Key_Fix_10 move
advance 920
key Frame_45_Key_Fix_3 move
advance 766
key Frame_45_Key_Fix_6 move
advance 454
key Frame_45_Key_Fix_7 move
advance 423
key Frame_45_Key_Fix_10 move
hover Image56_0
advance 1241
key Frame_45_Key_Fix_8 press right
advance 285
key Frame_45_Key_Fix_5 move
mode 1
step 30
key Frame_45_Key_Fix_3 move
advance 94
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Back_1 press left
advance 823
key Frame_45_Key_Fix_11 press left
hover Label_Baraban_Motalki
find 3
advance 496
tab TabSheet_Post1_Pult_4
advance 8
key Frame_45_Key_Fix_29 press right
key Frame_45_Key_Fix_27 move
advance 988
key Frame_45_Key_Fix_26 press left
key Frame_45_Key_Fix_23 press left
advance 173
key Frame_45_Key_Fix_27 move
key Frame_45_Key_Fix_29 press right
tab TabSheet_Post1_Pult_2
advance 293
hover Image24_0
key Frame_45_Key_Fix_17 move
advance 36
hover Image19_Polosa_Body
advance 483
find 5
key Frame_45_Key_Fix_1 press left
advance 369
hover Label_Baraban_Razmativatela
step 31
# stage 31
advance 870
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_19 press left
key Frame_Krutilka1 press left
advance 309
key Frame_Button1 release left
advance 330
key Frame_Button2 press left
key Frame_45_Key_Fix_19 move
advance 475
key Frame_45_Key_Fix_21 press right
hover Image61_0
key Frame_45_Key_Back_2 move
advance 37
hover Image_Fon2
advance 213
hover Image_Provodka_sleva
advance 1548
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_5 press right
key Frame_45_Key_Fix_2 press left
advance 1228
key Frame_45_Key_Fix_9 move
advance 177
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_9 move
advance 513
key Frame_45_Key_Fix_9 press left
advance 543
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 move
advance 470
foreground press 763
advance 88
hover Image55_3
key Frame_45_Key_Fix_59 move
advance 143
foreground press 42
advance 448
hover Image55_3
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_33 press left
advance 778
key Frame_45_Key_Fix_59 press left
advance 657
mode 1
hover Image_Fon2
key Frame_45_Key_Fix_59 move
advance 1112
tab TabSheet_Post_2
advance 446
key Frame_45_Key_Fix_51 move
advance 17
key Frame_45_Key_Back_13 press left
advance 1147
key Frame_45_Key_Fix_53 press left
key Frame_Button8 press right
tab TabSheet_Post_1
key Frame_45_Key_Fix_9 move
hover Image149_0
advance 309
key Frame_45_Key_Fix_5 press left
find 3
advance 1200
hover Label_Podval
hover Image_Provodka_sprava
hover Image54_0
advance 50
tab TabSheet_Post_2
advance 1851
click Image71_0
advance 561
key Frame_45_Key_Back_12 press right
click Image57_3
key Frame_90_Key_2 press left
tab TabSheet_Post_2
advance 413
hover Image51_0
advance 1098
hover Image55_3
hover Image16_Polosa_Body
tab TabSheet_Post2_Pult_2
advance 763
key Frame_45_Key_Fix_50 press left
tab TabSheet_Post2_Pult_3
advance 667
key Frame_45_Key_Fix_56 move
advance 1054
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 654
tab TabSheet_Roga
advance 133
hover Image55_3
key Frame_45_Key_Back_15 release right
advance 782
find 2
key Frame_45_Key_Fix_5 press left
advance 467
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_3 move
advance 479
key Frame_45_Key_Back_1 release left
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 move
hover Image_FixRolLow
key Frame_45_Key_Fix_29 press left
key Frame_45_Key_Fix_23 press left
advance 376
hover Image19_Polosa_Body
advance 82
find 40
advance 608
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_24 move
advance 354
key Frame_45_Key_Fix_27 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 433
key Frame_45_Key_Back_15 move
advance 451
key Frame_45_Key_Back_15 release left
hover Image_Diagonal_Right_4
hover Image_Fon2
advance 378
key Frame_45_Key_Back_15 release left
advance 83
click Image61_0
advance 226
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_13 move
key Frame_45_Key_Back_13 release right
advance 291
tab TabSheet_Roga
advance 460
key Frame_45_Key_Back_15 move
hover Image54_0
advance 349
key Frame_45_Key_Back_15 press left
advance 123
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_2
advance 1264
hover Image_Fon2
advance 1717
key Frame_45_Key_Back_8 move
advance 242
key Frame_45_Key_Back_9 press left
advance 1033
key Frame_45_Key_Back_11 move
key Frame_45_Key_Back_12 press right
find 5
key Frame_45_Key_Fix_5 move
advance 283
key Frame_45_Key_Fix_5 press left
advance 190
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Back_1 move
bare TabSheet_Post1_Pult_1
hover Image15_1
advance 405
key Frame_45_Key_Fix_6 press right
tab TabSheet_Post_2
advance 671
hover Image36_Polosa_Body
tab TabSheet_Post2_Pult_2
advance 195
key Frame_Button6 press right
advance 1393
key Frame_Krutilka3 press left
advance 905
key Frame_45_Key_Fix_49 move
key Frame_45_Key_Fix_NormStop move
key Frame_45_Key_Fix_43 press left
advance 410
key Frame_Button7 press left
advance 2088
key Frame_45_Key_Back_5 release left
advance 24
hover Image_Post_Kromko
hover Image52_0
advance 222
tab TabSheet_Post2_Pult_1
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 move
tab TabSheet_Post_2
advance 41
find 5
key Frame_45_Key_Fix_6 move
advance 264
foreground press 192
advance 264
key Frame_45_Key_Fix_11 move
advance 466
key Frame_45_Key_Fix_10 press right
key Frame_45_Key_Back_1 release left
advance 316
hover Image_Diagonal_Right_4
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Back_1 press right
advance 303
key Frame_45_Key_Fix_8 move
click Image111_0
advance 1464
key Frame_45_Key_Fix_12 move
advance 490
hover Image66_0
advance 696
hover Image107_0
key Frame_45_Key_Fix_15 press left
advance 155
foreground press 132
tab TabSheet_Post_2
advance 196
key Frame_45_Key_Back_4 move
advance 566
hover Image5_3
foreground press 500
advance 421
key Frame_Button4 release left
advance 1015
key Frame_45_Key_Fix_40 move
hover Image107_0
advance 789
key Frame_Button4 press left
advance 455
key Frame_45_Key_Fix_32 move
advance 601
tab TabSheet_Post_1
advance 501
tab TabSheet_Post_2
advance 63
key Frame_45_Key_Back_4 move
key Frame_45_Key_Fix_36 press left
advance 403
tab TabSheet_Post_1
hover Image61_0
hover Image66_0
advance 333
hover Image24_Polosa_Body
key Frame_45_Key_Fix_12 move
foreground press 849
advance 484
hover Image55_3
advance 399
key Frame_45_Key_Fix_13 move
hover Image_Provodka_sprava
advance 29
key Frame_45_Key_Fix_12 move
advance 463
tab TabSheet_Post1_Pult_3
advance 159
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release right
advance 604
key Frame_45_Key_Back_15 release left
hover Image_Diagonal_Right_4
key Frame_45_Key_Back_15 move
advance 827
click Image24_0
hover Image22_0
key Frame_45_Key_Fix_26 press left
tab TabSheet_Post1_Pult_3
advance 78
tab TabSheet_Post1_Pult_2
advance 6
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_15 press left
advance 598
key Frame_45_Key_Fix_18 move
hover Image105_0
advance 229
key Frame_45_Key_Fix_13 press left
advance 434
find 2
key Frame_45_Key_Fix_8 move
key Frame_45_Key_Fix_10 press left
advance 655
key Frame_45_Key_Fix_11 move
advance 584
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_4 press left
advance 248
hover Image1
advance 497
key Frame_45_Key_Fix_7 move
advance 435
key Frame_45_Key_Back_1 release right
hover Image_Post_Kromko
advance 381
tab TabSheet_Roga
find 40
advance 153
hover Label_Podval
key Frame_45_Key_Back_15 move
advance 438
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
hover Image15_3
key Frame_45_Key_Back_15 press left
hover Image1
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 144
key Frame_45_Key_Back_15 release left
advance 385
hover Label_Post_Kromko
key Frame_45_Key_Back_15 release right
click Image108_0
advance 376
key Frame_45_Key_Fix_5 move
advance 82
key Frame_45_Key_Fix_10 press right
advance 604
key Frame_45_Key_Fix_9 move
advance 1267
key Frame_45_Key_Fix_11 press right
tab TabSheet_Post1_Pult_4
hover Image107_0
advance 141
hover Image1
advance 307
hover Image52_0
key Frame_45_Key_Fix_25 move
advance 712
key Frame_45_Key_Back_3 move
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_25 press right
hover Image57_3
key Frame_45_Key_Fix_30 move
advance 105
tab TabSheet_Post1_Pult_1
advance 381
bare TabSheet_Post1_Pult_1
tab TabSheet_Post1_Pult_3
find 9
advance 797
key Frame_45_Key_Fix_13 move
advance 348
key Frame_45_Key_Fix_17 press right
key Frame_45_Key_Fix_18 press left
advance 1815
hover Image_Rolik
advance 147
hover Image57_3
click Image131_2
tab TabSheet_Post2_Pult_2
hover Image54_0
advance 1215
key Frame_45_Key_Fix_46 press left
key Frame_45_Key_Fix_47 press left
advance 240
hover Image53_3
key Frame_45_Key_Fix_48 move
tab TabSheet_RM_Kromkomotalka
advance 153
key Frame_45_Key_Fix_58 press right
advance 318
key Frame_45_Key_Fix_57 move
tab TabSheet_Post_2
click Image66_0
advance 293
tab TabSheet_Post2_Pult_1
advance 270
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
advance 1122
key Frame_45_Key_Fix_58 move
hover Image_Fon2
advance 284
key Frame_45_Key_Fix_61 move
advance 461
hover Image76_1
advance 199
tab TabSheet_Post_2
click Image49_0
advance 1747
bare TabSheet_Post2_Pult_1
advance 373
tab TabSheet_Post2_Pult_3
advance 772
tab TabSheet_Post_1
advance 186
click Image75_0
key Frame_45_Key_Fix_55 move
key Frame_45_Key_Fix_53 press left
hover Image53_1
key Frame_45_Key_Back_7 release left
hover Image173_0
key Frame_45_Key_Fix_54 press left
key Frame_Button8 press left
advance 493
key Frame_45_Key_Fix_56 move
advance 102
hover Image111_0
advance 767
key Frame_45_Key_Back_9 release right
advance 199
key Frame_45_Key_Back_14 release left
hover Image149_0
key Frame_45_Key_Back_13 release left
advance 1656
key Frame_Button8 release left
key Frame_45_Key_Fix_55 move
advance 470
key Frame_45_Key_Fix_52 move
advance 44
key Frame_45_Key_Back_12 release left
tab TabSheet_RM_Kromkomotalka
advance 162
key Frame_45_Key_Fix_57 move
advance 1292
key Frame_45_Key_Fix_59 press right
advance 2000
hover Image15_3
advance 199
hover Image_Provodka_sleva
advance 279
hover Image46_2
advance 434
click Image73_0
click Image55_0
advance 86
key Frame_45_Key_Fix_57 press right
advance 390
foreground press 192
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_60 press left
advance 776
key Frame_45_Key_Fix_60 move
advance 360
key Frame_45_Key_Fix_33 press left
advance 1428
tab TabSheet_Post_2
advance 574
key Frame_45_Key_Back_11 move
advance 753
key Frame_45_Key_Back_13 press left
advance 375
key Frame_45_Key_Back_12 move
advance 152
key Frame_Button8 press left
key Frame_45_Key_Back_9 move
advance 335
hover Image18_0
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_14 press left
advance 842
tab TabSheet_Post2_Pult_1
tab TabSheet_Post_1
key Frame_45_Key_Fix_16 press left
click Image66_0
key Frame_45_Key_Back_13 move
advance 1244
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Fix_55 press right
tab TabSheet_Post_1
key Frame_45_Key_Fix_17 press left
advance 132
hover Image53_0
advance 828
hover Image_Fon2
advance 367
hover Image118_0
advance 269
hover Label_Post_Kromko
advance 169
key Frame_45_Key_Fix_14 press left
advance 1157
key Frame_45_Key_Fix_18 press left
tab TabSheet_Post1_Pult_4
advance 455
hover Image173_0
key Frame_45_Key_Fix_27 press left
key Frame_45_Key_Fix_23 move
tab TabSheet_Post1_Pult_1
advance 737
tab TabSheet_Post_2
advance 51
key Frame_45_Key_Back_7 release right
hover Image_Operator
advance 19
key Frame_45_Key_Fix_52 press left
click Image19_3
key Frame_45_Key_Back_3 press left
advance 203
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_27 press left
hover Image70_3
advance 104
mode 1
step 30
# stage 30
advance 138
hover Image61_0
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 1250
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
find 2
advance 296
key Frame_45_Key_Fix_10 move
advance 112
key Frame_45_Key_Fix_11 move
advance 388
key Frame_45_Key_Fix_1 move
hover Image170_0
advance 268
key Frame_45_Key_Fix_6 press left
advance 248
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Fix_1 press left
advance 887
find 7
key Frame_45_Key_Fix_14 move
hover Image171_0
key Frame_45_Key_Fix_16 press left
hover Image105_0
key Frame_45_Key_Fix_14 press left
advance 299
key Frame_45_Key_Fix_15 press right
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_18 move
key Frame_45_Key_Fix_17 press left
advance 472
key Frame_45_Key_Fix_17 move
hover Image48_2
advance 363
key Frame_45_Key_Fix_17 press right
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Back_1 release left
tab TabSheet_Post1_Pult_4
advance 369
key Frame_45_Key_Fix_23 press left
advance 280
key Frame_45_Key_Fix_29 move
advance 1231
key Frame_45_Key_Fix_23 move
tab TabSheet_Post_2
hover Image171_0
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Fix_51 move
advance 705
key Frame_45_Key_Back_13 press right
key Frame_45_Key_Back_13 press left
advance 1063
key Frame_45_Key_Fix_55 press right
advance 371
key Frame_45_Key_Fix_56 move
advance 485
hover Image_Fon2
key Frame_45_Key_Back_9 move
advance 759
key Frame_45_Key_Back_13 move
advance 265
key Frame_45_Key_Back_13 press left
advance 195
key Frame_45_Key_Back_14 press right
advance 379
key Frame_45_Key_Back_8 move
advance 959
key Frame_45_Key_Back_13 move
key Frame_45_Key_Fix_54 press left
click Label_Baraban_Motalki
tab TabSheet_Post_1
advance 370
key Frame_45_Key_Fix_22 press left
click Image4_Line_Left_tEnd
key Frame_45_Key_Fix_25 press right
advance 311
tab TabSheet_Post1_Pult_3
advance 12
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_Post_1
advance 316
key Frame_Button1 press left
advance 354
hover Image105_0
advance 443
key Frame_45_Key_Fix_19 press left
advance 491
hover Image65_0
advance 41
key Frame_45_Key_Back_2 press right
key Frame_45_Key_Back_2 release right
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
advance 443
key Frame_Button3 release left
advance 599
tab TabSheet_Post1_Pult_4
advance 767
tab TabSheet_Post_2
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_9 press left
click Image_Invisible_9
advance 1419
key Frame_45_Key_Fix_16 move
advance 340
key Frame_45_Key_Fix_16 move
advance 8
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_15 press left
advance 202
key Frame_45_Key_Fix_13 press right
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_13 move
advance 377
key Frame_45_Key_Fix_12 move
find 9
advance 185
foreground press 234
key Frame_45_Key_Fix_14 move
advance 1332
key Frame_45_Key_Fix_17 press right
advance 324
key Frame_45_Key_Fix_12 move
advance 313
key Frame_45_Key_Fix_15 move
tab TabSheet_Post_2
advance 171
key Frame_45_Key_Fix_51 press left
advance 84
tab TabSheet_Post2_Pult_2
advance 364
hover Image1
key Frame_Krutilka4 press right
advance 405
find 3
advance 383
key Frame_45_Key_Fix_11 move
tab TabSheet_Post1_Pult_4
advance 2087
hover Image5_3
advance 2259
find 40
advance 1231
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Back_3 release left
bare TabSheet_Post1_Pult_4
advance 502
tab TabSheet_Roga
key Frame_45_Key_Back_15 release right
advance 302
tab TabSheet_Post_2
tab TabSheet_Roga
advance 698
tab TabSheet_Post_1
key Frame_45_Key_Fix_24 press left
key Frame_45_Key_Back_3 press left
advance 43
find 3
advance 669
key Frame_45_Key_Back_1 move
advance 192
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_16 press right
advance 860
key Frame_45_Key_Fix_16 move
hover Image5_3
key Frame_45_Key_Fix_12 press left
hover Image49_0
advance 134
tab TabSheet_Post1_Pult_4
advance 95
hover Label_Baraban_Razmativatela
click Image106_0
find 40
advance 744
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Fix_5 move
advance 930
key Frame_45_Key_Fix_4 move
advance 341
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 433
key Frame_45_Key_Back_15 press left
advance 969
key Frame_45_Key_Back_15 release right
advance 364
hover Image106_0
key Frame_45_Key_Back_15 press right
click Image108_0
key Frame_45_Key_Fix_7 move
tab TabSheet_Post1_Pult_4
advance 220
tab TabSheet_Post_2
key Frame_Button7 release left
key Frame_45_Key_Fix_46 press left
advance 217
key Frame_Button7 press right
hover Image173_0
advance 484
hover Image106_0
advance 1147
key Frame_45_Key_Back_5 move
advance 53
key Frame_45_Key_Fix_48 move
tab TabSheet_Roga
advance 473
find 2
advance 378
click Image171_0
advance 582
key Frame_45_Key_Back_11 press left
tab TabSheet_Post2_Pult_1
advance 815
tab TabSheet_RM_Kromkomotalka
find 9
advance 1149
key Frame_45_Key_Fix_17 press right
key Frame_45_Key_Fix_15 move
advance 970
key Frame_45_Key_Fix_13 move
advance 53
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_18 move
click Image1_Polosa_Body
advance 358
click Image55_0
key Frame_45_Key_Fix_33 move
hover Image170_0
advance 1277
hover Image105_0
key Frame_45_Key_Fix_58 press right
tab TabSheet_Post_2
key Frame_45_Key_Fix_38 move
advance 253
key Frame_45_Key_Fix_31 move
key Frame_45_Key_Fix_38 move
advance 610
key Frame_45_Key_Fix_38 move
key Frame_45_Key_Back_4 release left
click Image64_0
advance 434
click Image171_0
hover Image_Fon2
key Frame_45_Key_Back_14 move
advance 469
key Frame_45_Key_Fix_54 press left
key Frame_45_Key_Back_13 press right
key Frame_45_Key_Back_13 move
advance 652
key Frame_45_Key_Back_7 press left
advance 709
key Frame_45_Key_Back_10 release left
advance 806
key Frame_45_Key_Fix_54 press right
advance 861
key Frame_45_Key_Back_9 press right
advance 476
key Frame_45_Key_Back_12 press right
tab TabSheet_Post2_Pult_2
advance 356
hover Image173_0
tab TabSheet_Post2_Pult_3
hover Image171_0
advance 860
hover Image108_0
key Frame_45_Key_Back_13 release left
advance 1307
hover Image_wall
advance 1152
tab TabSheet_Post2_Pult_2
tab TabSheet_RM_Kromkomotalka
advance 338
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_60 move
advance 340
key Frame_45_Key_Fix_57 move
tab TabSheet_Post_1
tab TabSheet_Post1_Pult_1
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_15 move
tab TabSheet_Post_2
key Frame_45_Key_Fix_45 move
advance 1294
tab TabSheet_Post2_Pult_1
key Frame_90_Key_1 press left
key Frame_45_Key_Fix_39 move
advance 172
hover Image16_Polosa_Body
advance 2111
hover Image173_0
advance 782
key Frame_45_Key_Fix_35 move
advance 656
hover Label_Baraban_Razmativatela
advance 436
hover Image17_Polosa_Body
key Frame_45_Key_Fix_41 move
foreground press 68
advance 375
key Frame_45_Key_Fix_39 press left
key Frame_Button4 press left
advance 66
click Image108_0
hover Image53_0
key Frame_45_Key_Back_1 release right
tab TabSheet_Post1_Pult_2
advance 265
find 2
advance 13
key Frame_45_Key_Fix_7 move
advance 580
click Image_Fon2
advance 854
hover Image1
advance 1998
hover Label_Podval
advance 91
key Frame_45_Key_Fix_7 press left
advance 293
key Frame_45_Key_Fix_7 press left
advance 900
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_22 move
tab TabSheet_Post_2
advance 540
key Frame_45_Key_Fix_40 press left
advance 119
tab TabSheet_RM_Kromkomotalka
click Image172_0
key Frame_45_Key_Fix_54 press left
advance 221
key Frame_45_Key_Fix_56 press left
advance 873
hover Image173_0
key Frame_45_Key_Fix_52 move
tab TabSheet_RM_Kromkomotalka
find 3
advance 467
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 838
hover Label_SizeRaz_Perc
advance 560
hover Image1_Polosa_Body
advance 367
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
advance 262
key Frame_45_Key_Back_15 press left
advance 482
find 5
advance 479
hover Image173_0
key Frame_45_Key_Fix_4 press left
advance 343
tab TabSheet_Post_2
advance 1141
key Frame_45_Key_Back_14 move
click Image2
key Frame_45_Key_Fix_52 press left
key Frame_45_Key_Back_9 move
advance 327
key Frame_45_Key_Back_12 press left
advance 1288
key Frame_45_Key_Back_10 move
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Back_8 release left
advance 200
key Frame_45_Key_Fix_51 move
advance 1790
hover Image107_0
advance 1045
key Frame_45_Key_Back_13 release right
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
click Image118_0
hover Image31_2
advance 88
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Fix_22 move
hover Image75_0
advance 107
tab TabSheet_Post1_Pult_1
advance 540
key Frame_45_Key_Fix_6 move
key Frame_45_Key_Back_1 release left
tab TabSheet_Post_2
key Frame_45_Key_Fix_53 move
advance 1305
key Frame_45_Key_Back_14 press left
hover Image108_0
advance 719
key Frame_45_Key_Back_12 press left
hover Image55_0
advance 471
key Frame_45_Key_Back_10 move
advance 445
hover Image171_0
advance 466
key Frame_45_Key_Fix_52 press left
tab TabSheet_Roga
advance 306
click Image173_0
advance 424
hover Image52_0
key Frame_45_Key_Fix_51 press right
click Image111_3
hover Image171_0
advance 839
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_16 press left
advance 320
tab TabSheet_Post_2
advance 251
key Frame_45_Key_Back_11 release right
key Frame_45_Key_Back_11 release left
advance 1173
click Image73_0
advance 494
key Frame_45_Key_Fix_55 press left
advance 178
hover Image2
advance 53
tab TabSheet_Post2_Pult_1
tab TabSheet_Post2_Pult_2
advance 485
key Frame_45_Key_Fix_NormStop move
advance 594
hover Label_Post_Kromko
key Frame_Krutilka4 press left
hover Image_Fon2
advance 699
click Image46_2
advance 474
click Image53_0
advance 281
key Frame_45_Key_Fix_41 press left
hover Image65_0
hover Label_Baraban_Razmativatela
advance 639
hover Label_Baraban_Motalki
advance 85
key Frame_45_Key_Fix_36 move
find 3
key Frame_45_Key_Fix_5 move
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_9 move
advance 388
key Frame_45_Key_Fix_7 move
advance 371
hover Image107_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
hover Image25_2
advance 756
key Frame_45_Key_Fix_61 press left
hover Image173_0
key Frame_90_Key_2 move
advance 155
tab TabSheet_Post_1
advance 272
find 1
key Frame_45_Key_Fix_4 move
advance 255
key Frame_45_Key_Back_1 release left
advance 301
key Frame_45_Key_Fix_2 press left
advance 705
key Frame_45_Key_Fix_4 press left
advance 1154
hover Image105_0
click Image149_0
advance 887
hover Image1
foreground press 803
hover Image106_0
advance 988
tab TabSheet_Post2_Pult_2
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Back_10 move
advance 636
find 1
hover Label_Baraban_Razmativatela
advance 699
key Frame_45_Key_Fix_5 press left
advance 202
key Frame_45_Key_Fix_2 press left
hover Image_Diagonal_Right_4
advance 529
key Frame_45_Key_Fix_3 press left
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_1 move
hover Image173_0
tab TabSheet_Roga
advance 374
tab TabSheet_Post_2
click Image170_0
advance 549
tab TabSheet_Post_1
advance 652
key Frame_45_Key_Fix_10 move
advance 1131
key Frame_45_Key_Fix_10 press right
advance 298
key Frame_45_Key_Back_1 move
advance 118
hover Label_SizeRaz_Perc
hover Image105_0
advance 287
key Frame_45_Key_Back_1 press left
tab TabSheet_Roga
advance 285
hover Image5_3
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 117
key Frame_45_Key_Back_15 press right
advance 448
click Image31_2
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 press left
advance 169
key Frame_45_Key_Fix_57 move
key Frame_45_Key_Fix_59 press left
advance 495
key Frame_45_Key_Fix_59 move
tab TabSheet_Roga
advance 183
key Frame_45_Key_Back_15 press left
mode 1
step 30
key Frame_45_Key_Back_15 move
hover Image17_Polosa_Body
advance 634
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 press left
hover Image171_0
advance 103
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 416
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
find 6
advance 675
foreground press 68
advance 120
foreground press 188
advance 176
hover Image70_3
advance 247
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Roga
tab TabSheet_Post_1
hover Image_Post_Kromko
key Frame_45_Key_Fix_5 move
advance 772
click Image131_2
key Frame_Button4 release left
advance 2237
tab TabSheet_Post2_Pult_2
key Frame_Button7 release left
advance 345
tab TabSheet_Post2_Pult_3
advance 578
key Frame_Button8 press right
advance 496
hover Label_SizeRaz_Int
advance 72
key Frame_45_Key_Back_10 press left
advance 341
tab TabSheet_Post2_Pult_1
advance 1883
key Frame_45_Key_Fix_37 move
hover Image_Operator
key Frame_45_Key_Fix_36 move
key Frame_45_Key_Fix_37 press right
advance 600
key Frame_45_Key_Fix_36 move
hover Button1
hover Image172_0
advance 676
key Frame_45_Key_Back_4 move
advance 251
hover Image_Fon2
key Frame_90_Key_1 move
advance 579
key Frame_Button4 release left
advance 60
tab TabSheet_Post_1
advance 159
hover Image_Fon2
advance 848
tab TabSheet_Post_2
advance 494
tab TabSheet_Post2_Pult_3
advance 363
key Frame_45_Key_Back_14 move
key Frame_45_Key_Back_9 release left
advance 180
key Frame_45_Key_Back_11 release left
hover Image170_0
advance 366
key Frame_45_Key_Fix_52 press right
hover Image_FixRolTop
key Frame_45_Key_Back_11 press left
hover Image111_0
tab TabSheet_Post_1
click Image56_0
tab TabSheet_Roga
tab TabSheet_Post_1
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 281
key Frame_45_Key_Back_15 press left
advance 568
tab TabSheet_Post_2
closeup Panel_70_mech press 16
advance 885
hover Image51_0
key Frame_45_Key_Fix_31 move
closeup Panel_70_mech move 97
advance 1101
key Frame_45_Key_Fix_37 move
advance 507
key Frame_45_Key_Fix_40 press right
key Frame_45_Key_Fix_40 move
advance 1230
key Frame_45_Key_Fix_36 press right
advance 393
tab TabSheet_Post2_Pult_2
advance 469
key Frame_45_Key_Back_5 release left
advance 340
key Frame_45_Key_Fix_45 press left
key Frame_45_Key_Fix_48 press left
click Image71_0
advance 761
key Frame_45_Key_Back_14 press left
hover Label_Podval
advance 341
key Frame_45_Key_Back_10 release left
advance 478
click Image61_0
key Frame_Button8 press left
key Frame_45_Key_Fix_55 press left
advance 332
key Frame_Button8 press left
advance 126
hover Image111_0
advance 509
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
hover Image_Diagonal_Right_4
key Frame_45_Key_Back_13 move
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Fix_54 press right
key Frame_45_Key_Back_9 release left
key Frame_45_Key_Back_13 release left
advance 596
find 7
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
advance 141
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_16 move
advance 444
tab TabSheet_Post1_Pult_4
hover Label_Post_Kromko
tab TabSheet_Post1_Pult_2
advance 135
hover Image170_0
advance 655
hover Image149_0
key Frame_45_Key_Fix_14 move
advance 458
click Image10_0
foreground press 273
key Frame_45_Key_Fix_13 press left
advance 696
tab TabSheet_RM_Kromkomotalka
advance 426
hover Image172_0
advance 381
key Frame_45_Key_Fix_33 move
advance 1394
key Frame_45_Key_Fix_57 press left
key Frame_45_Key_Fix_33 press left
advance 200
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_60 move
advance 327
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_33 press left
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_58 press left
key Frame_45_Key_Fix_60 press left
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_59 move
key Frame_45_Key_Fix_33 move
advance 216
key Frame_45_Key_Fix_57 press right
advance 591
key Frame_45_Key_Fix_58 move
advance 2440
tab TabSheet_Post_2
advance 395
key Frame_45_Key_Back_8 move
advance 97
key Frame_45_Key_Back_10 release right
key Frame_45_Key_Back_14 move
tab TabSheet_Post_1
tab TabSheet_RM_Kromkomotalka
find 2
hover Image_Rolik
advance 204
key Frame_45_Key_Fix_1 press left
advance 473
tab TabSheet_Post1_Pult_3
tab TabSheet_Roga
hover Image2
hover Image56_0
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 release left
advance 93
key Frame_45_Key_Back_15 release left
advance 628
tab TabSheet_Post_1
key Frame_Button2 press left
key Frame_Button2 release right
advance 122
hover Label_Baraban_Motalki
advance 477
hover Image52_0
advance 255
key Frame_45_Key_Fix_20 press right
key Frame_45_Key_Fix_21 move
hover Image_Fon_Sleva
hover Image131_2
advance 700
key Frame_Button1 release left
advance 442
foreground press 100
advance 539
hover Image_Post_Kromko
tab TabSheet_RM_Kromkomotalka
advance 821
key Frame_45_Key_Fix_57 move
advance 22
key Frame_45_Key_Fix_61 move
advance 936
hover Image27_3
key Frame_45_Key_Fix_60 move
key Frame_90_Key_2 move
advance 442
key Frame_45_Key_Fix_61 press left
advance 247
key Frame_45_Key_Fix_33 press left
advance 375
key Frame_45_Key_Fix_60 move
advance 544
hover Label_Post_Kromko
advance 2220
key Frame_45_Key_Fix_58 press left
advance 167
key Frame_45_Key_Fix_57 move
advance 756
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
hover Image_wall
advance 405
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
advance 588
key Frame_45_Key_Back_15 release left
advance 1049
tab TabSheet_RM_Kromkomotalka
advance 77
key Frame_45_Key_Fix_58 move
advance 538
key Frame_45_Key_Fix_60 press right
tab TabSheet_Post_1
advance 969
tab TabSheet_Post_2
advance 2276
key Frame_45_Key_Back_14 release left
hover Image55_3
advance 1043
tab TabSheet_Roga
advance 908
key Frame_45_Key_Back_15 move
advance 430
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 295
key Frame_45_Key_Back_15 press left
advance 963
key Frame_45_Key_Back_15 move
advance 495
key Frame_45_Key_Back_15 press left
advance 156
tab TabSheet_Post_1
advance 784
step 31
# stage 31
advance 597
hover Image27_3
advance 1275
tab TabSheet_Post1_Pult_1
advance 76
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 354
tab TabSheet_RM_Kromkomotalka
advance 374
key Frame_45_Key_Fix_60 press left
advance 475
tab TabSheet_Post_2
hover Image_FixRolTop
advance 482
key Frame_45_Key_Fix_53 press right
key Frame_45_Key_Fix_55 press left
key Frame_45_Key_Back_9 press left
tab TabSheet_Post2_Pult_1
click Image64_0
key Frame_45_Key_Fix_56 press right
key Frame_45_Key_Back_12 press left
advance 73
key Frame_45_Key_Back_10 press left
advance 359
key Frame_45_Key_Fix_56 move
advance 1090
key Frame_45_Key_Back_11 release right
advance 323
hover Image52_0
advance 717
key Frame_45_Key_Back_10 press left
advance 172
hover Image_Fon2
advance 900
hover Image2_0
click Image_Diagonal_Right_4
advance 338
key Frame_45_Key_Fix_52 move
advance 701
key Frame_45_Key_Back_9 move
hover Image149_0
advance 37
key Frame_45_Key_Back_8 move
hover Image53_1
advance 312
key Frame_Button8 release right
advance 251
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 337
key Frame_45_Key_Back_15 press left
advance 210
hover Image60_0
foreground press 68
click Image_Fon2
tab TabSheet_Post_1
key Frame_45_Key_Fix_6 press left
advance 1100
tab TabSheet_RM_Kromkomotalka
advance 481
key Frame_45_Key_Fix_61 move
advance 492
tab TabSheet_Post_1
advance 12
foreground press 849
key Frame_45_Key_Fix_3 press right
advance 456
key Frame_45_Key_Fix_7 press left
advance 59
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_1 move
find 3
advance 376
key Frame_45_Key_Fix_9 press left
hover Image_Diagonal_Right_4
hover Image_Fon2
hover Image28_3
hover Image_Rolik
key Frame_45_Key_Fix_1 press left
advance 947
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_14 press left
advance 893
hover Image27_3
hover Image_wall
advance 310
click Image111_0
advance 909
stop
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_16 press right
advance 1228
key Frame_45_Key_Fix_16 move
tab TabSheet_Post1_Pult_4
advance 505
tab TabSheet_Roga
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
advance 269
key Frame_45_Key_Fix_57 move
advance 77
tab TabSheet_Post_1
advance 86
click Image55_3
advance 208
key Frame_45_Key_Fix_57 move
advance 1409
key Frame_90_Key_2 press left
advance 385
key Frame_90_Key_2 move
advance 103
key Frame_45_Key_Fix_33 move
advance 560
hover Image107_0
key Frame_90_Key_2 press right
key Frame_45_Key_Fix_33 move
advance 81
tab TabSheet_Roga
advance 436
tab TabSheet_Post_2
key Frame_Button8 release right
key Frame_45_Key_Back_14 release left
tab TabSheet_Post2_Pult_2
advance 236
key Frame_Button6 release left
key Frame_45_Key_Fix_44 move
advance 27
find 9
hover Image_Operator
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_4 press left
hover Image106_0
advance 831
tab TabSheet_Post1_Pult_3
advance 1138
tab TabSheet_Post_2
hover Image54_0
tab TabSheet_Post2_Pult_1
advance 1383
click Image18_0
advance 496
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_19 move
advance 49
key Frame_Button3 press left
advance 500
key Frame_Button1 release left
advance 495
key Frame_Button3 press left
tab TabSheet_RM_Kromkomotalka
advance 700
tab TabSheet_Post_1
advance 160
key Frame_45_Key_Fix_20 move
click Image111_0
advance 696
key Frame_45_Key_Fix_13 move
advance 309
foreground press 68
key Frame_45_Key_Fix_16 move
hover Image25_3
advance 154
tab TabSheet_Post_2
advance 111
hover Image107_0
advance 330
key Frame_90_Key_1 move
advance 494
tab TabSheet_RM_Kromkomotalka
advance 408
find 1
advance 1605
tab TabSheet_Post1_Pult_4
advance 416
tab TabSheet_RM_Kromkomotalka
advance 222
key Frame_45_Key_Fix_58 press left
hover Image_Operator
tab TabSheet_Roga
advance 1291
key Frame_45_Key_Back_15 release left
advance 749
key Frame_45_Key_Back_15 move
advance 213
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release right
advance 422
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 408
key Frame_45_Key_Back_15 move
hover Image2_0
advance 458
find 1
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Back_1 release left
advance 716
hover Image1
key Frame_45_Key_Fix_6 press left
advance 646
key Frame_45_Key_Back_1 move
advance 170
hover Image5_3
find 7
advance 240
key Frame_45_Key_Fix_12 move
advance 1347
hover Image_Post_Kromko
advance 270
key Frame_45_Key_Fix_16 move
advance 872
hover Label_Baraban_Razmativatela
advance 321
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_16 press left
tab TabSheet_Post1_Pult_4
click Image18_0
advance 302
key Frame_45_Key_Back_3 press left
advance 174
key Frame_45_Key_Fix_27 press left
advance 1198
key Frame_45_Key_Fix_27 press left
bare TabSheet_Post1_Pult_4
advance 342
key Frame_45_Key_Fix_27 press right
hover Image_Fon2
key Frame_45_Key_Fix_28 press left
key Frame_45_Key_Fix_28 press left
advance 913
key Frame_45_Key_Fix_29 press left
advance 749
key Frame_45_Key_Fix_22 move
advance 287
hover Image22_0
advance 528
hover Image52_0
advance 153
tab TabSheet_Post1_Pult_3
advance 328
key Frame_45_Key_Fix_20 press right
advance 267
tab TabSheet_Post1_Pult_1
advance 927
find 7
key Frame_45_Key_Fix_18 press left
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_26 press right
advance 280
hover Image56_0
advance 506
key Frame_45_Key_Fix_26 move
hover Image55_3
advance 283
key Frame_45_Key_Back_3 press left
tab TabSheet_Post1_Pult_1
click Image75_0
click Image54_0
hover Image_Provodka_sleva
advance 1418
mode 1
step 30
# stage 30
tab TabSheet_Post_2
advance 1690
key Frame_45_Key_Back_14 press left
tab TabSheet_Roga
advance 849
key Frame_45_Key_Back_15 move
advance 418
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
advance 574
find 2
key Frame_45_Key_Back_1 release left
key Frame_45_Key_Back_1 release left
tab TabSheet_RM_Kromkomotalka
advance 628
key Frame_45_Key_Fix_60 move
advance 1113
hover Image171_0
advance 123
hover Image170_0
advance 344
find 1
advance 544
key Frame_45_Key_Fix_9 move
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
advance 274
tab TabSheet_Post_2
advance 1401
key Frame_45_Key_Back_13 release left
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Back_7 move
tab TabSheet_Post2_Pult_2
advance 724
find 40
key Frame_Krutilka4 press left
advance 1134
hover Image22_0
advance 167
hover Image_wall
tab TabSheet_Roga
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
hover Image_Stolb_Rogov
advance 427
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 309
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
advance 400
tab TabSheet_Post_2
advance 488
key Frame_45_Key_Back_5 release left
tab TabSheet_RM_Kromkomotalka
advance 228
key Frame_45_Key_Fix_60 press left
advance 907
key Frame_45_Key_Fix_58 move
hover Image173_0
advance 83
key Frame_45_Key_Fix_61 press left
foreground press 723
key Frame_45_Key_Fix_33 move
advance 1735
key Frame_90_Key_2 move
advance 142
key Frame_45_Key_Fix_57 press left
key Frame_90_Key_2 press left
key Frame_45_Key_Fix_33 move
hover Image28_3
key Frame_45_Key_Fix_33 move
advance 276
tab TabSheet_Roga
click Image25_3
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Fix_28 press left
hover Image170_0
advance 381
key Frame_45_Key_Fix_23 move
advance 319
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
advance 117
foreground press 500
click Image_Fon2
advance 75
key Frame_45_Key_Fix_33 move
advance 314
find 5
advance 462
tab TabSheet_Post1_Pult_2
advance 462
tab TabSheet_Post1_Pult_4
advance 364
hover Image5_3
advance 390
tab TabSheet_Post1_Pult_3
advance 36
tab TabSheet_Post1_Pult_4
advance 367
key Frame_45_Key_Fix_23 move
advance 194
key Frame_45_Key_Fix_30 press left
advance 258
tab TabSheet_Post1_Pult_1
advance 726
find 5
advance 1116
hover Image170_0
hover Image171_0
advance 101
key Frame_45_Key_Fix_5 press left
advance 397
key Frame_45_Key_Fix_10 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 move
advance 101
tab TabSheet_Roga
hover Image173_0
advance 14
find 5
key Frame_45_Key_Fix_3 move
advance 150
key Frame_45_Key_Fix_9 press left
click Image56_0
advance 607
tab TabSheet_Post2_Pult_3
advance 500
hover Image52_0
hover Image173_0
advance 455
tab TabSheet_Post2_Pult_1
advance 65
key Frame_45_Key_Fix_38 move
advance 831
tab TabSheet_Post2_Pult_2
key Frame_Krutilka2 press left
advance 1528
key Frame_45_Key_Back_RS move
advance 636
hover Image_Fon2
tab TabSheet_Post2_Pult_1
tab TabSheet_Post2_Pult_3
advance 980
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 26
key Frame_45_Key_Back_7 move
find 40
key Frame_45_Key_Back_12 move
advance 417
hover Label_Post_Kromko
advance 19
bare TabSheet_Post_2
advance 372
tab TabSheet_Post_1
advance 720
key Frame_45_Key_Fix_2 move
advance 877
key Frame_45_Key_Fix_4 move
advance 605
click Image25_3
advance 1126
tab TabSheet_Post_2
advance 382
key Frame_45_Key_Fix_53 press left
advance 990
key Frame_45_Key_Fix_53 press left
advance 860
find 3
hover Image70_3
advance 409
tab TabSheet_Roga
advance 1837
tab TabSheet_RM_Kromkomotalka
advance 575
click Image27_3
advance 499
hover Image_wall
advance 172
key Frame_45_Key_Fix_30 press left
advance 198
key Frame_45_Key_Back_3 move
key Frame_45_Key_Back_3 release right
advance 1329
key Frame_45_Key_Fix_24 move
advance 406
find 3
key Frame_45_Key_Fix_5 move
hover Image27_3
key Frame_45_Key_Back_1 release right
advance 471
bare TabSheet_Post1_Pult_1
advance 97
key Frame_45_Key_Fix_4 press right
hover Image55_3
advance 256
key Frame_45_Key_Fix_4 press left
advance 1167
key Frame_45_Key_Fix_2 press left
advance 126
key Frame_45_Key_Fix_4 move
tab TabSheet_RM_Kromkomotalka
advance 1495
key Frame_90_Key_2 press left
advance 489
tab TabSheet_Post_1
advance 1188
key Frame_45_Key_Fix_1 press left
advance 76
hover Image172_0
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_20 press right
hover Image25_Polosa_Body
find 7
key Frame_45_Key_Fix_15 press right
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_12 move
advance 342
click Image171_0
key Frame_45_Key_Fix_53 press left
key Frame_45_Key_Fix_52 press left
advance 816
tab TabSheet_Post2_Pult_2
advance 1516
key Frame_Button6 press right
key Frame_45_Key_Fix_50 move
hover Image172_0
key Frame_Krutilka3 press left
advance 486
key Frame_45_Key_Back_5 release left
key Frame_45_Key_Fix_NormStop move
advance 10
key Frame_45_Key_Fix_48 press left
tab TabSheet_Roga
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_3
advance 456
key Frame_45_Key_Back_13 press right
key Frame_45_Key_Fix_56 move
advance 278
key Frame_45_Key_Fix_54 press left
tab TabSheet_RM_Kromkomotalka
advance 598
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_58 press right
key Frame_90_Key_2 move
advance 742
key Frame_45_Key_Fix_33 move
advance 1016
hover Image70_3
key Frame_45_Key_Fix_60 move
hover Label_Post_Kromko
advance 566
hover Image_Operator
advance 29
hover Image28_3
find 1
tab TabSheet_Post_2
tab TabSheet_Roga
advance 247
key Frame_45_Key_Back_15 release left
tab TabSheet_Post_1
advance 404
tab TabSheet_Post_2
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 697
key Frame_45_Key_Back_14 press left
advance 360
key Frame_Button8 release left
advance 467
hover Image170_0
key Frame_45_Key_Fix_52 move
advance 58
key Frame_45_Key_Fix_56 press left
advance 241
key Frame_45_Key_Back_11 release left
advance 15
tab TabSheet_Post_1
advance 487
key Frame_45_Key_Fix_4 press left
hover Image_Diagonal_Right_4
advance 1123
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 move
advance 394
find 9
advance 383
hover Image_wall
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_15 move
key Frame_45_Key_Fix_17 press left
advance 609
key Frame_45_Key_Fix_18 press right
advance 128
tab TabSheet_Post1_Pult_1
hover Image171_0
advance 498
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_17 press left
advance 477
tab TabSheet_Post1_Pult_3
advance 1282
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
key Frame_Button2 press left
key Frame_45_Key_Fix_19 press right
advance 131
hover Image_Post_Kromko
advance 390
tab TabSheet_Post_2
advance 47
tab TabSheet_Post2_Pult_1
advance 501
tab TabSheet_RM_Kromkomotalka
advance 1064
find 7
advance 121
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_14 press left
advance 367
key Frame_45_Key_Fix_12 move
advance 997
key Frame_45_Key_Fix_13 press right
advance 609
hover Button1
key Frame_45_Key_Fix_14 press left
advance 521
hover Image54_0
click Image71_0
advance 120
hover Image_FixRolLow
hover Button1
advance 151
tab TabSheet_RM_Kromkomotalka
advance 266
key Frame_45_Key_Fix_57 press left
advance 52
key Frame_45_Key_Fix_58 press left
advance 226
hover Image171_0
key Frame_45_Key_Fix_59 press right
key Frame_45_Key_Fix_61 move
advance 383
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_58 press left
advance 441
hover Image55_3
key Frame_45_Key_Fix_57 move
advance 37
hover Image111_0
advance 471
key Frame_45_Key_Fix_60 press right
advance 176
key Frame_45_Key_Fix_60 move
advance 563
mode 0
key Frame_45_Key_Fix_57 move
advance 309
key Frame_90_Key_2 press left
tab TabSheet_Post_2
advance 256
hover Image_Fon2
advance 114
hover Image118_0
advance 1147
# stage 32
foreground press 68
click Image_Fon2
hover Image46_2
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Back_7 release left
hover Image_Fon2
key Frame_45_Key_Back_9 release left
hover Image118_0
advance 82
key Frame_45_Key_Fix_51 press left
key Frame_45_Key_Fix_52 move
advance 36
hover Image_Diagonal_Right_4
key Frame_45_Key_Back_9 move
advance 372
key Frame_45_Key_Back_8 press right
key Frame_45_Key_Back_8 release right
key Frame_45_Key_Fix_53 move
tab TabSheet_Post2_Pult_1
hover Image_Fon2
advance 359
click Image73_0
advance 263
tab TabSheet_RM_Kromkomotalka
hover Image_wall
tab TabSheet_Post_2
key Frame_45_Key_Fix_54 move
key Frame_45_Key_Fix_52 move
key Frame_45_Key_Fix_52 move
advance 482
key Frame_45_Key_Fix_52 press left
advance 343
key Frame_45_Key_Back_12 press right
key Frame_45_Key_Back_14 press right
hover Image31_2
hover Image22_3
advance 245
key Frame_45_Key_Back_8 move
advance 722
key Frame_45_Key_Back_9 press left
advance 254
key Frame_45_Key_Back_7 press right
click Image31_2
advance 1467
key Frame_45_Key_Fix_36 press left
advance 792
hover Image66_0
key Frame_45_Key_Fix_41 move
key Frame_Button4 release right
key Frame_45_Key_Fix_31 move
find 7
advance 847
key Frame_45_Key_Fix_13 press left
advance 129
hover Image53_1
tab TabSheet_Post_2
advance 139
key Frame_45_Key_Fix_38 press right
advance 2023
key Frame_45_Key_Fix_36 move
advance 360
key Frame_45_Key_Fix_40 press right
advance 435
pass
hover Image25_3
key Frame_45_Key_Fix_56 move
key Frame_45_Key_Back_9 move
key Frame_45_Key_Fix_53 press right
key Frame_45_Key_Back_11 press right
key Frame_45_Key_Fix_53 press left
advance 117
hover Image49_0
advance 330
hover Image27_3
advance 480
hover Image24_Polosa_Body
tab TabSheet_Post2_Pult_2
advance 477
# stage 34
hover Image_Diagonal_Right_4
hover Image111_0
advance 785
hover Image_Fon2
advance 904
pass
hover Image25_Polosa_Body
advance 243
# stage 35
key Frame_45_Key_Back_10 release left
key Frame_45_Key_Fix_53 move
advance 414
key Frame_45_Key_Back_11 move
advance 401
key Frame_45_Key_Fix_52 press left
tab TabSheet_Post_1
advance 408
key Frame_45_Key_Fix_12 press left
advance 122
key Frame_45_Key_Fix_14 move
tab TabSheet_Post1_Pult_1
advance 481
key Frame_45_Key_Fix_7 move
pass
key Frame_45_Key_Back_7 release right
advance 51
key Frame_45_Key_Back_12 move
advance 1901
# stage 36
key Frame_45_Key_Back_13 press left
advance 139
hover Label_SizeMot_Perc
advance 68
tab TabSheet_Post2_Pult_2
advance 268
pass
advance 187
hover Label_SizeMot_Perc
advance 1055
# stage 37
key Frame_45_Key_Fix_54 press left
hover Image118_0
advance 91
key Frame_45_Key_Fix_56 press left
foreground press 439
advance 398
key Frame_45_Key_Back_11 move
advance 300
pass
advance 352
# stage 38
key Frame_45_Key_Back_11 move
advance 210
hover Image_Fon2
key Frame_45_Key_Back_7 release left
advance 216
tab TabSheet_Post2_Pult_2
advance 159
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 press left
click Image10_0
advance 446
tab TabSheet_Post1_Pult_3
advance 812
key Frame_Button1 press right
tab TabSheet_RM_Kromkomotalka
advance 895
key Frame_45_Key_Fix_58 move
advance 205
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_60 press left
hover Image19_0
advance 270
key Frame_45_Key_Fix_60 press left
key Frame_45_Key_Fix_57 press left
advance 100
click Image74_0
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_57 move
hover Image_Operator
key Frame_45_Key_Fix_61 press right
advance 284
key Frame_45_Key_Fix_60 move
tab TabSheet_Roga
tab TabSheet_Post_2
hover Image51_3
advance 982
find 40
advance 494
hover Image64_0
advance 57
key Frame_45_Key_Back_11 release left
key Frame_45_Key_Back_13 release right
advance 479
key Frame_45_Key_Back_7 move
tab TabSheet_Post2_Pult_1
advance 242
key Frame_45_Key_Back_4 move
hover Image54_0
tab TabSheet_Roga
advance 668
key Frame_45_Key_Back_15 press left
advance 385
pass
hover Image28_3
advance 724
# stage 43
key Frame_45_Key_Fix_55 move
advance 45
hover Image70_3
hover Image171_0
advance 453
key Frame_45_Key_Back_8 release left
key Frame_45_Key_Back_7 press left
advance 286
key Frame_45_Key_Back_13 move
hover Image172_0
advance 284
mode 1
step 30
# stage 30
key Frame_45_Key_Fix_53 press left
key Frame_45_Key_Back_8 move
advance 131
# stage 32
foreground press 100
key Frame_45_Key_Back_8 press left
key Frame_45_Key_Back_8 release left
advance 267
find 7
hover Image28_3
advance 93
key Frame_45_Key_Fix_14 move
hover Image66_0
advance 477
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_12 move
hover Image24_0
key Frame_45_Key_Fix_14 press right
advance 389
key Frame_45_Key_Fix_18 move
advance 1646
key Frame_45_Key_Fix_18 move
advance 461
click Image_Diagonal_Right_4
advance 451
hover Image35_Polosa_Body
hover Image_Provodka_sleva
advance 425
tab TabSheet_RM_Kromkomotalka
hover Image52_0
advance 898
foreground press 803
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
click Image_Fon2
advance 164
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 182
find 1
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_5 press left
tab TabSheet_Roga
advance 490
key Frame_45_Key_Back_15 press left
advance 407
key Frame_45_Key_Back_15 press left
advance 276
key Frame_45_Key_Back_15 move
advance 947
key Frame_45_Key_Back_15 move
advance 17
drag press 58
advance 29
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press right
hover Image28_3
tab TabSheet_RM_Kromkomotalka
hover Image_FixRolTop
key Frame_45_Key_Fix_60 press left
advance 769
find 7
hover Image_Diagonal_Right_4
drag release
advance 983
key Frame_45_Key_Fix_17 move
advance 481
key Frame_45_Key_Fix_12 press right
hover Label_Podval
key Frame_45_Key_Fix_13 move
advance 732
key Frame_45_Key_Fix_18 move
advance 20
tab TabSheet_Roga
tab TabSheet_Post_2
advance 127
key Frame_45_Key_Back_11 press left
key Frame_45_Key_Back_10 release left
foreground press 500
key Frame_45_Key_Back_9 move
advance 23
tab TabSheet_Post2_Pult_1
advance 252
hover Image_Provodka_sprava
advance 182
key Frame_45_Key_Back_4 move
key Frame_45_Key_Back_4 move
tab TabSheet_Post_1
advance 434
key Frame_45_Key_Fix_13 press right
advance 132
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_14 press left
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 press left
find 5
advance 166
key Frame_45_Key_Fix_9 move
advance 510
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 press left
advance 477
key Frame_45_Key_Fix_61 press left
advance 357
find 3
advance 461
tab TabSheet_Post1_Pult_2
advance 7
key Frame_45_Key_Fix_17 move
advance 1692
tab TabSheet_Roga
key Frame_45_Key_Back_15 press right
advance 123
key Frame_45_Key_Back_15 release right
advance 266
key Frame_45_Key_Back_15 move
advance 320
find 9
hover Button1
advance 960
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_3
advance 267
key Frame_Button8 release left
tab TabSheet_Post_1
advance 394
key Frame_45_Key_Fix_12 move
advance 14
key Frame_45_Key_Fix_17 press left
key Frame_45_Key_Fix_14 move
advance 321
key Frame_45_Key_Fix_12 move
advance 567
key Frame_45_Key_Fix_13 move
tab TabSheet_Post1_Pult_4
advance 845
tab TabSheet_Roga
hover Image108_0
advance 1323
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release left
advance 193
tab TabSheet_Post_2
advance 684
key Frame_45_Key_Back_9 press left
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
hover Image1
advance 147
key Frame_45_Key_Back_15 move
advance 101
hover Image52_0
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
tab TabSheet_Post_1
advance 1344
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_25 press left
advance 628
hover Label_Baraban_Razmativatela
advance 578
hover Image_Fon2
advance 321
key Frame_45_Key_Fix_28 press left
advance 330
click Image19_0
tab TabSheet_Post1_Pult_2
hover Image5_3
advance 634
hover Image1
advance 429
key Frame_45_Key_Fix_12 press right
key Frame_45_Key_Fix_13 press left
key Frame_45_Key_Fix_12 move
key Frame_45_Key_Fix_15 move
advance 1342
key Frame_45_Key_Fix_12 press left
key Frame_45_Key_Fix_16 move
advance 11
key Frame_45_Key_Fix_12 move
hover Image_Post_Kromko
key Frame_45_Key_Fix_15 move
find 5
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_1 press right
advance 1610
key Frame_45_Key_Fix_3 move
advance 615
tab TabSheet_Post_2
advance 402
tab TabSheet_RM_Kromkomotalka
advance 1827
key Frame_45_Key_Fix_60 press left
click Image10_0
advance 679
key Frame_45_Key_Fix_12 move
advance 469
key Frame_45_Key_Fix_14 press left
advance 699
key Frame_45_Key_Fix_17 press left
advance 96
click Image111_0
key Frame_45_Key_Fix_12 press left
advance 1728
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
advance 407
key Frame_45_Key_Back_15 move
tab TabSheet_Post_2
hover Label_Podval
advance 154
hover Image66_0
advance 263
key Frame_45_Key_Fix_53 move
hover Image5_3
advance 70
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_7 release left
key Frame_45_Key_Back_12 move
advance 355
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
hover Image1
advance 502
key Frame_45_Key_Back_15 press left
advance 885
key Frame_45_Key_Back_15 move
advance 338
hover Image7_0
tab TabSheet_RM_Kromkomotalka
click Image1_Polosa_Body
advance 708
key Frame_45_Key_Fix_60 move
advance 231
key Frame_45_Key_Fix_33 press left
advance 208
foreground press 68
key Frame_45_Key_Fix_60 move
advance 1025
hover Image66_0
key Frame_45_Key_Fix_58 press left
advance 393
key Frame_45_Key_Fix_57 move
hover Image_wall
advance 347
click Image38_1
advance 1225
hover Label_Post_Kromko
advance 1195
hover Image66_0
hover Image54_0
advance 518
tab TabSheet_Post2_Pult_3
advance 440
key Frame_45_Key_Back_11 release left
advance 609
key Frame_45_Key_Fix_53 press right
advance 1275
key Frame_45_Key_Back_7 release left
tab TabSheet_Post2_Pult_1
tab TabSheet_Roga
advance 71
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 565
key Frame_45_Key_Back_15 move
advance 810
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 144
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 90
tab TabSheet_Post_2
foreground press 68
click Image_Fon2
tab TabSheet_Roga
advance 291
key Frame_45_Key_Back_15 release right
window scroll 52 0
advance 281
key Frame_45_Key_Back_15 release left
advance 1449
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
hover Image54_0
advance 241
tab TabSheet_RM_Kromkomotalka
advance 333
click Image38_1
advance 943
tab TabSheet_RM_Kromkomotalka
advance 672
key Frame_90_Key_2 press right
advance 278
tab TabSheet_Post_2
key Frame_45_Key_Fix_31 press left
hover Image57_3
advance 53
click Image22_0
key Frame_45_Key_Fix_27 press right
advance 332
key Frame_45_Key_Fix_25 press left
key Frame_45_Key_Fix_24 move
key Frame_45_Key_Fix_23 press left
advance 141
key Frame_45_Key_Fix_29 move
key Frame_45_Key_Fix_24 move
advance 358
key Frame_45_Key_Back_3 press left
tab TabSheet_Post1_Pult_3
advance 1498
hover Image_Fon2
hover Image_Fon2
key Frame_Button1 press left
hover Image24_0
advance 360
foreground press 273
advance 1391
tab TabSheet_RM_Kromkomotalka
hover Image24_0
hover Image_Operator
click Image38_1
advance 931
hover Image_Provodka_sleva
advance 105
hover Image28_3
key Frame_90_Key_1 move
key Frame_45_Key_Fix_40 press left
click Image105_0
hover Image_Fon2
key Frame_45_Key_Fix_2 press left
advance 282
hover Image108_0
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_24 move
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_3 move
advance 444
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_9 press right
hover Image106_0
advance 118
key Frame_45_Key_Fix_8 move
advance 260
key Frame_45_Key_Back_1 press left
advance 96
tab TabSheet_Post_2
click Image27_2
advance 219
key Frame_45_Key_Fix_26 move
key Frame_45_Key_Back_3 move
key Frame_45_Key_Fix_23 move
key Frame_45_Key_Back_3 press left
key Frame_45_Key_Fix_29 press right
key Frame_45_Key_Fix_30 move
advance 352
tab TabSheet_Post_2
key Frame_Button4 release right
hover Image54_0
hover Image57_3
advance 474
key Frame_45_Key_Fix_37 press right
advance 770
tab TabSheet_Post2_Pult_2
find 3
hover Image107_0
advance 423
tab TabSheet_Roga
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_1
advance 1250
key Frame_45_Key_Fix_32 move
key Frame_45_Key_Fix_39 move
key Frame_45_Key_Fix_39 press left
advance 214
tab TabSheet_Post_1
key Frame_45_Key_Fix_9 move
advance 467
key Frame_45_Key_Back_1 release left
hover Image25_0
hover Image108_0
advance 175
hover Image105_0
find 7
hover Image66_0
advance 884
foreground press 132
advance 1400
hover Image_Operator
key Frame_45_Key_Fix_15 press left
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_26 move
advance 362
hover Label_SizeMot_Perc
key Frame_45_Key_Fix_23 move
advance 358
tab TabSheet_Roga
advance 963
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
advance 756
hover Image106_0
key Frame_45_Key_Back_15 move
advance 809
key Frame_45_Key_Back_15 release right
advance 980
find 5
advance 1104
tab TabSheet_Post_2
advance 393
key Frame_45_Key_Fix_35 press left
advance 25
foreground press 723
advance 227
find 9
advance 632
key Frame_45_Key_Fix_14 press left
advance 560
key Frame_45_Key_Fix_18 move
advance 1679
hover Label_Post_Kromko
advance 432
hover Image106_0
hover Image105_0
advance 1035
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_12 press left
advance 1487
hover Image_wall
advance 693
key Frame_45_Key_Fix_13 move
advance 311
find 9
advance 129
key Frame_45_Key_Fix_15 press left
advance 117
key Frame_45_Key_Fix_18 press left
key Frame_45_Key_Fix_16 press left
advance 9
key Frame_45_Key_Fix_17 press right
advance 347
key Frame_45_Key_Fix_14 move
key Frame_45_Key_Fix_17 press right
key Frame_45_Key_Fix_16 press right
tab TabSheet_Post1_Pult_4
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 move
advance 230
key Frame_45_Key_Fix_57 move
find 40
advance 106
tab TabSheet_Post_1
key Frame_45_Key_Fix_25 press left
hover Image108_0
key Frame_45_Key_Fix_27 move
hover Image76_2
advance 297
key Frame_45_Key_Fix_28 press left
advance 532
key Frame_45_Key_Fix_27 move
advance 259
tab TabSheet_Post_2
advance 1169
foreground press 763
key Frame_45_Key_Back_4 press left
key Frame_45_Key_Fix_40 move
click Image_Post_Kromko
advance 424
key Frame_45_Key_Fix_36 press left
advance 2715
key Frame_90_Key_1 press left
hover Image_wall
advance 256
key Frame_45_Key_Fix_32 press left
advance 1491
key Frame_45_Key_Fix_41 press left
tab TabSheet_Post_1
advance 1457
key Frame_45_Key_Fix_27 press left
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_6 press right
tab TabSheet_Roga
tab TabSheet_Post_2
advance 474
key Frame_90_Key_1 press left
key Frame_45_Key_Fix_41 press left
key Frame_45_Key_Fix_31 press left
tab TabSheet_Post2_Pult_2
advance 810
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Fix_53 move
advance 775
key Frame_45_Key_Back_13 press left
tab TabSheet_RM_Kromkomotalka
advance 122
hover Button1
advance 408
key Frame_90_Key_2 press left
tab TabSheet_Post_1
key Frame_45_Key_Fix_9 press right
advance 98
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_2 move
advance 752
hover Label_Baraban_Razmativatela
hover Image54_0
tab TabSheet_Post1_Pult_2
advance 956
hover Image51_3
advance 78
hover Image107_0
hover Label_Podval
key Frame_45_Key_Fix_17 move
advance 399
key Frame_45_Key_Fix_17 press left
advance 636
key Frame_45_Key_Fix_18 press right
find 9
advance 72
hover Image_wall
advance 1028
key Frame_45_Key_Fix_12 move
mode 1
step 30
# stage 30
advance 565
window scroll 0 0
advance 350
find 2
key Frame_45_Key_Back_1 move
advance 738
key Frame_45_Key_Fix_4 move
advance 114
key Frame_45_Key_Fix_8 press left
key Frame_45_Key_Fix_10 press left
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_6 press left
advance 287
key Frame_45_Key_Fix_7 move
advance 567
hover Image149_0
advance 157
key Frame_45_Key_Fix_4 press left
advance 67
key Frame_45_Key_Fix_10 move
advance 371
find 1
advance 215
key Frame_45_Key_Fix_4 press right
key Frame_45_Key_Fix_3 press right
advance 894
key Frame_45_Key_Back_1 press left
advance 779
key Frame_45_Key_Fix_7 press left
key Frame_45_Key_Fix_3 press right
advance 92
click Image70_3
advance 373
find 5
key Frame_45_Key_Fix_7 press right
key Frame_45_Key_Fix_8 move
advance 1954
key Frame_45_Key_Back_1 press right
advance 105
key Frame_45_Key_Fix_10 press right
advance 953
tab TabSheet_Roga
advance 477
key Frame_45_Key_Back_15 press left
tab TabSheet_RM_Kromkomotalka
key Frame_90_Key_2 press left
advance 716
key Frame_90_Key_2 press left
hover Image170_0
key Frame_45_Key_Fix_58 press right
advance 661
hover Image105_0
advance 1136
hover Image56_0
key Frame_45_Key_Fix_33 move
advance 645
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
advance 857
foreground press 132
tab TabSheet_Post_1
advance 20
tab TabSheet_Post1_Pult_4
advance 314
key Frame_45_Key_Fix_25 press right
advance 372
tab TabSheet_Post_2
advance 741
find 6
advance 85
key Frame_45_Key_Fix_4 move
hover Image18_0
advance 176
key Frame_45_Key_Fix_2 move
advance 931
key Frame_45_Key_Fix_4 press left
advance 1402
hover Image5_3
advance 746
click Image61_0
hover Label_SizeMot_Perc
tab TabSheet_Post2_Pult_2
key Frame_45_Key_Back_RS release left
advance 288
tab TabSheet_Post2_Pult_1
advance 137
window scroll 52 0
advance 707
hover Image2
advance 50
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_61 press left
tab TabSheet_Post_1
advance 155
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_8 move
advance 406
key Frame_45_Key_Fix_2 move
advance 386
hover Image_wall
key Frame_45_Key_Fix_1 move
advance 1198
key Frame_45_Key_Fix_6 move
advance 262
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_59 press left
advance 370
find 3
key Frame_45_Key_Fix_2 move
advance 436
find 4
tab TabSheet_Post1_Pult_4
advance 293
key Frame_45_Key_Back_3 press left
tab TabSheet_RM_Kromkomotalka
advance 1000
key Frame_45_Key_Fix_59 press left
advance 1266
key Frame_45_Key_Fix_59 press left
advance 205
key Frame_45_Key_Fix_33 press left
advance 578
tab TabSheet_Post_1
advance 82
hover Label_Baraban_Motalki
key Frame_45_Key_Fix_25 move
key Frame_45_Key_Fix_26 press left
advance 797
click Image55_3
advance 782
key Frame_45_Key_Fix_58 press right
key Frame_45_Key_Fix_59 move
tab TabSheet_Post_2
tab TabSheet_RM_Kromkomotalka
find 40
tab TabSheet_Post_1
advance 284
hover Image105_0
key Frame_45_Key_Fix_22 move
advance 1122
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_29 move
advance 1373
key Frame_45_Key_Fix_30 move
key Frame_45_Key_Fix_23 move
advance 394
key Frame_45_Key_Back_3 release left
advance 140
tab TabSheet_Post1_Pult_3
advance 677
key Frame_45_Key_Back_2 press left
key Frame_45_Key_Back_2 release left
key Frame_45_Key_Fix_19 move
key Frame_45_Key_Back_2 release left
advance 1079
key Frame_Button3 release right
tab TabSheet_Post1_Pult_4
hover Image118_0
key Frame_45_Key_Fix_27 press left
hover Image108_0
advance 315
key Frame_45_Key_Fix_24 move
advance 257
hover Image52_0
key Frame_45_Key_Fix_28 press left
advance 1501
hover Image1
key Frame_45_Key_Back_3 release left
key Frame_45_Key_Fix_26 press right
advance 1044
key Frame_45_Key_Fix_26 press left
advance 362
key Frame_45_Key_Fix_23 press left
advance 101
tab TabSheet_Post_2
advance 2434
key Frame_45_Key_Fix_41 press left
key Frame_45_Key_Fix_38 move
advance 128
hover Image170_0
tab TabSheet_Roga
hover Button1
advance 416
key Frame_45_Key_Back_15 move
advance 21
hover Image19_Polosa_Body
advance 657
key Frame_45_Key_Back_15 move
advance 350
click Image46_2
click Image108_0
advance 1179
tab TabSheet_Post1_Pult_4
advance 483
tab TabSheet_Post_2
hover Image70_3
key Frame_45_Key_Fix_37 move
advance 37
find 7
hover Label_Podval
advance 573
key Frame_45_Key_Fix_18 move
advance 134
key Frame_45_Key_Fix_16 press left
advance 414
hover Image106_0
key Frame_45_Key_Fix_16 press right
advance 748
tab TabSheet_Post1_Pult_4
advance 569
key Frame_45_Key_Fix_23 press left
key Frame_45_Key_Back_3 press right
key Frame_45_Key_Fix_24 press left
click Image111_3
stop
hover Image15_1
advance 323
tab TabSheet_Post_2
key Frame_45_Key_Back_4 move
key Frame_45_Key_Fix_37 press left
key Frame_Button4 release left
key Frame_45_Key_Back_4 press left
advance 231
hover Label_Baraban_Razmativatela
key Frame_45_Key_Fix_39 move
advance 62
hover Label_Baraban_Motalki
advance 291
key Frame_45_Key_Back_4 press left
advance 531
key Frame_45_Key_Fix_41 press left
tab TabSheet_Post2_Pult_3
click Image49_0
tab TabSheet_Post_1
advance 76
hover Image107_0
key Frame_45_Key_Fix_16 move
advance 135
tab TabSheet_Post1_Pult_4
hover Image15_1
advance 257
tab TabSheet_RM_Kromkomotalka
advance 244
find 1
advance 315
key Frame_45_Key_Fix_1 move
advance 742
hover Image5_3
advance 27
key Frame_45_Key_Fix_11 press right
tab TabSheet_Post_2
advance 58
hover Image31_1
advance 291
hover Label_Baraban_Motalki
advance 551
key Frame_45_Key_Fix_40 press right
find 7
key Frame_45_Key_Fix_15 move
hover Image_Fon2
advance 275
key Frame_45_Key_Fix_17 press left
tab TabSheet_Post1_Pult_4
tab TabSheet_Roga
advance 459
key Frame_45_Key_Back_15 release right
advance 403
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
advance 334
hover Image173_0
hover Image2
click Image70_3
find 5
advance 175
foreground press 42
key Frame_45_Key_Fix_2 press left
key Frame_45_Key_Back_1 press right
advance 369
foreground press 849
advance 701
tab TabSheet_Post1_Pult_3
advance 331
click Image118_0
advance 268
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_2 move
advance 265
key Frame_45_Key_Fix_2 move
advance 574
key Frame_45_Key_Fix_11 move
advance 365
hover Image2
advance 166
key Frame_45_Key_Fix_7 move
advance 399
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_7 press left
advance 385
key Frame_45_Key_Fix_11 move
key Frame_45_Key_Fix_4 move
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_24 press left
advance 110
hover Image107_0
advance 716
key Frame_45_Key_Fix_24 press left
tab TabSheet_Roga
advance 482
key Frame_45_Key_Back_15 press left
advance 75
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 release left
advance 445
click Image111_3
key Frame_45_Key_Fix_17 move
key Frame_45_Key_Fix_17 move
advance 865
key Frame_45_Key_Fix_15 move
advance 220
key Frame_45_Key_Fix_15 press left
key Frame_45_Key_Fix_18 move
advance 619
click Image106_0
advance 246
hover Image61_0
key Frame_45_Key_Fix_3 move
hover Image105_0
advance 1084
key Frame_45_Key_Fix_3 press left
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Back_2 release right
advance 903
tab TabSheet_Roga
find 7
advance 214
key Frame_45_Key_Fix_16 move
advance 315
tab TabSheet_Post1_Pult_3
key Frame_45_Key_Fix_21 press left
hover Image173_0
advance 417
key Frame_Button1 press left
advance 162
key Frame_45_Key_Fix_20 press left
advance 810
hover Image53_3
key Frame_Krutilka1 press left
advance 881
key Frame_Button1 release left
advance 360
key Frame_Button2 press left
key Frame_45_Key_Fix_19 move
advance 851
key Frame_Button3 press left
key Frame_Button2 release right
tab TabSheet_Post1_Pult_1
advance 445
key Frame_45_Key_Fix_4 move
advance 973
find 9
key Frame_45_Key_Fix_15 move
hover Image54_0
advance 884
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_33 move
advance 457
tab TabSheet_Post_1
advance 290
key Frame_45_Key_Fix_18 move
advance 175
hover Label_SizeMot_Int
key Frame_45_Key_Fix_16 move
advance 371
tab TabSheet_Roga
advance 342
find 9
advance 375
key Frame_45_Key_Fix_14 press left
key Frame_45_Key_Fix_13 move
click Image107_0
key Frame_45_Key_Fix_7 press right
advance 251
key Frame_45_Key_Fix_8 press right
advance 525
key Frame_45_Key_Fix_7 press left
tab TabSheet_RM_Kromkomotalka
advance 77
key Frame_45_Key_Fix_57 press right
advance 415
hover Image55_0
advance 44
click Image48_2
advance 301
key Frame_90_Key_1 move
key Frame_45_Key_Back_4 press left
hover Image106_0
tab TabSheet_Post_1
key Frame_45_Key_Back_1 press left
key Frame_45_Key_Fix_2 press left
tab TabSheet_Post1_Pult_3
advance 500
key Frame_Button3 release right
tab TabSheet_RM_Kromkomotalka
tab TabSheet_Post_1
advance 416
key Frame_45_Key_Fix_19 press right
advance 70
click Image149_0
key Frame_45_Key_Fix_36 move
hover Image131_2
tab TabSheet_Post2_Pult_2
advance 318
key Frame_45_Key_Back_5 press left
key Frame_45_Key_Back_5 release left
advance 1796
key Frame_45_Key_Fix_44 press left
key Frame_45_Key_Fix_48 move
advance 189
find 1
advance 487
hover Image_Fon2
advance 234
hover Label_Baraban_Motalki
advance 752
key Frame_45_Key_Fix_6 press left
key Frame_45_Key_Fix_9 move
advance 702
tab TabSheet_Roga
advance 899
tab TabSheet_RM_Kromkomotalka
advance 77
tab TabSheet_Roga
advance 119
tab TabSheet_Post_2
advance 373
key Frame_Krutilka3 press left
advance 880
click Image55_0
advance 167
key Frame_90_Key_2 press right
advance 706
key Frame_90_Key_2 press left
advance 490
hover Image56_0
key Frame_45_Key_Fix_58 press right
advance 535
tab TabSheet_Post_2
key Frame_45_Key_Fix_47 press left
advance 20
key Frame_45_Key_Fix_Tolchok press left
click Image105_0
key Frame_45_Key_Fix_11 move
advance 1447
key Frame_45_Key_Fix_1 move
advance 209
tab TabSheet_Post1_Pult_4
advance 2160
click Image61_0
hover Image57_3
key Frame_Button8 press left
advance 92
key Frame_45_Key_Back_9 press right
advance 490
tab TabSheet_Post_1
key Frame_45_Key_Fix_24 press right
advance 117
tab TabSheet_Post_2
tab TabSheet_Post2_Pult_1
tab TabSheet_Post2_Pult_3
key Frame_45_Key_Fix_55 move
advance 234
key Frame_45_Key_Back_10 move
hover Label_Post_Kromko
hover Image_Petla_Motalki
key Frame_45_Key_Back_14 release left
advance 352
find 2
tab TabSheet_Post1_Pult_2
advance 581
key Frame_45_Key_Fix_15 press left
advance 652
tab TabSheet_Post_2
key Frame_45_Key_Fix_53 press left
advance 511
bare TabSheet_Post2_Pult_3
key Frame_45_Key_Back_14 press left
advance 340
key Frame_45_Key_Fix_56 press left
find 5
advance 43
key Frame_45_Key_Back_1 move
advance 510
key Frame_45_Key_Fix_6 move
hover Image_Provodka_sleva
advance 438
key Frame_45_Key_Fix_7 move
advance 177
tab TabSheet_RM_Kromkomotalka
key Frame_45_Key_Fix_61 move
key Frame_45_Key_Fix_61 press left
advance 611
key Frame_45_Key_Fix_61 move
advance 469
key Frame_45_Key_Fix_60 move
key Frame_45_Key_Fix_33 press left
advance 116
click Image111_3
key Frame_45_Key_Fix_12 press left
advance 168
key Frame_45_Key_Fix_18 move
advance 169
key Frame_45_Key_Fix_17 move
tab TabSheet_Post1_Pult_1
key Frame_45_Key_Back_1 press left
advance 35
key Frame_45_Key_Fix_3 move
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_4 move
advance 1592
hover Image1
tab TabSheet_Roga
key Frame_45_Key_Back_15 press left
hover Image49_0
tab TabSheet_Post_1
advance 321
tab TabSheet_Post1_Pult_4
advance 11
tab TabSheet_Post_2
key Frame_45_Key_Fix_53 press right
key Frame_45_Key_Fix_52 press left
advance 384
tab TabSheet_Post2_Pult_2
key Frame_Button_Beep press left
tab TabSheet_RM_Kromkomotalka
mode 1
step 30
key Frame_45_Key_Fix_57 press left
advance 1407
tab TabSheet_Post_2
advance 1563
hover Image171_0
advance 59
key Frame_45_Key_Fix_48 press left
advance 245
tab TabSheet_Post2_Pult_3
tab TabSheet_Post2_Pult_1
key Frame_90_Key_1 move
advance 228
key Frame_45_Key_Back_4 move
advance 562
key Frame_45_Key_Fix_36 move
advance 1244
find 7
advance 108
key Frame_45_Key_Fix_15 press left
hover Label_Baraban_Motalki
hover Image172_0
tab TabSheet_Post1_Pult_4
advance 204
key Frame_45_Key_Fix_22 press right
advance 110
key Frame_45_Key_Fix_27 press left
hover Image_Provodka_sleva
advance 392
hover Image_Post_Kromko
tab TabSheet_Post1_Pult_1
advance 725
hover Image22_0
advance 312
click Image111_0
key Frame_45_Key_Fix_14 move
tab TabSheet_RM_Kromkomotalka
advance 837
key Frame_45_Key_Fix_57 move
advance 348
hover Image_Operator
key Frame_45_Key_Fix_60 press left
advance 168
key Frame_45_Key_Fix_33 move
tab TabSheet_Post_1
find 3
key Frame_45_Key_Fix_1 move
key Frame_45_Key_Fix_10 press right
advance 206
hover Label_Podval
hover Image173_0
hover Image105_0
advance 475
key Frame_45_Key_Fix_4 press right
advance 286
hover Image15_1
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_4 move
key Frame_45_Key_Fix_6 press right
key Frame_45_Key_Fix_5 press left
advance 342
tab TabSheet_RM_Kromkomotalka
advance 1088
key Frame_45_Key_Fix_58 move
key Frame_45_Key_Fix_58 move
find 40
advance 403
key Frame_45_Key_Fix_58 move
advance 420
key Frame_45_Key_Fix_60 move
advance 457
tab TabSheet_Post_2
advance 350
tab TabSheet_Post2_Pult_3
advance 804
key Frame_45_Key_Fix_52 press left
key Frame_45_Key_Back_14 move
advance 902
find 6
advance 347
tab TabSheet_Post1_Pult_2
key Frame_45_Key_Fix_14 press left
advance 128
tab TabSheet_Post1_Pult_4
advance 461
key Frame_45_Key_Fix_23 move
advance 559
key Frame_45_Key_Fix_25 move
advance 774
find 1
step 29
# stage 29
key Frame_45_Key_Fix_6 move
advance 439
key Frame_45_Key_Fix_10 move
advance 501
tab TabSheet_Post1_Pult_3
advance 982
tab TabSheet_Post_2
advance 521
bare TabSheet_Post2_Pult_3
advance 541
key Frame_45_Key_Back_11 release right
key Frame_45_Key_Back_10 move
key Frame_45_Key_Back_11 release left
find 6
foreground press 849
key Frame_45_Key_Back_1 move
advance 81
key Frame_45_Key_Fix_9 move
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_2 move
key Frame_45_Key_Fix_8 press left
advance 91
key Frame_45_Key_Fix_5 press left
advance 281
key Frame_45_Key_Fix_7 move
advance 534
key Frame_45_Key_Fix_1 press left
key Frame_45_Key_Fix_2 press left
advance 448
click Image19_0
foreground press 763
key Frame_45_Key_Fix_27 move
advance 486
tab TabSheet_Post1_Pult_2
advance 273
tab TabSheet_Post1_Pult_4
key Frame_45_Key_Fix_24 move
advance 381
tab TabSheet_Post1_Pult_2
advance 160
key Frame_45_Key_Fix_15 press left
hover Image13_Polosa_Body
key Frame_45_Key_Fix_17 press left
advance 333
key Frame_45_Key_Fix_16 move
key Frame_45_Key_Fix_15 move
advance 218
hover Image66_0
advance 607
find 5
advance 814
key Frame_45_Key_Fix_5 move
advance 262
foreground press 803
advance 265
key Frame_45_Key_Fix_7 move
advance 2117
key Frame_45_Key_Fix_2 press left
advance 98
key Frame_45_Key_Fix_10 move
key Frame_45_Key_Fix_5 press left
advance 238
find 7
hover Image118_0
advance 290
tab TabSheet_Post1_Pult_3
advance 97
key Frame_45_Key_Fix_21 press left
key Frame_Button2 press left
advance 222
click Image107_0
advance 499
key Frame_45_Key_Fix_9 press left
key Frame_45_Key_Fix_4 press left
key Frame_45_Key_Fix_1 press left
hover Image28_3
advance 871
find 1
key Frame_45_Key_Back_1 press left
hover Image106_0
advance 228
tab TabSheet_Post1_Pult_4
advance 233
key Frame_45_Key_Fix_29 move
advance 202
key Frame_45_Key_Fix_23 press left
advance 316
key Frame_45_Key_Back_3 press left
advance 1262
find 40
advance 222
hover Image28_3
advance 353
hover Image25_Polosa_Body
hover Image108_0
advance 524
key Frame_45_Key_Fix_28 move
key Frame_45_Key_Fix_27 press right
advance 397
key Frame_45_Key_Fix_28 move
tab TabSheet_Roga
key Frame_45_Key_Back_15 move
advance 405
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 move
advance 298
find 1
tab TabSheet_Roga
advance 1265
key Frame_45_Key_Back_15 move
advance 107
hover Image1
advance 132
key Frame_45_Key_Back_15 release left
key Frame_45_Key_Back_15 press left
advance 490
key Frame_45_Key_Back_15 move
advance 201
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
hover Image46_2
advance 43
hover Image5_3
advance 673
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 move
key Frame_45_Key_Back_15 press left
advance 1536
hover Image19_0
key Frame_45_Key_Back_15 press left
advance 4
tab TabSheet_RM_Kromkomotalka
advance 111
tab TabSheet_Roga
advance 137
click Image_Diagonal_Right_4
advance 817
key Frame_45_Key_Back_15 press left
advance 1128
key Frame_45_Key_Back_15 release right
key Frame_45_Key_Back_15 press left
advance 830
tab TabSheet_Post_2
key Frame_45_Key_Back_9 release left
advance 183
hover Image53_2
advance 517
key Frame_45_Key_Fix_54 press left
key Frame_45_Key_Back_7 move
key Frame_45_Key_Fix_51 press left
find 9
tab TabSheet_Post_2
advance 111
key Frame_45_Key_Back_12 move
key Frame_45_Key_Back_9 move
key Frame_45_Key_Fix_51 move
advance 56
tab TabSheet_Roga
advance 413
key Frame_45_Key_Back_15 press left
advance 458
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press right
hover Image106_0
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 press left
key Frame_45_Key_Back_15 move
find 6
hover Image27_2
advance 599
key Frame_45_Key_Fix_7 move
advance 364
hover Image55_0
bare TabSheet_Post1_Pult_1
key Frame_45_Key_Fix_11 move
advance 76
key Frame_45_Key_Fix_8 move
advance 271
key Frame_45_Key_Fix_4 move
advance 908
key Frame_45_Key_Back_1 release left
click Image1_Polosa_Body
advance 1161
hover Label_Podval
hover Image18_0
advance 276
tab TabSheet_RM_Kromkomotalka
advance 256
hover Image51_2
advance 788
tab TabSheet_Post_1
key Frame_45_Key_Back_1 press left
advance 326
tab TabSheet_Post_2
hover Image31_0
advance 113
key Frame_45_Key_Back_10 press left
key Frame_45_Key_Fix_53 move
advance 165
# end hash=d7a61804fee230f3
