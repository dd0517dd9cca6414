<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>A partida rematou.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Unha pedra negra non se pode mover.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Aquí non hai nada que coller.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Collido: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Devolto ao seu sitio: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Bordo do taboleiro.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
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
        <translation>desde a %1 até a %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Casas novas: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Estoupa o %1: %n casa.</numerusform>
            <numerusform>Estoupa o %1: %n casas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Liña disolta: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n punto, puntuación %1.</numerusform>
            <numerusform>%n puntos, puntuación %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>filas %1 a %2, columnas %3 a %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Cadrado disolto: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Movido á %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Non se moveu: a casa da %1 está ocupada.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Non se moveu.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Pedra negra na %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Fin da partida, puntuación %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Preme Pausa e despois Iniciar para comezar unha partida nova.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Novas da partida</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>vermello</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranxa</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
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
        <translation>maxenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>estoupido</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>pedra negra</translation>
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
        <translation>Taboleiro</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Desactivar o son</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Cor de fondo</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Como se &amp;xoga</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>In&amp;formación</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Mostrar as puntuacións</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Limpar as puntuacións</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Hai unha partida en curso; Pausa abandónaa e volve mostrar Iniciar.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Partida abandonada, puntuación %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Activar o son</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Desactivar o s&amp;on</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Son activado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Son desactivado.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Mellores puntuacións</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Xogador</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Quen acadou tantos puntos?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Seguro que queres limpar as puntuacións?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Mellores puntuacións</translation>
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
     O obxectivo do xogo é conseguir tantos puntos como sexa posible.
     Os puntos obtéñense arrastrando e soltando casas para formar liñas e
cadrados de casas da mesma cor. Só se poden mover as casas de cor, que
poden saltar por riba doutras casas de cor. As liñas de cor son de cinco casas
en horizontal, en vertical ou en diagonal. Os cadrados son de tres por tres
casas.
     Ao comezo da partida énchense tres casas, e despois de cada movemento sen
éxito engádense outras tres.
     Cando formas unha liña ou un cadrado, disólvese e recibes catro ou dezasete
puntos, respectivamente.
     A partida remata cando todas as casas están ocupadas.
     Cando se forma un cadrado e se disolve, ademais dos dezasete puntos obtidos,
disólvense tamén de inmediato todas as casas dunha cor escollida ao chou.
     Tamén se disolven de cando en vez todas as casas dunha cor escollida ao chou
(sen ter formado ningunha liña nin ningún cadrado).
     En cambio, ás veces unha pedra negra ocupa unha casa para sempre.
     As casas multicolores pódense usar como queiras (son comodíns).


     A arboriña da dereita non ten ningunha importancia para o xogo. A árbore volve
medrar cada vez que se forma e se disolve unha liña ou un cadrado.
Sempre é unha árbore nova que nunca existira antes. Ningún xogador verá dúas
veces a mesma árbore, porque a variedade non ten fin...

     Pásao ben!</translation>
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
                                                                   Versión 1.01
                                                                         8.99
                                                      Os desenvolvedores de KALDORA
                                                  véxase o README.md do proxecto KALDORA

                                                         xogo de estratexia e lóxica








                         A árbore debúxase co método recursivo clásico das árbores fractais:
                          cada póla bota unhas pólas máis curtas e finas en ángulos aleatorios.</translation>
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
        <source>carrying %1</source>
        <translation>na man: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Deixar</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Devolver</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Colle a casa para deixala nunha casa libre</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Deixa aquí a casa collida</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Devolve a casa collida ao seu sitio</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nome para as mellores puntuacións</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Limpar puntuacións</translation>
    </message>
</context>
</TS>
