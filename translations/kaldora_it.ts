<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Una pietra nera non si può spostare.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Qui non c&apos;è niente da prendere.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Preso: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Rimesso: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Bordo della scacchiera.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nuove caselle: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Pietra nera in %1.</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Partita finita, punteggio %1.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Notizie di gioco</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Spostato in %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Non spostato: la casella in %1 è occupata.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Non spostato.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Pausa, poi Avvia, inizia una nuova partita.</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>riga %1, colonne da %2 a %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>colonna %1, righe da %2 a %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Fila dissolta: %1, %2.</translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>righe da %1 a %2, colonne da %3 a %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Quadrato dissolto: %1, %2.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Il colore %1 esplode: %n casella.</numerusform>
            <numerusform>Il colore %1 esplode: %n caselle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n punto, punteggio %1.</numerusform>
            <numerusform>%n punti, punteggio %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>jolly</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>esplosa</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>pietra nera</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libera</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Scacchiera</translation>
    </message>
</context>
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
        <translation>&amp;Mostra classifica</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Azze&amp;ra classifica</translation>
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
        <translation>Disa&amp;ttiva audio</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Partita abbandonata, punteggio %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Audio attivato.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Audio disattivato.</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>C&apos;è una partita in corso; Pausa la abbandona e fa ricomparire Avvia.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Classifica</translation>
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
        <translation>Giocatore</translation>
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
        <translation>Vuoi davvero azzerare la classifica?</translation>
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
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Classifica</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 punto</numerusform>
            <numerusform>%1, %2 punti</numerusform>
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
     Lo scopo del gioco è ottenere il maggior numero di punti possibile.
     I punti si ottengono trascinando le caselle per formare file e quadrati di
caselle dello stesso colore. Si possono spostare solo le caselle colorate, ed è
permesso saltare sopra altre caselle colorate. Le file sono di cinque caselle in
orizzontale, in verticale o in diagonale; i quadrati di tre per tre caselle.
     All&apos;inizio della partita si riempiono tre caselle, e dopo ogni mossa senza
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


     L&apos;alberello a destra non ha alcuna importanza per il gioco. Rinasce ogni
volta che si forma e si dissolve una fila o un quadrato.
È sempre un albero nuovo, mai esistito prima. Nessun giocatore vedrà due
volte lo stesso albero, perché non c&apos;è fine...

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








                      L&apos;albero è disegnato col classico metodo ricorsivo degli alberi frattali:
                      da ogni ramo spuntano alcuni rami più corti e sottili ad angoli casuali.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>Pick up</source>
        <translation>Prendi</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Posa</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Rimetti</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Prende la casella, da posare su una casella libera</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Posa qui la casella presa</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Rimette a posto la casella presa</translation>
    </message>
    <message>
        <source>carrying %1</source>
        <translation>in mano: %1</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nome per la classifica</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Azzera classifica</translation>
    </message>
</context>
</TS>
