<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>La partida s'ha acabat.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Una pedra negra no es pot moure.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Aquí no hi ha res per agafar.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Agafat: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Tornat al seu lloc: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Vora del tauler.</translation>
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
        <translation>fila %1, columnes %2 a %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>columna %1, files %2 a %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>des de la %1 fins a la %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Caselles noves: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Esclata el color %1: %n casella.</numerusform>
            <numerusform>Esclata el color %1: %n caselles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Línia dissolta: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n punt, puntuació %1.</numerusform>
            <numerusform>%n punts, puntuació %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>files %1 a %2, columnes %3 a %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Quadrat dissolt: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Mogut a la %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>No s'ha mogut: la casella de la %1 està ocupada.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>No s'ha mogut.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Pedra negra a la %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a la %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Fi del joc, puntuació %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Premeu Pausa i després Inicia per començar una partida nova.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Esdeveniments de la partida</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>vermell</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>taronja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>groc</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verd</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>comodí</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>esclat</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>pedra negra</translation>
    </message>
    <message>
        <source>free</source>
        <translation>lliure</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tauler</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicia</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Desactiva el so</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Color de fons</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Com es &amp;juga</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>In&amp;formació</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Mostra les puntuacions</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Neteja les puntuacions</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Hi ha una partida en curs; Pausa l'abandona i torna a mostrar Inicia.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Partida abandonada, puntuació %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Activa el so</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Desactiva el s&amp;o</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>So activat.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>So desactivat.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Puntuacions màximes</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continua</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Nom del jugador</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Qui ha aconseguit tants punts?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continua</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Segur que voleu netejar les puntuacions?</translation>
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
        <translation>Puntuacions màximes</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 punt</numerusform>
            <numerusform>%1, %2 punts</numerusform>
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
     L'objectiu del joc és aconseguir tants punts com sigui possible.
     Els punts s'obtenen arrossegant i deixant anar caselles per formar línies i
quadrats de caselles del mateix color. Només es poden moure les caselles de color,
i poden saltar per sobre d'altres caselles de color. Les línies de color són de cinc
caselles en horitzontal, en vertical o en diagonal. Els quadrats són de tres per tres
caselles.
     A l'inici de la partida s'omplen tres caselles, i després de cada moviment
que no forma res se n'hi afegeixen tres més.
     Quan formeu una línia o un quadrat, es dissol i rebeu quatre o disset punts,
respectivament.
     La partida s'acaba quan totes les caselles estan ocupades.
     Quan es forma un quadrat i es dissol, a més dels disset punts obtinguts, també
es dissolen immediatament totes les caselles d'un color triat a l'atzar.
     També es dissolen de tant en tant totes les caselles d'un color triat a l'atzar
(sense haver format cap línia ni cap quadrat).
     En canvi, de vegades una pedra negra ocupa una casella per sempre.
     Podeu fer servir les caselles multicolors com vulgueu (són comodins).


     L'arbret de la dreta no té cap importància per al joc. L'arbre torna a créixer
cada vegada que es forma i es dissol una línia o un quadrat.
Sempre és un arbre nou que no havia existit mai. Cap jugador no veurà dues
vegades el mateix arbre, perquè la varietat no té fi...

     Passeu-ho bé!</translation>
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
                                                                   Versió 1.01
                                                                         8.99
                                                     Els desenvolupadors del KALDORA
                                                 vegeu el README.md del projecte KALDORA

                                                         joc d'estratègia i de lògica








                       L'arbre es dibuixa amb el mètode recursiu clàssic dels arbres fractals:
                         cada branca treu unes branques més curtes i fines en angles aleatoris.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Puntuació</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>a la mà: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Agafa</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Deixa</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Torna al seu lloc</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Agafa la casella per deixar-la en una casella lliure</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Deixa aquí la casella agafada</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Torna la casella agafada al seu lloc</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nom per a les puntuacions màximes</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Neteja puntuacions</translation>
    </message>
</context>
</TS>
