<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist zu Ende.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Ein schwarzer Stein lässt sich nicht bewegen.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Hier ist nichts aufzunehmen.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Aufgenommen: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Zurückgelegt: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Rand des Spielbretts.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Neue Felder: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Schwarzer Stein in %1.</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Spiel zu Ende, Stand %1.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Spielgeschehen</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Gezogen nach %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Nicht gezogen: %1 ist besetzt.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Nicht gezogen.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Mit Pause und dann Start beginnt ein neues Spiel.</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>Zeile %1, Spalten %2 bis %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>Spalte %1, Zeilen %2 bis %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Reihe aufgelöst: %1, %2.</translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>Zeilen %1 bis %2, Spalten %3 bis %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Quadrat aufgelöst: %1, %2.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Farbe geplatzt: %1, %n Feld.</numerusform>
            <numerusform>Farbe geplatzt: %1, %n Felder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n Punkt, Stand %1.</numerusform>
            <numerusform>%n Punkte, Stand %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
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
        <translation>Joker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>geplatzt</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>schwarzer Stein</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Ton &amp;aus</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Spiel&amp;regeln</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>Bestenliste &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Bestenliste &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Ton &amp;an</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Ton a&amp;us</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Spiel abgebrochen, Stand %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ton an.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ton aus.</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Ein Spiel läuft; Pause bricht es ab und bringt Start zurück.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Wer hat so viele Punkte erreicht?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Die Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Bestenliste</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 Punkt</numerusform>
            <numerusform>%1, %2 Punkte</numerusform>
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
     Ziel des Spiels ist es, so viele Punkte wie möglich zu erreichen.
     Punkte gibt es, wenn man Felder per Drag&amp;Drop so verschiebt, dass Reihen und
Quadrate aus Feldern gleicher Farbe entstehen. Nur farbige Felder lassen sich
bewegen, und sie dürfen über andere farbige Felder hinwegspringen. Die Reihen
bestehen aus fünf Feldern waagerecht, senkrecht oder diagonal, die Quadrate aus
drei mal drei Feldern.
     Zu Beginn des Spiels werden drei Felder gefüllt, und nach jedem erfolglosen
Zug kommen drei weitere hinzu.
     Eine fertige Reihe oder ein fertiges Quadrat löst sich auf, und man erhält vier
bzw. siebzehn Punkte.
     Das Spiel ist zu Ende, wenn alle Felder besetzt sind.
     Löst sich ein Quadrat auf, verschwinden zusätzlich zu den siebzehn Punkten
sofort auch alle Felder einer zufällig bestimmten Farbe.
     Außerdem lösen sich gelegentlich alle Felder einer zufällig bestimmten Farbe
auf (ohne dass eine Reihe oder ein Quadrat gebildet wurde).
     Umgekehrt wird hin und wieder ein Feld unwiderruflich mit einem schwarzen Stein
gefüllt.
     Die bunten Felder können beliebig eingesetzt werden (sie sind Joker).


     Das Bäumchen rechts hat keine Bedeutung für das Spiel. Es wächst jedes Mal
neu, wenn eine Reihe oder ein Quadrat entsteht und sich auflöst.
Jedes Mal ist es ein neuer Baum, den es so noch nie gab. Kein Spieler wird
denselben Baum zweimal sehen, denn die Vielfalt ist unendlich...

     Viel Spaß!</translation>
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
                                                          Die KALDORA-Entwickler
                                                   siehe README.md des KALDORA-Projekts

                                                           Strategie- und Denkspiel








                     Der Baum entsteht nach der klassischen rekursiven Methode fraktaler Bäume:
                          Jeder Ast treibt in zufälligen Winkeln einige kürzere, dünnere Äste.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Spielstand</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>Pick up</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurücklegen</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Nimmt das Feld auf, um es auf einem freien Feld abzulegen</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Legt das aufgenommene Feld hier ab</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Legt das aufgenommene Feld zurück</translation>
    </message>
    <message>
        <source>carrying %1</source>
        <translation>in der Hand: %1</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Name für die Bestenliste</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Bestenliste löschen</translation>
    </message>
</context>
</TS>
