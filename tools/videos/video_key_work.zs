# A demonstration of the keys at the posts: the first nine steps done with the mouse, left
# button to the left, right button to the right, a spring-return key held down.
# program: zun_trainer 0.1
# started: 2026-12-10 09:10:00
# trainee: демонстрация
window shown
window scroll 0 0
# caption: Шаг за шагом: каждый шаг выполняют ключами на пультах постов
mode 0
advance 6000
# caption: Шаг 1: «поставить новый рулон» — рулон на столе тележки
newcoil
advance 4000
# caption: Ключи: левая кнопка мыши — влево, правая — вправо
tab TabSheet_Post_1
advance 1500
tab TabSheet_Post1_Pult_1
advance 2500
# caption: Шаг 2: правой кнопкой — «5 зев разматывателя» вправо, барабан сжимается
key Frame_45_Key_Fix_1 press right
advance 200
key Frame_45_Key_Fix_1 release right
advance 5000
# caption: Шаг 3: левой кнопкой — «1 телега» влево; ключ с фиксацией остаётся повёрнут
key Frame_45_Key_Fix_2 press left
advance 200
key Frame_45_Key_Fix_2 release left
advance 1500
# caption: и «2 стол разматывателя» влево: стол с рулоном едет к барабану
key Frame_45_Key_Fix_3 press left
advance 200
key Frame_45_Key_Fix_3 release left
advance 2200
# caption: Шаг засчитан: перекрестие и рука показывают, с чего начинается следующий
advance 4800
# caption: Шаг 4: пульт Post1_Pult_2, «7 прижимной ролик» — правой кнопкой
tab TabSheet_Post1_Pult_2
advance 2000
key Frame_45_Key_Fix_18 press right
advance 200
key Frame_45_Key_Fix_18 release right
advance 200
# caption: Шаг засчитан: перекрестие и рука показывают, с чего начинается следующий
advance 3800
# caption: Шаг 5: первый щелчок правой кнопкой возвращает ключ в середину — стоп
tab TabSheet_Post1_Pult_1
advance 2000
key Frame_45_Key_Fix_3 press right
advance 200
key Frame_45_Key_Fix_3 release right
advance 1500
# caption: второй щелчок поворачивает его вправо: стол опускается
key Frame_45_Key_Fix_3 press right
advance 200
key Frame_45_Key_Fix_3 release right
advance 5000
# caption: Шаг 6: «1 телега» — два щелчка правой кнопкой, тележка уходит вправо
key Frame_45_Key_Fix_2 press right
advance 200
key Frame_45_Key_Fix_2 release right
advance 1200
key Frame_45_Key_Fix_2 press right
advance 200
key Frame_45_Key_Fix_2 release right
advance 6000
# caption: Шаг 7: «5 зев разматывателя» — два щелчка левой, барабан разжимается
key Frame_45_Key_Fix_1 press left
advance 200
key Frame_45_Key_Fix_1 release left
advance 1200
key Frame_45_Key_Fix_1 press left
advance 200
key Frame_45_Key_Fix_1 release left
advance 5400
# caption: Шаг 8: ключ без фиксации — «3 толчёк разматывателя» — держат правой кнопкой
tab TabSheet_Post1_Pult_1
advance 1500
key Frame_45_Key_Back_1 press right
advance 200
# caption: Шаг засчитан: перекрестие и рука показывают, с чего начинается следующий
advance 2300
key Frame_45_Key_Back_1 release right
advance 2000
# caption: Отпущенный, ключ «3 толчёк разматывателя» сам вернулся в середину: привод стоит
tab TabSheet_Post1_Pult_1
advance 4000
# caption: Шаг 9: «10 отгибатель» — левой кнопкой
tab TabSheet_Post1_Pult_2
advance 2000
key Frame_45_Key_Fix_16 press left
advance 200
key Frame_45_Key_Fix_16 release left
advance 960
# caption: Шаг засчитан: перекрестие и рука показывают, с чего начинается следующий
advance 4040
# caption: Шаг 10: держите «3 толчёк» левой кнопкой, пока конец полосы не дойдёт
tab TabSheet_Post1_Pult_1
advance 2000
key Frame_45_Key_Back_1 press left
advance 520
# caption: Шаг засчитан: перекрестие и рука показывают, с чего начинается следующий
advance 2480
key Frame_45_Key_Back_1 release left
advance 5000
# caption:
advance 2000
