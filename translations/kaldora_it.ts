<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Disattiva audio</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Colore di &amp;sfondo</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Mostra record</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Azzera &amp;record</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>A&amp;ttiva audio</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Attiva a&amp;udio</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Record</translation>
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
        <translation>Nome del giocatore</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Chi ha raggiunto tanti punti?</translation>
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
        <translation>Cancellare davvero i record?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;No</translation>
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
     Lo scopo del gioco è ottenere il maggior numero di punti possibile.
     I punti si ottengono trascinando le caselle per formare file e quadrati di
caselle dello stesso colore. Si possono spostare solo le caselle colorate, ed è
permesso saltare sopra altre caselle colorate. Le file sono di cinque caselle in
orizzontale, in verticale o in diagonale; i quadrati di tre per tre caselle.
     All'inizio della partita si riempiono tre caselle, e dopo ogni mossa senza
successo se ne aggiungono altre tre.
     Una fila o un quadrato completato si dissolve e si ricevono rispettivamente
quattro o diciassette punti.
     La partita finisce quando tutte le caselle sono occupate.
     Quando si forma e si dissolve un quadrato, oltre ai diciassette punti si
dissolvono subito anche tutte le caselle di un colore scelto a caso.
     Inoltre, di tanto in tanto si dissolvono tutte le caselle di un colore scelto
a caso (senza che si sia formata una fila o un quadrato).
     Al contrario, ogni tanto una casella viene riempita per sempre da una pietra
nera.
     Le caselle multicolori si possono usare come si vuole (sono jolly).


     L'alberello a destra non ha alcuna importanza per il gioco. Rinasce ogni
volta che si forma e si dissolve una fila o un quadrato.
Ogni volta è un albero nuovo, mai esistito prima. Nessun giocatore vedrà due
volte lo stesso albero, perché non c'è fine...

     Buon divertimento!</translation>
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
                                                       Gli sviluppatori di KALDORA
                                                   vedi README.md del progetto KALDORA

                                                         gioco di strategia e logica








                      L'albero è disegnato col classico metodo ricorsivo degli alberi frattali:
                           ogni ramo mette alcuni rami più corti e sottili ad angoli casuali.</translation>
    </message>
</context>
</TS>
