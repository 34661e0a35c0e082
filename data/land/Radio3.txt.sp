Sí
No
