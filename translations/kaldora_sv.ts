<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Spelet är slut.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>En svart sten kan inte flyttas.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Här finns inget att plocka upp.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Upplockad: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Tillbakalagd: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Spelbrädets kant.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>rad %1, kolumn %2 till %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>kolumn %1, rad %2 till %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>från %1 till %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nya rutor: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Färgen %1 sprängs: %n ruta.</numerusform>
            <numerusform>Färgen %1 sprängs: %n rutor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Linje upplöst: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n poäng, nu %1 poäng.</numerusform>
            <numerusform>%n poäng, nu %1 poäng.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>rad %1 till %2, kolumn %3 till %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Kvadrat upplöst: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Flyttad till %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Ingen flytt: rutan på %1 är upptagen.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Ingen flytt.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Svart sten på %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 på %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Spelet är slut, %1 poäng.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Med Paus och sedan Starta börjar du ett nytt spel.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Spelhändelser</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>röd</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blå</translation>
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
        <translation>sprängd</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>svart sten</translation>
    </message>
    <message>
        <source>free</source>
        <translation>ledig</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rad %2, kolumn %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spelbräde</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starta</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;us</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Slå av &amp;ljud</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Bakgrundsfärg</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Spelre&amp;gler</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Visa bästa resultat</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Rensa bästa resultat</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Ett spel pågår; Paus avbryter det och visar Starta igen.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Spelet avbrutet, %1 poäng.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Slå &amp;på ljud</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Slå av lju&amp;d</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ljudet på.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ljudet av.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Bästa resultat</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Fortsätt</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Spelarnamn</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Vem fick så många poäng?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Fortsätt</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Vill du verkligen rensa bästa resultat?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Bästa resultat</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 poäng</numerusform>
            <numerusform>%1, %2 poäng</numerusform>
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
     Målet med spelet är att få så många poäng som möjligt.
     Poäng får du genom att dra och släppa rutor så att de bildar linjer och
kvadrater av rutor i samma färg. Bara färgade rutor kan flyttas, och de får
hoppa över andra färgade rutor. Linjerna består av fem rutor i rad, vågrätt,
lodrätt eller diagonalt, och kvadraterna består av tre gånger tre
rutor.
     Tre rutor fylls i när spelet börjar, och efter varje misslyckat drag kommer
tre nya till.
     En färdig linje eller kvadrat löses upp, och du får fyra respektive
sjutton poäng.
     Spelet är slut när alla rutor är upptagna.
     När en kvadrat har bildats och lösts upp, löses också genast alla rutor
i en slumpvis vald färg upp, utöver de sjutton poäng som
tillgodoräknas.
     Dessutom löses då och då alla rutor i en slumpvis vald färg upp
(utan att någon linje eller kvadrat har bildats).
     Omvänt fylls ibland en ruta för gott med en svart sten.
     De mångfärgade rutorna kan du använda som du vill (de är jokrar).


     Det lilla trädet till höger har ingen betydelse för spelet. Trädet växer
upp på nytt varje gång en linje eller kvadrat bildas och löses upp.
Varje gång är det ett nytt träd som aldrig har funnits förut. Ingen spelare
får se samma träd två gånger, för det tar aldrig slut...

     Ha det så roligt!</translation>
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
                                                            KALDORA-utvecklarna
                                                     se README.md i KALDORA-projektet

                                                           strategi- och pusselspel








                         Trädet ritas med den klassiska rekursiva metoden för fraktala träd:
                            varje gren får några kortare, tunnare grenar i slumpvisa vinklar.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>i handen: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Plocka upp</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Släpp</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Lägg tillbaka</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Plockar upp rutan för att släppa den på en ledig ruta</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Släpper den upplockade rutan här</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Lägger tillbaka den upplockade rutan</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Namn till listan över bästa resultat</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Rensa bästa resultat</translation>
    </message>
</context>
</TS>
