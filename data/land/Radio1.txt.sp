elegir simplemente al azar
usar el número sueño menos sorteado
usar el número sueño que lleva más tiempo sin salir
usar el número sueño más sorteado
