<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Het spel is afgelopen.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Een zwarte steen kan niet worden verplaatst.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Hier valt niets op te pakken.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Opgepakt: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Teruggelegd: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Rand van het speelbord.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nieuwe vakjes: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Zwarte steen op %1.</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Spel afgelopen, score %1.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Spelgebeurtenissen</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Verplaatst naar %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Niet verplaatst: %1 is bezet.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Niet verplaatst.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Met Pauze en dan Start begint u een nieuw spel.</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>rij %1, kolommen %2 tot en met %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>kolom %1, rijen %2 tot en met %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>van %1 tot %2</translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Rij opgelost: %1, %2.</translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>rijen %1 tot en met %2, kolommen %3 tot en met %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Vierkant opgelost: %1, %2.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>De kleur %1 spat uiteen: %n vakje.</numerusform>
            <numerusform>De kleur %1 spat uiteen: %n vakjes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n punt, score %1.</numerusform>
            <numerusform>%n punten, score %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>uiteengespat</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>zwarte steen</translation>
    </message>
    <message>
        <source>free</source>
        <translation>vrij</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
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
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Geluid &amp;uit</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Achtergrond&amp;kleur</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Spel&amp;regels</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informatie</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>T&amp;opscores tonen</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Topscores &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Afslui&amp;ten</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Geluid &amp;aan</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>G&amp;eluid uit</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Spel afgebroken, score %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Geluid aan.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Geluid uit.</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Er loopt een spel; Pauze breekt het af en brengt Start terug.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Verder</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Spelersnaam</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Wie heeft zoveel punten behaald?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Verder</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Wilt u de topscores echt wissen?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Topscores</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 punt</numerusform>
            <numerusform>%1, %2 punten</numerusform>
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
     Het doel van het spel is zo veel mogelijk punten te behalen.
     Punten verdient u door vakjes te verslepen, zodat rijen en vierkanten van
vakjes van dezelfde kleur ontstaan. Alleen gekleurde vakjes kunnen worden
verplaatst, en ze mogen over andere gekleurde vakjes heen springen. Een rij
bestaat uit vijf vakjes horizontaal, verticaal of diagonaal; een vierkant uit
drie maal drie vakjes.
     Aan het begin van het spel worden drie vakjes gevuld, en na elke zet zonder
resultaat komen er drie bij.
     Een voltooide rij of een voltooid vierkant lost op en levert vier
respectievelijk zeventien punten op.
     Het spel is afgelopen wanneer alle vakjes bezet zijn.
     Lost er een vierkant op, dan verdwijnen naast de zeventien punten ook meteen
alle vakjes van een willekeurig gekozen kleur.
     Bovendien verdwijnen af en toe alle vakjes van een willekeurig gekozen kleur
(zonder dat er een rij of vierkant is gevormd).
     Omgekeerd wordt er af en toe een vakje voorgoed gevuld met een zwarte steen.
     De veelkleurige vakjes kunt u naar believen gebruiken (het zijn jokers).


     Het boompje rechts heeft geen betekenis voor het spel. Het groeit telkens
opnieuw wanneer een rij of vierkant ontstaat en oplost.
Het is telkens een nieuwe boom die nog nooit heeft bestaan. Geen speler zal
twee keer dezelfde boom zien, want er komt geen einde aan...

     Veel plezier!</translation>
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
                                                       De ontwikkelaars van KALDORA
                                                  zie README.md van het KALDORA-project

                                                           strategie- en puzzelspel








                 De boom wordt getekend volgens de klassieke recursieve methode van fractale bomen:
                       elke tak krijgt een paar kortere, dunnere takken onder willekeurige hoeken.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>Pick up</source>
        <translation>Oppakken</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Neerleggen</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Terugleggen</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Pakt het vakje op, om het op een vrij vakje neer te leggen</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Legt het opgepakte vakje hier neer</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Legt het opgepakte vakje terug</translation>
    </message>
    <message>
        <source>carrying %1</source>
        <translation>in de hand: %1</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Naam voor de topscorelijst</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Topscores wissen</translation>
    </message>
</context>
</TS>
