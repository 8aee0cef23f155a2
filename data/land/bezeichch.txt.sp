Guardar
Guardar la lista
Cargar
Cargar una lista
&Azar

Aceptar

&Calcular

Cancelar

Sábado

Miércoles

Joker 1

Nuevo
Crear un número de boleto nuevo que nunca ha salido
Buscar
Comprobar si este número de boleto ya ha salido
Joker 2

Nuevo
Crear un número de boleto nuevo que nunca ha salido
Buscar
Comprobar si este número de boleto ya ha salido
Joker 3

Nuevo
Crear un número de boleto nuevo que nunca ha salido
Buscar
Comprobar si este número de boleto ya ha salido
Mostrar el boleto para una prueba

Arriba:

Izquierda

Tamaño de papel:

Coste:

Aceptar

En línea

Cancelar

Archivo click-script de Darnholms


Elegir un click-script
Parámetros 

ZAHL1

TEXT1

ZAHL2

TEXT2

OK

Cancelar

Apuesta

Darnholms Ziffrano  6 de 40 Somnara

https://www.darnholm.example/ziffrano/

Suma: 
Suma de los números sorteados
Apuesta 1
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 2
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 3
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 4
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 5
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 6
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 7
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 8
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 9
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 10
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 11
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 12
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 13
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Apuesta 14
Si "Apuesta" está en rojo, esta fila no se recalcula.
...
Haga clic aquí para cambiar la apuesta 1 en el formulario o generarla al azar
Calcular a&puestas
Calcula el número de apuestas elegido con las opciones ajustadas
Sorteos del jueves
Usar los datos de los sorteos del jueves
Sorteos del lunes
Usar los datos de los sorteos del lunes
Distribución

<
Mostrar el sorteo anterior
>
Mostrar el sorteo siguiente
Buscar en la base
Comprobar si esta apuesta ya ha salido alguna vez
Número de la suerte
Ayude un poco al azar y haga que la apuesta sea realmente suya
Borrar
Borrar todas las apuestas
Imprimir boleto
Imprimir las apuestas en el boleto
Guardar
Guardar las apuestas
Cargar
Cargar apuestas de un archivo
Apuestas
Mostrar las apuestas como texto
Actualizar
Descargar sorteos del servidor de actualización
Cálculo

Estadística

Preferir números que forman pares a menudo

más raros

Preferir números sorteados muy a menudo
Preferir el primer X% de los números más sorteados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

Preferir números que forman tríos a menudo

más raros

Preferir números que forman cuartetos a menudo

más raros

Números atrasados desde hace más tiempo
Preferir el primer X% de los números más atrasados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

Preferir números sorteados muy pocas veces
Preferir el primer X% de los números menos sorteados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

Preferir vecinos de los números del último sorteo

Evitar los números 1-12 (meses, muy jugados por quien apuesta fechas)

Reducir el peso de los números 1-31 (fechas)  -  menos presentes en la apuesta

Optimización del boleto

Optimización de las apuestas entre sí en el boleto

Coincidencias máximas con otras apuestas

Coincidencias mínimas con otras apuestas

Aplicar mín./máx. a cada apuesta frente a cada otra

Optimización de las apuestas frente a sorteos pasados

Máximo de números permitidos del último sorteo
Coincidencias con números del sorteo anterior
Máximo de números permitidos del penúltimo sorteo
Coincidencias con números del sorteo anterior
La apuesta no coincide con ningún sorteo de la base con
La apuesta aún no debe haber logrado X aciertos en ningún sorteo, desde la fecha de la página Gráfico
Ponga el valor en 5 o 6 si usa toda la base de datos
Ponga el valor en 5 o 6 si usa toda la base de datos
aciertos

Máximo de números permitidos del último sorteo
Coincidencias con números del sorteo anterior
La apuesta no da
La apuesta aún no debe haber logrado X aciertos en ningún sorteo, desde la fecha de la página Gráfico
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí también puede excluir 3 o 4 aciertos en los últimos sorteos
Aquí también puede excluir 3 o 4 aciertos en los últimos sorteos
sorteos

La apuesta no da
La apuesta aún no debe haber logrado X aciertos en ningún sorteo, desde la fecha de la página Gráfico
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí también puede excluir 3 o 4 aciertos en los últimos sorteos
Aquí también puede excluir 3 o 4 aciertos en los últimos sorteos
sorteos

Contar el número complementario en los aciertos

Matemática

Estas condiciones se aplican a cada fila de apuesta

Forzar un par por apuesta

<a href="#">Pares</a>

sin tríos, cuartetos... pares

<a href="#">Tríos, </a>

<a href="#">Cuartetos</a>

Número mínimo de primos en cada apuesta


Gráfico de primos por apuesta
Número mínimo de números pares en cada apuesta


Gráfico de números pares por apuesta
Número mínimo de números impares en cada apuesta


Gráfico de números impares por apuesta
Permitir sumas de

a

en la apuesta

<a href="#">El gráfico Suma muestra cómo se reparten las sumas de los sorteos pasados</a>

Número sueño

Crear también los números sueño al calcular

Opción número sueño

General

¡Usar solo los números preferidos para la apuesta!

Mostrar / editar la lista para generar series

Sonido al ganar

Máx. pasadas de cálculo

mil

Si con sus ajustes no se pudieron calcular todas las filas, aumente las pasadas de cálculo.

Gráfico


Distribución de los números sorteados
Suma

De 2

De 3

De 4

Atrasados

SUEÑO

SUEÑO ATRASO
Cuánto tiempo lleva atrasado cada número sueño
Sorteos desde:

Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta
Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta
Base de datos

Sorteos hasta:

Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta
Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta
Recalcular solo tras un acierto de 3

Buscar pares

Buscar tríos

Buscar cuartetos

Atrasados

Números sueño atrasados

Primos por apuesta

Impares por apuesta

Pares por apuesta

Evaluar
Evaluar las apuestas para el sorteo de la fecha elegida
Actualizar la base de &datos

Parar
Detiene la lectura
Introducir
Introducción manual de los datos del sorteo.
Borrar
Borrar el sorteo mostrado
Importar archivo CSV...
Tomar sorteos de un archivo CSV
Exportar archivo CSV...
Guardar todos los sorteos en un archivo CSV
Revisar calendario
Buscar sorteos que faltan, duplicados o con fecha errónea
Análisis histórico de los parámetros desde la fecha elegida arriba
Cálculo y aciertos desde la fecha elegida arriba
Análisis histórico desde la fecha elegida arriba

Revisión del calendario

Opciones de Internet

Servidor de actualización

Servidor de actualización

Proxy

Servidor proxy

Puerto del proxy

Gastos de gestión

Solo juego los sábados (sábado preseleccionado al enviar)

Para un sorteo:

Para un sorteo de sáb. y miér.:

Darnholm en Internet

https://www.darnholm.example/

https://www.darnholm.example/ziffrano/

https://www.darnholm.example/somnara/

https://www.darnholm.example/pilotara/

https://www.darnholm.example/downloads/

https://www.darnholm.example/support/

https://www.darnholm.example/kontakt/

&Actualizar

&Calcular

Sprache/Language/Langue

Deutsch

Français

Italiano

English

Español

Türkçe

Русский

Polski

Čeština

Nederlands

Exportar

C&errar

