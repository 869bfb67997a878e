# A demonstration of how to find one's way about the trainer: the main window, the panorama,
# the posts' pages, the find box and the steps window.
# program: zun_trainer 0.1
# started: 2026-12-10 09:00:00
# trainee: демонстрация
# caption: Заставка: «главное окно», «видео ролики», «справка» и выход
advance 4000
# caption: Кнопка «главное окно» открывает линию и пульты
window shown
advance 3000
# caption: Окно открывается прокрученным; полосой прокрутки видно его левый край
window scroll 0 0
advance 3000
# caption: Вверху — панорама линии, внизу — пульты постов на вкладках
advance 5000
# caption: Панораму тащат мышью за красную надпись: влево...
drag press 60
advance 400
drag move 40
advance 200
drag move 10
advance 200
drag move -20
advance 200
drag move -50
advance 200
drag move -70
advance 600
drag release
advance 2500
# caption: ...и обратно вправо
drag press 60
advance 400
drag move 90
advance 200
drag move 120
advance 200
drag move 150
advance 200
drag move 170
advance 200
drag move 190
advance 600
drag release
advance 3000
# caption: Вкладки постов: ПОСТ 1, ПОСТ 2, кромкомоталка, поворотный стол
tab TabSheet_Post_1
advance 3000
tab TabSheet_Post1_Pult_2
advance 2500
tab TabSheet_Post_2
advance 3000
tab TabSheet_RM_Kromkomotalka
advance 3000
# caption: Крупный план подвала кромкомоталки закрывают кнопкой «Х»
click Button1
advance 2500
# caption: Вкладки постов: ПОСТ 1, ПОСТ 2, кромкомоталка, поворотный стол
tab TabSheet_Roga
advance 2500
tab TabSheet_Post_1
advance 2500
tab TabSheet_Post1_Pult_1
advance 3000
# caption: Щелчок по механизму: перекрестие над ним, рука — у его ключа
click Image1_0
advance 4000
# caption: Теперь механизм выбирает простое наведение указателя
hover Image10_0
advance 2500
hover Image69_0
advance 1500
# caption: Поле «поиск механизма» находит механизм по имени
advance 1500
find 5
advance 4000
find 47
advance 4000
find 22
advance 4000
# caption: Панель справа показывает имя и сигналы текущего механизма
# point 850 480
advance 4000
# caption: Кнопка «что делать» открывает окно шагов
# place steps 506 240
steps shown
advance 4000
# caption: В окне шагов — 48 шагов, способы работы и пояснения к шагу
mode 0
advance 6000
# caption: Пояснение говорит, где ключ и какой кнопкой мыши его повернуть
step 3
advance 6000
# caption: Щелчок по промасливающей машине открывает её терминал на посту 2
click Image38_0
advance 3500
# caption: У фиксирующих роликов привода нет — симулятор так и говорит
click Image_FixRolTop
advance 4000
# caption:
advance 2000
