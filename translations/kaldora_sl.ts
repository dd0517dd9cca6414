<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Igre je konec.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Črnega kamna ni mogoče premakniti.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Tu ni ničesar, kar bi lahko pobrali.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Pobrano: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Vrnjeno: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Rob plošče.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>vrstica %1, stolpec %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>vrstica %1, stolpci od %2 do %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>stolpec %1, vrstice od %2 do %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nova polja: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Barva %1 je počila: %n polje.</numerusform>
            <numerusform>Barva %1 je počila: %n polji.</numerusform>
            <numerusform>Barva %1 je počila: %n polja.</numerusform>
            <numerusform>Barva %1 je počila: %n polj.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Vrsta je izginila: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n točka, rezultat %1.</numerusform>
            <numerusform>%n točki, rezultat %1.</numerusform>
            <numerusform>%n točke, rezultat %1.</numerusform>
            <numerusform>%n točk, rezultat %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>vrstice od %1 do %2, stolpci od %3 do %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Kvadrat je izginil: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Premaknjeno: %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Ni premaknjeno, zasedeno: %1.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Ni premaknjeno.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Črni kamen: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Konec igre, rezultat %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Novo igro začnete z gumboma Premor in nato Začni.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Dogajanje v igri</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>rdeča</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranžna</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>rumena</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelena</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>turkizna</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modra</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>škrlatna</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>počeno</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>črni kamen</translation>
    </message>
    <message>
        <source>free</source>
        <translation>prosto</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, vrstica %2, stolpec %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Igralna plošča</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Začni</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Premor</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Izk&amp;lopi zvok</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Barva ozadja</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Navodila za igro</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informacije</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>Prikaži &amp;rezultate</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Poči&amp;sti rezultate</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Končaj</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Igra teče; gumb Premor jo prekine in vrne gumb Začni.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Igra prekinjena, rezultat %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Vklopi zvok</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Izk&amp;lopi zvok</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Zvok vklopljen.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Zvok izklopljen.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Najboljši rezultati</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Nadaljuj</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Ime igralca</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Kdo je dosegel toliko točk?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Nadaljuj</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Ali res želite počistiti najboljše rezultate?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Najboljši rezultati</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 točka</numerusform>
            <numerusform>%1, %2 točki</numerusform>
            <numerusform>%1, %2 točke</numerusform>
            <numerusform>%1, %2 točk</numerusform>
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
     Cilj igre je zbrati čim več točk.
     Točke dobite tako, da z miško vlečete polja in iz polj iste barve sestavljate
vrste in kvadrate. Premikati je mogoče le barvna polja, ki smejo pri tem
preskočiti druga barvna polja. Vrsto sestavlja pet polj vodoravno, navpično ali
diagonalno, kvadrat pa tri krat tri polja.
     Na začetku igre se zapolnijo tri polja, po vsaki neuspešni potezi pa se
dodajo še tri.
     Dokončana vrsta ali kvadrat izgine; za vrsto dobite štiri točke, za kvadrat
sedemnajst točk.
     Igre je konec, ko so vsa polja zasedena.
     Ko ustvarite kvadrat in ta izgine, dobite sedemnajst točk, takoj pa izginejo
tudi vsa polja ene naključno izbrane barve.
     Poleg tega občasno izginejo vsa polja naključno izbrane barve (ne da bi
nastala vrsta ali kvadrat).
     Po drugi strani se tu in tam kakšno polje nepreklicno zapolni s črnim kamnom.
     Večbarvna polja lahko uporabite poljubno (to so jokerji).


     Drevesce na desni za igro nima nobenega pomena. Zraste vsakič znova, ko
nastane in izgine vrsta ali kvadrat. Vedno je to novo drevo, kakršnega še ni
bilo. Noben igralec ne bo dvakrat videl istega drevesa, saj njihovi raznolikosti
ni konca...

     Veliko zabave!</translation>
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
                                                                  Različica 1.01
                                                                         8.99
                                                          Razvijalci igre KALDORA
                                                    glejte README.md projekta KALDORA

                                                          strateška in miselna igra








                          Drevo je narisano po klasični rekurzivni metodi fraktalnih dreves:
                            vsaka veja požene nekaj krajših, tanjših vej pod naključnimi koti.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>v roki: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Poberi</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Odloži</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Vrni</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Pobere polje, da ga odložite na prosto polje</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Sem odloži pobrano polje</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Vrne pobrano polje nazaj</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Ime za najboljše rezultate</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Počisti rezultate</translation>
    </message>
</context>
</TS>
