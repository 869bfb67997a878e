# A demonstration of the first mode with "пройти стадию": the line does each step itself while
# the steps window explains it.
# program: zun_trainer 0.1
# started: 2026-12-10 09:20:00
# trainee: демонстрация
window shown
window scroll 0 0
# place steps 506 240
steps shown
# caption: Способ «с текущего места проходить стадии»
mode 0
advance 6000
# caption: Кнопка «пройти стадию» выполняет текущий шаг за вас
pass
advance 4000
pass
advance 6000
# caption: Линия сама поворачивает ключи; шаг засчитывается, когда механизмы дойдут
pass
advance 8000
pass
advance 5000
pass
advance 6000
# caption: Пояснение под списком следует за текущим шагом
pass
advance 7000
pass
advance 5000
pass
advance 6000
pass
advance 6000
# caption: Перекрестие и рука показывают, с чего начинается следующий шаг
steps hidden
advance 1000
pass
advance 7000
pass
advance 7000
pass
advance 7000
pass
advance 7000
# caption: Так можно пройти весь сценарий одной кнопкой, в любом из двух окон
steps shown
advance 1000
pass
advance 8000
pass
advance 8000
pass
advance 8000
# caption:
advance 2000
