# A demonstration of the automatic run: the line does the scenario by itself, a second
# between the steps.
# program: zun_trainer 0.1
# started: 2026-12-10 09:40:00
# trainee: демонстрация
window shown
window scroll 0 0
# place steps 506 240
steps shown
advance 2000
# caption: Способ «полный автомат»
mode 2
advance 3000
# caption: «пуск в автомате с текущего места» запускает весь сценарий
pass
advance 20000
# caption: Линия выполняет шаг за шагом, с паузой в секунду между шагами
advance 30000
# caption: Окно шагов отмечает текущий шаг и показывает его пояснение
advance 30000
# caption: Полоса идёт через ножницы на моталку
advance 30000
# caption: Кнопка «стоп» останавливает механизмы
stop
advance 4000
# caption: «пуск в автомате» продолжает с текущего места
pass
advance 30000
# caption:
advance 2000
