Cancelar

&Actualizar

&Calcular

&Enviar

&Boleto

&Deshacer

&Cargar apuestas …

&Guardar apuestas …

&Imprimir apuestas

Sorteo &anterior

Sorteo &siguiente

Sprache/Language/Langue

Alemán

Inglés

Francés

Español

Turco

Ruso

Polaco

Checo

Neerlandés

Ayuda

Mostrar documentación

Ce&rrar

Juego:
Los sorteos que el programa muestra, cuenta y usa para las apuestas
Lotto
Los sorteos del Lotto (ZahlenPL.dat)
Lotto Plus
Los sorteos del Lotto Plus, el segundo sorteo de la misma noche (ZahlenPLPlus.dat)
Apuestas

◀
Mostrar el sorteo anterior
▶
Mostrar el sorteo siguiente
Suma: 
Suma de todos los números del sorteo
⟳
Actualizar los sorteos desde Internet
■
Detiene la importación de sorteos
Apuesta 1
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 2
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 3
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 4
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 5
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 6
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 7
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 8
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 9
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 10
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 11
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Apuesta 12
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
✎
Haga clic aquí para modificar la apuesta 1 en el formulario o crearla con el generador aleatorio
Boleto n.º: 
El número de serie de su boleto
con Plus
El boleto juega también al Lotto Plus: junto a los aciertos de cada apuesta figuran sus aciertos en el otro sorteo de la misma noche
Importe: 
Lo que cuestan las apuestas completas: apuestas por el precio de una apuesta (opciones de Internet)
Ganado: 
Lo que las apuestas ganaron en el sorteo mostrado; ? donde no se conoce un premio
Probabilidades
Contado exactamente sobre los 13.983.816 sorteos posibles
6 aciertos

5 aciertos

4 aciertos

3 aciertos

Premio por apuesta

Premio del boleto

Premio esperado*

por zł jugado*

* 4–6 aciertos al premio medio de los últimos 12 meses

Calcular a&puestas
Calcula el número de apuestas indicado con los parámetros definidos
Apuestas:


Número de apuestas
Número de la suerte
Aquí puede echarle una mano al azar y generar una apuesta realmente suya
Buscar en la base
Aquí puede comprobar si esta apuesta ya ha salido alguna vez
Guardar
Guardar las apuestas
Cargar
Cargar las apuestas desde un archivo
Borrar
Borrar todas las apuestas
Distribución
Distribución de los números de las apuestas
Carrito
Enviar las apuestas al carrito de un portal de juego en línea
Imprimir
Sacar las apuestas como texto para imprimirlas o copiarlas
w w w . q u i r l e n d . d e
Abrir la página web de Vendrilo
V e n d r i l o
Abrir la página web de Vendrilo
Cálculo

Estadística

Preferir números que forman parejas a menudo

más raras

Preferir números que forman tríos a menudo

más raros

Preferir números que forman cuartetos a menudo

más raros

Preferir los números que más han salido


El primer X por ciento recibe una probabilidad más alta
%

Preferir los números que menos han salido


El primer X por ciento recibe una probabilidad más alta
%

Números con más sorteos de retraso


El primer X por ciento recibe una probabilidad más alta
%

Preferir números vecinos del último sorteo

Para calcular las apuestas se usa en cada caso el primer x % (p. ej. hasta el 30 % del máximo).

Números
Distribución de los números sorteados
Atrasados
Números atrasados
Parejas

De 2

Parejas

Tríos

De 3

Tríos

Cuartetos

De 4

Cuartetos

Optimizar boleto

Máximo de coincidencias con otras apuestas

Mínimo de coincidencias con otras apuestas

Aplicar mín./máx. entre cada apuesta y cada una de las demás

Cantidad máxima permitida de números del último sorteo 
Coincidencia con números de un sorteo anterior
Cantidad máxima permitida de números del penúltimo sorteo 
Coincidencia con números de un sorteo anterior
Cantidad máxima permitida de números del antepenúltimo sorteo 
Coincidencia con números de un sorteo anterior
La apuesta no tiene
La apuesta no debe tener X aciertos en ningún sorteo de la base de datos, a partir de la fecha elegida en los gráficos

Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos


Aquí puede excluir además, p. ej., 3 o 4 aciertos de los últimos sorteos
sorteos

