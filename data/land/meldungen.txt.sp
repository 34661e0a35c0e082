Distribución de números
Sorteos
Suma
¿Cuántas veces ha salido cada reintegro?
¿Con cuántos aciertos detener la búsqueda?
Prueba de apuestas
Coincidencia encontrada el:
¿Continuar?
Sorteo encontrado
Parejas
apariciones
Tríos
Boleto n.º 
Distribución de las sumas
Suma
Cuartetos
Detener
Cálculo: 
formación de parejas
formación de tríos
formación de cuartetos
números atrasados
números vecinos del último sorteo
Inicio del cálculo de apuestas
Apuesta
Cambie los parámetros para calcular 12 apuestas
Las apuestas se han recalculado
-
¿Qué número está atrasado, es decir, desde hace cuántos sorteos no sale?
Distribución de números de las apuestas
¿Su número de la suerte
¡Introduzca su número de la suerte para el generador aleatorio!
Su número de la suerte es ahora el 
Resultado de la configuración actual para sáb. / miér.:
Número de la suerte no válido
-
Elegir números para el cálculo
Envío del boleto en línea
¿Qué reintegro lleva más tiempo sin salir?
Comparar resultado del sorteo
Aciertos en sorteos de la base de datos
Cuántas veces el sorteo siguiente tuvo números parecidos
Cuántas veces el segundo sorteo siguiente tuvo números parecidos
Cuántas veces el tercer sorteo siguiente tuvo números parecidos
Cantidad de primos por apuesta en
eran primos
Cantidad de impares por apuesta en
eran impares
Cantidad de pares por apuesta en
eran pares
¿Seguro que desea borrar todas las apuestas?
¿Borrar todas las apuestas?
-
-
¿Número de boleto?
No se pudo crear el archivo para el envío de las apuestas. Compruebe los permisos de acceso del programa o ejecútelo como administrador
Sorteo, apuestas, importe jugado y premios en zł (- donde no se conocen los premios del sorteo)
Importe jugado en todos los sorteos:
Sorteos con premios conocidos:
Importe jugado en estos sorteos:
Premios en estos sorteos:
Retorno (premios / importe):
