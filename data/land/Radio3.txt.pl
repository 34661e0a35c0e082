Tak
Nie