La apuesta no tiene 
La apuesta no debe tener X aciertos en ningún sorteo de la base de datos, a partir de la fecha elegida en los gráficos

Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos


Aquí puede excluir además, p. ej., 3 o 4 aciertos de los últimos sorteos
sorteos

Ningún sorteo de la base coincide con la apuesta en 
La apuesta no debe tener X aciertos en ningún sorteo de la base de datos, a partir de la fecha elegida en los gráficos

Ponga el valor en 5 o 6 si utiliza toda la base de datos
Evitar los números 1 a 12 (meses, muy jugados por quienes apuestan fechas) 

Reducir el peso de los números 1 a 31 (fechas): aparecen menos en las apuestas

Matemática

Sumas de

a

permitidas en la apuesta

Forzar una pareja por apuesta

Sin tríos, cuartetos...

Cantidad mínima de números pares en cada apuesta

Cantidad mínima de números impares en cada apuesta

Cantidad mínima de números primos en cada apuesta

Limitando la suma puede excluir apuestas como 1-2-3-4-5-6 o 39-41-43-46-47-49.

Para apostar a premios más altos, elija una suma mayor que 130 (jugadores de fechas).

La distribución de las sumas de sorteos pasados está en el gráfico Σ  

Σ
Distribución de las sumas
Primos
Gráfico de números primos por apuesta
Impares
Gráfico de números impares por apuesta
Pares
Gráfico de números pares por apuesta
General

Máx. ciclos de cálculo

mil

¡Usar solo números preferidos en la apuesta!

Mostrar / editar la lista para generar combinaciones

Si con su configuración no se pudieron calcular todas las apuestas, pruebe a aumentar los ciclos de cálculo. 

Gráficos

Sorteos del fin de semana
Contar los sorteos del sábado y del domingo en las estadísticas
Sorteos entre semana
Contar los sorteos de lunes a viernes en las estadísticas
Números
Distribución de los números sorteados
Σ
Distribución de las sumas
De 2
Parejas
De 3
Tríos
De 4
Cuartetos
Atrasados
Números atrasados
Base de datos

Evaluar
Evaluar las apuestas para el sorteo de la fecha elegida
Actualizar &base de datos
Actualizar los sorteos desde Internet
Introducir
Introducir a mano los números de un sorteo.
Borrar
Borrar el sorteo mostrado
Importar sorteos…
Pasar a la base de datos los resultados publicados de un archivo de texto
Buscar parejas
¿Cuántas veces salieron las parejas de números?
Buscar tríos
¿Cuántas veces salieron los tríos?
Buscar cuartetos
¿Cuántas veces salieron los cuartetos?
Atrasados
¿Qué números llevan más tiempo sin salir?
Reintegros atrasados

Primos por apuesta

Impares por apuesta

Pares por apuesta

Se calculan y evalúan apuestas con los ajustes actuales

Análisis histórico de los ajustes desde la fecha de arriba
Cálculo y resultados desde la fecha elegida arriba
Recalcular solo tras un 3

Análisis gráfico desde la fecha de arriba

Análisis histórico desde la fecha de arriba
Cálculo y resultados desde la fecha elegida arriba
Opciones de Internet


Dirección del servidor para los sorteos y el carrito, p. ej. http://127.0.0.1:8080
Servidor:


Dejar vacío si no se usa proxy
Proxy:

Puerto:

Precio de una apuesta (zł):

Recargo Lotto Plus por apuesta (zł):

Activar página de enlaces

Opción reintegro

Opción Super 6 y Spiel 77

Webs sobre lotería:

www.lotto.pl

www.lottoland.com

www.doviduve.de

www.quirlend.de

www.lotto.pl/lotto/wyniki-i-wygrane

www.multipasko.pl

www.lotto.de

Posición de impresión del boleto

Complementario:

Aceptar

Cancelar

1

2

3

4

5

6

7

8

9

10

11

12

13

14

15

16

17

18

19

20

21

22

23

24

25

26

27

28

29

30

31

32

33

34

35

36

37

38

39

40

41

42

43

44

45

46

47

48

49

Guardar
Guardar la lista
Cargar
Cargar una lista
Aceptar

Cancelar

&Recalcular

&Azar

Imprimir Spiel 77

Imprimir Super 6

