<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Una piedra negra no se puede mover.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Aquí no hay nada que levantar.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Levantado: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Devuelto: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Borde del tablero.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Casillas nuevas: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Piedra negra en %1.</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Fin de la partida, puntuación %1.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Novedades del juego</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Movido a %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>No se ha movido: la casilla en %1 está ocupada.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>No se ha movido.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Pausa y después Empezar inicia una partida nueva.</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>fila %1, columnas %2 a %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>columna %1, filas %2 a %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Fila disuelta: %1, %2.</translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>filas %1 a %2, columnas %3 a %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Cuadrado disuelto: %1, %2.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>El color %1 estalla: %n casilla.</numerusform>
            <numerusform>El color %1 estalla: %n casillas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n punto, puntuación %1.</numerusform>
            <numerusform>%n puntos, puntuación %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>estallada</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>piedra negra</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Color de &amp;fondo</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Ver puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Borrar puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Activar sonido</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Sile&amp;nciar</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Partida abandonada, puntuación %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sonido activado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Sonido desactivado.</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Hay una partida en curso; Pausa la abandona y vuelve a mostrar Empezar.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Seguir</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>¿Quién ha conseguido tantos puntos?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Seguir</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>¿Seguro que quiere borrar las puntuaciones?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 punto</numerusform>
            <numerusform>%1, %2 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a row&apos;s text, then its name or date</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>
     The aim of the game is to obtain as many points as possible.
     Points are realized by draging&amp;droping of squares in order to build rows and
quads of squares of the same color. Only colored squares are moveable. It is
allowed to jump over colored squares. The colored rows consist of five squares
placed horizontally, vertically or diagonally. The quads consist of three times three
squares.
     Three squares are filled at the start of the game and after every unsuccessful
move three additional ones are added.
     Creating a row or a quad causes its dissolution and you receive four resp.
seventeen points.
     The game is over when all squares are colored.
     If a quad is created and has dissolved all squares of a randomly
determined color are also dissolved immediately in addition to the seventeen
points credited.
     Moreover all squares of a randomly determined color are dissolved
occasionally (without having created a row or a quad).
     Conversely squares are irreparably filled with a blackstone now and then.
     You can use the multicolored squares as you like (they are jokers).


     The little tree on the right is of no significance to the game. The tree grows
each time afresh whenever a row or a quad is realized and dissolves.
In each case it is a new tree that never existed before. No player will see the
same tree twice because there is no end to it...

     Have a good time!</source>
        <translation>
     El objetivo del juego es conseguir el mayor número de puntos posible.
     Los puntos se logran arrastrando y soltando casillas para formar filas y
cuadrados de casillas del mismo color. Solo se pueden mover las casillas de
color, y pueden saltar por encima de otras casillas de color. Las filas son de
cinco casillas en horizontal, vertical o diagonal; los cuadrados, de tres por
tres casillas.
     Al empezar la partida se llenan tres casillas, y tras cada jugada sin éxito
se añaden tres más.
     Al completar una fila o un cuadrado, este se disuelve y usted recibe cuatro
o diecisiete puntos, respectivamente.
     La partida termina cuando todas las casillas están ocupadas.
     Cuando se forma y se disuelve un cuadrado, además de los diecisiete puntos
se disuelven al instante todas las casillas de un color elegido al azar.
     Además, de vez en cuando se disuelven todas las casillas de un color elegido
al azar (sin que se haya formado una fila o un cuadrado).
     Y al revés: a veces una casilla queda ocupada para siempre por una piedra
negra.
     Las casillas multicolores sirven para cualquier color (son comodines).


     El arbolito de la derecha no tiene importancia para el juego. Vuelve a crecer
cada vez que se forma y se disuelve una fila o un cuadrado.
Siempre es un árbol nuevo que nunca ha existido. Ningún jugador verá dos veces
el mismo árbol, porque no tiene fin...

     ¡Que se divierta!</translation>
    </message>
    <message>
        <source>



                                                                      KALDORA
                                                                   Version 1.01
                                                                         8.99
                                                          The KALDORA developers
                                                   see README.md of the KALDORA project

                                                             strategy/puzzle game








                         The tree is drawn by the classic recursive method of fractal trees:
                          each branch sprouts a few shorter, thinner branches at random angles.</source>
        <translation>



                                                                      KALDORA
                                                                   Version 1.01
                                                                         8.99
                                                      Los desarrolladores de KALDORA
                                                   véase README.md del proyecto KALDORA

                                                         juego de estrategia y lógica








                    El árbol se dibuja con el método recursivo clásico de los árboles fractales:
                            cada rama echa unas ramas más cortas y finas en ángulos al azar.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>Pick up</source>
        <translation>Levantar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Devolver</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Levanta la casilla para soltarla en una casilla libre</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Suelta aquí la casilla levantada</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Devuelve la casilla levantada a su sitio</translation>
    </message>
    <message>
        <source>carrying %1</source>
        <translation>en la mano: %1</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nombre para las mejores puntuaciones</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Borrar puntuaciones</translation>
    </message>
</context>
</TS>
