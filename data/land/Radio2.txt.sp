Ninguno
Spiel 77
Super 6
Spiel 77 y Super 6
