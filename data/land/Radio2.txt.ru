Нет
Spiel 77
Super 6
Spiel 77 и Super 6
