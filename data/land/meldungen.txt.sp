Frecuencia de los números
Sorteos
Suma media
Frecuencia de los números sueño
Buscar las apuestas en la base de datos
¿Con cuántos aciertos debe detenerse la búsqueda?
Aciertos en el sorteo del 
encontrados. ¿Seguir buscando?
Aciertos encontrados
Pares
encontrados
Tríos
Grupos de números
Frecuencia de las sumas
Promedio
Cuartetos
De&tener el cálculo
Evaluando las estadísticas:
pares frecuentes
tríos frecuentes
cuartetos frecuentes
números atrasados
vecinos del último sorteo
Calculando las apuestas ...
Apuesta
Se ha alcanzado el número máximo de pasadas de cálculo: no se han podido calcular todas las apuestas.
El cálculo ha terminado.
Sorteo
Números atrasados: sorteos desde su última salida
Distribución de los números en el boleto
Su número de la suerte
Introduzca su número de la suerte:
Generador aleatorio inicializado con
Análisis de parámetros: aciertos de las apuestas calculadas
El análisis se ha cancelado.
Ziffrano
Selección de números
Lista de números
Números sueño atrasados
¿Con cuántos aciertos debe detenerse el análisis?
Aciertos en el mismo sorteo:
Aciertos en el sorteo siguiente:
Aciertos dos sorteos después:
Aciertos tres sorteos después:
Números primos: en
de todos los números sorteados eran primos
Números impares: en
de todos los números sorteados eran impares
Números pares: en
de todos los números sorteados eran pares
¿Seguro que desea borrar todas las apuestas? Las apuestas bloqueadas (rojas) se conservan.
Borrar apuestas
Darnholms Ziffrano
6 de 40
