Brak
Spiel 77
Super 6
Spiel 77 i Super 6
