<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Peli on päättynyt.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Mustaa kiveä ei voi siirtää.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Tässä ei ole mitään nostettavaa.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Nostettu: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Palautettu: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Laudan reuna.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rivi %1, sarake %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>rivi %1, sarakkeet %2–%3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>sarake %1, rivit %2–%3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>kohdasta %1 kohtaan %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Uudet ruudut: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Väri %1 räjähti: %n ruutu.</numerusform>
            <numerusform>Väri %1 räjähti: %n ruutua.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Rivi poistui: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n piste, pisteet: %1.</numerusform>
            <numerusform>%n pistettä, pisteet: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>rivit %1–%2, sarakkeet %3–%4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Neliö poistui: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Siirretty kohtaan %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Ei siirretty: kohta %1 on varattu.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Ei siirretty.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Musta kivi kohdassa %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 kohdassa %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Peli päättyi, pisteet: %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Uuden pelin voi aloittaa painamalla Tauko ja sitten Aloita.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Pelin tapahtumat</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>punainen</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranssi</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>keltainen</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vihreä</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>syaani</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>sininen</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>jokeri</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>räjähtänyt</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>musta kivi</translation>
    </message>
    <message>
        <source>free</source>
        <translation>vapaa</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rivi %2, sarake %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Pelilauta</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Aloita</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Tauko</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Äänet &amp;pois</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Taustan &amp;väri</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Peli&amp;säännöt</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>T&amp;ietoja</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>Näytä &amp;ennätykset</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Tyh&amp;jennä ennätykset</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Peli on käynnissä; Tauko keskeyttää sen ja tuo Aloita-painikkeen takaisin.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Peli keskeytettiin, pisteet: %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Äänet päälle</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Äänet p&amp;ois</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Äänet päällä.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Äänet pois päältä.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Ennätykset</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Jatka</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Pelaajan nimi</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Kuka sai näin paljon pisteitä?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Jatka</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Haluatko varmasti tyhjentää ennätykset?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Ennätykset</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 piste</numerusform>
            <numerusform>%1, %2 pistettä</numerusform>
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
     Pelin tavoitteena on saada mahdollisimman paljon pisteitä.
     Pisteitä saa vetämällä ja pudottamalla ruutuja niin, että niistä muodostuu
samanvärisiä rivejä ja neliöitä. Vain värillisiä ruutuja voi siirtää, ja ne
voivat hypätä toisten värillisten ruutujen yli. Rivissä on viisi ruutua
vaakasuoraan, pystysuoraan tai vinottain. Neliössä on kolme kertaa kolme
ruutua.
     Pelin alussa täytetään kolme ruutua, ja jokaisen tuloksettoman siirron jälkeen
lisätään kolme uutta.
     Valmis rivi tai neliö poistuu, ja rivistä saa neljä, neliöstä seitsemäntoista
pistettä.
     Peli päättyy, kun kaikki ruudut ovat värillisiä.
     Kun neliö muodostuu ja poistuu, seitsemäntoista pisteen lisäksi poistuvat
heti myös kaikki satunnaisesti valitun värin ruudut.
     Lisäksi kaikki satunnaisesti valitun värin ruudut poistuvat silloin tällöin
(vaikka riviä tai neliötä ei olisi muodostunut).
     Toisaalta aika ajoin jokin ruutu täyttyy pysyvästi mustalla kivellä.
     Monivärisiä ruutuja voi käyttää vapaasti (ne ovat jokereita).


     Oikealla olevalla pienellä puulla ei ole merkitystä pelin kannalta. Puu kasvaa
aina uudelleen, kun rivi tai neliö muodostuu ja poistuu.
Joka kerta se on uusi puu, jollaista ei ole koskaan ennen ollut. Kukaan pelaaja ei
näe samaa puuta kahdesti, sillä vaihtoehtoja on loputtomasti...

     Hauskoja pelihetkiä!</translation>
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
                                                           KALDORAn kehittäjät
                                                    katso KALDORA-projektin README.md

                                                            strategia- ja pulmapeli








                      Puu piirretään fraktaalipuiden klassisella rekursiivisella menetelmällä:
               jokaisesta oksasta versoo satunnaisiin kulmiin muutama lyhyempi ja ohuempi oksa.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>kädessä: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Nosta</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Laske</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Nostaa ruudun, jotta sen voi laskea vapaaseen ruutuun</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Laskee nostetun ruudun tähän</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Palauttaa nostetun ruudun paikalleen</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nimi ennätyslistaan</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Tyhjennä ennätykset</translation>
    </message>
</context>
</TS>
