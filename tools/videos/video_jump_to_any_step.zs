# A demonstration of the second mode: a click on a step puts the whole line into that step's
# state at once; then the first mode goes on from there.
# program: zun_trainer 0.1
# started: 2026-12-10 09:30:00
# trainee: демонстрация
window shown
window scroll 0 0
# place steps 506 240
steps shown
advance 2000
# caption: Способ «при щелчке по стадии показывать состояние всего агрегата»
mode 1
advance 4000
# caption: Щелчок по шагу 12 — линия сразу в состоянии этого шага
step 12
advance 6000
# caption: Шаг 20: полоса заправлена в ножницы
step 20
advance 6000
# caption: Шаг 30: полоса проходит дисковые ножницы
step 30
advance 6000
# caption: Шаг 40: полоса на моталке
step 40
advance 6000
# caption: Шаг 44: готовый рулон снимают с моталки
step 44
advance 6000
# caption: Можно вернуться и назад — к шагу 5
step 5
advance 6000
# caption: Шаг 26, затем — дальше самому: первый способ работы
step 26
advance 5000
mode 0
advance 4000
# caption: С этого места шаги выполняют как обычно — или кнопкой «пройти стадию»
pass
advance 7000
pass
advance 7000
# caption:
advance 2000
